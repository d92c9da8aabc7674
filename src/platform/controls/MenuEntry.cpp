#include "platform/controls/MenuEntry.h"

#include "platform/Colours.h"

Label* makeLabel(QWidget* parent, const QString& name, int index, const QString& caption,
                 const QRectF& twips, const TextStyle& style) {
    auto* label = new Label(parent);
    setControlName(label, name, index);
    label->setCaption(caption);
    label->setFontSpec(style.family, style.points, style.bold);
    label->setForeColor(style.colour);
    label->setAlignment(style.align);
    label->setOpaque(false);
    label->Move(twips.left(), twips.top(), twips.width(), twips.height());
    return label;
}

Label* makeMenuEntry(QWidget* parent, ControlArray<Label>& array, const QString& name, int index,
                     const QString& caption, const QRectF& twips, double points,
                     const QColor& box) {
    const TextStyle style{QStringLiteral("Tahoma"), points, true, Colours::yellow,
                          Label::Align::Center};
    Label* entry = makeLabel(parent, name, index, caption, twips, style);
    entry->setBackColor(box);
    entry->setOpaque(true);
    entry->setBorder(true);
    entry->setCursor(Qt::PointingHandCursor);
    entry->setLightsUpOnFocus(true);
    array.add(index, entry);
    return entry;
}

void lightUp(const ControlArray<Label>& entries, int index) {
    if (!entries.contains(index))
        return;
    Label& entry = entries(index);
    if (entry.isEnabled())
        entry.setOpaque(true);
}

void clearLights(const ControlArray<Label>& entries) {
    entries.forEach([](int, Label& entry) { entry.setOpaque(false); });
}
