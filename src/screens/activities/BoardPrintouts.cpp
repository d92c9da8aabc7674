#include "screens/activities/BoardPrintouts.h"

#include "platform/PrinterSurface.h"
#include "screens/activities/board/BoardLayouts.h"

#include <algorithm>

namespace {

const QString times = QStringLiteral("Times New Roman");
constexpr int black = 0, red = 12, white = 15;

// A line of type with its leading, in twips; generous, so nothing placed by it overlaps.
double lineOf(double points) {
    return points * 24;
}

void textAt(PrinterSurface& printer, double x, double y, const QString& text) {
    printer.setY(y);
    printer.setX(x);
    printer.printText(text);
}

void centredIn(PrinterSurface& printer, double left, double width, double y, const QString& text) {
    textAt(printer, left + (width - printer.textWidth(text)) / 2, y, text);
}

void outline(PrinterSurface& printer, const QRectF& r) {
    printer.drawLine(r.left(), r.top(), r.right(), r.top());
    printer.drawLine(r.left(), r.top(), r.left(), r.bottom());
    printer.drawLine(r.right(), r.top(), r.right(), r.bottom());
    printer.drawLine(r.left(), r.bottom(), r.right(), r.bottom());
}

// Shrinks the type until the text fits the width; a text too long even at the smallest size
// runs over rather than being cut.
double fitting(PrinterSurface& printer, const QString& text, double width, double points) {
    printer.setFontSize(points);
    while (points > 6 && printer.textWidth(text) > width) {
        points -= 0.5;
        printer.setFontSize(points);
    }
    return points;
}

// The worksheet's header line, the title and the heading; returns where the page goes on.
double pageHead(PrinterSurface& printer, const BoardPaper& paper, const QString& heading,
                const QString& instructions) {
    const double w = printer.pageWidth();
    printer.setColour(black);
    printer.setFontName(times);
    printer.setFontSize(16);
    double y = lineOf(16);
    textAt(printer, w / 16, y, QStringLiteral("The Orvelles"));
    const QString publisher = QStringLiteral("Quenmark Publishing Ltd");
    textAt(printer, w - w / 16 - printer.textWidth(publisher), y, publisher);
    y += 2 * lineOf(16);
    fitting(printer, paper.title, w, 32);
    centredIn(printer, 0, w, y, paper.title);
    y += lineOf(32);
    fitting(printer, heading, w, 20);
    centredIn(printer, 0, w, y, heading);
    y += lineOf(20);
    fitting(printer, instructions, w, 12);
    centredIn(printer, 0, w, y, instructions);
    return y + 2 * lineOf(12);
}

// The screen's twips mapped onto a part of the page, keeping proportions.
struct Scene {
    QRectF from;
    double left = 0;
    double top = 0;
    double scale = 1;

