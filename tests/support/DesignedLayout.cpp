#include "support/DesignedLayout.h"

#include "platform/Fonts.h"
#include "platform/Twips.h"
#include "platform/controls/Buttons.h"
#include "platform/controls/Frame.h"
#include "platform/controls/Label.h"
#include "platform/controls/PictureBox.h"

#include <QTest>

namespace {

QColor textOf(const QWidget& widget) {
    if (const auto* label = qobject_cast<const Label*>(&widget))
        return label->ForeColor();
    return widget.palette().color(QPalette::WindowText);
}

// The colour of the control's box, or transparent where none is drawn.
QColor boxOf(QWidget& widget) {
    if (const auto* label = qobject_cast<const Label*>(&widget))
        return label->Opaque() ? label->BackColor() : QColor(Qt::transparent);
    if (const auto* frame = qobject_cast<const Frame*>(&widget))
        return frame->BackColor();
    if (const auto* picture = qobject_cast<const PictureBox*>(&widget))
        return picture->BackColor();
    if (qobject_cast<const CommandButton*>(&widget))
        // Left of the caption, inside the bevel.
        return widget.grab().toImage().pixelColor(4, widget.height() / 2);
    return widget.palette().color(QPalette::Window);
}

} // namespace

void compareWithDesign(const QWidget& screen, const QString& name, const DesignedControl& design) {
    auto* widget = screen.findChild<QWidget*>(name);
    QVERIFY2(widget, qPrintable(name));
    const auto* twips = dynamic_cast<const TwipsGeometry*>(widget);
    QVERIFY(twips);
    QCOMPARE(twips->Left(), design.twips.left());
    QCOMPARE(twips->Top(), design.twips.top());
    if (!design.twips.size().isEmpty()) {
        QCOMPARE(twips->Width(), design.twips.width());
        QCOMPARE(twips->Height(), design.twips.height());
        QCOMPARE(widget->geometry(), Twips::toPixels(design.twips));
    } else {
        QCOMPARE(widget->pos(), Twips::toPixels(design.twips).topLeft());
    }
    const auto* label = qobject_cast<const Label*>(widget);
    if (label && !design.family.isEmpty())
        QCOMPARE(label->FontSize(), design.points);
    if (!design.family.isEmpty())
        QCOMPARE(widget->font().toString(),
                 Fonts::make(design.family, design.points, design.bold).toString());
    if (design.text.isValid())
        QCOMPARE(textOf(*widget), design.text);
    if (design.box.isValid())
        QCOMPARE(boxOf(*widget), design.box);
}
