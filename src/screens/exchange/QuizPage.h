#pragma once

#include "formats/QuestionFile.h"

#include <QByteArray>
#include <QString>

// The ten-question quiz as one self-contained web page: the questions, the picture as a
// data: address and the script inline, so it runs in any browser with no network.
namespace QuizPage {

// `jpeg` is the picture beside the questions (may be empty); `subject` the quiz's heading.
QByteArray page(const WorksheetContent& worksheet, const QByteArray& jpeg, const QString& subject);

} // namespace QuizPage
