#pragma once

#include "formats/QuestionFile.h"

#include <QString>

class PrinterSurface;

// The paper worksheet of a quiz: a header line, the subject and the title centred in large
// type, then the ten questions, each with its four answers in two columns.
void printWorksheet(PrinterSurface& printer, const QString& subject, const QString& title,
                    const QuestionTables& questions);

// The worksheet as a key for the teacher: each right answer marked, "Answer Key" under the
// title and the letters of all ten in one line at the foot.
void printAnswerKey(PrinterSurface& printer, const QString& subject, const QString& title,
                    const QuestionTables& questions);
// "1 C, 2 A, ..."; a question whose right answer the file does not say gets "?".
QString answerKeyLine(const QuestionTables& questions);

struct CertificateText {
    QString subject;
    QString name;
    int score = 0;
    int maxScore = 0;
    // The subject's width on the results window, in twips: a wide one prints smaller.
    double subjectWidthOnScreen = 0;
};

// The certificate: the banners, the title, the subject, the pupil's name and the score, all
// centred, inside a frame of five nested rectangles and three around the middle.
void printCertificate(PrinterSurface& printer, const CertificateText& text);
