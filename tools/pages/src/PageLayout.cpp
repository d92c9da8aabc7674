#include "PageLayout.h"

#include "Drawings.h"
#include "TextFit.h"
#include "WmfWriter.h"

#include <QColor>

#include <algorithm>
#include <stdexcept>

namespace Pages {

Block heading(const QString& text) {
    return {Block::Heading, {text}};
}
Block para(const QString& text) {
    return {Block::Paragraph, {text}};
}
Block bullet(const QString& text) {
    return {Block::Bullet, {text}};
}
Block columns(const QStringList& items) {
    return {Block::Columns, items};
}

namespace {

constexpr int frameInset = 200;
constexpr int bandHeight = 900;
constexpr int textInset = 420;
constexpr int bottomInset = 300;
constexpr int bulletIndent = 320;
constexpr int columnGap = 300;
const QString bodyFace = QStringLiteral("Times New Roman");
const QString headingFace = QStringLiteral("Arial");

struct Style {
    int width;
    int height;
    bool colour;
    int titleTwips;
    QList<int> bodySizes; // twips, largest first
};

Style styleFor(const Page& page, Copy copy) {
    if (copy == Copy::Screen)
        return {page.screenWidth, screenHeight, true, 520, {300, 280, 260, 240}};
    return {printWidth, printHeight, false, 440, {260, 240, 220}};
}

// One thing to draw in the body: a line of text in the body or heading font, or a bullet dot.
struct Op {
    enum Kind { BodyText, HeadingText, Dot } kind;
    QPoint at;
    QString text;
};

struct Body {
    QList<Op> ops;
    int bottom = 0;
};

class BodyLayout {
public:
    BodyLayout(int bodyTwips, int left, int right, int top)
        : body(bodyFace, bodyTwips, false), head(headingFace, bodyTwips + 40, true), left(left),
          right(right), y(top), first(true) {}

    Body run(const QList<Block>& blocks) {
        for (const Block& b : blocks)
            add(b);
        out.bottom = y;
        return out;
    }

private:
    void add(const Block& b) {
        const int lh = body.lineHeight();
        switch (b.kind) {
        case Block::Heading:
            if (!first)
                y += lh / 2;
            for (const QString& line : head.wrap(b.texts.value(0), right - left)) {
                out.ops.append({Op::HeadingText, {left, y}, line});
                y += head.lineHeight();
            }
            y += lh / 10;
            break;
        case Block::Paragraph:
            lines(b.texts.value(0), left, right - left);
            y += lh * 3 / 10;
            break;
        case Block::Bullet:
            out.ops.append({Op::Dot, {left + 60, y + body.ascent() * 6 / 10}, {}});
            lines(b.texts.value(0), left + bulletIndent, right - left - bulletIndent);
            y += lh / 8;
            break;
        case Block::Columns:
            twoColumns(b.texts);
            y += lh * 3 / 10;
            break;
        }
        first = false;
    }

    void lines(const QString& text, int x, int width) {
        for (const QString& line : body.wrap(text, width)) {
            out.ops.append({Op::BodyText, {x, y}, line});
            y += body.lineHeight();
        }
    }

    void twoColumns(const QStringList& items) {
        const int half = int(items.size() + 1) / 2;
        const int width = (right - left - columnGap) / 2;
        for (int row = 0; row < half; ++row) {
            const int top = y;
            lines(items[row], left, width);
            const int leftBottom = y;
            y = top;
            if (row + half < items.size())
                lines(items[row + half], left + width + columnGap, width);
            y = std::max(y, leftBottom);
        }
    }

    TextFit body;
    TextFit head;
    int left;
    int right;
    int y;
    bool first;
    Body out;
};

// Returns the title font, still selected, for the body to delete once its own font replaces it.
int frameAndBand(WmfWriter& w, const Page& page, const Style& s) {
    const QColor paper = s.colour ? QColor(255, 251, 238) : QColor(Qt::white);
    const QColor edge = s.colour ? QColor(128, 20, 30) : QColor(Qt::black);
    const int pen = w.createPen(edge, s.colour ? 45 : 20);
    const int brush = w.createBrush(paper);
    w.select(pen);
    w.select(brush);
    w.roundRect({20, 20, s.width - 40, s.height - 40}, 300, 300);
    const int band = w.createBrush(s.colour ? QColor(150, 25, 35) : QColor(235, 235, 235));
    w.select(band);
    w.remove(brush);
    const QRect bandRect(frameInset, frameInset, s.width - 2 * frameInset, bandHeight);
    w.rectangle(bandRect);

    const int pictureSide = bandHeight - 120;
    const QRect pictureBox(bandRect.right() - 120 - pictureSide, frameInset + 60, pictureSide,
                           pictureSide);
    const int titleRoom = pictureBox.left() - 200 - (frameInset + 250);
    int titleTwips = s.titleTwips;
    while (TextFit(bodyFace, titleTwips, true).width(page.title) > titleRoom) {
        titleTwips -= 20;
        if (titleTwips < 300)
            throw std::runtime_error("title too long: " + page.title.toStdString());
    }
    const TextFit titleFit(bodyFace, titleTwips, true);
    const int font = w.createFont({bodyFace, titleTwips, 700});
    w.select(font);
    w.setTextColor(s.colour ? QColor(255, 220, 90) : QColor(Qt::black));
    w.textOut({frameInset + 250, frameInset + (bandHeight - titleFit.lineHeight()) / 2},
              page.title);
    drawPicture(w, page.drawing, pictureBox, s.colour);
    w.remove(pen);
    w.remove(band);
    return font;
}

void drawBody(WmfWriter& w, const Body& body, int bodyTwips, const Style& s, int titleFont) {
    const int bodyFont = w.createFont({bodyFace, bodyTwips, 400});
    const int headFont = w.createFont({headingFace, bodyTwips + 40, 700});
    const QColor text = s.colour ? QColor(30, 20, 10) : QColor(Qt::black);
    const QColor headText = s.colour ? QColor(140, 20, 30) : QColor(Qt::black);
    const int dotPen = w.createPen(headText, 1);
    const int dotBrush = w.createBrush(headText);
    w.select(dotPen);
    w.select(dotBrush);
    int selected = -1;
    const int dot = bodyTwips / 4;
    for (const Op& op : body.ops) {
        if (op.kind == Op::Dot) {
            w.ellipse({op.at.x(), op.at.y() - dot / 2, dot, dot});
            continue;
        }
        const int font = op.kind == Op::HeadingText ? headFont : bodyFont;
        if (font != selected) {
            w.select(font);
            w.setTextColor(font == headFont ? headText : text);
            if (selected < 0)
                w.remove(titleFont);
            selected = font;
        }
        w.textOut(op.at, op.text);
    }
}

} // namespace

Rendered render(const Page& page, Copy copy) {
    const Style s = styleFor(page, copy);
    const int top = frameInset + bandHeight + 240;
    for (int bodyTwips : s.bodySizes) {
        BodyLayout layout(bodyTwips, textInset, s.width - textInset, top);
        const Body body = layout.run(page.blocks);
        if (body.bottom > s.height - bottomInset)
            continue;
        WmfWriter w(s.width, s.height);
        w.setTransparentText();
        w.setTextAlign(WmfWriter::AlignLeft);
        const int titleFont = frameAndBand(w, page, s);
        drawBody(w, body, bodyTwips, s, titleFont);
        return {w.finish(), bodyTwips / 20};
    }
    throw std::runtime_error("page text does not fit: " + page.file.toStdString());
}

} // namespace Pages
