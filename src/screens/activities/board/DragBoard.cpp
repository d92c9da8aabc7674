#include "screens/activities/board/DragBoard.h"

#include "app/Sound.h"
#include "app/StandardWindow.h"
#include "platform/Colours.h"
#include "platform/Twips.h"
#include "platform/controls/AccessibleControls.h"
#include "platform/controls/MenuEntry.h"
#include "screens/activities/BoardPrintouts.h"
#include "screens/activities/ClassMode.h"
#include "screens/activities/Welldone.h"
#include "screens/activities/board/BoardLayouts.h"
#include "screens/activities/board/BoardPrintMenu.h"

#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QMenu>

namespace {

const QString tahoma = QStringLiteral("Tahoma");

QRectF rectOf(const Board::Box& box) {
    return {box.left, box.top, box.width, box.height};
}

Label::Align alignOf(const QString& align) {
    if (align == QLatin1String("center"))
        return Label::Align::Center;
    return align == QLatin1String("right") ? Label::Align::Right : Label::Align::Left;
}

} // namespace

DragBoard::DragBoard(TopicBoard board, const QString& title)
    : Screen(board.screenName), data_(std::move(board)), title_(title),
      rules_(BoardLayouts::layoutOf(data_)) {
    setAccessibleName(title + (data_.picture.isEmpty() ? QStringLiteral(" – Ordering Activity")
                                                       : QStringLiteral(" – Labelling Activity")));
    Label6 = makeLabel(this, QStringLiteral("Label6"), -1, title, data_.titlePlace,
                       {QStringLiteral("Times New Roman"), data_.titlePoints, false,
                        Colours::yellow, Label::Align::Center});
    buildBoxes();
    buildButtons();
    // Made after the boxes, so they lie above them and everything else made so far.
    buildLabels();
    buildPicture();
    buildTexts();
    wireKeyboard();
}

bool DragBoard::hasProgressToLose() const {
    for (int i = 0; i < rules_.count(); ++i) {
        if (!rules_.standsIn(i, rules_.home(i)))
            return true;
    }
    return false;
}

void DragBoard::buildPicture() {
    if (data_.picture.isEmpty())
        return;
    auto* image = new ImageBox(this);
    setControlName(image, QStringLiteral("Image1"), 0);
    const QRectF& place = data_.picturePlace;
    image->Move(place.left(), place.top(), place.width(), place.height());
    // Behind everything, so boxes and labels stay visible over it.
    image->lower();
    Image1.add(0, image);
}

void DragBoard::buildTexts() {
    for (const TopicText& t : data_.texts) {
        texts_.append(makeLabel(this, t.name, t.index, t.text, t.place,
                                {t.font, t.points, t.bold, QColor(t.colour), alignOf(t.align)}));
    }
    for (int i = 0; i < data_.lines.size(); ++i) {
        const TopicLine& from = data_.lines[i];
        auto* line = new Line(this);
        setControlName(line, QStringLiteral("Line1"), i);
        line->setBorderColor(QColor(from.colour));
        line->setBorderWidth(from.width);
        line->setEnds(from.ends.p1(), from.ends.p2());
        Line1.add(i, line);
    }
}

Label* DragBoard::text(const QString& name, int index) const {
    for (int i = 0; i < data_.texts.size(); ++i)
        if (data_.texts[i].name == name && data_.texts[i].index == index)
            return texts_[i];
    return nullptr;
}

void DragBoard::buildBoxes() {
    const TextStyle style{tahoma, data_.labelPoints, true, Colours::yellow, Label::Align::Center};
    for (int i = 0; i < rules_.count(); ++i) {
        // At design a target box shows its label's caption; loading empties it.
        Label* box = makeLabel(this, QStringLiteral("Label1"), i, data_.labels[i].text,
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
    // A picture that cannot be loaded leaves an empty box; the board works the same without it.
    if (Image1.contains(0))
        Image1(0).LoadPicture(data_.picture);
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
    }
    describe();
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
    case Button::CheckScore: {
        ActivityOutcome outcome = boardOutcome(rules_.score(), rules_.count(), whatWasDone());
        outcome.review = rightAnswers();
        Welldone::openWith(outcome);
        break;
    }
    default:
        break;
    }
    playClick();
}

ActivityOutcome::Done DragBoard::whatWasDone() const {
    ActivityOutcome::Done done;
    done.topic = title_;
    done.activity = data_.picture.isEmpty() ? QStringLiteral("Ordering Activity")
                                            : QStringLiteral("Labelling Activity");
    const QList<int> number = paperNumbers();
    for (int b = 0; b < rules_.count(); ++b)
        if (!rules_.boxScores(b))
            done.wrongBoxes.append(number[b] + 1);
    std::sort(done.wrongBoxes.begin(), done.wrongBoxes.end());
    return done;
}

QList<int> DragBoard::paperNumbers() const {
    // As on the board's paper, so a teacher finds the boxes on the printed sheet.
    QList<QRectF> boxes;
    for (int b = 0; b < rules_.count(); ++b)
        boxes.append(rectOf(rules_.target(b)));
    return BoardPaperRules::numbering(boxes);
}

std::optional<QuizReview> DragBoard::rightAnswers() const {
    if (!ClassMode::isOn() || rules_.score() == rules_.count())
        return std::nullopt;
    const QList<int> number = paperNumbers();
    QList<int> wrong;
    for (int b = 0; b < rules_.count(); ++b)
        if (!rules_.boxScores(b))
            wrong.append(b);
    std::sort(wrong.begin(), wrong.end(), [&](int a, int b) { return number[a] < number[b]; });
    QuizReview review;
    review.title = title_;
    review.heading = QStringLiteral("These boxes did not hold the right label.");
    review.offer = QStringLiteral("Click the button above to see the right answers.");
    const int half = rules_.count() / 2;
    for (const int b : wrong) {
        review.wrong.append(
            {static_cast<int>(review.wrong.size()),
             QStringLiteral("Box %1, %2").arg(number[b] + 1).arg(data_.labels[b].where)});
        if (!data_.byColumn) {
            review.rightAnswers.append(Label2(b).Caption());
            continue;
        }
        // On a board of two columns the box takes any label of its own column: the one there
        // belongs in the other.
        QString standing;
        for (int a = 0; a < rules_.count(); ++a)
            if (rules_.standsIn(a, rules_.target(b)))
                standing = Label2(a).Caption();
        QStringList column;
        for (int a = 0; a < rules_.count(); ++a)
            if ((a < half) == (b < half))
                column << Label2(a).Caption();
        review.rightAnswers.append(
            standing.isEmpty()
                ? QStringLiteral("one of ") + column.join(QStringLiteral(", "))
                : QStringLiteral("\u201c%1\u201d belongs in the other column").arg(standing));
    }
    return review;
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
