#include "platform/wmf/WmfLimits.h"
#include "platform/wmf/WmfParser.h"

// Device context records: mapping, saving and restoring, colours.

void WmfParser::setWindowOrg(WmfBytes p) {
    if (p.hasWords(2))
        dc_.mapping.windowOrg = QPointF(p.word(1), p.word(0));
}

void WmfParser::setWindowExt(WmfBytes p) {
    // A zero extent would divide by zero; the system refuses it too.
    if (p.hasWords(2) && p.word(0) != 0 && p.word(1) != 0)
        dc_.mapping.windowExt = QPointF(p.word(1), p.word(0));
}

void WmfParser::setViewportOrg(WmfBytes p) {
    if (p.hasWords(2))
        dc_.mapping.viewportOrg = QPointF(p.word(1), p.word(0));
}

void WmfParser::setViewportExt(WmfBytes p) {
    if (p.hasWords(2) && p.word(0) != 0 && p.word(1) != 0)
        dc_.mapping.viewportExt = QPointF(p.word(1), p.word(0));
}

void WmfParser::scaleExt(WmfBytes p, QPointF& ext) {
    if (!p.hasWords(4))
        return;
    const qreal yDenom = p.word(0), yNum = p.word(1), xDenom = p.word(2), xNum = p.word(3);
    if (yDenom == 0 || xDenom == 0 || yNum == 0 || xNum == 0)
        return;
    // Repeated scaling could run an extent to nothing or to infinity.
    const QPointF scaled(ext.x() * xNum / xDenom, ext.y() * yNum / yDenom);
    const auto sane = [](qreal v) { return qAbs(v) >= 1e-6 && qAbs(v) <= 1e9; };
    if (sane(scaled.x()) && sane(scaled.y()))
        ext = scaled;
}

// Fixed mapping modes would ignore the window the picture is placed through; players treat
// every mode but the isotropic one as anisotropic, and so does this one.
void WmfParser::setMapMode(WmfBytes p) {
    if (p.hasWords(1) && p.uword(0) >= 1 && p.uword(0) <= 8)
        dc_.mapping.mode = p.uword(0);
}

void WmfParser::saveDc() {
    if (saved_.size() < size_t(WmfLimits::maxSaveDepth))
        saved_.push_back(dc_);
}

// Negative counts go back that many saves; positive ones name a save by its depth.
void WmfParser::restoreDc(WmfBytes p) {
    if (!p.hasWords(1))
        return;
    const int n = p.word(0);
    const qsizetype depth = qsizetype(saved_.size());
    const qsizetype target = n < 0 ? depth + n : n - 1;
    if (n == 0 || target < 0 || target >= depth)
        return;
    dc_ = saved_[size_t(target)];
    saved_.resize(size_t(target));
}

// Colour references: 0x00bbggrr, or an index into the selected palette when the top byte is 1.
QColor WmfParser::colorRef(quint32 value) const {
    if ((value >> 24) == 1) {
        const quint16 index = quint16(value & 0xFFFF);
        return index < dc_.palette.size() ? QColor(dc_.palette[index]) : QColor(Qt::black);
    }
    return QColor(int(value & 0xFF), int((value >> 8) & 0xFF), int((value >> 16) & 0xFF));
}
