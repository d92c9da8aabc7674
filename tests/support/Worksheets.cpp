#include "support/Worksheets.h"

QByteArray sampleQuestionFile(const QString& title, const QString& correct) {
    QByteArray bytes =
        QString(title).replace(QLatin1Char(','), QLatin1Char('&')).toLatin1() + "\r\n \r\n";
    for (int q = 1; q <= 10; ++q) {
        const QByteArray n = QByteArray::number(q);
        bytes += "Question text " + n + "\r\n";
        for (const char* letter : {"A", "B", "C", "D"})
            bytes += n + " " + letter + "\r\n";
        bytes += correct.toLatin1() + "\r\n \r\n";
    }
    return bytes;
}
