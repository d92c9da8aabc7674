#include "screens/navigation/TopicMenu.h"

#include "app/Messages.h"
#include "app/Screens.h"
#include "app/Sound.h"
#include "app/StandardWindow.h"
#include "formats/Errors.h"
#include "formats/ItemReader.h"
#include "formats/QuestionFile.h"
#include "platform/Colours.h"
#include "platform/ContentPath.h"
#include "platform/controls/MenuEntry.h"
#include "screens/activities/AnswerKeyMenu.h"
#include "screens/activities/board/DragBoard.h"
#include "screens/activities/multiple.h"
#include "screens/navigation/intro0.h"
#include "screens/reading/teacher.h"

#include <QContextMenuEvent>
#include <QMenu>

TopicMenu::TopicMenu(Topic topic) : Screen(topic.id), topic_(std::move(topic)) {
    setAccessibleName(topic_.title);
    Label1 = makeLabel(
        this, QStringLiteral("Label1"), -1, topic_.title, {240, 0, 6240, 900},
        {QStringLiteral("Times New Roman"), 27.75, true, Colours::yellow, Label::Align::Left});
    Image1 = new ImageBox(this);
    setControlName(Image1, QStringLiteral("Image1"));
    Image1->Move(0, topic_.menuPictureTop, 0, 0);

    const QString name = QStringLiteral("Label3");
    makeMenuEntry(this, Label3, name, Entry::Quiz, QStringLiteral("Multiple Choice"),
                  {120, 7920, 3195, 495}, 15.75);
    makeMenuEntry(this, Label3, name, Entry::Labelling, QStringLiteral("Labelling Activity"),
                  {3600, 7920, 3195, 495}, 15.75);
    makeMenuEntry(this, Label3, name, Entry::Exit, QStringLiteral("Exit"), {10560, 7920, 1245, 495},
                  15.75);
    makeMenuEntry(this, Label3, name, Entry::Ordering, QStringLiteral("Ordering Activity"),
                  {7080, 7920, 3195, 495}, 15.75);
    makeMenuEntry(this, Label3, name, Entry::KeyFacts, QStringLiteral("Key Facts"),
                  {6360, 120, 1995, 495}, 15.75);
    makeMenuEntry(this, Label3, name, Entry::Notes, QStringLiteral("Teacher's Notes"),
                  {8640, 120, 3195, 495}, 15.75);
    Label3.forEach([this](int index, Label& entry) {
        onClickOf(entry, "Label3_Click", [this, index] { Label3_Click(index); });
        onMouseMoveOf(entry, "Label3_MouseMove",
                      [this, index](const MouseArgs& args) { Label3_MouseMove(index, args); });
    });
    // The entry would keep its right-click, and the answer key's menu would never open.
    Label3(Entry::Quiz).setRightClickGoesToWindow(true);
}

TopicMenu& TopicMenu::open(const Topic& topic) {
    TopicMenu& menu =
        Screens::touch<TopicMenu>(topic.id, [&topic] { return new TopicMenu(topic); });
    Screens::open(menu);
    return menu;
}

void TopicMenu::Form_Load() {
    StandardWindow(*this);
    Image1->LoadPicture(topic_.menuPicture);
    Image1->setLeft((12000 - Image1->Width()) / 2);
}

void TopicMenu::Form_MouseMove(const MouseArgs&) {
    clearLights(Label3);
}

void TopicMenu::Label3_MouseMove(int Index, const MouseArgs&) {
    lightUp(Label3, Index);
}

void TopicMenu::Label3_Click(int Index) {
    switch (Index) {
    case Entry::Quiz:
        openQuiz();
        break;
    case Entry::Labelling:
        openBoard(topic_.labelling);
        break;
    case Entry::Exit:
        Screens::open<intro0>();
        Screens::unload(*this);
        break;
    case Entry::Ordering:
        openBoard(topic_.ordering);
        break;
    case Entry::KeyFacts:
        teacher::openPages(topic_.keyFactsStem, topic_.pageCount, Label3(Index).Caption());
        break;
    case Entry::Notes:
        teacher::openPages(topic_.notesStem, topic_.pageCount, Label3(Index).Caption());
        break;
    default:
        break;
    }
    playClick();
}

void TopicMenu::openQuiz() {
    QuestionTables worksheet;
    try {
        ItemReader file1 = ItemReader::open(ContentPath::resolve(topic_.questionFile));
        LoadQuestionFile(file1, worksheet);
    } catch (const FileError&) {
        // A missing or short file never opens the quiz.
        showMessage(QStringLiteral("This worksheet seems to be corrupted."));
        return;
    }
    multiple::start(worksheet, topic_.quizSubject, Picture::load(topic_.quizPicture));
}

void TopicMenu::openBoard(const TopicBoard& board) {
    const QString title = Label1->Caption();
    Screens::open(
        Screens::touch<DragBoard>(board.screenName, [&] { return new DragBoard(board, title); }));
}

void TopicMenu::contextMenuEvent(QContextMenuEvent* event) {
    event->accept();
    if (!Label3(Entry::Quiz).geometry().contains(event->pos()))
        return;
    QMenu menu(this);
    addAnswerKeyEntry(menu, topic_.questionFile, topic_.quizSubject);
    menu.exec(event->globalPos());
}
