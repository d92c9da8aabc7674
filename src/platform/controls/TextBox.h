#pragma once

#include "platform/controls/Control.h"

#include <QLineEdit>
#include <functional>

// A one-line text box with a length limit. By default it takes only characters that the
// program's 8-bit files can store, so nothing typed is lost on saving; a box whose text is
// never saved may take any printable character. keyPress sees each key's character code first
// (13 for Enter).
class TextBox : public QLineEdit, public TwipsGeometry {
    Q_OBJECT
public:
    explicit TextBox(QWidget* parent);

    QString Text() const { return text(); }
    void setText(const QString& text);
    void setMaxLength(int length);
    void setStorableOnly(bool storableOnly);
    void setFontSpec(const QString& family, double points, bool bold = false);
    bool Visible() const { return !isHidden(); }

    std::function<void(int keyAscii)> keyPress;

protected:
    void keyPressEvent(QKeyEvent* event) override;
};
