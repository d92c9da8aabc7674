#include "screens/activities/ScoreRules.h"

#include "app/Messages.h"

namespace ScoreRules {

Band band(int score, int maxScore) {
    if (score == maxScore)
        return Band::Full;
    if (score == maxScore - 1 || score == maxScore - 2)
        return Band::Good;
    return Band::Plain;
}

QString message(int score, int maxScore) {
    QString opening;
    switch (band(score, maxScore)) {
    case Band::Full:
        opening = QStringLiteral("Excellent work. You have scored");
        break;
    case Band::Good:
        opening = QStringLiteral("Good work. You have scored");
        break;
    case Band::Plain:
        opening = QStringLiteral("You have scored");
        break;
    }
    return opening + numberText(score) + QStringLiteral(" out of") + numberText(maxScore) +
           QStringLiteral(".");
}

QStringList sounds(int score) {
    switch (score) {
    case 10:
        return {QStringLiteral("wav\\fanf2.wav"), QStringLiteral("wav\\fanf3.wav")};
    case 9:
        return {QStringLiteral("wav\\crowd.wav"), QStringLiteral("wav\\cheer2.wav"),
                QStringLiteral("wav\\klaxon.wav")};
    case 8:
        return {QStringLiteral("wav\\flute.wav"), QStringLiteral("wav\\gong.wav"),
                QStringLiteral("wav\\clap2.wav")};
    case 7:
        return {QStringLiteral("wav\\drumroll.wav"), QStringLiteral("wav\\laser2.wav"),
                QStringLiteral("wav\\whizz.wav")};
    case 6:
        return {QStringLiteral("wav\\clap3.wav"), QStringLiteral("wav\\clown.wav")};
    default:
        return {};
    }
}

} // namespace ScoreRules
