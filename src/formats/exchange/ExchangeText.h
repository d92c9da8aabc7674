#pragma once

#include <QByteArray>
#include <QString>

// Text handling shared by the exchange readers and writers.
namespace ExchangeText {

// The file's characters: UTF-8 with or without a byte-order mark, else Windows-1252.
// Throws FormatError for an empty file, NUL bytes, a UTF-16 file, or broken UTF-8 (a file
// that marks itself UTF-8, or mixes UTF-8 sequences with bytes that are not).
QString decode(const QByteArray& bytes);

// Plain text from HTML: tags dropped (line breaks and paragraphs become spaces), entities
// resolved, blanks collapsed.
QString plainFromHtml(const QString& html);

// Runs of blanks and line ends made one space, ends trimmed, control characters and stray
// byte-order marks dropped.
QString collapsed(const QString& text);

// Character and entity references resolved (named ones of the common set, and numeric).
QString resolveEntities(const QString& text);

// Characters that plainFromHtml and resolveEntities have looked at on this thread, their
// look-ahead included: tests read it to see that the work grows with the text, not its square.
qint64 scanSteps();

} // namespace ExchangeText
