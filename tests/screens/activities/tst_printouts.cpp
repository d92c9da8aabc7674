#include "app/Screens.h"
#include "app/Services.h"
#include "formats/ItemReader.h"
#include "platform/QtPrinterSurface.h"
#include "screens/activities/Printouts.h"
#include "screens/activities/Welldone.h"
#include "screens/activities/multiple.h"
#include "support/AppFixture.h"
#include "support/RecordingPrinter.h"
#include "support/Worksheets.h"

#include "platform/Picture.h"
#include "platform/PrintError.h"

#include <QFileInfo>
#include <QImage>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>

namespace {

QStringList recorded;

void installRecorderKeeping(int failAt = 0) {
    AppFixture::recordPrintsInto(recorded, failAt);
}

multiple& quizWith(const QByteArray& file) {
    ItemReader file1(file);
    QuestionTables worksheet;
    LoadQuestionFile(file1, worksheet);
    return multiple::start(worksheet, QStringLiteral("The Orvelles"), Picture());
}

Welldone& fullMarks(int score, const QString& subject, const QString& name) {
    Welldone& results = Welldone::openWith({score, score, subject, std::nullopt});
    results.Text1->setText(name);
    return results;
}

QStringList worksheetHead() {
    return {"setFontSize 16",
            "setFontName Times New Roman",
            "pageWidth",
            "setX 1375",
            "printLine | |",
            "pageWidth",
            "setX 687.5",
            "printText |The Orvelles" + QString(57, ' ') + "Quenmark Publishing Ltd|",
            "printLine | |",
            "printLine | |",
            "setFontSize 32",
            "pageWidth",
            "textWidth |The Orvelles|",
            "setX 3900",
            "printLine |The Orvelles|",
            "pageWidth",
            "textWidth |Kings|",
            "setX 4833.333333",
            "printLine |Kings|",
            "printLine | |",
            "setFontSize 12"};
}

} // namespace

class TestPrintouts : public QObject {
    Q_OBJECT
private slots:
    void worksheetOperations();
    void emptyAnswersPrintTheirLetters();
    void worksheetFailureAtEachStep();
    void certificateOperations();
    void subjectSize_data();
    void subjectSize();
    void certificateAfterAnActivity();
    void boardCertificateNamesTheLastQuizScored_data();
    void boardCertificateNamesTheLastQuizScored();
    void certificateFailureAtEachStep();
    void certificateNameTakesAnyLetter_data();
    void certificateNameTakesAnyLetter();
    void pdfPages();
    void failedPageReachesNoPrinter_data();
    void failedPageReachesNoPrinter();
};

void TestPrintouts::worksheetOperations() {
    AppFixture app;
    installRecorderKeeping();
    multiple& quiz = quizWith(sampleQuestionFile(QStringLiteral("Kings")));
    QTest::mouseClick(&quiz.Label3(multiple::Button::Print), Qt::LeftButton);
    QCOMPARE(recorded.mid(0, 21), worksheetHead());
    const QStringList question3 = recorded.mid(21 + 2 * 16, 14);
    QCOMPARE(question3,
             QStringList({"pageWidth", "setX 687.5", "printLine |Question 3    Question text 3|",
                          "pageWidth", "setX 3666.666667", "printText |A. 3 A|", "pageWidth",
                          "setX 7333.333333", "printLine |B. 3 B|", "pageWidth", "setX 3666.666667",
                          "printText |C. 3 C|", "pageWidth", "setX 7333.333333"}));
    QCOMPARE(recorded.size(), 21 + 10 * 16 + 1);
    QCOMPARE(recorded.last(), QStringLiteral("endDocument"));
    QCOMPARE(app.messages->texts, QStringList{"Your worksheet is now printing."});
}

void TestPrintouts::emptyAnswersPrintTheirLetters() {
    AppFixture app;
    RecordingPrinter printer;
    QuestionTables empty;
    printWorksheet(printer, QStringLiteral("The Orvelles"), QString(), empty);
    for (const char* letter : {"A. ", "B. "})
        QVERIFY(printer.operations.contains(QString("printText |%1|").arg(letter)) ||
                printer.operations.contains(QString("printLine |%1|").arg(letter)));
    QCOMPARE(printer.operations.count("printText |C. |"), 10);
    QCOMPARE(printer.operations.count("printLine |D. |"), 10);
}

