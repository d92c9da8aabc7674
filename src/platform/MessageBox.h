#pragma once

#include <QString>

// The program's message boxes: a text, an OK button (or OK and Cancel), no icon, a caption.
class MessageBox {
public:
    enum class Buttons { Ok, OkCancel };
    enum class Answer { Ok, Cancel };

    virtual ~MessageBox() = default;
    virtual Answer show(const QString& text, Buttons buttons, const QString& caption) = 0;
};

// The real one: a modal QMessageBox in front of the active window.
class QtMessageBox : public MessageBox {
public:
    Answer show(const QString& text, Buttons buttons, const QString& caption) override;
};
