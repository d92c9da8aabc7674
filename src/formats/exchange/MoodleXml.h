#pragma once

#include "formats/exchange/Exchange.h"

// The learning platform's XML question format: <quiz> holding <question type="...">.
namespace MoodleXml {

bool looksLike(const QString& text);

// Throws FormatError for XML that is not well formed, holds a DTD, nests too deep, or has
// another root than <quiz>.
QList<Exchange::ReadQuestion> read(const QString& text, QString& title, int* unread = nullptr);

QByteArray write(const WorksheetContent& worksheet);

} // namespace MoodleXml
