#include "app/Module1.h"
#include "app/Screens.h"
#include "app/Services.h"
#include "formats/ItemReader.h"
#include "platform/QtPrinterSurface.h"
#include "screens/activities/BoardPrintouts.h"
#include "screens/activities/Printouts.h"
#include "screens/activities/board/BoardPrintMenu.h"
#include "screens/activities/board/DragBoard.h"
#include "screens/authoring/worksheets.h"
#include "screens/navigation/TopicMenu.h"
#include "support/AppFixture.h"
#include "support/ProjectTopics.h"
#include "support/RecordingPrinter.h"
#include "support/Worksheets.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>

namespace {

QStringList recorded;

void installRecorder(int failAt = 0) {
    AppFixture::recordPrintsInto(recorded, failAt);
}

DragBoard& board(const QString& name) {
    return ProjectTopics::openBoard(name);
}

BoardPaper paperOfBoard(const QString& name) {
    const DragBoard& live = board(name);
    return paperOf(live.data(), live.title());
}

// The value of the last "setX" before operation `at`.
double xBefore(const QStringList& operations, qsizetype at) {
    while (--at >= 0)
        if (operations[at].startsWith("setX "))
            return operations[at].mid(5).toDouble();
    return -1;
}

// The printed texts: what printText drew.
QStringList printedTexts(const QStringList& operations) {
    QStringList texts;
    for (const QString& op : operations) {
        if (op.startsWith("printText |"))
            texts.append(op.mid(11, op.size() - 12));
    }
    return texts;
}

int timesPrinted(const QStringList& texts, const QString& caption) {
    // A statement prints after its number: "3.  Statement".
    return static_cast<int>(std::count_if(texts.begin(), texts.end(), [&](const QString& t) {
        return t == caption || t.endsWith(".  " + caption);
    }));
}

// Right-clicks `widget` and picks the entry named `entry` from the menu that opens.
QStringList rightClickAndPick(QWidget& widget, const QPoint& at, const QString& entry) {
    QStringList offered;
    // Dropped unfired when no menu opens and the event returns at once.
    QObject guard;
    QTimer::singleShot(0, &guard, [&] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu)
            return;
        for (QAction* action : menu->actions()) {
            offered.append(action->text());
            if (action->text() == entry)
                action->trigger();
        }
        menu->close();
    });
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, widget.mapToGlobal(at));
    QApplication::sendEvent(&widget, &event);
    return offered;
}

} // namespace

class TestBoardPrintouts : public QObject {
    Q_OBJECT
private slots:
    void everyLabelOnceOnEachPage_data();
    void everyLabelOnceOnEachPage();
    void statementsTrueByTheirColumn();
    void mixedOrderLeavesNoWordBesideItsBox();
    void numberingReadsRowsLeftToRight();
    void answerKeyMarksTheRightAnswers_data();
    void answerKeyMarksTheRightAnswers();
    void answerPageFillsEachNumberedBox_data();
    void answerPageFillsEachNumberedBox();
    void ticksStandInTheirColumn();
    void damagedWorksheetPrintsNothing();
    void boardMenuPrintsAndSays();
    void noMenuDuringADrag();
    void catalogueMenuPrintsTheKey();
    void topicMenuPrintsTheBuiltInKey();
    void pdfWordsReadBack();
};

void TestBoardPrintouts::everyLabelOnceOnEachPage_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<double>("width");
    QTest::addColumn<double>("height");
    for (const char* name : {"orvelleslab", "richlab", "orvellesord", "richord"}) {
        QTest::newRow(QByteArray(name) + " A4") << name << 10772.0 << 15704.0;
        QTest::newRow(QByteArray(name) + " Letter") << name << 11520.0 << 14400.0;
        QTest::newRow(QByteArray(name) + " A4 landscape") << name << 15704.0 << 10772.0;
    }
}

