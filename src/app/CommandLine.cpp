#include "app/CommandLine.h"

#include <algorithm>
#include <array>

namespace {

// Qt's own options, taken as Qt takes them: with one dash or two, a value after a blank or '='.
constexpr std::array QtWithValue = {
    "platform",      "platformpluginpath", "platformtheme", "plugin",  "qwindowgeometry",
    "qwindowicon",   "qwindowtitle",       "session",       "display", "geometry",
    "style",         "stylesheet",         "title",         "name",    "visual",
    "qmljsdebugger", "fontengine"};
constexpr std::array QtFlags = {"reverse", "widgetcount", "nograb",
                                "dograb",  "sync",        "testability"};

bool named(const auto& names, const QByteArray& name) {
    return std::any_of(names.begin(), names.end(),
                       [&](const char* known) { return name == known; });
}

CommandLine::Request wrong(const QString& problem) {
    return {CommandLine::Action::Wrong, {}, problem};
}

QString shown(const QByteArray& argument) {
    return CommandLine::forTerminal(QString::fromUtf8(argument));
}

} // namespace

namespace CommandLine {

Request parse(const QByteArrayList& arguments) {
    Request request;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QByteArray& argument = arguments[i];
        if (argument == "--help" || argument == "-h")
            return {Action::Help, {}, {}};
        if (argument == "--version")
            return {Action::Version, {}, {}};
        if (argument == "--export" || argument == "--import") {
            const bool exporting = argument == "--export";
            const QByteArrayList operands = arguments.mid(i + 1);
            if (operands.size() != (exporting ? 3 : 1))
                return wrong(QStringLiteral("%1 takes %2")
                                 .arg(QString::fromLatin1(argument),
                                      exporting ? QStringLiteral("a format, a worksheet and a file")
                                                : QStringLiteral("one file")));
            return {exporting ? Action::Export : Action::Import, operands, {}};
        }
        if (argument == "--results") {
            const QByteArrayList operands = arguments.mid(i + 1);
            if (operands.size() != 2 || operands[0] != "csv")
                return wrong(QStringLiteral("--results takes csv and a file"));
            return {Action::Results, operands, {}};
        }
        if (argument == "--full-screen")
            continue;
        if (argument.startsWith('-') && argument.size() > 1) {
            const QByteArray bare = argument.mid(argument.startsWith("--") ? 2 : 1);
            const QByteArray name = bare.left(bare.indexOf('='));
            if (named(QtFlags, bare) || (bare.contains('=') && named(QtWithValue, name)))
                continue;
            if (named(QtWithValue, bare)) {
                if (++i == arguments.size())
                    return wrong(QStringLiteral("%1 needs a value").arg(shown(argument)));
                continue;
            }
            return wrong(QStringLiteral("unknown option %1").arg(shown(argument)));
        }
        return wrong(QStringLiteral("unexpected argument \"%1\"").arg(shown(argument)));
    }
    return request;
}

QString usage() {
    return QStringLiteral(
        "usage: orvelles [--full-screen]\n"
        "       orvelles --export gift|aiken|moodle-xml|web WORKSHEET FILE\n"
        "       orvelles --import FILE\n"
        "       orvelles --results csv FILE\n"
        "       orvelles --help | --version\n"
        "\n"
        "  --full-screen  fill the screen, as on a classroom whiteboard (F11 turns it on and off)\n"
        "  --export       write a worksheet for a learning platform, or as a web page\n"
        "  --import       list the multiple-choice questions of a GIFT, Aiken or Moodle XML file\n"
        "                 and what it leaves out; nothing is written\n"
        "  --results      write the class record of every computer as one CSV file\n"
        "\n"
        "Qt's own options, such as -platform NAME, are taken too.\n");
}

QString forTerminal(const QString& text) {
    QString out = text;
    for (QChar& c : out) {
        const char16_t u = c.unicode();
        const bool turning = (u >= 0x202A && u <= 0x202E) || (u >= 0x2066 && u <= 0x2069);
        if ((c.category() == QChar::Other_Control && u != u'\n') || turning)
            c = QLatin1Char('?');
    }
    return out;
}

} // namespace CommandLine
