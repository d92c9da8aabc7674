#pragma once

#include <QString>
#include <QStringList>

class QWidget;

// The program's message boxes: a text, an OK button (or OK and Cancel, or Yes and No), no icon,
// a caption.
class MessageBox {
public:
    enum class Buttons { Ok, OkCancel, YesNo };
    enum class Answer { Ok, Cancel, Yes, No };

    virtual ~MessageBox() = default;
    virtual Answer show(const QString& text, Buttons buttons, const QString& caption) = 0;
    // Asks for a name, typed or picked from `known`; empty when none is given.
    virtual QString askName(const QString& text, const QStringList& known, const QString& caption) {
        (void)text, (void)known, (void)caption;
        return {};
    }
};

// The real one: a modal QMessageBox in front of the active window.
class QtMessageBox : public MessageBox {
public:
    Answer show(const QString& text, Buttons buttons, const QString& caption) override;
    QString askName(const QString& text, const QStringList& known, const QString& caption) override;
};

// Gives a message box the type size of the layout's scale now in force, and its size and place
// to go with it, for a box that was already open when the scale changed.
void fitMessageBoxToScale(QWidget& box);
