#include "screens/activities/board/DragBoard.h"

#include "app/Sound.h"
#include "app/StandardWindow.h"
#include "platform/Colours.h"
#include "platform/Twips.h"
#include "platform/controls/AccessibleControls.h"
#include "platform/controls/MenuEntry.h"
#include "screens/activities/Welldone.h"
#include "screens/activities/board/BoardPrintMenu.h"

#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QMenu>

namespace {

const QString tahoma = QStringLiteral("Tahoma");

QRectF rectOf(const Board::Box& box) {
    return {box.left, box.top, box.width, box.height};
}

} // namespace

DragBoard::DragBoard(BoardData data)
    : Screen(data.screenName), data_(std::move(data)), rules_(data_.layout) {
    Label6 = makeLabel(this, QStringLiteral("Label6"), -1, QStringLiteral("Worksheet 1"),
                       data_.titleRect,
                       {QStringLiteral("Times New Roman"), data_.titlePoints, false,
                        Colours::yellow, Label::Align::Center});
    buildBoxes();
    buildButtons();
    // Made last, so they lie above the boxes and everything else made so far.
    buildLabels();
    wireKeyboard();
}

void DragBoard::buildBoxes() {
    const TextStyle style{tahoma, data_.labelPoints, true, Colours::yellow, Label::Align::Center};
    for (int i = 0; i < rules_.count(); ++i) {
        // At design a target box shows its label's caption; loading empties it.
        Label* box = makeLabel(this, QStringLiteral("Label1"), i, data_.captions.value(i),
                               rectOf(rules_.target(i)), style);
        box->setBackColor(Colours::black);
        box->setOpaque(true);
        box->setBorder(true);
        Label1.add(i, box);
        Label* slot =
            makeLabel(this, QStringLiteral("Label4"), i, QString(), rectOf(rules_.home(i)), style);
        slot->setBorder(true);
        Label4.add(i, slot);
    }
}

void DragBoard::buildLabels() {
    const TextStyle style{tahoma, data_.labelPoints, true, Colours::yellow, Label::Align::Center};
    for (int i = 0; i < rules_.count(); ++i) {
        Label* label =
            makeLabel(this, QStringLiteral("Label2"), i, QString(), rectOf(rules_.label(i)), style);
        label->setBackColor(Colours::black);
        label->setOpaque(true);
        label->setBorder(true);
        Label2.add(i, label);
        onMouseMoveOf(*label, "Label2_MouseMove", [this, i](const MouseArgs& args) {
            Label2_MouseMove(i, fromLabelCorner(i, args));
        });
        onMouseUpOf(*label, "Label2_MouseUp", [this, i](const MouseArgs& args) {
            Label2_MouseUp(i, fromLabelCorner(i, args));
        });
    }
}

void DragBoard::buildButtons() {
    const QString name = QStringLiteral("Label3");
    makeMenuEntry(this, Label3, name, Button::Exit, QStringLiteral("Exit"),
                  {10560, 7920, 1245, 495}, 15.75);
    makeMenuEntry(this, Label3, name, Button::StartAgain, QStringLiteral("Start Again"),
                  {3360, 7920, 2565, 495}, 15.75);
    makeMenuEntry(this, Label3, name, Button::CheckScore, QStringLiteral("Check Score"),
                  {6000, 7920, 2565, 495}, 15.75);
    Label3(Button::CheckScore).hide();
    Label3.forEach([this](int index, Label& button) {
        onClickOf(button, "Label3_Click", [this, index] { Label3_Click(index); });
        onMouseMoveOf(button, "Label3_MouseMove",
                      [this, index](const MouseArgs& args) { Label3_MouseMove(index, args); });
    });
}

void DragBoard::Form_Load() {
    StandardWindow(*this);
    loadPicture();
    for (int i = 0; i < rules_.count(); ++i) {
        Label1(i).hide();
        Label2(i).setCaption(Label1(i).Caption());
        Label1(i).setCaption(QString());
        Label1(i).setOpaque(false);
        Label1(i).show();
        // Decorations a screen adds after the board must not cover a label being dragged.
        Label2(i).raise();
    }
    // A right-click anywhere but on a label to drag opens the board's menu.
    for (ControlWidget* control : findChildren<ControlWidget*>())
        control->setRightClickGoesToWindow(true);
    Label2.forEach([](int, Label& label) { label.setRightClickGoesToWindow(false); });
    showBoard();
}

MouseArgs DragBoard::fromLabelCorner(int index, const MouseArgs& args) const {
    const Label& label = Label2(index);
    MouseArgs corrected = args;
    corrected.X += Twips::fromPixels(label.x()) - label.Left();
    corrected.Y += Twips::fromPixels(label.y()) - label.Top();
    return corrected;
}

void DragBoard::showBoard() {
    for (int i = 0; i < rules_.count(); ++i) {
        const Board::Box at = rules_.label(i);
        Label2(i).Move(at.left, at.top);
        Label2(i).setTakesKeys(!inTargetBox(i));
    }
    const bool offered = rules_.checkScoreOffered();
    const bool appears = offered && !Label3(Button::CheckScore).Visible();
    Label3(Button::CheckScore).setVisible(offered);
    if (appears)
        AccessibleControls::announce(&Label3(Button::CheckScore));
}

void DragBoard::Label2_MouseMove(int Index, const MouseArgs& args) {
    if (rules_.drag(Index, args.Button, static_cast<float>(args.X), static_cast<float>(args.Y))) {
        draggedSincePress_ = true;
        showBoard();
    }
}

void DragBoard::Label2_MouseUp(int Index, const MouseArgs&) {
    const std::vector<Board::BoxRef> caught = rules_.drop(Index);
    showBoard();
    for (std::size_t i = 0; i < caught.size(); ++i)
        playSound(QStringLiteral("wav\\thud3.wav"));
}

void DragBoard::Label3_Click(int Index) {
    switch (Index) {
    case Button::Exit:
        Screens::unload(*this);
        break;
    case Button::StartAgain:
        putBack();
        rules_.startAgain();
        showBoard();
        break;
    case Button::CheckScore:
        Welldone::openWith(boardOutcome(rules_.score(), rules_.count()));
        break;
    default:
        break;
    }
    playClick();
}

void DragBoard::Form_MouseMove(const MouseArgs&) {
    clearLights(Label3);
}

void DragBoard::Label3_MouseMove(int Index, const MouseArgs&) {
    lightUp(Label3, Index);
}

void DragBoard::contextMenuEvent(QContextMenuEvent* event) {
    event->accept();
    if (QGuiApplication::mouseButtons() & Qt::LeftButton)
        return;
    boardPrintMenu(*this)->exec(event->globalPos());
}
