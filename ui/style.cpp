#include "style.h"

#include <QPainter>
#include <QPolygonF>
#include <QStyleOption>

namespace quorrel::ui
{

int QuorrelStyle::styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                            QStyleHintReturn *returnData) const
{
    if (hint == SH_ComboBox_Popup)
        return 0;
    return QProxyStyle::styleHint(hint, option, widget, returnData);
}

void QuorrelStyle::drawPrimitive(PrimitiveElement element, const QStyleOption *option,
                                 QPainter *painter, const QWidget *widget) const
{
    if (element == PE_FrameGroupBox) {
        // A rounded rule around the group, below its caption.
        const int captionHeight = option->fontMetrics.height() + 3;
        const QRectF frame = QRectF(option->rect.adjusted(0, captionHeight, -1, -1));
        const QColor window = option->palette.color(QPalette::Window);
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        painter->setBrush(Qt::NoBrush);
        painter->setPen(window.lighter(112));
        painter->drawRoundedRect(frame.translated(1, 1), 2, 2);
        painter->setPen(window.darker(140));
        painter->drawRoundedRect(frame.translated(0.5, 0.5).adjusted(0, 0, -1, -1), 2, 2);
        painter->restore();
        return;
    }
    if (element != PE_IndicatorArrowDown && element != PE_IndicatorArrowUp &&
        element != PE_IndicatorArrowLeft && element != PE_IndicatorArrowRight) {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    }
    const QRectF box = option->rect;
    const qreal size = qMin<qreal>(qMin(box.width(), box.height()) * 0.5, 8);
    const QPointF c = box.center();
    const qreal h = size / 2;
    QPolygonF arrow;
    switch (element) {
    case PE_IndicatorArrowDown:
        arrow << QPointF(c.x() - h, c.y() - h / 2) << QPointF(c.x() + h, c.y() - h / 2)
              << QPointF(c.x(), c.y() + h / 2);
        break;
    case PE_IndicatorArrowUp:
        arrow << QPointF(c.x() - h, c.y() + h / 2) << QPointF(c.x() + h, c.y() + h / 2)
              << QPointF(c.x(), c.y() - h / 2);
        break;
    case PE_IndicatorArrowLeft:
        arrow << QPointF(c.x() + h / 2, c.y() - h) << QPointF(c.x() + h / 2, c.y() + h)
              << QPointF(c.x() - h / 2, c.y());
        break;
    default:
        arrow << QPointF(c.x() - h / 2, c.y() - h) << QPointF(c.x() - h / 2, c.y() + h)
              << QPointF(c.x() + h / 2, c.y());
        break;
    }
    const bool enabled = option->state & State_Enabled;
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setPen(Qt::NoPen);
    painter->setBrush(option->palette.color(enabled ? QPalette::Active : QPalette::Disabled,
                                            QPalette::ButtonText));
    painter->drawPolygon(arrow);
    painter->restore();
}

} // namespace quorrel::ui
