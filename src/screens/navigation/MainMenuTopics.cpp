#include "screens/navigation/MainMenuTopics.h"

#include "platform/Colours.h"
#include "screens/navigation/intro0.h"

namespace MainMenuTopics {

const QList<Entry>& entries() {
    static const QList<Entry> list = [] {
        using Index = intro0::Entry;
        QList<Entry> e;
        const auto topic = [&e](int index, const QString& caption, double left, double top) {
            e.append({index, caption, {left, top, 3075, 375}, 12, Colours::black, true});
        };
        const auto tool = [&e](int index, const QString& caption, const QRectF& twips,
                               double points, const QColor& box) {
            e.append({index, caption, twips, points, box, false});
        };
        topic(Index::Orvelles, QStringLiteral("The Orvelles"), 120, 2280);
        const QStringList leftColumn = {
            QStringLiteral("Homes and Palaces"), QStringLiteral("Food and Feasts"),
            QStringLiteral("Clothes and Fashion"), QStringLiteral("Schools and Learning"),
            QStringLiteral("Towns and Markets")};
        for (int i = 0; i < 5; ++i)
            topic(i, leftColumn[i], 120, 3000.0 + 720 * i);
        topic(5, QStringLiteral("Ships and Explorers"), 3480, 2280);
        topic(6, QStringLiteral("Crafts and Trades"), 3480, 3000);
        topic(Index::Rich, QStringLiteral("Rich and Poor"), 3480, 3720);
        const QStringList rightColumn = {QStringLiteral("Games and Pastimes"),
                                         QStringLiteral("Health and Medicine"),
                                         QStringLiteral("Faith and Festivals")};
        for (int i = 0; i < 3; ++i)
            topic(8 + i, rightColumn[i], 3480, 4440.0 + 720 * i);
        const QColor navy = Colours::navy;
        tool(Index::Exit, QStringLiteral("Exit"), {10560, 7920, 1245, 495}, 18, Colours::black);
        tool(Index::Wizard, QStringLiteral("Multiple Choice Wizard"), {6960, 5760, 4635, 495}, 18,
             navy);
        tool(Index::Catalogue, QStringLiteral("Worksheet Catalogue"), {6960, 6600, 4635, 495}, 18,
             navy);
        tool(Index::Acknowledgements, QStringLiteral("Acknowledgments"), {120, 7920, 3075, 495},
             14.25, navy);
        tool(Index::Guide, QStringLiteral("Teachers' Guide"), {120, 1200, 3075, 495}, 14.25, navy);
        return e;
    }();
    return list;
}

} // namespace MainMenuTopics
