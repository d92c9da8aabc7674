#include "Shots.h"

#include "app/Services.h"
#include "platform/MessageBox.h"
#include "platform/QtPrinterSurface.h"
#include "platform/Twips.h"
#include "screens/activities/board/DragBoard.h"

#include <QDir>
#include <QTest>
#include <cstdio>

namespace {

QString outFolder;
QString nextPrint = QStringLiteral("printout");

class SilentMessageBox : public MessageBox {
public:
    Answer show(const QString& text, Buttons, const QString&) override {
        std::printf("message: %s\n", qPrintable(text));
        return Answer::Ok;
    }
};

QPoint pixelsOf(double left, double top) {
    return {Twips::toPixels(left), Twips::toPixels(top)};
}

QPoint centreOf(const QRect& r) {
    return r.center();
}

} // namespace

namespace Shots {

void setOutput(const QString& folder) {
    outFolder = folder;
    QDir().mkpath(folder + QStringLiteral("/print"));
}

void installSeams() {
    Services::setMessages(std::make_unique<SilentMessageBox>());
    Services::setPrinterFactory([] {
        const QString path =
            outFolder + QStringLiteral("/print/") + nextPrint + QStringLiteral(".pdf");
        std::printf("%s\n", qPrintable(path));
        return QtPrinterSurface::pdf(path);
    });
}

void nameNextPrint(const QString& name) {
    nextPrint = name;
}

void settle(int ms) {
    QTest::qWait(ms);
}

void save(QWidget& screen, const QString& name) {
    settle();
    const QString path = outFolder + QLatin1Char('/') + name + QStringLiteral(".png");
    if (!screen.grab().save(path))
        std::fprintf(stderr, "cannot save %s\n", qPrintable(path));
    else
        std::printf("%s\n", qPrintable(path));
}

void click(QWidget* control) {
    QTest::mouseMove(control);
    QTest::mouseClick(control, Qt::LeftButton);
    settle();
}

void background(QWidget& screen, QPoint at) {
    QTest::mouseMove(&screen, at);
}

void typeInto(QWidget* box, const QString& text) {
    click(box);
    QTest::keyClicks(box, text);
}

void dragLabel(DragBoard& board, int label, double left, double top, double width, double height) {
    QWindow* window = board.windowHandle();
    const QPoint from = centreOf(board.Label2(label).geometry());
    const QPoint to = pixelsOf(left + width / 2, top + height / 2);
    QTest::mousePress(window, Qt::LeftButton, {}, from);
    QTest::mouseMove(window, (from + to) / 2);
    QTest::mouseMove(window, to);
    QTest::mouseRelease(window, Qt::LeftButton, {}, to);
    settle(60);
}

void saveMidDrag(DragBoard& board, int label, double left, double top, const QString& name) {
    QWindow* window = board.windowHandle();
    const QPoint from = centreOf(board.Label2(label).geometry());
    const QPoint to = pixelsOf(left, top);
    QTest::mousePress(window, Qt::LeftButton, {}, from);
    QTest::mouseMove(window, (from * 2 + to) / 3);
    QTest::mouseMove(window, (from + to) / 2);
    save(board, name);
    QTest::mouseRelease(window, Qt::LeftButton, {}, (from + to) / 2);
    settle(60);
}

} // namespace Shots
