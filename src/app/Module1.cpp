#include "app/Module1.h"

namespace Module1 {

void reset() {
    Questions = QuestionTables{};
    PupilAnswer.fill(0);
    CurrentQuestion = 0;
    Score = 0;
    MaxScore = 0;
    QuizSubject.clear();
    Catalogue = CatalogueState{};
    CataloguePage = 0;
    SoundOn = 0;
    PageStem.clear();
    PageCount = 0;
    PageNumber = 0;
    LogoFrame = 0;
}

} // namespace Module1
