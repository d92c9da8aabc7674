#include "platform/ContentPath.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>

namespace {

QString join(const QString& folder, const QString& name) {
    if (folder.isEmpty())
        return name;
    return folder.endsWith(QLatin1Char('/')) ? folder + name : folder + QLatin1Char('/') + name;
}

// The entry of `folder` called `name`: exactly if it exists, else ignoring case; empty if none.
QString findEntry(const QString& folder, const QString& name) {
    const QString exact = join(folder, name);
    if (QFileInfo::exists(exact) || name == QLatin1String(".") || name == QLatin1String(".."))
        return exact;
    const QDir dir(folder.isEmpty() ? QStringLiteral(".") : folder);
    const QStringList entries =
        dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QString& entry : entries) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return join(folder, entry);
    }
    return {};
}

} // namespace

namespace ContentPath {

QString resolve(const QString& programPath) {
    QString path = programPath;
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (path.isEmpty() || QFileInfo::exists(path))
        return path;

    const QStringList parts = path.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    QString current = path.startsWith(QLatin1Char('/')) ? QStringLiteral("/") : QString();
    for (qsizetype i = 0; i < parts.size(); ++i) {
        const QString found = findEntry(current, parts.at(i));
        if (found.isEmpty())
            return join(current, parts.mid(i).join(QLatin1Char('/')));
        current = found;
    }
    return current;
}

} // namespace ContentPath
