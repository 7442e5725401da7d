#include "curveplot.h"

#include "caseholder.h"
#include "curveaccessible.h"
#include "curvedrawing.h"
#include "curvelayout.h"
#include "curvetext.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QPainter>

#include <algorithm>

namespace quorrel::ui
{
namespace
{

constexpr double kCursorStep = 0.25; // hours

// The latest reading any estimate marks, where End puts the cursor.
double lastReading(const CaseRecord &record)
{
    double last = 0.0;
    for (const MethodRecord *method : drawnMethods(record))
        for (const MarkedPoint &reading : method->result.readings)
            last = std::max(last, reading.hours);
    return last;
}

} // namespace

CurvePlot::CurvePlot(QWidget *parent) : QWidget(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    //: The curve's name for a screen reader.
    setAccessibleName(tr("Cooling curve"));
    setAccessibleDescription(curveSummary(nullptr));
}

CurvePlot::~CurvePlot()
{
    setCursorPoint(QString());
}

void CurvePlot::setCursorPoint(const QString &name)
{
    if (m_point)
        QAccessible::deleteAccessibleInterface(m_pointId);
    m_point = nullptr;
    m_pointId = 0;
    if (name.isEmpty() || !QAccessible::isActive())
        return;
    // Where the ring is drawn: a screen reader takes two objects with the same
    // role, name and place for one, and would not read the new point.
    const QList<QPointF> at = layOutCurve(rect(), font(), record(), m_cursor).cursor;
    const QRect ring =
        at.isEmpty() ? rect() : QRect(at.first().toPoint() - QPoint(6, 6), QSize(13, 13));
    m_point = new CursorPointAccessible(this, name, ring);
    m_pointId = QAccessible::registerAccessibleInterface(m_point);
    if (!hasFocus())
        return;
    QAccessibleEvent focus(this, QAccessible::Focus);
    focus.setChild(0);
    QAccessible::updateAccessibility(&focus);
}

const CaseRecord *CurvePlot::record() const
{
    const std::optional<CaseRecord> &record = currentCase().record();
    return record ? &*record : nullptr;
}

void CurvePlot::caseChanged()
{
    m_cursor.reset();
    setCursorPoint(QString());
    setAccessibleName(tr("Cooling curve"));
    setAccessibleDescription(curveSummary(record()));
    update();
}

void CurvePlot::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    drawCoolingCurve(painter, rect(), palette(), record(), m_cursor);
    if (hasFocus()) {
        painter.setPen(QPen(palette().color(QPalette::Text), 1, Qt::DotLine));
        painter.drawRect(rect().adjusted(1, 1, -2, -2));
    }
}

void CurvePlot::keyPressEvent(QKeyEvent *event)
{
    const auto span = record() ? curveSpan(*record()) : std::nullopt;
    if (!span) {
        QWidget::keyPressEvent(event);
        return;
    }
    const auto [from, to] = *span;
    // The first step of any arrow or page key puts the cursor at the
    // earliest death.
    const double at = m_cursor.value_or(from);
    const double page = (to - from) / 10.0;
    switch (event->key()) {
    case Qt::Key_Left:
        moveCursor(m_cursor ? at - kCursorStep : at);
        break;
    case Qt::Key_Right:
        moveCursor(m_cursor ? at + kCursorStep : at);
        break;
    case Qt::Key_PageUp:
        moveCursor(m_cursor ? at - page : at);
        break;
    case Qt::Key_PageDown:
        moveCursor(m_cursor ? at + page : at);
        break;
    case Qt::Key_Home:
        moveCursor(from);
        break;
    case Qt::Key_End:
        moveCursor(lastReading(*record()));
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}

void CurvePlot::moveCursor(double hours)
{
    const auto [from, to] = *curveSpan(*record());
    m_cursor = std::clamp(hours, from, to);
    const QString point = pointOnCurve(*record(), *m_cursor);
    setAccessibleName(point);
    setCursorPoint(point);
    update();
}

void CurvePlot::focusInEvent(QFocusEvent *event)
{
    QWidget::focusInEvent(event);
    update();
}

void CurvePlot::focusOutEvent(QFocusEvent *event)
{
    QWidget::focusOutEvent(event);
    update();
}

} // namespace quorrel::ui
