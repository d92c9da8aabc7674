#include "platform/controls/TextBox.h"

#include "formats/TextCodec.h"
#include "platform/Fonts.h"

#include <QKeyEvent>
#include <QValidator>

namespace {

// Refuses any text holding a character the 8-bit files cannot store or a line break.
class StorableText : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override {
        return TextCodec::canStoreInLine(input) ? Acceptable : Invalid;
    }
};

} // namespace

TextBox::TextBox(QWidget* parent) : QLineEdit(parent), TwipsGeometry(this) {
    setValidator(new StorableText(this));
    setFrame(true);
}

void TextBox::setText(const QString& text) {
    // Text set by the program is shown as given, cut at the length limit like typed text.
    QLineEdit::setText(text.left(maxLength()));
}

void TextBox::setMaxLength(int length) {
    QLineEdit::setMaxLength(length);
}

void TextBox::setFontSpec(const QString& family, double points, bool bold) {
    setFont(Fonts::make(family, points, bold));
}

void TextBox::keyPressEvent(QKeyEvent* event) {
    if (keyPress) {
        const int key = event->key();
        int ascii = 0;
        if (key == Qt::Key_Return || key == Qt::Key_Enter)
            ascii = 13;
        else if (!event->text().isEmpty())
            ascii = event->text().at(0).unicode();
        if (ascii != 0)
            keyPress(ascii);
    }
    QLineEdit::keyPressEvent(event);
}