void TestPrintouts::worksheetFailureAtEachStep() {
    AppFixture app;
    multiple& quiz = quizWith(sampleQuestionFile(QStringLiteral("Kings")));
    const int steps = 21 + 10 * 16 + 1;
    for (int step = 1; step <= steps; ++step) {
        installRecorderKeeping(step);
        app.messages->texts.clear();
        QTest::mouseClick(&quiz.Label3(multiple::Button::Print), Qt::LeftButton);
        QCOMPARE(recorded.size(), step - 1);
        QCOMPARE(app.messages->texts, QStringList{"There was a problem printing to your printer."});
    }
    QCOMPARE(quiz.currentQuestion(), 1);
    QVERIFY(quiz.isVisible());
}

void TestPrintouts::certificateOperations() {
    AppFixture app;
    installRecorderKeeping();
    Welldone& results = fullMarks(10, QStringLiteral("The Orvelles"), QStringLiteral("Ada"));
    QTest::mouseClick(&results.Label3(Welldone::Button::PrintOrReview), Qt::LeftButton);
    QCOMPARE(app.messages->texts, QStringList{"Your certificate is now printing."});
    const QString banner =
        QStringLiteral("   Well Done      Well Done     Well Done     Well Done    ");
    QCOMPARE(banner.size(), 59);
    QCOMPARE(recorded.mid(0, 8),
             QStringList({"setColour 9", "setFontSize 25", "setFontName Times New Roman",
                          "pageWidth", "setX 1375", "printLine | |",
                          "printText |" + banner + banner + "|", "printLine | |"}));
    QVERIFY(recorded.contains("printLine |Ada|"));
    QVERIFY(recorded.contains("printLine |You have scored 10 out of 10.|"));
    QVERIFY(recorded.contains("printLine |Excellent Work|"));
    const QStringList lines = recorded.filter(QStringLiteral("drawLine"));
    QCOMPARE(lines.size(), 32);
    QCOMPARE(lines.first(), QStringLiteral("drawLine 45 270 10955 270"));
    QCOMPARE(lines.at(4), QStringLiteral("drawLine 645 7320 10355 7320"));
    QCOMPARE(lines.at(7), QStringLiteral("drawLine 645 11480 10355 11480"));
    QCOMPARE(lines.last(), QStringLiteral("drawLine 225 15050 10775 15050"));
    QCOMPARE(recorded.last(), QStringLiteral("endDocument"));
    QVERIFY(app.sound->played.isEmpty());
}

void TestPrintouts::subjectSize_data() {
    QTest::addColumn<double>("widthOnScreen");
    QTest::addColumn<bool>("smaller");
    QTest::newRow("exactly a quarter") << 2750.0 << false;
    QTest::newRow("just over a quarter") << 2750.5 << true;
    QTest::newRow("narrow") << 900.0 << false;
}

void TestPrintouts::subjectSize() {
    QFETCH(double, widthOnScreen);
    QFETCH(bool, smaller);
    RecordingPrinter printer;
    printCertificate(printer, {QStringLiteral("Subject"), QString(), 1, 1, widthOnScreen});
    const int subject = static_cast<int>(printer.operations.indexOf("printLine |Subject|"));
    QVERIFY(subject > 0);
    const QStringList before = printer.operations.mid(0, subject);
    const QString lastSize = before.filter("setFontSize").last();
    QCOMPARE(lastSize,
             smaller ? QStringLiteral("setFontSize 28") : QStringLiteral("setFontSize 36"));
}

void TestPrintouts::certificateAfterAnActivity() {
    AppFixture app;
    installRecorderKeeping();
    Welldone& results = fullMarks(9, QString(), QString());
    QTest::mouseClick(&results.Label3(Welldone::Button::PrintOrReview), Qt::LeftButton);
    QVERIFY(recorded.contains("printLine |You have scored 9 out of 9.|"));
    // An empty subject and an empty name print empty lines where they stand.
    QCOMPARE(recorded.count("printLine ||"), 4);
}

