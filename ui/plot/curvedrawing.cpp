#include "curvedrawing.h"

#include "curvelayout.h"

#include <QPainter>
#include <QPalette>

#include <algorithm>
#include <cmath>
#include <utility>

namespace quorrel::ui
{
namespace
{

QBrush bandBrush(const CurveLook &look, const QPalette &palette)
{
    QColor shade = palette.color(look.accent ? QPalette::Highlight : QPalette::Text);
    shade.setAlpha(look.band == Qt::SolidPattern ? 60 : 90);
    return QBrush(shade, look.band);
}

QPen curvePen(const CurveLook &look, const QPalette &palette)
{
    return look.accent ? QPen(palette.color(QPalette::Highlight), 2.5, look.line)
                       : QPen(palette.color(QPalette::Text), 2, look.line, Qt::FlatCap);
}

// The bands behind everything, each filled its own way, so that they differ
// on paper without colour too.
void paintBands(QPainter &painter, const CurveLayout &layout, const QPalette &palette)
{
    for (const PlotCurve &curve : layout.curves) {
        if (!curve.band)
            continue;
        const QRectF band(curve.band->first, layout.plot.top(),
                          curve.band->second - curve.band->first, layout.plot.height());
        painter.fillRect(band, bandBrush(curve.look, palette));
    }
}

// The grid, the midnights, the axes, the room and the temperatures at death.
void paintFrame(QPainter &painter, const CurveLayout &layout, const QColor &ink)
{
    const QRectF &plot = layout.plot;
    QColor grid = ink;
    grid.setAlpha(40);
    painter.setPen(QPen(grid, 0));
    for (double y : layout.temperatureLines)
        painter.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
    for (double x : layout.timeLines)
        painter.drawLine(QPointF(x, plot.top()), QPointF(x, plot.bottom()));
    painter.setPen(QPen(ink, 1, Qt::DashDotLine));
    for (double x : layout.midnightLines)
        painter.drawLine(QPointF(x, plot.top()), QPointF(x, plot.bottom()));
    painter.setPen(QPen(ink, 1));
    painter.drawLine(plot.bottomLeft(), plot.bottomRight());
    painter.drawLine(plot.bottomLeft(), plot.topLeft());
    for (double x : layout.timeLines)
        painter.drawLine(QPointF(x, plot.bottom()), QPointF(x, plot.bottom() + 4));
    // A time axis alone has no room.
    painter.setPen(QPen(ink, 1, Qt::DashLine));
    if (std::isfinite(layout.roomY))
        painter.drawLine(QPointF(plot.left(), layout.roomY), QPointF(plot.right(), layout.roomY));
    painter.setPen(QPen(ink, 1, Qt::DotLine));
    for (const PlotCurve &curve : layout.curves)
        if (!curve.bracketed)
            painter.drawLine(QPointF(plot.left(), curve.startY),
                             QPointF(plot.right(), curve.startY));
}

// An interval alone is closed by a bracket at each end, so that its ends
// show on paper and wherever another band lies over it.
void paintBrackets(QPainter &painter, double left, double right, double top, double bottom,
                   double serif)
{
    for (const auto &[x, inward] : {std::pair(left, serif), std::pair(right, -serif)}) {
        painter.drawLine(QPointF(x, top), QPointF(x, bottom));
        painter.drawLine(QPointF(x, top), QPointF(x + inward, top));
        painter.drawLine(QPointF(x, bottom), QPointF(x + inward, bottom));
    }
}

// The curves, the cursor's rings, each death's mark and the readings.
void paintCurves(QPainter &painter, const CurveLayout &layout, const QPalette &palette)
{
    const QColor ink = palette.color(QPalette::Text);
    const QColor paper = palette.color(QPalette::Base);
    const QRectF &plot = layout.plot;
    painter.save();
    painter.setClipRect(plot.adjusted(-8, -8, 8, 8));
    painter.setBrush(Qt::NoBrush);
    for (const PlotCurve &curve : layout.curves) {
        painter.setPen(curvePen(curve.look, palette));
        painter.drawPolyline(curve.points);
    }
    painter.restore();

    const double dot = std::max(3.5, QFontMetricsF(painter.font()).height() / 4);
    if (!layout.cursor.isEmpty()) {
        painter.setPen(QPen(ink, 1, Qt::DashLine));
        painter.drawLine(QPointF(layout.cursor.first().x(), plot.top()),
                         QPointF(layout.cursor.first().x(), plot.bottom()));
        painter.setPen(QPen(ink, 2));
        painter.setBrush(Qt::NoBrush);
        for (const QPointF &point : layout.cursor)
            painter.drawEllipse(point, dot * 1.8, dot * 1.8);
    }
    for (const PlotCurve &curve : layout.curves) {
        if (curve.bracketed) {
            if (curve.band) {
                painter.setPen(QPen(ink, 2, Qt::SolidLine, Qt::FlatCap));
                paintBrackets(painter, curve.band->first, curve.band->second, plot.top(),
                              plot.bottom(), dot * 1.6);
            }
            continue;
        }
        const QPointF death = curve.death;
        const double r = dot * 1.6;
        painter.setPen(QPen(ink, 1.5));
        if (curve.look.death == CurveLook::Mark::Diamond) {
            painter.setBrush(
                palette.color(curve.look.accent ? QPalette::Highlight : QPalette::Text));
            painter.drawPolygon(QPolygonF({death + QPointF(0, -r), death + QPointF(r, 0),
                                           death + QPointF(0, r), death + QPointF(-r, 0)}));
        } else {
            painter.setBrush(paper);
            painter.drawRect(QRectF(death - QPointF(r * 0.8, r * 0.8), QSizeF(r * 1.6, r * 1.6)));
        }
    }
    painter.setBrush(ink);
    painter.setPen(QPen(paper, 1));
    for (const QPointF &point : layout.readings)
        painter.drawEllipse(point, dot, dot);
}

// Words on the background's colour, so lines under them do not cross their
// letters; a legend's line shows its curve's band and stroke first, so that
// on paper too it says which band is whose.
void paintWords(QPainter &painter, const CurveLayout &layout, const QPalette &palette)
{
    const QColor ink = palette.color(QPalette::Text);
    const double sample = QFontMetricsF(painter.font()).horizontalAdvance(QStringLiteral("0000"));
    for (const PlotText &text : layout.texts) {
        painter.fillRect(text.box, palette.color(QPalette::Base));
        painter.setPen(ink);
        if (!text.legendOf) {
            painter.drawText(text.box, Qt::AlignCenter, text.text);
            continue;
        }
        const double y = text.box.center().y();
        const PlotCurve &curve = layout.curves.at(*text.legendOf);
        const CurveLook &look = curve.look;
        painter.fillRect(
            QRectF(text.box.left() + 2, text.box.top() + 2, sample - 2, text.box.height() - 4),
            bandBrush(look, palette));
        if (curve.bracketed) {
            painter.setPen(QPen(ink, 1.5));
            paintBrackets(painter, text.box.left() + 2, text.box.left() + sample,
                          text.box.top() + 2, text.box.bottom() - 2, 3);
        }
        painter.setPen(curvePen(look, palette));
        painter.drawLine(QPointF(text.box.left() + 2, y), QPointF(text.box.left() + sample, y));
        painter.setPen(ink);
        painter.drawText(text.box.adjusted(sample + 6, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter,
                         text.text);
    }
}

} // namespace

void paintCurve(QPainter &painter, const CurveLayout &layout, const QPalette &palette)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setClipRect(layout.area);
    painter.fillRect(layout.area, palette.color(QPalette::Base));
    if (!layout.hasPlot()) {
        painter.setPen(palette.color(QPalette::Text));
        painter.drawText(layout.area.adjusted(12, 12, -12, -12), Qt::AlignCenter | Qt::TextWordWrap,
                         layout.words);
    } else {
        paintBands(painter, layout, palette);
        paintFrame(painter, layout, palette.color(QPalette::Text));
        paintCurves(painter, layout, palette);
        paintWords(painter, layout, palette);
    }
    painter.restore();
}

std::optional<QPointF> drawCoolingCurve(QPainter &painter, const QRectF &area,
                                        const QPalette &palette, const CaseRecord *record,
                                        std::optional<double> cursor)
{
    const CurveLayout layout = layOutCurve(area, painter.font(), record, cursor);
    paintCurve(painter, layout, palette);
    return layout.cursor.isEmpty() ? std::nullopt : std::optional(layout.cursor.first());
}

} // namespace quorrel::ui
