// The shipped pages and worksheets, read the way the program reads them: every page whole, each
// copy fitting where it is shown or printed, and the quizzes answerable from the key facts.
#include "formats/ItemReader.h"
#include "formats/QuestionFile.h"
#include "platform/wmf/WmfPicture.h"
#include "platform/wmf/WmfRecorder.h"

#include <QRegularExpression>
#include <QTest>

namespace {

const QString content = QStringLiteral(ORVELLES_SOURCE_DIR "/content/");

const QStringList pageNames = {QStringLiteral("key introductiona"),
                               QStringLiteral("key introductionb"),
                               QStringLiteral("key richa"),
                               QStringLiteral("key richb"),
                               QStringLiteral("key shipsa"),
                               QStringLiteral("key shipsb"),
                               QStringLiteral("introductiona"),
                               QStringLiteral("introductionb"),
                               QStringLiteral("richa"),
                               QStringLiteral("richb"),
                               QStringLiteral("shipsa"),
                               QStringLiteral("shipsb"),
                               QStringLiteral("guide1"),
                               QStringLiteral("guide2"),
                               QStringLiteral("guide3"),
                               QStringLiteral("guide4"),
                               QStringLiteral("guide5"),
                               QStringLiteral("acknowledgments")};

// Every word of a page's text runs, lower case, one space between words; runs that break a
// sentence across lines join up again.
QString pageWords(const QString& path) {
    const WmfPicture page = WmfPicture::load(path);
    QStringList runs;
    for (const WmfCommand::Any& command : page.recording().commands())
        if (const auto* text = std::get_if<WmfCommand::Text>(&command))
            runs << text->run.text;
    return runs.join(QLatin1Char(' ')).toLower().simplified();
}

QString normalised(const QString& text) {
    QString words = text.toLower();
    words.replace(QRegularExpression(QStringLiteral("[^a-z0-9' ]")), QStringLiteral(" "));
    return words.simplified();
}

} // namespace

class ContentPagesTest : public QObject {
    Q_OBJECT

private slots:
    void everyPageReadsWholeAndFits_data() {
        QTest::addColumn<QString>("name");
        for (const QString& name : pageNames)
            QTest::newRow(qPrintable(name)) << name;
    }

    void everyPageReadsWholeAndFits() {
        QFETCH(QString, name);
        const WmfPicture screen = WmfPicture::load(content + "wmf/" + name + ".wmf");
        const WmfPicture print = WmfPicture::load(content + "wmf2/" + name + ".wmf");
        for (const WmfPicture* page : {&screen, &print}) {
            QVERIFY(!page->isNull());
            QVERIFY2(page->parseResult().complete, qPrintable(page->parseResult().problem));
            QVERIFY(page->parseResult().placeable);
            QVERIFY(page->parseResult().checksumMatches);
        }
        // The viewer shows the screen copy from 8 pixels in, left of its Print and Exit
        // entries (712 pixels in) and above its page entries (528 pixels down).
        QVERIFY(screen.sizePixels().width() <= 712 - 8);
        QVERIFY(screen.sizePixels().height() <= 528);
        // The print copy goes 1000 twips in from the printable corner: it must fit A4 and
        // US Letter with quarter-inch margins.
        QVERIFY(1000 + print.sizeTwips().width() <= 11906 - 720);
        QVERIFY(1000 + print.sizeTwips().height() <= 15840 - 720);
        // Both copies say the same thing.
        QCOMPARE(normalised(pageWords(content + "wmf2/" + name + ".wmf")),
                 normalised(pageWords(content + "wmf/" + name + ".wmf")));
    }

    void everyRightAnswerIsInTheKeyFacts_data() {
        QTest::addColumn<QString>("worksheet");
        QTest::addColumn<QString>("keyFacts");
        QTest::newRow("Introduction") << "multiple/Introduction.txt"
                                      << "key introduction";
        QTest::newRow("Rich and Poor") << "multiple/Rich and Poor.txt"
                                       << "key rich";
        QTest::newRow("Ships and Explorers") << "multiple/Ships and Explorers.txt"
                                             << "key ships";
    }

    void everyRightAnswerIsInTheKeyFacts() {
        QFETCH(QString, worksheet);
        QFETCH(QString, keyFacts);
        ItemReader file1 = ItemReader::open(content + worksheet);
        QuestionTables tables;
        LoadQuestionFile(file1, tables);
        const QString facts = normalised(pageWords(content + "wmf/" + keyFacts + "a.wmf") + ' ' +
                                         pageWords(content + "wmf/" + keyFacts + "b.wmf"));
        for (int q = 1; q <= 10; ++q) {
            const int right = correctAnswerNumber(tables.CorrectAnswer[q]);
            QVERIFY2(right >= 1 && right <= 4, qPrintable(tables.QuestionText[q]));
            const std::array<QString, 4> answers = {tables.AnswerA[q], tables.AnswerB[q],
                                                    tables.AnswerC[q], tables.AnswerD[q]};
            // The answer's words that carry its meaning: longer than three letters.
            const QStringList words =
                normalised(answers[size_t(right - 1)]).split(QLatin1Char(' '), Qt::SkipEmptyParts);
            int found = 0, meaningful = 0;
            for (const QString& word : words) {
                if (word.size() <= 3)
                    continue;
                ++meaningful;
                found += facts.contains(word.left(word.size() - 1)) ? 1 : 0;
            }
            QVERIFY2(meaningful == 0 || found * 2 >= meaningful,
                     qPrintable(QStringLiteral("question %1: \"%2\" is not in the key facts")
                                    .arg(q)
                                    .arg(answers[size_t(right - 1)])));
        }
    }
};

QTEST_MAIN(ContentPagesTest)
#include "tst_contentpages.moc"
