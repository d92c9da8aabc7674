#pragma once

#include <QString>
#include <QStringList>

// What the results screen makes of a score.
namespace ScoreRules {

enum class Band { Full, Good, Plain };

// Full marks; one or two short of them; anything lower.
Band band(int score, int maxScore);

// The score message, such as "Good work. You have scored 8 out of 10."
QString message(int score, int maxScore);

// The sounds that may greet a score, by the score alone; empty when it has none.
QStringList sounds(int score);

} // namespace ScoreRules
