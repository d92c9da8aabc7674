#pragma once

#include <QByteArray>
#include <QString>

// Question files for tests: question q reads "Question text q", its answers "q A" to "q D",
// and its correct answer is `correct` ("1" to "4", or anything to test a damaged file).
QByteArray sampleQuestionFile(const QString& title, const QString& correct = QStringLiteral("2"));
