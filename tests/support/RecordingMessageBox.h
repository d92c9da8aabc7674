#pragma once

#include "platform/MessageBox.h"

#include <QList>
#include <QStringList>
#include <functional>

// Records each message box shown and answers as told: what is queued, else OK, or Yes to a
// question.
class RecordingMessageBox : public MessageBox {
public:
    struct Shown {
        QString text;
        Buttons buttons;
        QString caption;
    };

    Answer show(const QString& text, Buttons buttons, const QString& caption) override {
        shown.append({text, buttons, caption});
        texts.append(text);
        if (onShow)
            onShow();
        if (!answers.isEmpty())
            return answers.takeFirst();
        return buttons == Buttons::YesNo ? Answer::Yes : Answer::Ok;
    }

    // Answers a request for a name with the next of `names`, or none.
    QString askName(const QString& text, const QStringList& known, const QString&) override {
        texts.append(text);
        offeredNames = known;
        return names.isEmpty() ? QString() : names.takeFirst();
    }

    QList<Shown> shown;
    QStringList texts;
    QStringList names;
    QStringList offeredNames;
    QList<Answer> answers;
    std::function<void()> onShow;
};
