// The question-exchange readers on the worst shapes a file within the size limit can take, each
// built at 1 MB and at 8 MB (the largest file read), and on ordinary large files of many
// questions: milliseconds of processor time for Exchange::read, best of a few runs.
//
//   bench_exchange [case [megabytes...]]
//
// With a case name only that case runs, at the sizes given (fractions allowed).

#include "formats/Errors.h"
#include "formats/exchange/Exchange.h"

#include <QByteArray>
#include <QList>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace {

struct Shape {
    const char* name;
    QByteArray head;
    QByteArray unit;
    QByteArray tail;
};

QByteArray numbered(const char* pattern, int count) {
    QByteArray out;
    for (int i = 0; i < count; ++i)
        out += QByteArray(pattern).replace("%1", QByteArray::number(i));
    return out;
}

// The units that fill the file: each shape is head, then the unit as often as the size lets,
// then tail.
const QList<Shape>& shapes() {
    static const QList<Shape> all = {
        {"gift-html-lt", "[html]Q ", "<", " {=a ~b ~c ~d}\n"},
        {"gift-html-amp", "[html]Q ", "&", " {=a ~b ~c ~d}\n"},
        {"gift-html-lt-letter", "[html]Q ", "<a ", " {=a ~b ~c ~d}\n"},
        {"gift-html-answer-lt", "[html]Q {=a ~b ~c ~", "<", "}\n"},
        {"gift-backslash", "Q ", "\\", " {=a ~b ~c ~d}\n"},
        {"gift-escapes", "Q ", "\\{\\~", " {=a ~b ~c ~d}\n"},
        {"gift-open-braces", "Q ", "{", "\n"},
        {"gift-colons", "::", "::", " {=a ~b ~c ~d}\n"},
        {"gift-name-unclosed", "::", ":", " {=a ~b ~c ~d}\n"},
        {"gift-tildes", "Q {=a ", "~", "}\n"},
        {"gift-equals", "Q {", "=", "}\n"},
        {"gift-hashes", "Q {=a ~b ~c ~d", "#", "}\n"},
        {"gift-arrows", "Q {", "=a->b ", "}\n"},
        {"gift-percent", "Q {", "~%", "}\n"},
        {"gift-brackets", "[", "[", "]Q {=a ~b ~c ~d}\n"},
        {"gift-lines", "Q {=a ~b ~c ~d\n", "~x\n", "}\n"},
        {"gift-blank-lines", "Q {=a ~b ~c ~d}\n", "\n", ""},
        {"gift-comments", "Q {=a ~b ~c ~d}\n", "//\n", ""},
        {"gift-categories", "Q {=a ~b ~c ~d}\n", "$CATEGORY:a/b\n", ""},
        {"gift-ordinary", "$CATEGORY: $course$/top/Bank\n\n",
         "::Q::[html]Which <b>castle</b> &amp; keep? {=The keep ~The moat ~The wall ~The gate}\n\n",
         ""},
        {"aiken-long-line", "", "a", "\nA) x\nB) y\nC) z\nD) w\nANSWER: A\n"},
        {"aiken-blank", "Q\n", "\n", "A) x\nB) y\nC) z\nD) w\nANSWER: A\n"},
        {"aiken-spaces", "Q\n", " ", "\nA) x\nB) y\nC) z\nD) w\nANSWER: A\n"},
        {"aiken-blank-then-colon", "", " \n", "ANSWER\n:\nQ\nA) x\nB) y\nC) z\nD) w\nANSWER: A\n"},
        {"aiken-choices", "Q\n", "A) x\n", "ANSWER: A\n"},
        {"aiken-answers", "", "ANSWER: A\n", ""},
        {"aiken-ordinary", "",
         "Which part of the castle was the strongest?\nA) The keep\nB) The moat\nC) The wall\n"
         "D) The gate\nANSWER: A\n\n",
         ""},
        {"xml-attributes", "<quiz><question ", "a%1=\"\" ", "/></quiz>"},
        {"xml-namespaces", "<quiz><question ", "xmlns:p%1=\"u\" ", "/></quiz>"},
        {"xml-cdata-lt", "<quiz><question type=\"multichoice\"><questiontext><text><![CDATA[", "<",
         "]]></text></questiontext></question></quiz>"},
        {"xml-cdata-amp", "<quiz><question type=\"multichoice\"><questiontext><text><![CDATA[", "&",
         "]]></text></questiontext></question></quiz>"},
        {"xml-escaped-lt", "<quiz><question type=\"multichoice\"><questiontext><text>", "&lt;",
         "</text></questiontext></question></quiz>"},
        {"xml-cdata-sections", "<quiz><question type=\"multichoice\"><questiontext><text>",
         "<![CDATA[<]]>", "</text></questiontext></question></quiz>"},
        {"xml-elements", "<quiz>", "<x/>", "</quiz>"},
        {"xml-deep-in-text", "<quiz><question><questiontext><text>", "<a>", ""},
        {"xml-texts", "<quiz><question type=\"multichoice\"><questiontext>", "<text>a</text>",
         "</questiontext></question></quiz>"},
        {"xml-answers", "<quiz><question type=\"multichoice\">",
         "<answer fraction=\"0\"><text>a</text></answer>", "</question></quiz>"},
        {"xml-long-attribute", "<quiz><question type=\"", "m", "\"/></quiz>"},
        {"xml-comments", "<quiz>", "<!---->", "</quiz>"},
        {"xml-ordinary", "<?xml version=\"1.0\"?>\n<quiz>\n",
         "<question type=\"multichoice\"><name><text>Q</text></name><questiontext "
         "format=\"html\"><text><![CDATA[<p>Which <b>castle</b> &amp; keep?</p>]]></text>"
         "</questiontext><answer fraction=\"100\" format=\"html\"><text>The keep</text></answer>"
         "<answer fraction=\"0\" format=\"html\"><text>The moat</text></answer><answer "
         "fraction=\"0\" format=\"html\"><text>The wall</text></answer><answer fraction=\"0\" "
         "format=\"html\"><text>The gate</text></answer><single>true</single></question>\n",
         "</quiz>\n"},
    };
    return all;
}

