#include "formats/Errors.h"
#include "formats/exchange/Exchange.h"

#include <QDir>
#include <QFile>
#include <QTest>

#include <map>

using Exchange::Format;

namespace {

const QString samplesDir = QStringLiteral(ORVELLES_SOURCE_DIR "/tests/exchange/samples/");
const QString corpus = QStringLiteral(ORVELLES_SOURCE_DIR "/fuzz/corpus/");

QByteArray contents(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", qPrintable(path));
    return file.readAll();
}

// The reading as the expectation files write it: the format, the title if any, then each
// question in file order.
QStringList reading(const QByteArray& bytes) {
    Exchange::Found found;
    try {
        found = Exchange::read(bytes);
    } catch (const FormatError& error) {
        return {QStringLiteral("refused: ") + QString::fromUtf8(error.what())};
    }
    QStringList lines{QStringLiteral("format: ") + Exchange::formatName(found.format)};
    if (!found.title.isEmpty())
        lines << QStringLiteral("title: ") + found.title;
    std::map<int, QString> questions;
    for (int i = 0; i < found.fitting.size(); ++i) {
        const QuestionEntry& q = found.fitting[i];
        questions[found.fittingNumbers[i]] = QStringList{QStringLiteral("fits: ") + q.text,
                                                         q.answers[0],
                                                         q.answers[1],
                                                         q.answers[2],
                                                         q.answers[3],
                                                         QString::number(q.correct)}
                                                 .join(QStringLiteral(" | "));
        if (!found.notes[i].isEmpty())
            questions[found.fittingNumbers[i]] += QStringLiteral("\nnote: ") + found.notes[i];
    }
    for (const Exchange::LeftOut& q : found.leftOut)
        questions[q.number] = QStringLiteral("left out: line %1 | %2").arg(q.line).arg(q.reason);
    for (const auto& [number, line] : questions)
        lines << line.split(QLatin1Char('\n'));
    return lines;
}

// The expectation file's lines, comments and blank lines dropped.
QStringList expected(const QString& path) {
    QStringList lines;
    for (const QString& line : QString::fromUtf8(contents(path)).split(QLatin1Char('\n'))) {
        if (!line.trimmed().isEmpty() && !line.startsWith(QLatin1Char('#')))
            lines << line;
    }
    return lines;
}

} // namespace

class tst_exchangesamples : public QObject {
    Q_OBJECT
private slots:
    // Each sample file beside the reading it must give, in NAME.expected.
    void samples_data() {
        QTest::addColumn<QString>("file");
        const QStringList files =
            QDir(samplesDir)
                .entryList(
                    {QStringLiteral("*.gift"), QStringLiteral("*.aiken"), QStringLiteral("*.xml")},
                    QDir::Files, QDir::Name);
        QVERIFY(!files.isEmpty());
        for (const QString& name : files)
            QTest::newRow(qPrintable(name)) << name;
    }
    void samples() {
        QFETCH(QString, file);
        const QString want = samplesDir + file.section(QLatin1Char('.'), 0, 0) + ".expected";
        QVERIFY2(QFile::exists(want), qPrintable(want));
        const QStringList got = reading(contents(samplesDir + file));
        const QStringList wanted = expected(want);
        // A refusal is matched by the start of its message.
        if (wanted.size() == 1 && wanted[0].startsWith(QLatin1String("refused: ")) &&
            got.size() == 1 && got[0].startsWith(wanted[0]))
            return;
        QCOMPARE(got, wanted);
    }

    // Inputs that once made a fuzzer fail, read again and taken round: what fits is written in
    // the same format and must read back the same.
    void fuzzFindings_data() {
        QTest::addColumn<QString>("seed");
        QTest::addColumn<int>("format");
        QTest::addColumn<int>("fitting");
        QTest::newRow("gift control after blank")
            << "fuzz_gift/control-after-blank.txt" << int(Format::Gift) << 1;
        QTest::newRow("gift answer opening with percent")
            << "fuzz_gift/answer-opening-with-percent.txt" << int(Format::Gift) << 1;
        QTest::newRow("aiken uncollapsed question")
            << "fuzz_aiken/uncollapsed-question.txt" << int(Format::Aiken) << 5;
        QTest::newRow("aiken mark inside text")
            << "fuzz_aiken/mark-inside-text.txt" << int(Format::Aiken) << 2;
    }
    void fuzzFindings() {
        QFETCH(QString, seed);
        QFETCH(int, format);
        QFETCH(int, fitting);
        const Exchange::Found found = Exchange::read(contents(corpus + seed));
        QCOMPARE(found.fitting.size(), fitting);
        WorksheetContent sheet;
        sheet.title = QStringLiteral("Seed");
        for (int q = 0; q < 10; ++q)
            sheet.questions[q] = found.fitting[q % found.fitting.size()];
        const Exchange::Found again = Exchange::read(Exchange::write(Format(format), sheet));
        QCOMPARE(int(again.format), format);
        QCOMPARE(again.fitting.size(), 10);
        for (int q = 0; q < 10; ++q) {
            QCOMPARE(again.fitting[q].text, sheet.questions[q].text);
            QCOMPARE(again.fitting[q].answers, sheet.questions[q].answers);
            QCOMPARE(again.fitting[q].correct, sheet.questions[q].correct);
        }
    }
};

QTEST_APPLESS_MAIN(tst_exchangesamples)
#include "tst_exchangesamples.moc"
