#pragma once

#include <QAccessibleWidget>
#include <QPointer>

namespace quorrel::ui
{

class CurvePlot;

// The plot of the cooling curve as a screen reader sees it: a graphic whose
// one child, while there is a cursor, is the point under the cursor.
class CurvePlotAccessible : public QAccessibleWidget
{
public:
    explicit CurvePlotAccessible(CurvePlot *plot);
    int childCount() const override;
    QAccessibleInterface *child(int index) const override;
    int indexOfChild(const QAccessibleInterface *child) const override;

private:
    CurvePlot *plot() const;
};

// The point under the cursor, named with its time and temperature. Each move
// of the cursor makes a new one and gives it the focus: Qt 6.4 hands a screen
// reader no text when a name changes, but a newly focused object is always
// read.
class CursorPointAccessible : public QAccessibleInterface
{
public:
    CursorPointAccessible(CurvePlot *plot, const QString &name, const QRect &area);
    bool isValid() const override { return !m_plot.isNull(); }
    QObject *object() const override { return nullptr; }
    QWindow *window() const override;
    QAccessibleInterface *parent() const override;
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text type) const override;
    void setText(QAccessible::Text, const QString &) override {}
    QRect rect() const override;
    QAccessible::Role role() const override { return QAccessible::Graphic; }
    QAccessible::State state() const override;

private:
    QPointer<CurvePlot> m_plot;
    QString m_name;
    QRect m_area; // in the plot's coordinates
};

} // namespace quorrel::ui