QByteArray build(const Shape& shape, qsizetype bytes) {
    const qsizetype room = bytes - shape.head.size() - shape.tail.size();
    QByteArray body;
    if (shape.unit.contains("%1")) {
        // Numbered units, so that attribute names differ; sized from the last one.
        const qsizetype each = shape.unit.size() + 4;
        body = numbered(shape.unit.constData(), int(room / each));
    } else {
        body = shape.unit.repeated(room / shape.unit.size());
    }
    return shape.head + body.left(room) + shape.tail;
}

double cpuMs() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

void run(const Shape& shape, double megabytes) {
    const QByteArray file = build(shape, qsizetype(megabytes * 1024 * 1024));
    double best = 1e30;
    QString outcome;
    // One run when slow, else the best of three.
    for (int i = 0; i < 3 && (i == 0 || best < 2000); ++i) {
        const double start = cpuMs();
        try {
            const Exchange::Found found = Exchange::read(file);
            outcome = QStringLiteral("%1 fit, %2 left out")
                          .arg(found.fitting.size())
                          .arg(found.leftOut.size());
        } catch (const FormatError& error) {
            outcome = QString::fromUtf8(error.what()).left(60);
        }
        best = std::min(best, cpuMs() - start);
    }
    std::printf("%-24s %9lld %10.1f  %s\n", shape.name, static_cast<long long>(file.size()), best,
                qPrintable(outcome));
    std::fflush(stdout);
}

} // namespace

int main(int argc, char** argv) {
    const QByteArray only = argc > 1 ? QByteArray(argv[1]) : QByteArray();
    QList<double> sizes;
    for (int i = 2; i < argc; ++i)
        sizes.append(std::atof(argv[i]));
    if (sizes.isEmpty())
        sizes = {1, 8};
    std::printf("%-24s %9s %10s  %s\n", "case", "bytes", "read ms", "outcome");
    for (const Shape& shape : shapes()) {
        if (!only.isEmpty() && only != shape.name)
            continue;
        for (const double megabytes : sizes)
            run(shape, megabytes);
    }
    return 0;
}
