#include "case/casesheet.h"

#include "cooling.h"
#include "plot/curvedrawing.h"
#include "print/pdffile.h"
#include "version.h"
#include "widgets.h"
#include "wording.h"

#include <QDateTime>
#include <QDir>
#include <QLocale>
#include <QPageLayout>
#include <QPainter>
#include <QPalette>
#include <QPdfWriter>
#include <QStandardPaths>
#include <QTextOption>

#include <cmath>

namespace quorrel::ui
{
namespace
{

// Logical units of the sheet: a pixel of a 96 dpi screen, so that the curve
// is drawn with the same pens as on screen.
constexpr int kSheetResolution = 96;

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

// Lines break between words; a word longer than the line (300 typed digits)
// breaks where it must.
QTextOption wrapping()
{
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    return option;
}

// When the sheet was made, with the offset from UTC as a number: a zone's
// abbreviation is not known everywhere ("UTC" for UTC+14).
QString madeAtText(const QDateTime &madeAt)
{
    const QLocale locale;
    const int offset = madeAt.offsetFromUtc();
    const int minutes = std::abs(offset) / 60;
    return locale.toString(madeAt.date(), QLocale::LongFormat) + QStringLiteral(", ") +
           locale.toString(madeAt.time(), QLocale::ShortFormat) +
           QStringLiteral(" UTC%1%2:%3")
               .arg(offset < 0 ? QLatin1Char('-') : QLatin1Char('+'))
               .arg(minutes / 60, 2, 10, QLatin1Char('0'))
               .arg(minutes % 60, 2, 10, QLatin1Char('0'));
}

} // namespace

void drawCaseSheet(QPainter &painter, const QRectF &page, const CaseRecord &record,
                   const QDateTime &madeAt)
{
    painter.save();
    painter.setPen(Qt::black);
    double y = page.top();
    const auto paragraph = [&](const QString &text, const QFont &font, double after) {
        painter.setFont(font);
        const QRectF box(page.left(), y, page.width(), page.bottom() - y);
        const QRectF used = painter.boundingRect(box, text, wrapping());
        painter.drawText(box, text, wrapping());
        y += used.height() + after;
    };
    const QFont body = sheetFont(10);
    const QFont heading = sheetFont(11, true);

    paragraph(QStringLiteral("Time of death estimate"), sheetFont(18, true), 4);
    paragraph(QStringLiteral(QUORREL_TITLE " " QUORREL_VERSION ", sheet made ") +
                  madeAtText(madeAt),
              sheetFont(9), 16);

    // Label and value side by side, the values in one column.
    const auto rows = [&](const QList<std::pair<QString, QString>> &pairs) {
        painter.setFont(body);
        const QFontMetricsF metrics(body);
        double labelWidth = 0;
        for (const auto &[label, value] : pairs)
            labelWidth = std::max(labelWidth, metrics.horizontalAdvance(label));
        labelWidth = std::min(labelWidth, page.width() / 2);
        for (const auto &[label, value] : pairs) {
            // A value wider than its column wraps inside the margins.
            const QRectF labelBox(page.left(), y, labelWidth, page.bottom() - y);
            const QRectF valueBox(page.left() + labelWidth + 12, y, page.width() - labelWidth - 12,
                                  page.bottom() - y);
            const double height =
                std::max(painter.boundingRect(labelBox, label, wrapping()).height(),
                         painter.boundingRect(valueBox, value, wrapping()).height());
            painter.drawText(labelBox, label, wrapping());
            painter.drawText(valueBox, value, wrapping());
            y += height + metrics.height() * 0.25;
        }
        y += 10;
    };
    QList<std::pair<QString, QString>> entries{
        {QStringLiteral("Time the body was found:"), clockText(record.foundAt)}};
    if (record.newton)
        for (const CaseEntry &entry : record.newton->entries)
            entries.append({entry.label + ':', entry.typed + ' ' + entry.unit});
    paragraph(QStringLiteral("Entries"), heading, 4);
    rows(entries);

    // Newton's law, where Calculate made an estimate: a case of one reading
    // has Henssge's alone.
    if (const std::optional<MethodRecord> &newton = record.newton) {
        paragraph(QStringLiteral("Result"), heading, 4);
        rows({{QStringLiteral("Estimated time of death:"), clockText(newton->deathAt)}});
        y -= 6;
        paragraph(newton->sentence + '.', body, 14);

        paragraph(QStringLiteral("Method"), heading, 4);
        paragraph(newtonMethodText(newton->result), body, 14);
    }

    // Henssge's nomogram, where an estimate was made there for this case:
    // its own entries as typed, its result, how it came by its limits, and
    // its check against the second reading.
    if (const std::optional<MethodRecord> &henssge = record.henssge) {
        paragraph(QStringLiteral("Henssge nomogram"), heading, 4);
        QList<std::pair<QString, QString>> used;
        for (const CaseEntry &entry : henssge->entries)
            used.append({entry.label + ':',
                         entry.unit.isEmpty() ? entry.typed : entry.typed + ' ' + entry.unit});
        rows(used);
        y -= 6;
        paragraph(henssge->sentence, body, 4);
        for (const QString &note : henssge->notes)
            paragraph(note, body, 4);
        y += 10;
    }

    // The curve, as the window draws it, in what is left above the lines.
    const double linesHeight = 3 * 34.0;
    const QRectF curve(page.left(), y, page.width(),
                       std::max(120.0, page.bottom() - y - linesHeight - 16));
    painter.setFont(sheetFont(8));
    drawCoolingCurve(painter, curve, paperPalette(), &record);
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

QString writeCaseSheetPdf(const QString &path, const CaseRecord &record, const QDateTime &madeAt)
{
    return writePdfFile(path, [&](QPdfWriter &writer) {
        writer.setResolution(kSheetResolution);
        writer.setPageLayout(QPageLayout(casePaper(), QPageLayout::Portrait,
                                         QMarginsF(18, 16, 18, 16), QPageLayout::Millimeter));
        writer.setTitle(QStringLiteral("Time of death estimate"));
        writer.setCreator(QStringLiteral(QUORREL_TITLE " " QUORREL_VERSION));
        QPainter painter;
        if (!painter.begin(&writer))
            return false;
        // The painter starts at the margins' corner: the page is the paint
        // rectangle's size from there.
        const QSize paper = writer.pageLayout().paintRectPixels(kSheetResolution).size();
        drawCaseSheet(painter, QRectF(QPointF(), paper), record, madeAt);
        painter.end();
        return true;
    });
}

} // namespace quorrel::ui