void TestPrintouts::boardCertificateNamesTheLastQuizScored_data() {
    // How many questions of a quiz headed "Tudors" are answered before the board is scored.
    QTest::addColumn<int>("answered");
    QTest::addColumn<bool>("named");
    QTest::newRow("no quiz yet") << 0 << false;
    QTest::newRow("a quiz scored") << 10 << true;
    QTest::newRow("a quiz left unscored") << 2 << false;
}

void TestPrintouts::boardCertificateNamesTheLastQuizScored() {
    QFETCH(int, answered);
    QFETCH(bool, named);
    AppFixture app;
    if (answered > 0) {
        ItemReader file1(sampleQuestionFile(QStringLiteral("Kings")));
        QuestionTables worksheet;
        LoadQuestionFile(file1, worksheet);
        multiple& quiz = multiple::start(worksheet, QStringLiteral("Tudors"), Picture());
        for (int q = 0; q < answered; ++q)
            QTest::mouseClick(&quiz.Label3(multiple::Button::Next), Qt::LeftButton);
        Screens::unloadAll();
    }
    installRecorderKeeping();
    Welldone& results = Welldone::openWith(boardOutcome(4, 4));
    QTest::mouseClick(&results.Label3(Welldone::Button::PrintOrReview), Qt::LeftButton);
    QVERIFY(recorded.contains("printLine |You have scored 4 out of 4.|"));
    QCOMPARE(recorded.contains("printLine |Tudors|"), named);
}

void TestPrintouts::certificateFailureAtEachStep() {
    AppFixture app;
    Welldone& results = fullMarks(10, QStringLiteral("The Orvelles"), QStringLiteral("Ada"));
    installRecorderKeeping();
    QTest::mouseClick(&results.Label3(Welldone::Button::PrintOrReview), Qt::LeftButton);
    const int steps = static_cast<int>(recorded.size());
    QVERIFY(steps > 60);
    for (int step = 1; step <= steps; ++step) {
        installRecorderKeeping(step);
        app.messages->texts.clear();
        QTest::mouseClick(&results.Label3(Welldone::Button::PrintOrReview), Qt::LeftButton);
        QCOMPARE(recorded.size(), step - 1);
        QCOMPARE(app.messages->texts, QStringList{"There was a problem printing to your printer."});
    }
    QVERIFY(results.isVisible());
    QCOMPARE(results.Text1->Text(), QStringLiteral("Ada"));
}

void TestPrintouts::certificateNameTakesAnyLetter_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("printed");
    QTest::newRow("letters beyond the 8-bit files")
        << QString::fromUtf16(u"\u0141ucja \u017Bak \u0410\u043D\u044F")
        << QString::fromUtf16(u"\u0141ucja \u017Bak \u0410\u043D\u044F");
    QTest::newRow("25 characters at most")
        << QString(30, QChar(0x0141)) << QString(25, QChar(0x0141));
}

void TestPrintouts::certificateNameTakesAnyLetter() {
    QFETCH(QString, typed);
    QFETCH(QString, printed);
    AppFixture app;
    Welldone& results = fullMarks(10, QStringLiteral("The Orvelles"), QString());
    for (QChar c : typed)
        QTest::sendKeyEvent(QTest::Click, results.Text1, Qt::Key_unknown, QString(c),
                            Qt::NoModifier);
    installRecorderKeeping();
    QTest::mouseClick(&results.Label3(Welldone::Button::PrintOrReview), Qt::LeftButton);
    QVERIFY(recorded.contains("printLine |" + printed + "|"));
}

