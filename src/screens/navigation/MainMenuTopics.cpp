#include "screens/navigation/MainMenuTopics.h"

#include "platform/Colours.h"

namespace MainMenuTopics {

const QList<Entry>& entries() {
    static const QList<Entry> list = [] {
        const QColor black = Colours::black;
        const QColor navy = Colours::navy;
        QList<Entry> e;
        e.append({15, QStringLiteral("The Orvelles"), {120, 2280, 3075, 375}, 12, black, true});
        const QStringList leftColumn = {
            QStringLiteral("Homes and Palaces"), QStringLiteral("Food and Feasts"),
            QStringLiteral("Clothes and Fashion"), QStringLiteral("Schools and Learning"),
            QStringLiteral("Towns and Markets")};
        for (int i = 0; i < 5; ++i)
            e.append({i, leftColumn[i], {120, 3000.0 + 720 * i, 3075, 375}, 12, black, false});
        e.append({5, QStringLiteral("Ships and Explorers"), {3480, 2280, 3075, 375}, 12, black, false});
        e.append({6, QStringLiteral("Crafts and Trades"), {3480, 3000, 3075, 375}, 12, black, false});
        e.append({7, QStringLiteral("Rich and Poor"), {3480, 3720, 3075, 375}, 12, black, true});
        const QStringList rightColumn = {QStringLiteral("Games and Pastimes"),
                                         QStringLiteral("Health and Medicine"),
                                         QStringLiteral("Faith and Festivals")};
        for (int i = 0; i < 3; ++i)
            e.append({8 + i, rightColumn[i], {3480, 4440.0 + 720 * i, 3075, 375}, 12, black, false});
        e.append({16, QStringLiteral("Exit"), {10560, 7920, 1245, 495}, 18, black, true});
        e.append({17, QStringLiteral("Multiple Choice Wizard"), {6960, 5760, 4635, 495}, 18, navy, true});
        e.append({18, QStringLiteral("Worksheet Catalogue"), {6960, 6600, 4635, 495}, 18, navy, true});
        e.append({19, QStringLiteral("Acknowledgments"), {120, 7920, 3075, 495}, 14.25, navy, true});
        e.append({20, QStringLiteral("Teachers' Guide"), {120, 1200, 3075, 495}, 14.25, navy, true});
        return e;
    }();
    return list;
}

} // namespace MainMenuTopics
