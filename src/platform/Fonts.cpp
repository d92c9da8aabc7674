#include "platform/Fonts.h"

#include "formats/Errors.h"
#include "formats/FileAccess.h"
#include "platform/Logging.h"
#include "platform/Twips.h"

#include <QFontDatabase>
#include <QHash>
#include <QPair>
#include <QStringList>
#include <QVariant>
#include <QWidget>
#include <cmath>

namespace Fonts {

namespace {

constexpr char designFontProperty[] = "orvellesDesignFont";

// Every control asks for its face as it is made, and asking the font database costs a
// fontconfig search each time; the answers stay the same once the faces are registered.
QHash<QPair<QString, double>, QString>& knownFaces() {
    static QHash<QPair<QString, double>, QString> faces;
    return faces;
}

} // namespace

void registerDesignFaces() {
    static bool done = false;
    if (done)
        return;
    done = true;
    knownFaces().clear();
    const QStringList families = QFontDatabase::families();
    const QString wineFonts = QStringLiteral("/usr/share/wine/fonts/");
    const auto addIfMissing = [&](const QString& family, const QStringList& files) {
        if (families.contains(family, Qt::CaseInsensitive))
            return;
        for (const QString& file : files) {
            try {
                QFontDatabase::addApplicationFontFromData(
                    FileAccess::read(wineFonts + file, FileAccess::Kind::Font));
            } catch (const FileError& error) {
                qCWarning(lcContent, "%s not added: %s", qUtf8Printable(family), error.what());
            }
        }
    };
    addIfMissing(QStringLiteral("MS Sans Serif"), {QStringLiteral("ms_sans_serif.ttf")});
    QFont::insertSubstitutions(QStringLiteral("Times New Roman"),
                               {QStringLiteral("Liberation Serif"), QStringLiteral("Times")});
    QFont::insertSubstitutions(QStringLiteral("Arial"),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("Helvetica")});
    // Wine's Tahoma is not used: its bold face has the stroke of its regular one, so every bold
    // caption came out regular. DejaVu Sans Condensed has a true bold at nearly Tahoma's widths.
    QFont::insertSubstitutions(QStringLiteral("Tahoma"),
                               {QStringLiteral("DejaVu Sans Condensed"),
                                QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans")});
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
}

namespace {

// A bitmap face asked for far from the sizes it has is drawn at one of those sizes instead;
// its scalable stand-in keeps the size the screen was designed with.
QString lookUpFace(const QString& family, double points) {
    if (!QFontDatabase::hasFamily(family) || QFontDatabase::isScalable(family))
        return family;
    for (int size : QFontDatabase::pointSizes(family)) {
        if (std::abs(size - points) <= points / 4)
            return family;
    }
    const QStringList standIns = QFont::substitutes(family);
    return standIns.isEmpty() ? family : standIns.first();
}

QString faceFor(const QString& family, double points) {
    const QPair<QString, double> key(family, points);
    auto found = knownFaces().constFind(key);
    if (found == knownFaces().cend())
        found = knownFaces().insert(key, lookUpFace(family, points));
    return *found;
}

} // namespace

QFont make(const QString& family, double points, bool bold) {
    // The face is chosen for the size it is drawn at: a bitmap face that has the designed size
    // has no size four times larger for a whiteboard.
    QFont font(faceFor(family, points * Twips::layoutFactor()));
    font.setPixelSize(Twips::fontPixels(points));
    font.setBold(bold);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

QFont rescaled(QFont font, double fromTwipsPerPixel) {
    if (font.pixelSize() > 0)
        font.setPixelSize(Twips::fontPixels(font.pixelSize() * fromTwipsPerPixel / 20.0));
    return font;
}

void apply(QWidget& widget, const QString& family, double points, bool bold) {
    widget.setFont(make(family, points, bold));
    widget.setProperty(designFontProperty, QVariantList{family, points, bold});
}

QFont remade(const QWidget& widget, double fromTwipsPerPixel) {
    const QVariantList design = widget.property(designFontProperty).toList();
    if (design.size() == 3)
        return make(design[0].toString(), design[1].toDouble(), design[2].toBool());
    return rescaled(widget.font(), fromTwipsPerPixel);
}

} // namespace Fonts