void TestBoardPrintouts::everyLabelOnceOnEachPage() {
    QFETCH(QString, name);
    QFETCH(double, width);
    QFETCH(double, height);
    AppFixture app;
    app.content.copyProjectContent();
    const BoardPaper paper = paperOfBoard(name);
    QVERIFY(paper.captions.size() >= 4);
    for (const bool answers : {false, true}) {
        RecordingPrinter printer;
        printer.width = width;
        printer.height = height;
        answers ? printBoardAnswers(printer, paper) : printBoardTask(printer, paper);
        const QStringList texts = printedTexts(printer.operations);
        for (const QString& caption : paper.captions)
            QVERIFY2(timesPrinted(texts, caption) == 1, qPrintable(caption));
        QCOMPARE(printer.operations.last(), QStringLiteral("endDocument"));
        // Nothing is drawn off the page.
        for (const QString& op : printer.operations) {
            const QStringList parts = op.split(' ');
            if (parts[0] == "drawPictureIn") {
                QVERIFY2(parts[2].toDouble() >= 0 && parts[3].toDouble() >= 0, qPrintable(op));
                QVERIFY2(parts[2].toDouble() + parts[4].toDouble() <= width + 1, qPrintable(op));
                QVERIFY2(parts[3].toDouble() + parts[5].toDouble() <= height + 1, qPrintable(op));
            }
            if (parts[0] == "drawLine" || parts[0] == "fillRect") {
                QVERIFY2(parts[1].toDouble() > -0.5 && parts[2].toDouble() > -0.5, qPrintable(op));
                const bool line = parts[0] == "drawLine";
                const double right = parts[3].toDouble() + (line ? 0 : parts[1].toDouble());
                const double bottom = parts[4].toDouble() + (line ? 0 : parts[2].toDouble());
                QVERIFY2(right <= width && bottom <= height, qPrintable(op));
            }
            if (parts[0] == "setY")
                QVERIFY2(parts[1].toDouble() < height - 240, qPrintable(op));
        }
    }
}

void TestBoardPrintouts::statementsTrueByTheirColumn() {
    AppFixture app;
    const BoardPaper paper = paperOfBoard("richord");
    QCOMPARE(paper.truths, QList<bool>({false, false, false, false, true, true, true, true}));
    QVERIFY(paper.captions[4].startsWith("Life was very hard"));
}

void TestBoardPrintouts::mixedOrderLeavesNoWordBesideItsBox() {
    for (int n = 2; n <= 9; ++n) {
        const QList<int> order = BoardPaperRules::mixedOrder(n, QStringLiteral("orvellesord"));
        QCOMPARE(order, BoardPaperRules::mixedOrder(n, QStringLiteral("orvellesord")));
        QList<int> sorted = order;
        std::sort(sorted.begin(), sorted.end());
        for (int i = 0; i < n; ++i) {
            QCOMPARE(sorted[i], i);
            QVERIFY(order[i] != i);
        }
    }
}

void TestBoardPrintouts::numberingReadsRowsLeftToRight() {
    // Tops that differ by less than a box's height make one row.
    const QList<QRectF> boxes{{720, 6600, 1845, 375},
                              {7320, 6480, 1845, 375},
                              {3120, 6720, 1845, 375},
                              {120, 8000, 1845, 375}};
    QCOMPARE(BoardPaperRules::numbering(boxes), QList<int>({0, 2, 1, 3}));
}

void TestBoardPrintouts::answerKeyMarksTheRightAnswers_data() {
    QTest::addColumn<QString>("correct");
    QTest::addColumn<QString>("letter");
    QTest::newRow("A") << "1"
                       << "A";
    QTest::newRow("D") << "4"
                       << "D";
    QTest::newRow("damaged") << "7"
                             << "?";
}

void TestBoardPrintouts::answerKeyMarksTheRightAnswers() {
    QFETCH(QString, correct);
    QFETCH(QString, letter);
    ItemReader file1(sampleQuestionFile(QStringLiteral("Kings"), correct));
    QuestionTables questions;
    LoadQuestionFile(file1, questions);
    RecordingPrinter printer;
    printAnswerKey(printer, QStringLiteral("The Orvelles"), QStringLiteral("Kings"), questions);
    const QStringList marked = printer.operations.filter(QString::fromUtf16(u"\u2713"));
    if (letter == "?") {
        QVERIFY(marked.isEmpty());
    } else {
        QCOMPARE(marked.size(), 10);
        for (int q = 1; q <= 10; ++q)
            QVERIFY(marked[q - 1].contains(QString("|%1. %2 %1").arg(letter).arg(q)));
    }
    QStringList key;
    for (int q = 1; q <= 10; ++q)
        key.append(QString("%1 %2").arg(q).arg(letter));
    QCOMPARE(printer.operations.at(printer.operations.size() - 2),
             "printLine |Key:  " + key.join(", ") + "|");
}

// Boxes are numbered as they are read, row by row and left to right; each holds its own label.
void TestBoardPrintouts::answerPageFillsEachNumberedBox_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("byNumber");
    QTest::newRow("orvelleslab") << "orvelleslab"
                                 << QStringList{"Princess Isobel", "Prince Edric", "King Roderic",
                                                "Queen Elspeth", "Princess Linnet"};
    QTest::newRow("richlab") << "richlab"
                             << QStringList{"Rich Woman", "Poor Man", "Poor Woman", "Rich Man"};
}

