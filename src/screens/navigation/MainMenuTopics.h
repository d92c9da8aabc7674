#pragma once

#include <QColor>
#include <QList>
#include <QRectF>
#include <QString>

// The main menu's entries: the twelve topics of the subject in two columns of six (each
// available once a topic of its caption is in the content) and the larger entries for the
// teacher's tools.
namespace MainMenuTopics {

struct Entry {
    int index;
    QString caption;
    QRectF twips;
    double points;
    QColor box;
    // A topic's entry, rather than one of the teacher's tools or Exit.
    bool topic;
};

const QList<Entry>& entries();

inline const QString notice =
    QStringLiteral("Copyright Quenmark Publishing Ltd. All rights reserved.");

} // namespace MainMenuTopics
