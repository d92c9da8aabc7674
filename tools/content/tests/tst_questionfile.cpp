#include "QuizSource.h"
#include "TextFit.h"
#include "formats/ItemReader.h"
#include "formats/QuestionFile.h"

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

QString quizSource(const QString& file) {
    QFile source(QStringLiteral(CONTENT_TOOL_DIR "/quiz/") + file);
    return source.open(QIODevice::ReadOnly) ? QString::fromUtf8(source.readAll()) : QString();
}

} // namespace

class TestQuestionFile : public QObject {
    Q_OBJECT
private slots:
    // What the tool writes, the program reads back as the source says, field by field.
    void readsBackThroughTheProgram_data() {
        QTest::addColumn<QString>("source");
        QTest::newRow("commas") << validSource();
        QTest::newRow("introduction") << quizSource(QStringLiteral("introduction.txt"));
        QTest::newRow("rich and poor") << quizSource(QStringLiteral("rich-and-poor.txt"));
        QTest::newRow("ships") << quizSource(QStringLiteral("ships-and-explorers.txt"));
    }
    void readsBackThroughTheProgram() {
        QFETCH(QString, source);
        QStringList errors;
        const quiz::Worksheet sheet = quiz::parseSource(source, errors);
        errors << quiz::check(sheet);
        QVERIFY2(errors.isEmpty(), qPrintable(errors.join('\n')));
        ItemReader reader(questionFileBytes(quiz::toContent(sheet)));
        QuestionTables tables;
        LoadQuestionFile(reader, tables);
        QVERIFY(reader.atEnd());
        QCOMPARE(tables.WorksheetTitle, sheet.title);
        for (int q = 1; q <= 10; ++q) {
            const quiz::Question& question = sheet.questions[q - 1];
            QCOMPARE(tables.QuestionText[q], question.text);
            QCOMPARE(tables.AnswerA[q], question.answers[0]);
            QCOMPARE(tables.AnswerB[q], question.answers[1]);
            QCOMPARE(tables.AnswerC[q], question.answers[2]);
            QCOMPARE(tables.AnswerD[q], question.answers[3]);
            QCOMPARE(correctAnswerNumber(tables.CorrectAnswer[q]), question.correct);
        }
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

    // The built-in quizzes: within the wizard's limits and fitting the quiz screen.
    void builtInQuizzesAreSound_data() {
        QTest::addColumn<QString>("file");
        QTest::newRow("introduction") << "introduction.txt";
        QTest::newRow("rich and poor") << "rich-and-poor.txt";
        QTest::newRow("ships") << "ships-and-explorers.txt";
    }
    void builtInQuizzesAreSound() {
        QFETCH(QString, file);
        const QString source = quizSource(file);
        QVERIFY(!source.isEmpty());
        QStringList errors;
        const quiz::Worksheet sheet = quiz::parseSource(source, errors);
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
