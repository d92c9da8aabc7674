#pragma once

#include <QColor>
#include <QList>
#include <QRectF>
#include <QString>

// The main menu's entries: the twelve topics of the subject in two columns of six (two with
// content, ten listed but not yet available) and the larger entries for the teacher's tools.
namespace MainMenuTopics {

struct Entry {
    int index;
    QString caption;
    QRectF twips;
    double points;
    QColor box;
    bool enabled;
};

const QList<Entry>& entries();

inline const QString notice =
    QStringLiteral("Copyright Quenmark Publishing Ltd. All rights reserved.");

} // namespace MainMenuTopics