    QPointF map(const QPointF& p) const {
        return {left + (p.x() - from.left()) * scale, top + (p.y() - from.top()) * scale};
    }
    QRectF map(const QRectF& r) const { return {map(r.topLeft()), r.size() * scale}; }
};

QRectF sceneOf(const BoardPaper& paper) {
    QRectF all = paper.picturePlace;
    for (const QRectF& box : paper.boxes)
        all = all.isNull() ? box : all.united(box);
    for (const BoardPaper::Text& text : paper.texts)
        all = all.united(text.place);
    for (const QLineF& line : paper.lines)
        all = all.united(QRectF(line.p1(), line.p2()).normalized());
    return all;
}

Scene fit(const QRectF& from, double width, double top, double height) {
    Scene scene{from, 0, top, std::min(width / from.width(), height / from.height())};
    scene.left = (width - from.width() * scene.scale) / 2;
    return scene;
}

double boxPoints(const QRectF& box) {
    return std::clamp(box.height() / 20 * 0.55, 6.0, 12.0);
}

void drawBox(PrinterSurface& printer, const QRectF& r, int number, const QString& answer) {
    printer.setColour(white);
    printer.fillRect(r.left(), r.top(), r.width(), r.height());
    printer.setColour(black);
    printer.setPenWidth(1);
    outline(printer, r);
    const double points = boxPoints(r);
    printer.setFontSize(points);
    const QString tag = QString::number(number);
    const double pad = r.height() / 6;
    const double top = r.top() + (r.height() - points * 23) / 2;
    textAt(printer, r.left() + pad, top, tag);
    if (answer.isEmpty())
        return;
    const double from = r.left() + 2 * pad + printer.textWidth(tag);
    const double room = r.right() - pad - from;
    printer.setColour(red);
    const double size = fitting(printer, answer, room, points);
    textAt(printer, from + (room - printer.textWidth(answer)) / 2,
           r.top() + (r.height() - size * 23) / 2, answer);
    printer.setColour(black);
}

void drawDiagram(PrinterSurface& printer, const BoardPaper& paper, const Scene& scene,
                 bool answers) {
    if (!paper.picture.isNull()) {
        const QRectF at = scene.map(paper.picturePlace);
        printer.drawPictureIn(paper.picture, at.left(), at.top(), at.width(), at.height());
    }
    printer.setColour(black);
    printer.setPenWidth(2);
    for (const QLineF& line : paper.lines) {
        const QPointF a = scene.map(line.p1());
        const QPointF b = scene.map(line.p2());
        printer.drawLine(a.x(), a.y(), b.x(), b.y());
    }
    for (const BoardPaper::Text& text : paper.texts) {
        const QRectF at = scene.map(text.place);
        printer.setFontSize(std::max(6.0, text.points * scene.scale));
        centredIn(printer, at.left(), at.width(), at.top(), text.text);
    }
    const QList<int> order = BoardPaperRules::numbering(paper.boxes);
    for (int i = 0; i < paper.boxes.size(); ++i)
        drawBox(printer, scene.map(paper.boxes[i]), order[i] + 1,
                answers ? paper.captions.value(i) : QString());
}

constexpr int bankColumns = 3, lineColumns = 2;

double bankHeight(int count) {
    const int rows = (count + bankColumns - 1) / bankColumns;
    return lineOf(14) + rows * lineOf(12) * 1.4 + lineOf(12);
}

double linesHeight(int count) {
    return (count + lineColumns - 1) / lineColumns * lineOf(12) * 2;
}

// The labels in their mixed order, inside a frame.
void drawWordBank(PrinterSurface& printer, const BoardPaper& paper, double top, double width) {
    const int n = static_cast<int>(paper.captions.size());
    const QRectF frame(0, top, width, bankHeight(n));
    printer.setColour(black);
    printer.setPenWidth(1);
    outline(printer, frame);
    printer.setFontSize(14);
    textAt(printer, width / 32, top + lineOf(12) / 2, QStringLiteral("Word bank"));
    const QList<int> byNumber = [&] {
        QList<int> labels(n);
        const QList<int> order = BoardPaperRules::numbering(paper.boxes);
        for (int i = 0; i < n; ++i)
            labels[order[i]] = i;
        return labels;
    }();
    const QList<int> mixed = BoardPaperRules::mixedOrder(n, paper.name);
    const double column = (width - width / 16) / bankColumns;
    for (int k = 0; k < n; ++k) {
        const QString word = paper.captions.value(byNumber[mixed[k]]);
        const double x = width / 32 + (k % bankColumns) * column;
        const double y = top + lineOf(12) / 2 + lineOf(14) + (k / bankColumns) * lineOf(12) * 1.4;
        fitting(printer, word, column - width / 64, 12);
        textAt(printer, x, y, word);
    }
}

// A numbered line for each box, for the word that belongs in it.
void drawAnswerLines(PrinterSurface& printer, int count, double top, double width) {
    const int rows = (count + lineColumns - 1) / lineColumns;
    const double column = width / lineColumns;
    printer.setColour(black);
    printer.setPenWidth(1);
    printer.setFontSize(12);
    for (int k = 0; k < count; ++k) {
        const double x = (k / rows) * column + width / 32;
        const double y = top + (k % rows) * lineOf(12) * 2;
        const QString number = QString::number(k + 1) + QLatin1Char('.');
        textAt(printer, x, y + lineOf(12) / 2, number);
        printer.drawLine(x + 500, y + lineOf(12) * 1.4, x + column - width / 16,
                         y + lineOf(12) * 1.4);
    }
}

void drawTick(PrinterSurface& printer, double cx, double cy, double size) {
    printer.setColour(red);
    printer.setPenWidth(3);
    printer.drawLine(cx - size, cy, cx - size / 3, cy + size * 0.6);
    printer.drawLine(cx - size / 3, cy + size * 0.6, cx + size, cy - size * 0.8);
    printer.setColour(black);
    printer.setPenWidth(1);
}

void printTrueFalse(PrinterSurface& printer, const BoardPaper& paper, bool answers) {
    const double top = pageHead(printer, paper,
                                answers ? QStringLiteral("True or False: answers")
                                        : QStringLiteral("True or False"),
                                paper.heading);
    const double w = printer.pageWidth();
    const double tick = w * 0.14;
    const double statement = w - 2 * tick;
    const double head = lineOf(14) * 1.5;
    const double row = lineOf(12) * 2;
    const int n = static_cast<int>(paper.captions.size());
    const QRectF table(0, top, w, head + n * row);
    printer.setPenWidth(1);
    outline(printer, table);
    printer.drawLine(statement, top, statement, table.bottom());
    printer.drawLine(statement + tick, top, statement + tick, table.bottom());
    printer.setFontSize(14);
    const double headText = top + (head - 14 * 23) / 2;
    textAt(printer, w / 32, headText, QStringLiteral("Statement"));
    centredIn(printer, statement, tick, headText, QStringLiteral("True"));
    centredIn(printer, statement + tick, tick, headText, QStringLiteral("False"));
    const QList<int> mixed = BoardPaperRules::mixedOrder(n, paper.name);
    for (int k = 0; k < n; ++k) {
        const double y = top + head + k * row;
        printer.drawLine(0, y, w, y);
        const QString text =
            QString::number(k + 1) + QStringLiteral(".  ") + paper.captions[mixed[k]];
        const double size = fitting(printer, text, statement - w / 16, 12);
        textAt(printer, w / 32, y + (row - size * 23) / 2, text);
        if (answers) {
            const bool isTrue = paper.truths.value(mixed[k]);
            drawTick(printer, statement + tick * (isTrue ? 0.5 : 1.5), y + row / 2, row / 4);
        }
    }
    printer.endDocument();
}

void printPage(PrinterSurface& printer, const BoardPaper& paper, bool answers) {
    if (!paper.truths.isEmpty()) {
        printTrueFalse(printer, paper, answers);
        return;
    }
    const QString heading = answers ? paper.heading + QStringLiteral(": answers") : paper.heading;
    const QString instructions =
        answers ? QStringLiteral("Each box holds its right answer.")
                : QStringLiteral("Write on each numbered line the word from the word bank that "
                                 "belongs in that box.");
    const double top = pageHead(printer, paper, heading, instructions);
    const double w = printer.pageWidth();
    const double h = printer.pageHeight();
    const int n = static_cast<int>(paper.captions.size());
    const double gap = lineOf(12);
    const double below = answers ? 0 : gap + bankHeight(n) + gap + linesHeight(n);
    const QRectF from = sceneOf(paper);
    const Scene scene = fit(from, w, top, std::max(h - top - below - gap, from.height() / 4));
    drawDiagram(printer, paper, scene, answers);
    if (!answers) {
        const double bank = top + from.height() * scene.scale + gap;
        drawWordBank(printer, paper, bank, w);
        drawAnswerLines(printer, n, bank + bankHeight(n) + gap, w);
    }
    printer.endDocument();
}

} // namespace