void TestBoardPrintouts::answerPageFillsEachNumberedBox() {
    QFETCH(QString, name);
    QFETCH(QStringList, byNumber);
    AppFixture app;
    RecordingPrinter printer;
    printBoardAnswers(printer, paperOfBoard(name));
    const QStringList& ops = printer.operations;
    for (int n = 1; n <= byNumber.size(); ++n) {
        const qsizetype tag = ops.indexOf(QString("printText |%1|").arg(n));
        QVERIFY2(tag >= 0, qPrintable(QString::number(n)));
        const auto next = std::find_if(ops.begin() + tag + 1, ops.end(), [](const QString& op) {
            return op.startsWith("printText");
        });
        QCOMPARE(*next, "printText |" + byNumber[n - 1] + "|");
    }
}

void TestBoardPrintouts::ticksStandInTheirColumn() {
    AppFixture app;
    RecordingPrinter printer;
    printBoardAnswers(printer, paperOfBoard("richord"));
    const QStringList& ops = printer.operations;
    const double trueAt = xBefore(ops, ops.indexOf("printText |True|"));
    const double falseAt = xBefore(ops, ops.indexOf("printText |False|"));
    QVERIFY(trueAt > 0 && falseAt > trueAt);
    const QStringList trueOnes{"Life was very hard", "Rich people lived the longest",
                               "The Rich had black teeth", "Only boys from rich families"};
    int ticks = 0;
    for (qsizetype i = 0; i < ops.size(); ++i) {
        const QRegularExpressionMatch row =
            QRegularExpression("^printText \\|\\d+\\.  (.*)\\|$").match(ops[i]);
        if (!row.hasMatch())
            continue;
        const bool isTrue = std::any_of(trueOnes.begin(), trueOnes.end(), [&](const QString& t) {
            return row.captured(1).startsWith(t);
        });
        // The tick follows its statement: its first stroke starts left of its column's middle.
        const qsizetype stroke = ops.indexOf(QRegularExpression("drawLine .*"), i);
        QVERIFY(stroke > i);
        const double x = ops[stroke].split(' ')[1].toDouble();
        const bool nearerTrue = std::abs(x - trueAt) < std::abs(x - falseAt);
        QVERIFY2(nearerTrue == isTrue, qPrintable(ops[i]));
        ++ticks;
    }
    QCOMPARE(ticks, 8);
}

// A built-in worksheet that cannot be read says so, and no sheet goes to the printer.
void TestBoardPrintouts::damagedWorksheetPrintsNothing() {
    AppFixture app;
    app.content.write("multiple/Rich and Poor.txt", "Rich and Poor\r\n\"Where did");
    TopicMenu& topic = ProjectTopics::openMenu(QStringLiteral("rich"));
    installRecorder();
    recorded = QStringList{"untouched"};
    rightClickAndPick(topic, topic.Label3(TopicMenu::Entry::Quiz).geometry().center(),
                      QStringLiteral("Print the answer key"));
    QCOMPARE(app.messages->texts, QStringList{"This worksheet seems to be corrupted."});
    QCOMPARE(recorded, QStringList{"untouched"});
}

void TestBoardPrintouts::boardMenuPrintsAndSays() {
    AppFixture app;
    DragBoard& richBoard = board("richlab");
    installRecorder();
    // On the picture, as a hand would; a label to drag keeps its right button to itself.
    QWidget& picture = *richBoard.findChild<QWidget*>(QStringLiteral("Image1_0"));
    QVERIFY(rightClickAndPick(richBoard.Label2(0), QPoint(2, 2), QString()).isEmpty());
    const QStringList offered =
        rightClickAndPick(picture, QPoint(5, 5), QStringLiteral("Print the answers"));
    QCOMPARE(offered, QStringList({"Print this activity", "Print the answers"}));
    QVERIFY(recorded.contains("printText |Rich Man|"));
    QCOMPARE(app.messages->texts, QStringList{"Your worksheet is now printing."});
    // A failing printer says so, and the board is as it was.
    installRecorder(5);
    app.messages->texts.clear();
    printBoardPaper(richBoard, false);
    QCOMPARE(app.messages->texts, QStringList{"There was a problem printing to your printer."});
    QVERIFY(richBoard.isVisible());
    QVERIFY(!richBoard.rules().checkScoreOffered());
}

