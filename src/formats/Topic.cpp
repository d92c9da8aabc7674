#include "formats/Topic.h"

#include "formats/Errors.h"
#include "formats/FileAccess.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <algorithm>
#include <cmath>

namespace {

// A board holds at most this many labels; more would not fit the layout's bottom rows anyway.
constexpr int MaxLabels = 16;
// Every place lies within a margin around the 12000 by 9000 twips of the layout.
constexpr double Reach = 24000;

[[noreturn]] void wrong(const QString& where, const QString& what) {
    throw FormatError((where + QStringLiteral(": ") + what).toStdString());
}

// A field of a JSON object, read with the path to it kept for the message.
class Node {
public:
    Node(QJsonValue value, QString path) : value_(std::move(value)), path_(std::move(path)) {}

    Node operator[](const QString& key) const {
        if (!value_.isObject())
            wrong(path_, QStringLiteral("expected an object"));
        return {value_.toObject().value(key),
                path_.isEmpty() ? key : path_ + QLatin1Char('.') + key};
    }
    Node operator[](int i) const {
        return {value_.toArray().at(i), path_ + QStringLiteral("[%1]").arg(i)};
    }
    bool has() const { return !value_.isUndefined() && !value_.isNull(); }

    QString text() const {
        if (!value_.isString())
            wrong(path_, QStringLiteral("expected a text"));
        return value_.toString();
    }
    QString text(const QString& otherwise) const { return has() ? text() : otherwise; }
    // A non-empty text that names a file inside the content folder.
    QString file() const {
        const QString name = text();
        if (name.isEmpty() || name.startsWith(QLatin1Char('/')) ||
            name.startsWith(QLatin1Char('\\')) || name.contains(QLatin1Char(':')) ||
            name.split(QRegularExpression(QStringLiteral("[/\\\\]")))
                .contains(QStringLiteral("..")))
            wrong(path_, QStringLiteral("expected a file name inside the content folder"));
        return name;
    }
    double number(double low, double high) const {
        if (!value_.isDouble() || !std::isfinite(value_.toDouble()))
            wrong(path_, QStringLiteral("expected a number"));
        const double n = value_.toDouble();
        if (n < low || n > high)
            wrong(path_, QStringLiteral("expected a number from %1 to %2").arg(low).arg(high));
        return n;
    }
    double number(double low, double high, double otherwise) const {
        return has() ? number(low, high) : otherwise;
    }
    bool flag(bool otherwise) const {
        if (!has())
            return otherwise;
        if (!value_.isBool())
            wrong(path_, QStringLiteral("expected true or false"));
        return value_.toBool();
    }
    int size(int least, int most) const {
        if (!value_.isArray())
            wrong(path_, QStringLiteral("expected a list"));
        const int n = static_cast<int>(value_.toArray().size());
        if (n < least || n > most)
            wrong(path_, QStringLiteral("expected %1 to %2 entries").arg(least).arg(most));
        return n;
    }
    QList<double> numbers(int count, double low, double high) const {
        size(count, count);
        QList<double> list;
        for (int i = 0; i < count; ++i)
            list.append((*this)[i].number(low, high));
        return list;
    }
    QPointF point() const {
        const QList<double> n = numbers(2, -Reach, Reach);
        return {n[0], n[1]};
    }
    QRectF rect() const {
        const QList<double> n = numbers(4, -Reach, Reach);
        if (n[2] < 0 || n[3] < 0)
            wrong(path_, QStringLiteral("expected a width and height of 0 or more"));
        return {n[0], n[1], n[2], n[3]};
    }
    QString colour(const QString& otherwise) const {
        if (!has())
            return otherwise;
        const QString c = text();
        static const QRegularExpression hex(QStringLiteral("^#[0-9A-Fa-f]{6}$"));
        if (!hex.match(c).hasMatch())
            wrong(path_, QStringLiteral("expected a colour as #rrggbb"));
        return c;
    }
    const QString& path() const { return path_; }

private:
    QJsonValue value_;
    QString path_;
};

TopicText textOf(const Node& n) {
    TopicText t;
    t.name = n[QStringLiteral("name")].text();
    t.index = static_cast<int>(n[QStringLiteral("index")].number(-1, 99, -1));
    t.text = n[QStringLiteral("text")].text();
    t.place = n[QStringLiteral("place")].rect();
    t.font = n[QStringLiteral("font")].text(QStringLiteral("Tahoma"));
    t.points = n[QStringLiteral("points")].number(4, 72, 12);
    t.bold = n[QStringLiteral("bold")].flag(false);
    t.colour = n[QStringLiteral("colour")].colour(QStringLiteral("#ffff00"));
    t.align = n[QStringLiteral("align")].text(QStringLiteral("left"));
    if (t.align != QLatin1String("left") && t.align != QLatin1String("center") &&
        t.align != QLatin1String("right"))
        wrong(n[QStringLiteral("align")].path(), QStringLiteral("expected left, center or right"));
    t.onPaper = n[QStringLiteral("onPaper")].flag(false);
    return t;
}

QList<QList<int>> rowsOf(const QList<QPointF>& places, double height) {
    QList<int> order;
    for (int i = 0; i < places.size(); ++i)
        order.append(i);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        return places[a].y() != places[b].y() ? places[a].y() < places[b].y()
                                              : places[a].x() < places[b].x();
    });
    QList<QList<int>> rows;
    for (int i : order) {
        // A box lower by less than its height stands beside the row's first, not under it.
        if (rows.isEmpty() || places[i].y() >= places[rows.last().first()].y() + height)
            rows.append(QList<int>());
        rows.last().append(i);
    }
    for (QList<int>& row : rows)
        std::stable_sort(row.begin(), row.end(),
                         [&](int a, int b) { return places[a].x() < places[b].x(); });
    return rows;
}

