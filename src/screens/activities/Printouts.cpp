#include "screens/activities/Printouts.h"

#include "app/Messages.h"
#include "platform/PrinterSurface.h"

#include <QStringList>

namespace {

const QString times = QStringLiteral("Times New Roman");

void centred(PrinterSurface& printer, const QString& text) {
    printer.setX((printer.pageWidth() - printer.textWidth(text)) / 2);
    printer.printLine(text);
}

void blankLines(PrinterSurface& printer, int count) {
    for (int i = 0; i < count; ++i)
        printer.printLine(QStringLiteral(" "));
}

// The right answer of a key in red, with a tick after it; `right` is 0 on a worksheet.
void printAnswer(PrinterSurface& printer, const QString& letter, const QString& text, bool right,
                 bool endsLine) {
    const QString shown =
        letter + QStringLiteral(". ") + text + (right ? QStringLiteral("  \u2713") : QString());
    if (right)
        printer.setColour(12);
    if (endsLine)
        printer.printLine(shown);
    else
        printer.printText(shown);
    if (right)
        printer.setColour(0);
}

void printQuestion(PrinterSurface& printer, const QuestionTables& questions, int i, int right) {
    printer.setX(printer.pageWidth() / 16);
    printer.printLine(QStringLiteral("Question") + numberText(i) + QStringLiteral("    ") +
                      questions.QuestionText[i]);
    printer.setX(2 * printer.pageWidth() / 6);
    printAnswer(printer, QStringLiteral("A"), questions.AnswerA[i], right == 1, false);
    printer.setX(4 * printer.pageWidth() / 6);
    printAnswer(printer, QStringLiteral("B"), questions.AnswerB[i], right == 2, true);
    printer.setX(2 * printer.pageWidth() / 6);
    printAnswer(printer, QStringLiteral("C"), questions.AnswerC[i], right == 3, false);
    printer.setX(4 * printer.pageWidth() / 6);
    printAnswer(printer, QStringLiteral("D"), questions.AnswerD[i], right == 4, true);
    printer.printLine(QStringLiteral(" "));
}

QString banner() {
    const QString once =
        QStringLiteral("   Well Done      Well Done     Well Done     Well Done    ");
    return once + once;
}

void drawRectangle(PrinterSurface& printer, double l, double t, double r, double b) {
    printer.drawLine(l, t, r, t);
    printer.drawLine(l, t, l, b);
    printer.drawLine(r, t, r, b);
    printer.drawLine(l, b, r, b);
}

void drawFrame(PrinterSurface& printer) {
    printer.setPenWidth(2);
    const double w = printer.pageWidth();
    const double h = printer.pageHeight();
    for (int k = 0; k < 5; ++k) {
        const double m = 45.0 * (k + 1);
        const double n = 270.0 + 45 * k;
        drawRectangle(printer, m, n, w - m, h - n);
        if (k < 3)
            drawRectangle(printer, m + 600, n + 7050, w - m - 600, h - n - 3750);
    }
}

} // namespace

namespace {

void printSheet(PrinterSurface& printer, const QString& subject, const QString& title,
                const QuestionTables& questions, bool key) {
    printer.setFontSize(16);
    printer.setFontName(times);
    printer.setX(printer.pageWidth() / 8);
    printer.printLine(QStringLiteral(" "));
    printer.setX(printer.pageWidth() / 16);
    printer.printText(QStringLiteral("The Orvelles") + QString(57, QLatin1Char(' ')) +
                      QStringLiteral("Quenmark Publishing Ltd"));
    blankLines(printer, 2);
    printer.setFontSize(32);
    centred(printer, subject);
    centred(printer, title);
    if (key) {
        // Two lines of 16 points take the place of the blank one, so the page keeps its length.
        printer.setFontSize(16);
        centred(printer, QStringLiteral("Answer Key"));
        blankLines(printer, 1);
    } else {
        blankLines(printer, 1);
    }
    printer.setFontSize(12);
    for (int i = 1; i <= QuestionCount; ++i)
        printQuestion(printer, questions, i,
                      key ? correctAnswerNumber(questions.CorrectAnswer[i]) : 0);
    if (key) {
        printer.setX(printer.pageWidth() / 16);
        printer.printLine(QStringLiteral("Key:  ") + answerKeyLine(questions));
    }
    printer.endDocument();
}

} // namespace

void printWorksheet(PrinterSurface& printer, const QString& subject, const QString& title,
                    const QuestionTables& questions) {
    printSheet(printer, subject, title, questions, false);
}

void printAnswerKey(PrinterSurface& printer, const QString& subject, const QString& title,
                    const QuestionTables& questions) {
    printSheet(printer, subject, title, questions, true);
}

QString answerKeyLine(const QuestionTables& questions) {
    QStringList entries;
    for (int i = 1; i <= QuestionCount; ++i) {
        const int right = correctAnswerNumber(questions.CorrectAnswer[i]);
        entries.append(QString::number(i) + QLatin1Char(' ') +
                       (right ? QChar(u'A' + right - 1) : QLatin1Char('?')));
    }
    return entries.join(QStringLiteral(", "));
}

void printCertificate(PrinterSurface& printer, const CertificateText& text) {
    printer.setColour(9);
    printer.setFontSize(25);
    printer.setFontName(times);
    printer.setX(printer.pageWidth() / 8);
    printer.printLine(QStringLiteral(" "));
    printer.printText(banner());
    printer.printLine(QStringLiteral(" "));
    blankLines(printer, 2);
    printer.setColour(12);
    printer.setFontSize(36);
    printer.setFontName(times);
    centred(printer, QStringLiteral("The Orvelles"));
    blankLines(printer, 1);
    printer.setColour(9);
    printer.setFontSize(36);
    if (text.subjectWidthOnScreen > printer.pageWidth() / 4)
        printer.setFontSize(28);
    centred(printer, text.subject);
    centred(printer, QString());
    printer.setFontSize(36);
    blankLines(printer, 3);
    printer.setColour(1);
    printer.setFontSize(28);
    centred(printer, QStringLiteral("Excellent Work"));
    printer.setFontSize(28);
    blankLines(printer, 1);
    centred(printer, text.name);
    centred(printer, QString());
    printer.setFontSize(28);
    centred(printer, QStringLiteral("You have scored") + numberText(text.score) +
                         QStringLiteral(" out of") + numberText(text.maxScore) +
                         QStringLiteral("."));
    blankLines(printer, 1);
    printer.setFontSize(36);
    blankLines(printer, 2);
    printer.setColour(9);
    printer.setFontSize(25);
    printer.setFontName(times);
    blankLines(printer, 1);
    printer.setColour(0);
    printer.printText(banner());
    drawFrame(printer);
    printer.endDocument();
}
