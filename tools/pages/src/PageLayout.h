#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// A page of reading material: a title band with a small drawing, then headings, paragraphs,
// bullet points and two-column lists, laid out for the screen or for paper.
namespace Pages {

enum class Drawing { Shield, Crown, Cottage, House, Screen, Printer, Star, Book, Ship, Compass };
enum class Copy { Screen, Print };

struct Block {
    enum Kind { Heading, Paragraph, Bullet, Columns, Tree };
    Kind kind;
    QStringList texts; // one text, the items of a two-column list, or the tree's nine names
};

struct Page {
    QString file;
    QString title;
    Drawing drawing = Drawing::Book;
    QList<Block> blocks;
    // The acknowledgements page leaves room at the right of the viewer for the logos.
    int screenWidth = 10400;
};

Block heading(const QString& text);
Block para(const QString& text);
Block bullet(const QString& text);
Block columns(const QStringList& items);
// King, queen; their son and his three wives; the child of each marriage.
Block familyTree(const QStringList& names);

// Sizes of the two copies, in twips.
constexpr int screenHeight = 7800;
constexpr int printWidth = 9600;
constexpr int printHeight = 13600;

struct Rendered {
    QByteArray wmf;
    int bodyPoints = 0; // the largest body size at which the text fitted
};

// Lays the page out at the largest body size that fits; throws std::runtime_error when even the
// smallest readable size runs past the bottom. Needs a QGuiApplication for measuring text.
Rendered render(const Page& page, Copy copy);

} // namespace Pages