QString ordinal(qsizetype n) {
    static const QStringList words{
        QStringLiteral("first"),      QStringLiteral("second"),     QStringLiteral("third"),
        QStringLiteral("fourth"),     QStringLiteral("fifth"),      QStringLiteral("sixth"),
        QStringLiteral("seventh"),    QStringLiteral("eighth"),     QStringLiteral("ninth"),
        QStringLiteral("tenth"),      QStringLiteral("eleventh"),   QStringLiteral("twelfth"),
        QStringLiteral("thirteenth"), QStringLiteral("fourteenth"), QStringLiteral("fifteenth"),
        QStringLiteral("sixteenth")};
    return n < words.size() ? words[n] : QString::number(n + 1);
}

// Boxes the topic gives no words get their row and place in it.
void fillPlaceWords(TopicBoard& b) {
    const QList<QList<int>> rows = b.boxRows();
    for (qsizetype r = 0; r < rows.size(); ++r) {
        for (qsizetype k = 0; k < rows[r].size(); ++k) {
            QString& where = b.labels[rows[r][k]].where;
            if (!where.isEmpty())
                continue;
            where = ordinal(k) + QStringLiteral(" from the left");
            if (rows.size() > 1)
                where = QStringLiteral("row %1, ").arg(r + 1) + where;
        }
    }
}

TopicBoard boardOf(const Node& n, const QString& screenName) {
    TopicBoard b;
    b.screenName = screenName;
    if (n[QStringLiteral("picture")].has()) {
        b.picture = n[QStringLiteral("picture")].file();
        b.picturePlace = n[QStringLiteral("picturePlace")].rect();
    }
    b.titlePlace = n[QStringLiteral("title")][QStringLiteral("place")].rect();
    b.titlePoints = n[QStringLiteral("title")][QStringLiteral("points")].number(4, 72, 24);
    const QPointF size = n[QStringLiteral("labelSize")].point();
    if (size.x() <= 0 || size.y() <= 0)
        wrong(n[QStringLiteral("labelSize")].path(), QStringLiteral("expected a size above 0"));
    b.labelSize = {size.x(), size.y()};
    b.labelPoints = n[QStringLiteral("labelPoints")].number(4, 72, 9.75);
    const QString scoring = n[QStringLiteral("scoring")].text(QStringLiteral("ownBox"));
    if (scoring != QLatin1String("ownBox") && scoring != QLatin1String("byColumn"))
        wrong(n[QStringLiteral("scoring")].path(), QStringLiteral("expected ownBox or byColumn"));
    b.byColumn = scoring == QLatin1String("byColumn");

    const Node labels = n[QStringLiteral("labels")];
    const int count = labels.size(1, MaxLabels);
    for (int i = 0; i < count; ++i) {
        const Node l = labels[i];
        TopicLabel label{l[QStringLiteral("text")].text(), l[QStringLiteral("box")].point(),
                         l[QStringLiteral("home")].point(), l[QStringLiteral("true")].flag(false),
                         l[QStringLiteral("where")].text(QString()).trimmed()};
        if (label.text.trimmed().isEmpty())
            wrong(l[QStringLiteral("text")].path(), QStringLiteral("expected a caption"));
        b.labels.append(label);
    }
    fillPlaceWords(b);
    const Node paper = n[QStringLiteral("paper")];
    b.paperHeading = paper[QStringLiteral("heading")].text();
    b.trueFalse = paper[QStringLiteral("trueOrFalse")].flag(false);
    if (b.byColumn) {
        // The rules take the first half for one column; the statements must say the same.
        if (count % 2 != 0)
            wrong(labels.path(),
                  QStringLiteral("expected an even number of labels in two columns"));
        for (int i = 1; i < count; ++i) {
            const bool sameHalf = (i < count / 2) == (0 < count / 2);
            if ((b.labels[i].isTrue == b.labels[0].isTrue) != sameHalf)
                wrong(labels[i][QStringLiteral("true")].path(),
                      QStringLiteral("expected the first half of the labels to be all true or all "
                                     "false, and the second half the other"));
        }
    }

    const Node texts = n[QStringLiteral("texts")];
    if (texts.has())
        for (int i = 0, m = texts.size(0, 64); i < m; ++i)
            b.texts.append(textOf(texts[i]));
    const Node lines = n[QStringLiteral("lines")];
    if (lines.has()) {
        for (int i = 0, m = lines.size(0, 64); i < m; ++i) {
            const Node l = lines[i];
            const QList<double> e = l[QStringLiteral("ends")].numbers(4, -Reach, Reach);
            b.lines.append({QLineF(e[0], e[1], e[2], e[3]),
                            l[QStringLiteral("colour")].colour(QStringLiteral("#ffff00")),
                            static_cast<int>(l[QStringLiteral("width")].number(1, 20, 1))});
        }
    }
    return b;
}

