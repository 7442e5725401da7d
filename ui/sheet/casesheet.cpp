#include "casesheet.h"

#include "curvedrawing.h"
#include "pdffile.h"
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

namespace
{

// Writes the sheet from the top down, each piece below the last.
class SheetWriter
{
public:
    SheetWriter(QPainter &painter, const QRectF &page)
        : m_painter(painter), m_page(page), m_y(page.top())
    {
    }

    void paragraph(const QString &text, const QFont &font, double after)
    {
        m_painter.setFont(font);
        const QRectF box(m_page.left(), m_y, m_page.width(), m_page.bottom() - m_y);
        const QRectF used = m_painter.boundingRect(box, text, wrapping());
        m_painter.drawText(box, text, wrapping());
        m_y += used.height() + after;
    }

    // Label and value side by side, the values in one column; a value wider
    // than its column wraps inside the margins.
    void rows(const QList<SheetRow> &pairs)
    {
        const QFont body = sheetFont(10);
        m_painter.setFont(body);
        const QFontMetricsF metrics(body);
        double labelWidth = 0;
        for (const auto &[label, value] : pairs)
            labelWidth = std::max(labelWidth, metrics.horizontalAdvance(label));
        labelWidth = std::min(labelWidth, m_page.width() / 2);
        for (const auto &[label, value] : pairs) {
            const QRectF labelBox(m_page.left(), m_y, labelWidth, m_page.bottom() - m_y);
            const QRectF valueBox(m_page.left() + labelWidth + 12, m_y,
                                  m_page.width() - labelWidth - 12, m_page.bottom() - m_y);
            const double height =
                std::max(m_painter.boundingRect(labelBox, label, wrapping()).height(),
                         m_painter.boundingRect(valueBox, value, wrapping()).height());
            m_painter.drawText(labelBox, label, wrapping());
            m_painter.drawText(valueBox, value, wrapping());
            m_y += height + metrics.height() * 0.25;
        }
        m_y += 10;
    }

    // A method's section: its heading, its rows and its paragraphs.
    void section(const SheetSection &section)
    {
        paragraph(section.heading, sheetFont(11, true), 4);
        if (!section.rows.isEmpty()) {
            rows(section.rows);
            m_y -= 6;
        }
        for (const QString &text : section.paragraphs)
            paragraph(text, sheetFont(10), 4);
        m_y += 10;
    }

    // The curve, as the window draws it, in what is left above the lines to
    // fill in by hand.
    void curve(const CaseRecord &record)
    {
        const double linesHeight = 3 * 34.0;
        const QRectF area(m_page.left(), m_y, m_page.width(),
                          std::max(120.0, m_page.bottom() - m_y - linesHeight - 16));
        m_painter.setFont(sheetFont(8));
        drawCoolingCurve(m_painter, area, paperPalette(), &record);
        m_painter.setPen(QPen(Qt::black, 0.75));
        m_painter.setBrush(Qt::NoBrush);
        m_painter.drawRect(area);
        m_y = area.bottom() + 16;
    }

    void blanks()
    {
        m_painter.setFont(sheetFont(10));
        for (const QString &blank : {QStringLiteral("Case:"), QStringLiteral("Examined by:"),
                                     QStringLiteral("Signature:")}) {
            m_y += 26;
            m_painter.setPen(Qt::black);
            m_painter.drawText(QPointF(m_page.left(), m_y), blank);
            m_painter.setPen(QPen(Qt::black, 0.75));
            m_painter.drawLine(QPointF(m_page.left() + 110, m_y + 2),
                               QPointF(m_page.right(), m_y + 2));
            m_y += 8;
        }
    }

private:
    QPainter &m_painter;
    QRectF m_page;
    double m_y;
};

} // namespace

void drawCaseSheet(QPainter &painter, const QRectF &page, const CaseRecord &record,
                   const QDateTime &madeAt)
{
    painter.save();
    painter.setPen(Qt::black);
    SheetWriter sheet(painter, page);
    sheet.paragraph(QStringLiteral("Time of death estimate"), sheetFont(18, true), 4);
    sheet.paragraph(QStringLiteral(QUORREL_TITLE " " QUORREL_VERSION ", sheet made ") +
                        madeAtText(madeAt),
                    sheetFont(9), 16);
    QList<SheetRow> entries{
        {QStringLiteral("Time the body was found:"), clockText(record.foundAt)}};
    for (const MethodRecord &method : record.methods)
        entries += method.sheetEntries;
    sheet.paragraph(QStringLiteral("Entries"), sheetFont(11, true), 4);
    sheet.rows(entries);
    // Each method's own sections, in the record's order.
    for (const MethodRecord &method : record.methods)
        for (const SheetSection &section : method.sheet)
            sheet.section(section);
    sheet.curve(record);
    sheet.blanks();
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
