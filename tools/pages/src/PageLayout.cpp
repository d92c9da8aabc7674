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
Block familyTree(const QStringList& names) {
    return {Block::Tree, names};
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
    return {printWidth, printHeight, false, 480, {280, 260, 240}};
}

// One thing to draw in the body: a line of text in the body or heading font (centred text is
// placed by the top of its middle), a bullet dot, or a box or line of the family tree.
struct Op {
    enum Kind { BodyText, HeadingText, CentredText, Dot, Box, Line } kind;
    QPoint at;
    QString text;
    QPoint to = {};
    QRect box = {};
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
        case Block::Tree:
            tree(b.texts);
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

    // Three rows as on the ordering screen: the first king and queen; their son and his three
    // wives, each joined by "="; and under each marriage its child.
    void tree(const QStringList& names) {
        if (names.size() != 9)
            throw std::logic_error("a family tree has nine names");
        constexpr int gap = 500;
        const int w = (right - left - 3 * gap) / 4;
        const int h = body.lineHeight() + 100;
        const int rowStep = h + 200;
        auto box = [&](int x, int top, const QString& name) {
            if (body.width(name) > w - 60)
                throw std::runtime_error("name too wide for its box: " + name.toStdString());
            out.ops.append({Op::Box, {}, {}, {}, QRect(x, top, w, h)});
            out.ops.append({Op::CentredText, {x + w / 2, top + 50}, name});
        };
        auto equals = [&](int centre, int top) {
            out.ops.append({Op::CentredText, {centre, top + 50}, QStringLiteral("=")});
        };
        const int col = w + gap;
        y += body.lineHeight() / 6;
        box(left, y, names[0]);
        box(left + col, y, names[1]);
        const int firstMark = left + w + gap / 2;
        equals(firstMark, y);
        const int middle = y + rowStep;
        const int elbow = y + h + (rowStep - h) / 2;
        out.ops.append({Op::Line, {firstMark, y + h - 40}, {}, {firstMark, elbow}});
        out.ops.append({Op::Line, {firstMark, elbow}, {}, {left + w / 2, elbow}});
        out.ops.append({Op::Line, {left + w / 2, elbow}, {}, {left + w / 2, middle}});
        for (int i = 0; i < 4; ++i)
            box(left + i * col, middle, names[2 + i]);
        const int bottom = middle + rowStep;
        for (int i = 0; i < 3; ++i) {
            const int mark = left + w + gap / 2 + i * col;
            equals(mark, middle);
            out.ops.append({Op::Line, {mark, middle + h - 40}, {}, {mark, bottom}});
            box(mark - w / 2, bottom, names[6 + i]);
        }
        y = bottom + h;
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

struct Fonts {
    int body;
    int head;
    int title;
};

void drawText(WmfWriter& w, const Body& body, const Fonts& fonts, QPair<QColor, QColor> colours) {
    int selected = -1;
    quint16 align = WmfWriter::AlignLeft;
    for (const Op& op : body.ops) {
        if (op.kind != Op::BodyText && op.kind != Op::HeadingText && op.kind != Op::CentredText)
            continue;
        const int font = op.kind == Op::HeadingText ? fonts.head : fonts.body;
        if (font != selected) {
            w.select(font);
            w.setTextColor(font == fonts.head ? colours.second : colours.first);
            if (selected < 0)
                w.remove(fonts.title);
            selected = font;
        }
        const quint16 wanted =
            op.kind == Op::CentredText ? WmfWriter::AlignCenter : WmfWriter::AlignLeft;
        if (wanted != align) {
            w.setTextAlign(wanted);
            align = wanted;
        }
        w.textOut(op.at, op.text);
    }
}

void drawBody(WmfWriter& w, const Body& body, int bodyTwips, const Style& s, int titleFont) {
    const int bodyFont = w.createFont({bodyFace, bodyTwips, 400});
    const int headFont = w.createFont({headingFace, bodyTwips + 40, 700});
    const QColor text = s.colour ? QColor(30, 20, 10) : QColor(Qt::black);
    const QColor headText = s.colour ? QColor(140, 20, 30) : QColor(Qt::black);
    const int treePen = w.createPen(s.colour ? QColor(120, 80, 40) : QColor(Qt::black), 30);
    const int treeBrush = w.createBrush(s.colour ? QColor(250, 236, 190) : QColor(Qt::white));
    w.select(treePen);
    w.select(treeBrush);
    for (const Op& op : body.ops) {
        if (op.kind == Op::Box) {
            w.rectangle(op.box);
        } else if (op.kind == Op::Line) {
            w.moveTo(op.at);
            w.lineTo(op.to);
        }
    }
    const int dotPen = w.createPen(headText, 1);
    const int dotBrush = w.createBrush(headText);
    w.select(dotPen);
    w.select(dotBrush);
    w.remove(treePen);
    w.remove(treeBrush);
    const int dot = bodyTwips / 4;
    for (const Op& op : body.ops) {
        if (op.kind == Op::Dot)
            w.ellipse({op.at.x(), op.at.y() - dot / 2, dot, dot});
    }
    drawText(w, body, {bodyFont, headFont, titleFont}, {text, headText});
}

} // namespace

Rendered render(const Page& page, Copy copy) {
    const Style s = styleFor(page, copy);
    const int top = frameInset + bandHeight + 240;
    std::string why = "page text does not fit";
    for (int bodyTwips : s.bodySizes) {
        Body body;
        try {
            body = BodyLayout(bodyTwips, textInset, s.width - textInset, top).run(page.blocks);
        } catch (const std::runtime_error& e) {
            // A word or name too wide at this size may still fit at a smaller one.
            why = e.what();
            continue;
        }
        if (body.bottom > s.height - bottomInset)
            continue;
        WmfWriter w(s.width, s.height);
        w.setTransparentText();
        w.setTextAlign(WmfWriter::AlignLeft);
        const int titleFont = frameAndBand(w, page, s);
        drawBody(w, body, bodyTwips, s, titleFont);
        return {w.finish(), bodyTwips / 20};
    }
    throw std::runtime_error(page.file.toStdString() + ": " + why);
}

} // namespace Pages
