#include "formats/Catalogue.h"

#include "formats/Errors.h"
#include "formats/ItemReader.h"
#include "formats/SafeFile.h"
#include "formats/TextCodec.h"

#include <QStringList>
#include <algorithm>

namespace {

int parseCount(const QString& item) {
    bool ok = false;
    const int count = item.trimmed().toInt(&ok);
    if (!ok || count < 0)
        throw FormatError("the catalogue's count is not a number of names");
    return count;
}

// The count line is written as numbers always were: a blank, the digits, a blank. Names read
// from the file go back byte for byte, even one spoilt by a lone CR, so that one odd line does
// not stop every later change; a new title is checked before it gets here. A catalogue saved as
// UTF-8 elsewhere may hold names the code page has no letters for: the file then stays UTF-8,
// marked as such, rather than turning them into question marks.
QByteArray catalogueBytes(const QStringList& names) {
    const bool utf8 = !std::all_of(names.begin(), names.end(),
                                   [](const QString& name) { return TextCodec::canEncode(name); });
    QByteArray bytes = utf8 ? QByteArray("\xEF\xBB\xBF") : QByteArray();
    bytes += ' ' + QByteArray::number(names.size()) + " \r\n";
    for (const QString& name : names) {
        bytes += utf8 ? name.toUtf8() : TextCodec::encode(name);
        bytes += "\r\n";
    }
    return bytes;
}

QStringList listedNames(const CatalogueState& state) {
    QStringList names;
    for (int k = 1; k <= state.WorksheetCount; ++k)
        names << state.WorksheetNames[k];
    return names;
}

} // namespace

QString CatalogueState::nameAt(int k) const {
    return k >= 1 && k <= MaxNames ? WorksheetNames[k] : QString();
}

void ReadCatalogue(const QString& trackPath, CatalogueState& state) {
    ItemReader file1 = ItemReader::open(trackPath);
    const int count = parseCount(file1.readItem());
    state.WorksheetCount = std::min(count, CatalogueState::MaxNames);
    for (int k = 1; k <= count; ++k) {
        if (k > CatalogueState::MaxNames)
            throw FormatError("the catalogue lists more names than it can hold");
        state.WorksheetNames[k] = file1.readLine();
    }
}

void trackworksheets(const QString& trackPath, const QString& title, CatalogueState& state) {
    if (!TextCodec::canStoreInLine(title))
        throw FormatError("a worksheet name that the catalogue cannot store");
    FileLock lock(trackPath);
    ReadCatalogue(trackPath, state);
    QStringList names = listedNames(state);
    // Worksheet files are found without regard to case, so a title that differs only in case
    // names the worksheet already listed.
    if (names.contains(title, Qt::CaseInsensitive))
        return;
    if (names.size() >= CatalogueState::MaxNames)
        throw FormatError("the catalogue is full");
    names << title;
    replaceFile(trackPath, catalogueBytes(names));
    state.WorksheetNames[names.size()] = title;
}

void delworksheet(const QString& trackPath, CatalogueState& state) {
    FileLock lock(trackPath);
    ReadCatalogue(trackPath, state);
    QStringList names = listedNames(state);
    const qsizetype last = names.lastIndexOf(state.SelectedWorksheet);
    if (last < 0)
        return;
    names.removeAt(last);
    replaceFile(trackPath, catalogueBytes(names));
    for (int k = int(last) + 1; k <= names.size(); ++k)
        state.WorksheetNames[k] = names[k - 1];
    state.WorksheetCount = int(names.size());
}
