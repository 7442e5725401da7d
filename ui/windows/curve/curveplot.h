#pragma once

#include "caserecord.h"

#include <QWidget>

#include <optional>

class QAccessibleInterface;

namespace quorrel::ui
{

// The plot of the case's cooling curves: a focusable graphic. Left and Right
// move a cursor along the curves in 15-minute steps, Page Up and Page Down by
// a tenth of the view, Home and End jump to the earliest death and to the
// last reading; the cursor's time and each curve's temperature then become
// the plot's accessible name, the curves' summary its description.
class CurvePlot : public QWidget
{
    Q_OBJECT
public:
    explicit CurvePlot(QWidget *parent);
    ~CurvePlot() override;
    // The case changed: the cursor starts again, the picture is redrawn.
    void caseChanged();
    std::optional<double> cursor() const { return m_cursor; }
    // The point under the cursor for screen readers, or none.
    QAccessibleInterface *cursorPoint() const { return m_point; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    // The case the plot draws: the program's own, none before an estimate.
    const CaseRecord *record() const;
    void moveCursor(double hours);
    // Replaces the point under the cursor for screen readers (none with an
    // empty name) and, while they listen, gives the new point the focus.
    void setCursorPoint(const QString &name);
    std::optional<double> m_cursor;
    QAccessibleInterface *m_point = nullptr;
    unsigned m_pointId = 0;
};

} // namespace quorrel::ui