void TestBoardPrintouts::noMenuDuringADrag() {
    AppFixture app;
    DragBoard& richBoard = board("richlab");
    Label& label = richBoard.Label2(0);
    QTest::mousePress(&label, Qt::LeftButton, {}, QPoint(5, 5));
    const QPoint at = label.geometry().center();
    QVERIFY(rightClickAndPick(richBoard, at, QString()).isEmpty());
    QTest::mouseRelease(&label, Qt::LeftButton, {}, QPoint(5, 5));
    QCOMPARE(rightClickAndPick(richBoard, at, QString()).size(), 2);
}

void TestBoardPrintouts::catalogueMenuPrintsTheKey() {
    AppFixture app;
    app.content.write("multiple/track.txt", "1\r\nKings\r\n");
    app.content.write("multiple/Kings.txt", sampleQuestionFile(QStringLiteral("Kings"), "3"));
    worksheets& catalogue = Screens::open<worksheets>();
    Label& entry = catalogue.Label2(worksheets::Entry::FirstName);
    QCOMPARE(entry.Caption(), QStringLiteral("Kings"));
    installRecorder();
    // On the name itself, as a hand would: one menu for the key and the exports.
    const QStringList offered =
        rightClickAndPick(entry, entry.rect().center(), QStringLiteral("Print the answer key"));
    QCOMPARE(offered, (QStringList{"Print the answer key", "", "Export as GIFT…", "Aiken…",
                                   "Moodle XML…", "Web page…", "", "Class Results…"}));
    QVERIFY(
        recorded.contains("printLine |Key:  1 C, 2 C, 3 C, 4 C, 5 C, 6 C, 7 C, 8 C, 9 C, 10 C|"));
    QCOMPARE(app.messages->texts, QStringList{"Your worksheet is now printing."});
    // Off the names, the teacher's view of the class alone.
    QCOMPARE(rightClickAndPick(catalogue, QPoint(2, 2), QString()), QStringList{"Class Results…"});
}

void TestBoardPrintouts::topicMenuPrintsTheBuiltInKey() {
    AppFixture app;
    app.content.copyProjectContent();
    TopicMenu& topic = ProjectTopics::openMenu(QStringLiteral("rich"));
    installRecorder();
    const QPoint quiz = topic.Label3(TopicMenu::Entry::Quiz).geometry().center();
    rightClickAndPick(topic, quiz, QStringLiteral("Print the answer key"));
    ItemReader file1 = ItemReader::open(app.content.path() + "/multiple/Rich and Poor.txt");
    QuestionTables questions;
    LoadQuestionFile(file1, questions);
    const QStringList marked = recorded.filter(QString::fromUtf16(u"\u2713"));
    QCOMPARE(marked.size(), 10);
    for (int q = 1; q <= 10; ++q) {
        const QChar letter(u'A' + correctAnswerNumber(questions.CorrectAnswer[q]) - 1);
        QVERIFY2(marked[q - 1].contains(QString("|%1. ").arg(letter)), qPrintable(marked[q - 1]));
    }
    QVERIFY(recorded.contains("printLine |" + questions.WorksheetTitle + "|"));
    QCOMPARE(app.messages->texts, QStringList{"Your worksheet is now printing."});
}

void TestBoardPrintouts::pdfWordsReadBack() {
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (pdftotext.isEmpty())
        QSKIP("pdftotext (poppler-utils) is not installed");
    AppFixture app;
    app.content.copyProjectContent();
    for (const char* name : {"orvelleslab", "richlab", "orvellesord", "richord"}) {
        const BoardPaper paper = paperOfBoard(name);
        for (const bool answers : {false, true}) {
            const QString pdf =
                app.content.path() + "/" + name + (answers ? "-answers" : "") + ".pdf";
            {
                auto surface = QtPrinterSurface::pdf(pdf);
                answers ? printBoardAnswers(*surface, paper) : printBoardTask(*surface, paper);
            }
            QProcess extract;
            extract.start(pdftotext, {pdf, "-"});
            QVERIFY(extract.waitForFinished());
            const QString text = QString::fromUtf8(extract.readAllStandardOutput()).simplified();
            QVERIFY(text.contains("Quenmark Publishing Ltd"));
            for (const QString& caption : paper.captions)
                QVERIFY2(text.contains(caption), qPrintable(QString(name) + ": " + caption));
        }
    }
}

QTEST_MAIN(TestBoardPrintouts)
#include "tst_boardprintouts.moc"
