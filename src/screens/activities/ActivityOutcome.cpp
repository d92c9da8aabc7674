#include "screens/activities/ActivityOutcome.h"

#include "app/Module1.h"

ActivityOutcome boardOutcome(int score, int maxScore, ActivityOutcome::Done done) {
    return {score, maxScore, Module1::state.run.QuizSubject, std::nullopt, std::move(done)};
}
