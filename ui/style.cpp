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

namespace
{
// The caption's distance from the frame's left edge, and the gap the border
// leaves on either side of it.
constexpr int kCaptionIndent = 8;
constexpr int kCaptionGap = 2;
} // namespace

QRect QuorrelStyle::subControlRect(ComplexControl control, const QStyleOptionComplex *option,
                                   SubControl subControl, const QWidget *widget) const
{
    const auto *box = qstyleoption_cast<const QStyleOptionGroupBox *>(option);
    if (control != CC_GroupBox || !box)
        return QProxyStyle::subControlRect(control, option, subControl, widget);
    const QRect label(box->rect.left() + kCaptionIndent, box->rect.top(),
                      box->fontMetrics.horizontalAdvance(box->text), box->fontMetrics.height());
    switch (subControl) {
    case SC_GroupBoxLabel:
        return label;
    case SC_GroupBoxFrame:
        // The top line runs through the middle of the caption.
        return box->rect.adjusted(0, label.center().y() - box->rect.top(), 0, 0);
    case SC_GroupBoxContents:
        return box->rect.adjusted(1, label.height(), -1, -1);
    default:
        return QProxyStyle::subControlRect(control, option, subControl, widget);
    }
}

void QuorrelStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex *option,
                                      QPainter *painter, const QWidget *widget) const
{
    const auto *box = qstyleoption_cast<const QStyleOptionGroupBox *>(option);
    if (control != CC_GroupBox || !box) {
        QProxyStyle::drawComplexControl(control, option, painter, widget);
        return;
    }
    const QRect label = subControlRect(control, option, SC_GroupBoxLabel, widget);
    const QRectF frame =
        subControlRect(control, option, SC_GroupBoxFrame, widget).adjusted(0, 0, -1, -1);
    const QColor window = box->palette.color(QPalette::Window);
    painter->save();
    // The border stops short of the caption on either side.
    painter->setClipRegion(QRegion(box->rect) -
                           QRegion(label.adjusted(-kCaptionGap, 0, kCaptionGap, 0)));
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setBrush(Qt::NoBrush);
    painter->setPen(window.lighter(112));
    painter->drawRoundedRect(frame.translated(1, 1), 2, 2);
    painter->setPen(window.darker(140));
    painter->drawRoundedRect(frame.translated(0.5, 0.5).adjusted(0, 0, -1, -1), 2, 2);
    painter->restore();
    drawItemText(painter, label, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic,
                 box->palette, box->state & State_Enabled, box->text, QPalette::WindowText);
}

void QuorrelStyle::drawPrimitive(PrimitiveElement element, const QStyleOption *option,
                                 QPainter *painter, const QWidget *widget) const
{
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
