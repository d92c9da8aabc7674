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

    QList<Shown> shown;
    QStringList texts;
    QList<Answer> answers;
    std::function<void()> onShow;
};
