#include "screens/activities/board/OrderingBoards.h"

#include "platform/Colours.h"
#include "platform/controls/MenuEntry.h"

namespace {

const QString tahoma = QStringLiteral("Tahoma");
const QString times = QStringLiteral("Times New Roman");
const QColor instructions(128, 255, 255);

} // namespace

orvellesord::orvellesord() : DragBoard(BoardLayouts::orvellesord()) {
    Label9 = makeLabel(this, QStringLiteral("Label9"), -1,
                       QStringLiteral("Drag the labels into the correct boxes."),
                       {7080, 0, 4785, 345}, {tahoma, 12, true, instructions, Label::Align::Right});
    Label8 = makeLabel(this, QStringLiteral("Label8"), -1,
                       QStringLiteral("The Orvelle Family Tree"), {840, 720, 10200, 1065},
                       {times, 36, false, QColor(0, 255, 0), Label::Align::Center});
    const TextStyle wife{tahoma, 12, true, QColor(224, 224, 224), Label::Align::Center};
    const QStringList wives{QStringLiteral("First Wife"), QStringLiteral("Second Wife"),
                            QStringLiteral("Third Wife")};
    for (int i = 0; i < 3; ++i) {
        Label12.add(i, makeLabel(this, QStringLiteral("Label12"), i, wives[i],
                                 {4080 + 2760.0 * i, 3360, 2175, 375}, wife));
    }
    buildTree();
}

void orvellesord::buildTree() {
    const TextStyle equals{QStringLiteral("MS Sans Serif"), 24, false, Colours::yellow,
                           Label::Align::Left};
    const QString sign = QStringLiteral("=");
    Label5 = makeLabel(this, QStringLiteral("Label5"), -1, sign, {2400, 2100, 375, 375}, equals);
    Label11 = makeLabel(this, QStringLiteral("Label11"), -1, sign, {3720, 3660, 375, 375}, equals);
    Label7 = makeLabel(this, QStringLiteral("Label7"), -1, sign, {6360, 3660, 375, 375}, equals);
    Label10 = makeLabel(this, QStringLiteral("Label10"), -1, sign, {9120, 3660, 375, 375}, equals);
    // Each line runs down from an "=" mark to the box of that marriage's child.
    const QList<QLineF> lines{{2520, 2520, 2520, 3600},
                              {3840, 4080, 3840, 5160},
                              {6480, 4080, 6480, 5160},
                              {9240, 4080, 9240, 5160}};
    for (int i = 0; i < lines.size(); ++i) {
        auto* line = new Line(this);
        setControlName(line, QStringLiteral("Line1"), i);
        line->setBorderColor(Colours::yellow);
        line->setBorderWidth(3);
        line->setEnds(lines[i].p1(), lines[i].p2());
        Line1.add(i, line);
    }
}

richord::richord() : DragBoard(BoardLayouts::richord()) {
    Label8 =
        makeLabel(this, QStringLiteral("Label8"), -1,
                  QStringLiteral("Drag the labels into the correct boxes."), {120, 7860, 2505, 585},
                  {tahoma, 12, true, instructions, Label::Align::Left});
    Label7 = makeLabel(
        this, QStringLiteral("Label7"), -1,
        QStringLiteral("Which of these statements about Orvelle rich and poor are true and which "
                       "are false?"),
        {4800, 0, 6945, 1545}, {times, 24, false, Colours::yellow, Label::Align::Center});
    const TextStyle heading{times, 20.25, false, QColor(0, 255, 0), Label::Align::Center};
    Label5.add(0, makeLabel(this, QStringLiteral("Label5"), 0, QStringLiteral("True"),
                            {60, 1920, 5865, 585}, heading));
    Label5.add(2, makeLabel(this, QStringLiteral("Label5"), 2, QStringLiteral("False"),
                            {6060, 1920, 5745, 555}, heading));
}
