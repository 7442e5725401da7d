#include "curveaccessible.h"

#include "curveplot.h"

#include <QWindow>

namespace quorrel::ui
{

CurvePlotAccessible::CurvePlotAccessible(CurvePlot *plot)
    : QAccessibleWidget(plot, QAccessible::Graphic)
{
}

CurvePlot *CurvePlotAccessible::plot() const
{
    return static_cast<CurvePlot *>(widget());
}

int CurvePlotAccessible::childCount() const
{
    return plot()->cursorPoint() ? 1 : 0;
}

QAccessibleInterface *CurvePlotAccessible::child(int index) const
{
    return index == 0 ? plot()->cursorPoint() : nullptr;
}

int CurvePlotAccessible::indexOfChild(const QAccessibleInterface *child) const
{
    return child && child == plot()->cursorPoint() ? 0 : -1;
}

CursorPointAccessible::CursorPointAccessible(CurvePlot *plot, const QString &name,
                                             const QRect &area)
    : m_plot(plot), m_name(name), m_area(area)
{
}

QWindow *CursorPointAccessible::window() const
{
    return m_plot ? m_plot->window()->windowHandle() : nullptr;
}

QAccessibleInterface *CursorPointAccessible::parent() const
{
    return m_plot ? QAccessible::queryAccessibleInterface(m_plot.data()) : nullptr;
}

QString CursorPointAccessible::text(QAccessible::Text type) const
{
    return type == QAccessible::Name ? m_name : QString();
}

QRect CursorPointAccessible::rect() const
{
    if (!m_plot)
        return {};
    return QRect(m_plot->mapToGlobal(m_area.topLeft()), m_area.size());
}

QAccessible::State CursorPointAccessible::state() const
{
    QAccessible::State state;
    state.focusable = true;
    state.focused = m_plot && m_plot->hasFocus();
    return state;
}

} // namespace quorrel::ui
