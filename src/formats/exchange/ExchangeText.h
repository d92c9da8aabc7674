#pragma once

#include <QByteArray>
#include <QString>

// Text handling shared by the exchange readers and writers.
namespace ExchangeText {

// The file's characters: UTF-8 with or without a byte-order mark, else Windows-1252. Line ends
// of any system (CR LF, LF, or CR alone) come back as LF.
// Throws FormatError for an empty file, NUL bytes, a UTF-16 file, or broken UTF-8 (a file
// that marks itself UTF-8, or mixes UTF-8 sequences with bytes that are not).
QString decode(const QByteArray& bytes);

// What a text showed that a worksheet cannot; plainFromHtml sets it, never clears it.
struct Media {
    bool picture = false;
    bool sound = false;
};

// Plain text from HTML as a browser shows it: tags dropped (line breaks and paragraphs become
// spaces), scripts, styles and comments dropped whole, entities resolved, blanks collapsed.
// Pictures and sounds dropped are told in `media`.
QString plainFromHtml(const QString& html, Media* media = nullptr);

// "its picture is left out" and the like; empty when nothing was.
QString mediaNote(const Media& media);

// Runs of blanks and line ends made one space, ends trimmed, control characters and stray
// byte-order marks dropped.
QString collapsed(const QString& text);

// Character and entity references resolved (every named one of HTML, and numeric).
QString resolveEntities(const QString& text);

// The worksheet title a category path gives: its last part, without the platform's context
// ("$course$/top/Castles/Keeps" gives "Keeps"; "$5 coins" stays as it is).
QString categoryTitle(const QString& path);

// Characters that plainFromHtml and resolveEntities have looked at on this thread, their
// look-ahead included: tests read it to see that the work grows with the text, not its square.
qint64 scanSteps();

} // namespace ExchangeText
