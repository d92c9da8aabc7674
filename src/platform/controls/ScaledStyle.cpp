#include "platform/controls/ScaledStyle.h"

#include "platform/Twips.h"
#include "platform/controls/KeyboardFocus.h"

#include <QApplication>
#include <QPainter>
#include <QPointer>
#include <QProxyStyle>
#include <QStyleOption>
#include <cmath>

namespace {

class Scaled : public QProxyStyle {
public:
    int pixelMetric(PixelMetric metric, const QStyleOption* option,
                    const QWidget* widget) const override {
        const int designed = QProxyStyle::pixelMetric(metric, option, widget);
        switch (metric) {
        case PM_IndicatorWidth:
        case PM_IndicatorHeight:
        case PM_ExclusiveIndicatorWidth:
        case PM_ExclusiveIndicatorHeight:
        case PM_CheckBoxLabelSpacing:
        case PM_RadioButtonLabelSpacing:
            return static_cast<int>(std::lround(designed * Twips::layoutFactor()));
        default:
            return designed;
        }
    }

    template <class Option>
    void drawScaled(PrimitiveElement element, Option designed, QPainter* painter,
                    const QWidget* widget, double factor) const {
        const QRect place = designed.rect;
        designed.rect = QRect(0, 0, static_cast<int>(std::lround(place.width() / factor)),
                              static_cast<int>(std::lround(place.height() / factor)));
        painter->save();
        painter->translate(place.topLeft());
        painter->scale(factor, factor);
        painter->setRenderHint(QPainter::Antialiasing);
        QProxyStyle::drawPrimitive(element, &designed, painter, widget);
        painter->restore();
    }

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override {
        const double factor = Twips::layoutFactor();
        if ((element == PE_IndicatorRadioButton || element == PE_IndicatorCheckBox) &&
            factor != 1.0) {
            // Drawn at the designed size and scaled, so the outline and the tick grow too.
            if (option->type == QStyleOption::SO_Button)
                drawScaled(element, *static_cast<const QStyleOptionButton*>(option), painter,
                           widget, factor);
            else
                drawScaled(element, *option, painter, widget, factor);
            return;
        }
        if (element == PE_FrameFocusRect && option->state.testFlag(State_KeyboardFocusChange)) {
            KeyboardFocus::drawFocusOutline(*painter, option->rect.adjusted(-2, -2, 2, 2),
                                            option->palette.color(QPalette::WindowText));
            return;
        }
        QProxyStyle::drawPrimitive(element, option, painter, widget);
    }
};

} // namespace

namespace ScaledStyle {

QStyle* instance() {
    static QPointer<QStyle> style;
    if (!style) {
        style = new Scaled;
        style->setParent(qApp);
    }
    return style;
}

} // namespace ScaledStyle