namespace BoardPaperRules {

QList<int> numbering(const QList<QRectF>& boxes) {
    QList<int> byPlace(boxes.size());
    for (int i = 0; i < byPlace.size(); ++i)
        byPlace[i] = i;
    std::stable_sort(byPlace.begin(), byPlace.end(),
                     [&](int a, int b) { return boxes[a].top() < boxes[b].top(); });
    // Boxes whose tops lie within a box's height of a row's first box read as one row.
    auto rowStart = byPlace.begin();
    while (rowStart != byPlace.end()) {
        const QRectF& first = boxes[*rowStart];
        auto rowEnd = std::find_if(rowStart, byPlace.end(), [&](int i) {
            return boxes[i].top() - first.top() >= first.height();
        });
        std::stable_sort(rowStart, rowEnd,
                         [&](int a, int b) { return boxes[a].left() < boxes[b].left(); });
        rowStart = rowEnd;
    }
    QList<int> number(boxes.size());
    for (int k = 0; k < byPlace.size(); ++k)
        number[byPlace[k]] = k;
    return number;
}

QList<int> mixedOrder(int n, const QString& seed) {
    QList<int> order(std::max(0, n));
    for (int i = 0; i < order.size(); ++i)
        order[i] = i;
    if (n < 2)
        return order;
    // Our own generator: the standard library's shuffles differ between libraries.
    quint32 state = 2166136261u;
    for (const QChar c : seed)
        state = (state ^ c.unicode()) * 16777619u;
    const auto next = [&state](int bound) {
        state = state * 1664525u + 1013904223u;
        return static_cast<int>((state >> 8) % static_cast<quint32>(bound));
    };
    for (int attempt = 0; attempt < 100; ++attempt) {
        for (int i = n - 1; i > 0; --i)
            std::swap(order[i], order[next(i + 1)]);
        bool fixed = false;
        for (int i = 0; i < n; ++i)
            fixed = fixed || order[i] == i;
        if (!fixed)
            return order;
    }
    for (int i = 0; i < n; ++i)
        order[i] = (i + 1) % n;
    return order;
}

} // namespace BoardPaperRules

BoardPaper paperOf(const TopicBoard& board, const QString& title) {
    BoardPaper paper;
    paper.name = board.screenName;
    paper.title = title;
    paper.heading = board.paperHeading;
    paper.captions = board.captions();
    const Board::BoardRules rules(BoardLayouts::layoutOf(board));
    for (int i = 0; i < rules.count(); ++i) {
        const Board::Box box = rules.target(i);
        paper.boxes.append(QRectF(box.left, box.top, box.width, box.height));
    }
    if (!board.picture.isEmpty()) {
        // Shown from the place's corner at its own size, as on the screen.
        paper.picture = Picture::load(board.picture);
        paper.picturePlace = board.picturePlace;
        if (!paper.picture.isNull())
            paper.picturePlace.setSize(paper.picture.sizeTwips());
    }
    for (const TopicText& text : board.texts)
        if (text.onPaper)
            paper.texts.append({text.place, text.text, text.points});
    for (const TopicLine& line : board.lines)
        paper.lines.append(line.ends);
    if (board.trueFalse)
        for (const TopicLabel& label : board.labels)
            paper.truths.append(label.isTrue);
    return paper;
}

void printBoardTask(PrinterSurface& printer, const BoardPaper& paper) {
    printPage(printer, paper, false);
}

void printBoardAnswers(PrinterSurface& printer, const BoardPaper& paper) {
    printPage(printer, paper, true);
}