void TestPrintouts::pdfPages() {
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (pdftotext.isEmpty())
        QSKIP("pdftotext (poppler-utils) is not installed");
    AppFixture app;
    const QString worksheetPdf = app.content.path() + "/worksheet.pdf";
    const QString certificatePdf = app.content.path() + "/certificate.pdf";
    {
        ItemReader file1(sampleQuestionFile(QStringLiteral("Kings")));
        QuestionTables worksheet;
        LoadQuestionFile(file1, worksheet);
        auto surface = QtPrinterSurface::pdf(worksheetPdf);
        printWorksheet(*surface, QStringLiteral("The Orvelles"), QStringLiteral("Kings"),
                       worksheet);
    }
    RecordingPrinter frame(QtPrinterSurface::pdf(certificatePdf));
    printCertificate(frame, {QStringLiteral("The Orvelles"), QStringLiteral("Ada"), 10, 10, 900});

    QProcess extract;
    extract.start(pdftotext, {"-layout", worksheetPdf, "-"});
    QVERIFY(extract.waitForFinished());
    const QString worksheet = QString::fromUtf8(extract.readAllStandardOutput());
    QVERIFY(worksheet.contains("Quenmark Publishing Ltd"));
    qsizetype last = worksheet.indexOf("Kings");
    for (int q = 1; q <= 10; ++q) {
        const qsizetype at = worksheet.indexOf(QString("Question %1    Question text %1").arg(q));
        QVERIFY2(at > last, qPrintable(QString("question %1 out of order").arg(q)));
        last = at;
    }
    QVERIFY(worksheet.contains("D. 10 D"));

    extract.start(pdftotext, {certificatePdf, "-"});
    QVERIFY(extract.waitForFinished());
    const QString certificate = QString::fromUtf8(extract.readAllStandardOutput());
    QVERIFY(certificate.indexOf("Excellent Work") < certificate.indexOf("Ada"));
    QVERIFY(certificate.contains("You have scored 10 out of 10."));
    // The frame lies inside the page that the real surface reports.
    const double w = frame.lastPageWidth;
    const double h = frame.lastPageHeight;
    QVERIFY(w > 9000 && h > 13000);
    for (const QString& line : frame.operations.filter("drawLine")) {
        const QStringList parts = line.split(' ');
        for (int i = 1; i <= 4; ++i) {
            const double v = parts[i].toDouble();
            QVERIFY(v >= 0 && v <= (i % 2 ? w : h));
        }
    }
}

void TestPrintouts::failedPageReachesNoPrinter_data() {
    QTest::addColumn<bool>("printer");
    QTest::addColumn<bool>("fails");
    // A printer writing PDF runs the engine of a CUPS printer, whose abort() does nothing.
    QTest::newRow("PDF writer, printed") << false << false;
    QTest::newRow("PDF writer, page refused") << false << true;
    QTest::newRow("printer, printed") << true << false;
    QTest::newRow("printer, page refused") << true << true;
}

void TestPrintouts::failedPageReachesNoPrinter() {
    QFETCH(bool, printer);
    QFETCH(bool, fails);
    AppFixture app;
    const QString path = app.content.path() + "/page.pdf";
    std::unique_ptr<PrinterSurface> surface = QtPrinterSurface::pdf(path);
    if (printer) {
        surface = std::make_unique<QtPrinterSurface>([path] {
            auto device = std::make_unique<QPrinter>(QPrinter::HighResolution);
            device->setOutputFormat(QPrinter::PdfFormat);
            device->setOutputFileName(path);
            return std::unique_ptr<QPagedPaintDevice>(std::move(device));
        });
    }
    QImage dot(8, 8, QImage::Format_RGB32);
    dot.fill(Qt::red);
    QVERIFY(dot.save(app.content.path() + "/dot.png"));
    // As the reading screen prints a page: a line, then the page, refused when it was loaded.
    bool thrown = false;
    try {
        surface->printLine(QStringLiteral("Key Facts"));
        surface->drawPicture(fails ? Picture() : Picture::load(QStringLiteral("dot.png")), 1000,
                             1000);
        surface->endDocument();
    } catch (const PrintError&) {
        thrown = true;
    }
    QCOMPARE(thrown, fails);
    surface.reset();
    QCOMPARE(QFileInfo::exists(path), !fails);
}

QTEST_MAIN(TestPrintouts)
#include "tst_printouts.moc"
