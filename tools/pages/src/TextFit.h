#pragma once

#include <QFont>
#include <QString>
#include <QStringList>

// Measures text as a metafile player would draw it: the faces are the metric twins installed
// here (Liberation for Times New Roman and Arial), at a pixel size equal to the height in twips.
class TextFit {
public:
    TextFit(const QString& face, int heightTwips, bool bold);

    qreal width(const QString& text) const;
    int lineHeight() const;
    int ascent() const;
    // Breaks at spaces so that no line is wider than `maxWidth`; a single word wider than that
    // is an error, since it would run past the page.
    QStringList wrap(const QString& text, int maxWidth) const;

private:
    QFont font;
};
