#include "screens/activities/board/DragBoard.h"

#include "platform/controls/AccessibleControls.h"

#include <algorithm>

namespace {

// A place's number among its kind, counted row by row as the arrows go.
int numberOf(const QList<QList<int>>& rows, int index) {
    int n = 0;
    for (const QList<int>& row : rows) {
        for (int i : row) {
            ++n;
            if (i == index)
                return n;
        }
    }
    return 0;
}

} // namespace

QString DragBoard::placeName(Board::BoxRef place) const {
    const bool box = place.kind == Board::BoxKind::Target;
    QString name = (box ? QStringLiteral("box %1 of %2") : QStringLiteral("home place %1 of %2"))
                       .arg(numberOf(box ? data_.boxRows() : data_.homeRows(), place.index))
                       .arg(rules_.count());
    if (box)
        name += QStringLiteral(", ") + data_.labels[place.index].where;
    QStringList held;
    for (int i = 0; i < rules_.count(); ++i) {
        if (i != lifted_ && rules_.standsIn(i, rules_.box(place)))
            held << Label2(i).Caption();
    }
    if (held.isEmpty())
        return name + QStringLiteral(", empty");
    return name + QStringLiteral(", holds ") + held.join(QStringLiteral(" and "));
}

QString DragBoard::whereIs(int label) const {
    for (const Board::BoxRef place : rules_.testingOrder()) {
        if (rules_.standsIn(label, rules_.box(place))) {
            QString name = placeName(place);
            // The place's own name without what it holds, which is this label.
            return QStringLiteral("in ") + name.left(name.lastIndexOf(QLatin1String(", ")));
        }
    }
    return QString();
}

void DragBoard::describe() {
    // A drag calls this at every move; only what changed is told again.
    const auto rename = [](QWidget& widget, const QString& name) {
        if (widget.accessibleName() != name)
            widget.setAccessibleName(name);
    };
    for (int i = 0; i < rules_.count(); ++i) {
        rename(Label1(i), placeName({Board::BoxKind::Target, i}));
        rename(Label4(i), placeName({Board::BoxKind::Home, i}));
        Label2(i).setDescription(whereIs(i));
    }
}

void DragBoard::say(const QString& words) {
    AccessibleControls::announce(this, words);
}
