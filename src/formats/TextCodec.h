#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QChar>
#include <QString>

// The 8-bit code page of the program's text files, Windows-1252. The five bytes that
// code page leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) stand for the control
// characters of the same number, as Windows maps them, so every byte reads back as
// it was written.
namespace TextCodec {

QString decode(QByteArrayView bytes);

// Characters the code page cannot hold come out as '?'; callers that must not lose
// text check canEncode first.
QByteArray encode(const QString& text);

bool canEncode(QChar c);
bool canEncode(const QString& text);

// Encodable and free of line ends, so it can be written as one line of a text file.
bool canStoreInLine(const QString& text);

} // namespace TextCodec
