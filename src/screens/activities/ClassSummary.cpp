#include "screens/activities/ClassSummary.h"

#include <QLocale>
#include <algorithm>
#include <map>
#include <tuple>

namespace ClassSummary {

QList<Tries> byPupil(const QList<ClassRecord::Entry>& entries) {
    std::map<std::tuple<QString, QString, QString>, Tries> all;
    for (const ClassRecord::Entry& e : entries) {
        Tries& t = all[{e.pupil.toCaseFolded(), e.topic, e.activity}];
        if (t.tries == 0) {
            t.pupil = e.pupil;
            t.topic = e.topic;
            t.activity = e.activity;
        }
        ++t.tries;
        if (!t.latest.isValid() || e.when >= t.latest) {
            t.latest = e.when;
            t.latestScore = e.score;
            t.latestOutOf = e.outOf;
        }
        // Best by share of the marks, as a retry may be out of fewer.
        if (t.bestOutOf == 0 || qint64(e.score) * t.bestOutOf > qint64(t.bestScore) * e.outOf) {
            t.bestScore = e.score;
            t.bestOutOf = e.outOf;
        }
    }
    QList<Tries> list;
    for (const auto& [key, tries] : all)
        list.append(tries);
    return list;
}

QList<Question> hardestQuestions(const QList<ClassRecord::Entry>& entries) {
    struct Count {
        Question q;
        std::map<QString, int> wrongChoices;
    };
    std::map<std::pair<QString, int>, Count> all;
    for (const ClassRecord::Entry& e : entries) {
        // A retry asks only what was wrong before; the class is measured by first goes.
        if (e.activity == ClassRecord::retryActivity)
            continue;
        for (const ClassRecord::Answer& a : e.answers) {
            Count& c = all[{e.topic, a.question}];
            c.q.topic = e.topic;
            c.q.number = a.question;
            ++c.q.answered;
            if (a.chosen != a.right) {
                ++c.q.wrong;
                ++c.wrongChoices[a.chosen.isEmpty() ? QStringLiteral("none") : a.chosen];
            }
        }
    }
    QList<Question> list;
    for (auto& [key, c] : all) {
        for (const auto& [choice, times] : c.wrongChoices) {
            if (times > c.q.mostChosenWrongTimes) {
                c.q.mostChosenWrong = choice;
                c.q.mostChosenWrongTimes = times;
            }
        }
        list.append(c.q);
    }
    std::stable_sort(list.begin(), list.end(),
                     [](const Question& a, const Question& b) { return a.wrong > b.wrong; });
    return list;
}

QStringList pupils(const QList<ClassRecord::Entry>& entries) {
    std::map<QString, QString> names;
    for (const ClassRecord::Entry& e : entries)
        names.emplace(e.pupil.toCaseFolded(), e.pupil);
    QStringList list;
    for (const auto& [key, name] : names)
        list.append(name);
    return list;
}

QStringList reportLines(const QList<ClassRecord::Entry>& entries, int questions) {
    QStringList lines{QStringLiteral("Class results: %1 entries").arg(entries.size()), QString()};
    const QLocale locale;
    for (const Tries& t : byPupil(entries)) {
        lines.append(QStringLiteral("%1 - %2, %3: latest %4 out of %5, best %6 out of %7, "
                                    "%8 %9, last on %10")
                         .arg(t.pupil, t.topic, t.activity)
                         .arg(t.latestScore)
                         .arg(t.latestOutOf)
                         .arg(t.bestScore)
                         .arg(t.bestOutOf)
                         .arg(t.tries)
                         .arg(t.tries == 1 ? QStringLiteral("try") : QStringLiteral("tries"))
                         .arg(locale.toString(t.latest.date(), QLocale::ShortFormat)));
    }
    const QList<Question> hardest = hardestQuestions(entries);
    if (!hardest.isEmpty()) {
        lines.append(QString());
        lines.append(QStringLiteral("Questions most often wrong"));
    }
    for (const Question& q : hardest.mid(0, questions)) {
        if (q.wrong == 0)
            break;
        QString line = QStringLiteral("%1, question %2: wrong %3 times of %4")
                           .arg(q.topic)
                           .arg(q.number)
                           .arg(q.wrong)
                           .arg(q.answered);
        if (!q.mostChosenWrong.isEmpty())
            line += QStringLiteral("; most chose %1 (%2)")
                        .arg(q.mostChosenWrong)
                        .arg(q.mostChosenWrongTimes);
        lines.append(line);
    }
    return lines;
}

} // namespace ClassSummary
