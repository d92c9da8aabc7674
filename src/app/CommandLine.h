#pragma once

#include <QByteArrayList>
#include <QString>

// What the program is asked to do by its arguments. Anything it does not know is refused with
// the usage rather than ignored, so a mistyped option in a school's script is noticed. File
// names are kept as the bytes given, which need not be UTF-8.
namespace CommandLine {

enum class Action { Start, Help, Version, Export, Import, Results, Wrong };

struct Request {
    Action action = Action::Start;
    // For Export: format, worksheet, file; for Import: the file; for Results: format, file.
    QByteArrayList operands;
    // For Wrong: what was wrong, for the line before the usage.
    QString problem;
};

// `arguments` without the program's own name.
Request parse(const QByteArrayList& arguments);

QString usage();

// `text` with every control character, and every mark that turns text around, shown as '?',
// keeping line ends: text from a file must not drive the terminal it is printed to.
QString forTerminal(const QString& text);

} // namespace CommandLine
