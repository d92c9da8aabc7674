#include "platform/controls/TextBox.h"

#include "formats/TextCodec.h"
#include "platform/Fonts.h"

#include <QKeyEvent>
#include <QValidator>
#include <algorithm>

namespace {

// Refuses any text holding a line break or other control character and, where `storable`,
// a character the 8-bit files cannot store.
class TextRule : public QValidator {
public:
    TextRule(QObject* parent, bool storable) : QValidator(parent), storable_(storable) {}
    State validate(QString& input, int&) const override {
        if (storable_)
            return TextCodec::canStoreInLine(input) ? Acceptable : Invalid;
        const bool printable = std::none_of(input.begin(), input.end(), [](QChar c) {
            return c.category() == QChar::Other_Control;
        });
        return printable ? Acceptable : Invalid;
    }

private:
    bool storable_;
};

} // namespace

TextBox::TextBox(QWidget* parent) : QLineEdit(parent), TwipsGeometry(this) {
    setValidator(new TextRule(this, true));
    setFrame(true);
}

void TextBox::setText(const QString& text) {
    // Text set by the program is shown as given, cut at the length limit like typed text.
    QLineEdit::setText(text.left(maxLength()));
}

void TextBox::setMaxLength(int length) {
    QLineEdit::setMaxLength(length);
}

void TextBox::setStorableOnly(bool storableOnly) {
    delete validator();
    setValidator(new TextRule(this, storableOnly));
}

void TextBox::setFontSpec(const QString& family, double points, bool bold) {
    Fonts::apply(*this, family, points, bold);
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