// A page stem names "wmf\" + stem + "a.wmf": a plain name, no folder.
QString stemOf(const Node& n) {
    const QString stem = n.file();
    if (stem.contains(QLatin1Char('/')) || stem.contains(QLatin1Char('\\')))
        wrong(n.path(), QStringLiteral("expected a page name without a folder"));
    return stem;
}

} // namespace

QStringList TopicBoard::captions() const {
    QStringList list;
    for (const TopicLabel& label : labels)
        list.append(label.text);
    return list;
}

QList<QList<int>> TopicBoard::boxRows() const {
    QList<QPointF> places;
    for (const TopicLabel& label : labels)
        places.append(label.box);
    return rowsOf(places, labelSize.height());
}

QList<QList<int>> TopicBoard::homeRows() const {
    QList<QPointF> places;
    for (const TopicLabel& label : labels)
        places.append(label.home);
    return rowsOf(places, labelSize.height());
}

namespace TopicDescription {

Topic parse(const QByteArray& json, const QString& id) {
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError)
        wrong(fileName, QStringLiteral("not JSON at character %1: %2")
                            .arg(error.offset)
                            .arg(error.errorString()));
    if (!document.isObject())
        wrong(fileName, QStringLiteral("expected an object"));
    const Node root(document.object(), QString());
    Topic t;
    t.id = id;
    t.title = root[QStringLiteral("title")].text();
    if (t.title.trimmed().isEmpty())
        wrong(QStringLiteral("title"), QStringLiteral("expected a title"));
    const Node menu = root[QStringLiteral("menu")];
    t.menuPicture = menu[QStringLiteral("picture")].file();
    t.menuPictureTop = menu[QStringLiteral("pictureTop")].number(0, 9000);
    const Node quiz = root[QStringLiteral("quiz")];
    t.questionFile = quiz[QStringLiteral("questions")].file();
    t.quizPicture = quiz[QStringLiteral("picture")].file();
    t.quizSubject = quiz[QStringLiteral("subject")].text();
    const Node pages = root[QStringLiteral("pages")];
    t.keyFactsStem = stemOf(pages[QStringLiteral("keyFacts")]);
    t.notesStem = stemOf(pages[QStringLiteral("notes")]);
    t.pageCount = static_cast<int>(pages[QStringLiteral("count")].number(1, 3, 2));
    t.labelling = boardOf(root[QStringLiteral("labelling")], id + QStringLiteral("lab"));
    t.ordering = boardOf(root[QStringLiteral("ordering")], id + QStringLiteral("ord"));
    return t;
}

Loaded loadAll(const QString& topicsFolder) {
    Loaded loaded;
    const QStringList folders =
        QDir(topicsFolder).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
    for (const QString& id : folders) {
        const QString path = QDir(topicsFolder).filePath(id + QLatin1Char('/') + fileName);
        try {
            if (!id.contains(QRegularExpression(QStringLiteral("^[a-z][a-z0-9]{0,15}$"))))
                wrong(id, QStringLiteral("a topic's folder is named in small letters and digits"));
            loaded.topics.append(parse(FileAccess::read(path, FileAccess::Kind::Description), id));
        } catch (const std::exception& e) {
            loaded.problems.append(QDir::toNativeSeparators(path) + QStringLiteral(": ") +
                                   QString::fromStdString(e.what()));
        }
    }
    return loaded;
}

} // namespace TopicDescription
