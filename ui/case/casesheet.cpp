#include "case/casesheet.h"

#include "cooling.h"
#include "plot/curvedrawing.h"
#include "version.h"
#include "widgets.h"

#include <QDateTime>
#include <QDir>
#include <QLocale>
#include <QPageLayout>
#include <QPainter>
#include <QPalette>
#include <QPdfWriter>
#include <QSaveFile>
#include <QStandardPaths>

#include <cmath>

namespace quorrel::ui
{
namespace
{

// Logical units of the sheet: a pixel of a 96 dpi screen, so that the curve
// is drawn with the same pens as on screen.
constexpr int kSheetResolution = 96;

QString degrees(double value)
{
    return QLocale().toString(value, 'g', 15) + ' ' + kDegreeSign + 'F';
}

QString clockText(ClockTime time)
{
    return QString::fromStdString(formatClockTime(time));
}

QFont sheetFont(double points, bool bold = false)
{
    QFont font = windowFont(bold);
    font.setPointSizeF(points);
    return font;
}

} // namespace

QPageSize casePaper()
{
    return QPageSize(QLocale().measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter
                                                                                : QPageSize::A4);
}

namespace
{

// Ink on white paper, whatever the screen's colours.
QPalette paperPalette()
{
    QPalette palette;
    palette.setColor(QPalette::Base, Qt::white);
    palette.setColor(QPalette::Text, Qt::black);
    palette.setColor(QPalette::Highlight, QColor(0, 84, 160));
    return palette;
}

// The method in three sentences, with this estimate's own numbers.
QString method(const CaseRecord &shown)
{
    const Readings &r = shown.readings;
    const QLocale locale;
    const auto number = [&](double value) { return locale.toString(value, 'g', 6); };
    const double firstExcess = r.first - r.ambient;
    const double secondExcess = r.second - r.ambient;
    const double normalExcess = kNormalBodyTemperature - r.ambient;
    const double hours = shown.curve ? shown.curve->hoursSinceDeath : 0.0;
    QString text =
        QStringLiteral("By Newton's law of cooling, a body's excess of temperature over the room "
                       "shrinks by the same fraction in every equal span of time. Here the excess "
                       "fell from %1 to %2 in %3 hours; at that pace it was %4 (98.6 %5F less the "
                       "room's %6) t hours before the first reading, where t = %3 \u00D7 "
                       "log(%7 / %8) / log(%9 / %8)")
            .arg(degrees(firstExcess), degrees(secondExcess), number(r.elapsed),
                 degrees(normalExcess), kDegreeSign, degrees(r.ambient), number(normalExcess),
                 number(firstExcess), number(secondExcess));
    if (shown.curve)
        text += QStringLiteral(" = %1 hours. The time of discovery less these hours is the "
                               "time of death.")
                    .arg(number(std::fabs(hours)));
    else
        text += QStringLiteral(". These readings make the estimate doubtful, as the result says.");
    return text;
}

} // namespace

void drawCaseSheet(QPainter &painter, const QRectF &page, const CaseRecord &shown,
                   const QDateTime &madeAt)
{
    painter.save();
    painter.setPen(Qt::black);
    double y = page.top();
    const auto paragraph = [&](const QString &text, const QFont &font, double after) {
        painter.setFont(font);
        const QRectF box(page.left(), y, page.width(), page.bottom() - y);
        const QRectF used = painter.boundingRect(box, Qt::TextWordWrap, text);
        painter.drawText(box, Qt::TextWordWrap, text);
        y += used.height() + after;
    };
    const QFont body = sheetFont(10);
    const QFont heading = sheetFont(11, true);

    paragraph(QStringLiteral("Time of death estimate"), sheetFont(18, true), 4);
    paragraph(QStringLiteral(QUORREL_TITLE " " QUORREL_VERSION ", sheet made ") +
                  QLocale().toString(madeAt, QLocale::LongFormat),
              sheetFont(9), 16);

    // Label and value side by side, the values in one column.
    const auto rows = [&](const QList<std::pair<QString, QString>> &pairs) {
        painter.setFont(body);
        const QFontMetricsF metrics(body);
        double labelWidth = 0;
        for (const auto &[label, value] : pairs)
            labelWidth = std::max(labelWidth, metrics.horizontalAdvance(label));
        for (const auto &[label, value] : pairs) {
            painter.drawText(QPointF(page.left(), y + metrics.ascent()), label);
            painter.drawText(QPointF(page.left() + labelWidth + 12, y + metrics.ascent()), value);
            y += metrics.height() * 1.25;
        }
        y += 10;
    };
    const QStringList &typed = shown.entries;
    const auto entry = [&](int i, const QString &unit) {
        return i < typed.size() ? typed[i] + unit : QString();
    };
    paragraph(QStringLiteral("Entries"), heading, 4);
    rows({{QStringLiteral("Time the body was found:"), clockText(shown.foundAt)},
          {QStringLiteral("Room temperature:"), entry(0, ' ' + kDegreeSign + 'F')},
          {QStringLiteral("Body temperature when found:"), entry(1, ' ' + kDegreeSign + 'F')},
          {QStringLiteral("Second body temperature:"), entry(2, ' ' + kDegreeSign + 'F')},
          {QStringLiteral("Hours between the two readings:"), entry(3, QStringLiteral(" hours"))}});

    paragraph(QStringLiteral("Result"), heading, 4);
    rows({{QStringLiteral("Estimated time of death:"), clockText(shown.deathAt)}});
    y -= 6;
    paragraph(shown.sentence + '.', body, 14);

    paragraph(QStringLiteral("Method"), heading, 4);
    paragraph(method(shown), body, 14);

    // The curve, as the window draws it, in what is left above the lines.
    const double linesHeight = 3 * 34.0;
    const QRectF curve(page.left(), y, page.width(),
                       std::max(120.0, page.bottom() - y - linesHeight - 16));
    painter.setFont(sheetFont(8));
    drawCoolingCurve(painter, curve, paperPalette(), &shown);
    painter.setPen(QPen(Qt::black, 0.75));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(curve);
    y = curve.bottom() + 16;

    painter.setFont(body);
    const QFontMetricsF metrics(body);
    for (const QString &blank :
         {QStringLiteral("Case:"), QStringLiteral("Examined by:"), QStringLiteral("Signature:")}) {
        y += 26;
        painter.setPen(Qt::black);
        painter.drawText(QPointF(page.left(), y), blank);
        painter.setPen(QPen(Qt::black, 0.75));
        painter.drawLine(QPointF(page.left() + 110, y + 2), QPointF(page.right(), y + 2));
        y += 8;
    }
    painter.restore();
}

QString suggestedCaseSheetPath(const QDateTime &madeAt)
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    // A desktop without a Documents folder: the home folder, not wherever the
    // program was started.
    if (!QDir(folder).exists())
        folder = QDir::homePath();
    return QDir(folder).filePath(QStringLiteral("time-of-death-") +
                                 madeAt.toString(QStringLiteral("yyyy-MM-dd-HHmm")) +
                                 QStringLiteral(".pdf"));
}

QString writeCaseSheetPdf(const QString &path, const CaseRecord &shown, const QDateTime &madeAt)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    {
        QPdfWriter writer(&file);
        writer.setResolution(kSheetResolution);
        writer.setPageLayout(QPageLayout(casePaper(), QPageLayout::Portrait,
                                         QMarginsF(18, 16, 18, 16), QPageLayout::Millimeter));
        writer.setTitle(QStringLiteral("Time of death estimate"));
        writer.setCreator(QStringLiteral(QUORREL_TITLE " " QUORREL_VERSION));
        QPainter painter;
        if (!painter.begin(&writer)) {
            file.cancelWriting();
            return QStringLiteral("the PDF could not be started");
        }
        // The painter starts at the margins' corner: the page is the paint
        // rectangle's size from there.
        const QSize paper = writer.pageLayout().paintRectPixels(kSheetResolution).size();
        drawCaseSheet(painter, QRectF(QPointF(), paper), shown, madeAt);
        painter.end();
    }
    // Nothing reaches the name unless all of it was written.
    if (!file.commit())
        return file.errorString();
    return QString();
}

} // namespace quorrel::ui
