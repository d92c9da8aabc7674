#include "formats/QuestionFile.h"

#include "formats/Errors.h"
#include "formats/ItemReader.h"
#include "formats/SafeFile.h"
#include "formats/TextCodec.h"

namespace {

// A text field never holds a comma in the file, so the writer's "&" means a comma.
QString translated(QString item) {
    return item.replace(QLatin1Char('&'), QLatin1Char(','));
}

void loadQuestion(ItemReader& file1, QuestionTables& tables, int q) {
    for (auto* table :
         {&tables.QuestionText, &tables.AnswerA, &tables.AnswerB, &tables.AnswerC, &tables.AnswerD})
        (*table)[q] = translated(file1.readItem());
    tables.CorrectAnswer[q] = file1.readItem();
    file1.readItem();
}

void appendLine(QByteArray& bytes, const QString& line) {
    bytes += TextCodec::encode(line);
    bytes += "\r\n";
}

bool isBlank(QChar c) {
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}

qsizetype leadingBlanks(const QString& text) {
    qsizetype n = 0;
    while (n < text.size() && isBlank(text[n]))
        ++n;
    return n;
}

void appendField(QByteArray& bytes, const QString& text) {
    if (!TextCodec::canStoreInLine(text))
        throw FormatError("text that a worksheet file cannot store");
    QString stored = storedForm(text).replace(QLatin1Char(','), QLatin1Char('&'));
    // Quoted, the reader keeps the blanks; a text holding a double quote cannot be quoted.
    if (leadingBlanks(stored) > 0)
        stored = QLatin1Char('"') + stored + QLatin1Char('"');
    appendLine(bytes, stored);
}

void appendQuestion(QByteArray& bytes, const QuestionEntry& question) {
    if (question.correct < 1 || question.correct > 4)
        throw FormatError("a question without one correct answer");
    appendField(bytes, question.text);
    for (const QString& answer : question.answers)
        appendField(bytes, answer);
    appendLine(bytes, QString::number(question.correct));
    appendLine(bytes, QStringLiteral(" "));
}

} // namespace

void LoadQuestionFile(ItemReader& file1, QuestionTables& tables) {
    tables.WorksheetTitle = translated(file1.readItem());
    file1.readItem();
    for (int q = 1; q <= QuestionCount; ++q)
        loadQuestion(file1, tables, q);
}

QString storedForm(const QString& text) {
    QString stored = text;
    const qsizetype first = leadingBlanks(stored);
    if (first < stored.size() && stored[first] == QLatin1Char('"')) {
        stored[first] = QChar(0x201C);
        const qsizetype close = stored.indexOf(QLatin1Char('"'), first + 1);
        if (close > 0)
            stored[close] = QChar(0x201D);
    }
    if (stored.contains(QLatin1Char('"')))
        stored.remove(0, leadingBlanks(stored));
    return stored;
}

int correctAnswerNumber(const QString& entry) {
    const QString digit = entry.trimmed();
    if (digit.size() != 1 || digit[0] < QLatin1Char('1') || digit[0] > QLatin1Char('4'))
        return 0;
    return digit[0].unicode() - '0';
}

QString answerText(const QuestionTables& tables, int q, int n) {
    const PerQuestion<QString>* answers[] = {&tables.AnswerA, &tables.AnswerB, &tables.AnswerC,
                                             &tables.AnswerD};
    return n >= 1 && n <= 4 && q >= 1 && q <= QuestionCount ? (*answers[n - 1])[q] : QString();
}

WorksheetContent contentOf(const QuestionTables& tables) {
    WorksheetContent worksheet;
    worksheet.title = tables.WorksheetTitle;
    for (int q = 1; q <= QuestionCount; ++q) {
        QuestionEntry& entry = worksheet.questions[q - 1];
        entry.text = tables.QuestionText[q];
        entry.answers = {tables.AnswerA[q], tables.AnswerB[q], tables.AnswerC[q],
                         tables.AnswerD[q]};
        entry.correct = correctAnswerNumber(tables.CorrectAnswer[q]);
        if (entry.correct == 0)
            throw FormatError("a correct answer that is not 1 to 4");
    }
    return worksheet;
}

QByteArray questionFileBytes(const WorksheetContent& worksheet) {
    QByteArray bytes;
    appendField(bytes, worksheet.title);
    appendLine(bytes, QStringLiteral(" "));
    for (const QuestionEntry& question : worksheet.questions)
        appendQuestion(bytes, question);
    return bytes;
}

void writeQuestionFile(const QString& path, const WorksheetContent& worksheet) {
    replaceFile(path, questionFileBytes(worksheet));
}
