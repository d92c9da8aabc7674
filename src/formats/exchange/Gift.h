#pragma once

#include "formats/exchange/Exchange.h"

// GIFT, the learning platform's one-question-a-paragraph text format.
namespace Gift {

bool looksLike(const QString& text);

// Every question of the file in order; `title` gets the last category named. A question whose
// braces or name do not close comes back with its fault, and the questions after it are read.
QList<Exchange::ReadQuestion> read(const QString& text, QString& title, int* unread = nullptr);

QByteArray write(const WorksheetContent& worksheet);

} // namespace Gift
