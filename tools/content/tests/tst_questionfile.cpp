#include "QuestionFile.h"
#include "TextFit.h"

#include <QFile>
#include <QTest>

namespace {

QString
validSource(const QString& firstQuestion = QStringLiteral("Who was the first king, then?")) {
    QString text = QStringLiteral("Title: Kings, Queens\n");
    for (int q = 1; q <= 10; ++q) {
        text += QStringLiteral("Q: %1\n").arg(q == 1 ? firstQuestion
                                                     : QStringLiteral("Question %1?").arg(q));
        for (int a = 1; a <= 4; ++a)
            text += QStringLiteral("%1 Answer %2, %3\n")
                        .arg(a == (q % 4) + 1 ? '*' : '-')
                        .arg(q)
                        .arg(a);
    }
    return text;
}

QList<QByteArray> lines(const QByteArray& file) {
    QList<QByteArray> out = file.split('\n');
    if (!out.isEmpty() && out.back().isEmpty())
        out.removeLast();
    return out;
}

} // namespace

class TestQuestionFile : public QObject {
    Q_OBJECT
private slots:
    void encodesTheProgramsLayout() {
        QStringList errors;
        const quiz::Worksheet sheet = quiz::parseSource(validSource(), errors);
        QVERIFY(errors.isEmpty());
        QVERIFY2(quiz::check(sheet).isEmpty(), qPrintable(quiz::check(sheet).join('\n')));
        const QByteArray file = quiz::encode(sheet);
        const QList<QByteArray> rows = lines(file);
        QCOMPARE(rows.size(), 72);
        for (const QByteArray& row : rows) {
            QVERIFY(row.endsWith('\r'));
            QVERIFY(!row.contains(','));
        }
        QCOMPARE(rows[0], QByteArray("Kings& Queens\r"));
        QCOMPARE(rows[1], QByteArray(" \r"));
        QCOMPARE(rows[2], QByteArray("Who was the first king& then?\r"));
        QCOMPARE(rows[3], QByteArray("Answer 1& 1\r"));
        QCOMPARE(rows[7], QByteArray("2\r"));
        QCOMPARE(rows[8], QByteArray(" \r"));
        QCOMPARE(rows[65], QByteArray("Question 10?\r"));
        QCOMPARE(rows[70], QByteArray("3\r"));
        QCOMPARE(rows[71], QByteArray(" \r"));
    }

    void rejectsWhatWouldNotReadBack_data() {
        QTest::addColumn<QString>("firstQuestion");
        QTest::addColumn<QString>("expected");
        QTest::newRow("ampersand") << "Salt & pepper?"
                                   << "\"&\"";
        QTest::newRow("leading quote") << "\"Quoted\" question?"
                                       << "double quote";
        QTest::newRow("too long") << QString(61, u'x') << "more than 60";
        QTest::newRow("outside the code page")
            << QString::fromUtf8("Who ruled \u0100?") << "Windows-1252";
    }
    void rejectsWhatWouldNotReadBack() {
        QFETCH(QString, firstQuestion);
        QFETCH(QString, expected);
        QStringList errors;
        const quiz::Worksheet sheet = quiz::parseSource(validSource(firstQuestion), errors);
        const QString problems = (errors + quiz::check(sheet)).join('\n');
        QVERIFY2(problems.contains(expected), qPrintable(problems));
    }

    void rejectsBadAnswerMarks_data() {
        QTest::addColumn<QString>("source");
        QTest::addColumn<QString>("expected");
        const QString base = validSource();
        QString two = base;
        two.replace(QStringLiteral("- Answer 1, 1"), QStringLiteral("* Answer 1, 1"));
        QTest::newRow("two right answers") << two << "second right answer";
        QString none = base;
        none.replace(QStringLiteral("* Answer 1, 2"), QStringLiteral("- Answer 1, 2"));
        QTest::newRow("no right answer") << none << "no right answer";
        QString five = base;
        five.replace(QStringLiteral("Q: Question 2?\n"),
                     QStringLiteral("- Extra\nQ: Question 2?\n"));
        QTest::newRow("five answers") << five << "fifth answer";
        QString nine = base.left(base.indexOf(QStringLiteral("Q: Question 10?")));
        QTest::newRow("nine questions") << nine << "9 questions";
    }
    void rejectsBadAnswerMarks() {
        QFETCH(QString, source);
        QFETCH(QString, expected);
        QStringList errors;
        const quiz::Worksheet sheet = quiz::parseSource(source, errors);
        const QString problems = (errors + quiz::check(sheet)).join('\n');
        QVERIFY2(problems.contains(expected), qPrintable(problems));
    }

    void mapsWindowsCharacters_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("ascii") << "King's crown" << QByteArray("King's crown");
        QTest::newRow("latin-1") << QString::fromUtf8("caf\u00e9") << QByteArray("caf\xe9");
        QTest::newRow("curly quote") << QString::fromUtf8("King\u2019s") << QByteArray("King\x92s");
        QTest::newRow("dash") << QString::fromUtf8("a \u2013 b") << QByteArray("a \x96 b");
    }
    void mapsWindowsCharacters() {
        QFETCH(QString, text);
        QFETCH(QByteArray, bytes);
        QCOMPARE(quiz::toWindows1252(text).value_or(QByteArray("?")), bytes);
    }

    // The two built-in quizzes: within the wizard's limits and fitting the quiz screen.
    void builtInQuizzesAreSound_data() {
        QTest::addColumn<QString>("file");
        QTest::newRow("introduction") << "introduction.txt";
        QTest::newRow("rich and poor") << "rich-and-poor.txt";
    }
    void builtInQuizzesAreSound() {
        QFETCH(QString, file);
        QFile source(QStringLiteral(CONTENT_TOOL_DIR "/quiz/") + file);
        QVERIFY(source.open(QIODevice::ReadOnly));
        QStringList errors;
        const quiz::Worksheet sheet =
            quiz::parseSource(QString::fromUtf8(source.readAll()), errors);
        const QStringList problems = errors + quiz::check(sheet) + fit::checkQuiz(sheet);
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join('\n')));
        QSet<int> rightPlaces;
        for (const auto& q : sheet.questions)
            rightPlaces.insert(q.correct);
        QVERIFY2(rightPlaces.size() >= 3, "the right answer should not sit in one place");
    }
};

QTEST_MAIN(TestQuestionFile)
#include "tst_questionfile.moc"
