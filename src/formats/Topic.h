#pragma once

#include <QLineF>
#include <QList>
#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QStringList>

// A topic of the subject, as its folder under topics/ describes it in topic.json: the menu, the
// quiz, the two boards, the pages and what goes on paper. Places and sizes are in twips of the
// 800 by 600 layout; file names are written as the program writes them ("Images\x.jpg"),
// relative to the content folder.

// A caption drawn on a board besides its labels and boxes.
struct TopicText {
    // The control's name, and its index in an array of that name (-1: a single control).
    QString name;
    int index = -1;
    QString text;
    QRectF place;
    QString font;
    double points = 12;
    bool bold = false;
    // "#rrggbb".
    QString colour;
    // "left", "center" or "right".
    QString align;
    // Whether the board's paper task draws it too (a family tree's marks and headings).
    bool onPaper = false;
};

struct TopicLine {
    QLineF ends;
    QString colour;
    int width = 1;
};

// A label to drag, with the target box where it scores and its home slot.
struct TopicLabel {
    QString text;
    QPointF box;
    QPointF home;
    // On a true-or-false board, whether the statement is true.
    bool isTrue = false;
    // Where its box stands, in words a pupil who cannot see the board can go by ("under the
    // lady in green"); words that name no label. Worked out from the layout when not given.
    QString where;
};

struct TopicBoard {
    // The screen's name: the topic's folder name and "lab" or "ord".
    QString screenName;
    // Shown behind the board, from the place's corner at its own size; empty for none.
    QString picture;
    QRectF picturePlace;
    // Where the topic's title stands on the board, and its size.
    QRectF titlePlace;
    double titlePoints = 24;
    // The size of every label, box and slot, and the labels' type size.
    QSizeF labelSize;
    double labelPoints = 9.75;
    // Label i scores in box i; on a board sorted in two columns, the first half of the labels
    // belong to one column and the rest to the other, and a label scores in any box of its own.
    bool byColumn = false;
    QList<TopicLabel> labels;
    QList<TopicText> texts;
    QList<TopicLine> lines;
    // The paper task: its heading, and whether it is a table of statements to tick true or false.
    QString paperHeading;
    bool trueFalse = false;

    QStringList captions() const;
    // The target boxes, or the home slots, row by row from the top, each row from the left: the
    // order the arrow keys go through them. Places whose heights overlap stand in one row.
    QList<QList<int>> boxRows() const;
    QList<QList<int>> homeRows() const;
};

struct Topic {
    // The folder's name under topics/.
    QString id;
    // The main-menu entry it fills, and the topic menu's heading.
    QString title;
    QString menuPicture;
    double menuPictureTop = 0;
    QString questionFile;
    QString quizPicture;
    QString quizSubject;
    // Page files are named from a stem: "wmf\" + stem + "a.wmf", and so on.
    QString keyFactsStem;
    QString notesStem;
    int pageCount = 2;
    TopicBoard labelling;
    TopicBoard ordering;
};

namespace TopicDescription {

// The folder under the content folder that holds one folder per topic.
inline const QString folder = QStringLiteral("topics");
inline const QString fileName = QStringLiteral("topic.json");

// Reads a topic.json. Throws FormatError naming the first thing wrong (a missing or mistyped
// field, a place out of the layout, a board without labels).
Topic parse(const QByteArray& json, const QString& id);

struct Loaded {
    QList<Topic> topics;
    // One line for each folder that could not be read, saying why.
    QStringList problems;
};

// Every readable topic of `topicsFolder`, in the order of their folders' names.
Loaded loadAll(const QString& topicsFolder);

} // namespace TopicDescription
