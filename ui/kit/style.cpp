#include "style.h"

#include <QIconEngine>
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
    // Alt alone does not move into the menu bar: the buttons' access keys
    // begin with Alt, and a screen reader would name the first menu at each.
    // Alt with a title's letter still opens that menu.
    if (hint == SH_MenuBar_AltKeyNavigation)
        return 0;
    return QProxyStyle::styleHint(hint, option, widget, returnData);
}

namespace
{

// Two chevrons pointing right (or down), painted at whatever size is asked.
class ChevronIconEngine : public QIconEngine
{
public:
    explicit ChevronIconEngine(bool down) : m_down(down) {}
    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State) override
    {
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        painter->setPen(QPen(mode == QIcon::Disabled ? Qt::gray : Qt::black, 1.5));
        const QRectF box = QRectF(rect).adjusted(rect.width() * 0.25, rect.height() * 0.3,
                                                 -rect.width() * 0.25, -rect.height() * 0.3);
        for (double shift : {0.0, 0.5}) {
            QPolygonF chevron;
            if (m_down)
                chevron << QPointF(box.left(), box.top() + shift * box.height())
                        << QPointF(box.center().x(), box.top() + (shift + 0.5) * box.height())
                        << QPointF(box.right(), box.top() + shift * box.height());
            else
                chevron << QPointF(box.left() + shift * box.width(), box.top())
                        << QPointF(box.left() + (shift + 0.5) * box.width(), box.center().y())
                        << QPointF(box.left() + shift * box.width(), box.bottom());
            painter->drawPolyline(chevron);
        }
        painter->restore();
    }
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        QPixmap drawn(size);
        drawn.fill(Qt::transparent);
        QPainter painter(&drawn);
        paint(&painter, QRect(QPoint(), size), mode, state);
        return drawn;
    }
    QIconEngine *clone() const override { return new ChevronIconEngine(m_down); }

private:
    bool m_down;
};

// The caption's distance from the frame's left edge, and the gap the border
// leaves on either side of it.
constexpr int kCaptionIndent = 8;
constexpr int kCaptionGap = 2;
} // namespace

QIcon QuorrelStyle::standardIcon(StandardPixmap icon, const QStyleOption *option,
                                 const QWidget *widget) const
{
    if (icon == SP_ToolBarHorizontalExtensionButton || icon == SP_ToolBarVerticalExtensionButton)
        return QIcon(new ChevronIconEngine(icon == SP_ToolBarVerticalExtensionButton));
    return QProxyStyle::standardIcon(icon, option, widget);
}

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
