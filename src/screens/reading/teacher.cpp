#include "screens/reading/teacher.h"

#include "app/Module1.h"
#include "app/Screens.h"
#include "app/StandardWindow.h"
#include "platform/Colours.h"

namespace {

QString pageFile(const QString& folder, const QString& stem, int page) {
    if (page < 1 || page > 3)
        return {};
    return folder + stem + QChar(QLatin1Char('a').unicode() + page - 1) + QStringLiteral(".wmf");
}

} // namespace

teacher::teacher() : PageScreen(QStringLiteral("teacher")) {
    Picture1 = new PictureBox(this);
    setControlName(Picture1, QStringLiteral("Picture1"));
    Picture1->Move(9000, 3840, 1800, 1800);
    Picture1->hide();
    Picture2 = new PictureBox(this);
    setControlName(Picture2, QStringLiteral("Picture2"));
    Picture2->Move(9030, 5760, 1800, 1335);
    Picture2->hide();
    Timer1 = new Timer(this, 25);
    onTick(*Timer1, "Timer1_Timer", [this] { Timer1_Timer(); });
}

QString teacher::screenCopy(const QString& stem, int page) {
    return pageFile(QStringLiteral("wmf\\"), stem, page);
}

QString teacher::printCopy(const QString& stem, int page) {
    return pageFile(QStringLiteral("wmf2\\"), stem, page);
}

void teacher::Form_Load() {
    StandardWindow(*this);
}

teacher& teacher::openPages(const QString& stem, int count, const QString& name) {
    teacher& viewer = Screens::touch<teacher>();
    viewer.setAccessibleName(name);
    viewer.showDocument(stem, count);
    Screens::open(viewer);
    return viewer;
}

teacher& teacher::openAcknowledgements() {
    teacher& viewer = Screens::touch<teacher>();
    viewer.setAccessibleName(QStringLiteral("Acknowledgments"));
    viewer.showAcknowledgements();
    Screens::open(viewer);
    return viewer;
}

void teacher::showDocument(const QString& stem, int count) {
    stem_ = stem;
    pageCount_ = count;
    pageNumber_ = 1;
    if (count == 1) {
        Label1->hide();
        Label3(Button::NextPage).hide();
        Label3(Button::PreviousPage).hide();
    }
    Label1->setCaption(pageCaption(1, count));
    showPage(screenCopy(stem, 1), printCopy(stem, 1));
}

void teacher::showAcknowledgements() {
    Label1->hide();
    Label3(Button::NextPage).hide();
    Label3(Button::PreviousPage).hide();
    showPage(QStringLiteral("wmf\\acknowledgments.wmf"),
             QStringLiteral("wmf2\\acknowledgments.wmf"));
    Picture2->LoadPicture(QStringLiteral("logo\\quenart2.bmp"));
    setBackColor(Colours::acknowledgements);
    Timer1->setEnabled(true);
}

void teacher::Label3_Click(int Index) {
    switch (Index) {
    case Button::Print:
        printPage();
        break;
    case Button::Exit:
        Screens::unload(*this);
        break;
    case Button::NextPage:
        ++pageNumber_;
        Label3(Button::PreviousPage).setEnabled(true);
        showCurrentPage();
        break;
    case Button::PreviousPage:
        --pageNumber_;
        Label3(Button::NextPage).setEnabled(true);
        showCurrentPage();
        break;
    default:
        break;
    }
}

void teacher::showCurrentPage() {
    const int page = pageNumber_;
    if (page == pageCount_)
        Label3(Button::NextPage).setEnabled(false);
    if (page == 1)
        Label3(Button::PreviousPage).setEnabled(false);
    showPage(screenCopy(stem_, page), printCopy(stem_, page));
    Label1->setCaption(pageCaption(page, pageCount_));
}

void teacher::Timer1_Timer() {
    Module1::state.run.LogoFrame = (Module1::state.run.LogoFrame + 1) % 20;
    const QString frame =
        QStringLiteral("%1").arg(Module1::state.run.LogoFrame, 4, 10, QLatin1Char('0'));
    Picture1->LoadPicture(QStringLiteral("logo\\quen") + frame + QStringLiteral(".gif"));
    Picture1->show();
    Picture2->show();
}
