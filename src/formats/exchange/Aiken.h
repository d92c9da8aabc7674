#pragma once

#include "formats/exchange/Exchange.h"

// Aiken: a question on one line, lettered choices, then "ANSWER: X".
namespace Aiken {

bool looksLike(const QString& text);

QList<Exchange::ReadQuestion> read(const QString& text, int* unread = nullptr);

// Throws FormatError for a text the format cannot hold apart from its own lines.
QByteArray write(const WorksheetContent& worksheet);

} // namespace Aiken
