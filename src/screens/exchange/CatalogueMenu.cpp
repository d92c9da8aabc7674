#include "screens/exchange/CatalogueMenu.h"

#include "app/Messages.h"
#include "screens/exchange/ExchangeDialogs.h"

#include <QDir>
#include <QMenu>

namespace CatalogueMenu {

void addExports(QMenu& menu, QWidget* parent, const QString& name) {
    const std::pair<Exports::Kind, QString> entries[] = {
        {Exports::Kind::Gift, QStringLiteral("Export as GIFT…")},
        {Exports::Kind::Aiken, QStringLiteral("Aiken…")},
        {Exports::Kind::MoodleXml, QStringLiteral("Moodle XML…")},
        {Exports::Kind::WebPage, QStringLiteral("Web page…")},
    };
    for (const auto& [kind, caption] : entries) {
        menu.addAction(caption, &menu,
                       [parent, kind = kind, name] { exportWorksheet(parent, kind, name); });
    }
}

void exportWorksheet(QWidget* parent, Exports::Kind kind, const QString& name) {
    const QString suffix = Exports::suffix(kind);
    const QString path = ExchangeDialogs::current().saveFile(
        parent, QStringLiteral("Export as %1").arg(Exports::kindName(kind)),
        QDir::home().filePath(name + QLatin1Char('.') + suffix),
        QStringLiteral("%1 (*.%2)").arg(Exports::kindName(kind), suffix.section('.', -1)));
    if (path.isEmpty())
        return;
    try {
        Exports::exportWorksheet(kind, name, path);
    } catch (const std::exception& error) {
        showMessage(QStringLiteral("The worksheet could not be exported: %1")
                        .arg(QString::fromUtf8(error.what())));
        return;
    }
    showMessage(QStringLiteral("The worksheet has been exported."));
}

} // namespace CatalogueMenu
