#pragma once

#include "platform/controls/ControlWidget.h"

#include <QColor>

// A frame: an etched border with an optional caption, holding other controls.
class Frame : public ControlWidget {
    Q_OBJECT
public:
    explicit Frame(QWidget* parent);

    QColor BackColor() const { return backColor_; }
    void setBackColor(const QColor& colour);
    void setCaption(const QString& caption);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor backColor_{192, 192, 192};
    QString caption_;
};
