#include "casesheet.h"

#include "curvedrawing.h"
#include "pdffile.h"
#include "version.h"
#include "widgets.h"
#include "wording.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QLocale>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPalette>
#include <QPdfWriter>
#include <QStandardPaths>
#include <QTextLayout>
#include <QTextOption>

#include <cmath>
#include <memory>
#include <vector>

namespace quorrel::ui
{
namespace
{

// Logical units of the sheet: a pixel of a 96 dpi screen, so that the curve
// is drawn with the same pens as on screen.
constexpr int kSheetResolution = 96;

class CaseSheetWords
{
    Q_DECLARE_TR_FUNCTIONS(CaseSheetWords)
};

// The sheet's title, on its first page, at the foot of each and in the PDF.
QString sheetTitle()
{
    return CaseSheetWords::tr("Time of death estimate");
}

QFont sheetFont(double points, bool bold = false)
{
    QFont font = windowFont(bold);
    font.setPointSizeF(points);
    // Print is kerned: the sheet's memory is spent only when one is made.
    font.setStyleStrategy(QFont::PreferDefault);
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
    // The 12-hour form of every other time on the sheet, in its digits.
    //: When the sheet was made: %1 is the date, %2 the time of day, %3 the offset from UTC
    //: ("UTC+02:00").
    return CaseSheetWords::tr("%1, %2 %3")
        .arg(locale.toString(madeAt.date(), QLocale::LongFormat),
             axisClock(madeAt.time().msecsSinceStartOfDay() / 1000),
             inLocaleDigits(QStringLiteral("UTC%1%2:%3")
                                .arg(offset < 0 ? QLatin1Char('-') : QLatin1Char('+'))
                                .arg(minutes / 60, 2, 10, QLatin1Char('0'))
                                .arg(minutes % 60, 2, 10, QLatin1Char('0'))));
}

} // namespace

namespace
{

// Text broken into lines for a width, before it is placed: the sheet must
// know how tall each piece is to decide where the pages break.
class TextLines
{
public:
    TextLines(const QString &text, const QFont &font, double width, QPaintDevice *device)
        : m_layout(text, font, device)
    {
        m_layout.setTextOption(wrapping());
        const double leading = std::max(0.0, QFontMetricsF(font, device).leading());
        m_layout.beginLayout();
        for (QTextLine line = m_layout.createLine(); line.isValid(); line = m_layout.createLine()) {
            line.setLineWidth(width);
            line.setPosition(QPointF(0, m_height));
            m_height += line.height() + leading;
        }
        m_layout.endLayout();
    }

    double height() const { return m_height; }
    int count() const { return m_layout.lineCount(); }
    QTextLine line(int i) const { return m_layout.lineAt(i); }
    // How far the next line starts below this one's top.
    double step(int i) const
    {
        return (i + 1 < count() ? line(i + 1).y() : m_height) - line(i).y();
    }

private:
    QTextLayout m_layout;
    double m_height = 0;
};

// One piece placed as a whole where it fits on a page: a paragraph, or a
// label with its value beside it.
struct Block {
    std::unique_ptr<TextLines> label; // none for a paragraph
    std::unique_ptr<TextLines> text;
    double textLeft = 0; // from the page's left edge
    double after = 0;
    double height() const { return std::max(label ? label->height() : 0.0, text->height()); }
};

// The three lines to fill in by hand, each 34 units high.
constexpr double kBlanksHeight = 3 * 34.0;
// Between the curve and those lines.
constexpr double kCurveGap = 16;

// Writes the sheet from the top down, each piece below the last, on as many
// pages as it takes. A piece that does not fit in what is left of a page
// starts the next one; only a piece taller than a whole page is broken, and
// then between its lines. Given no count of pages it only counts them.
class SheetWriter
{
public:
    SheetWriter(QPainter &painter, const QRectF &page, int pages)
        : m_painter(painter), m_paper(page), m_pages(pages)
    {
        // The foot of every page names the sheet and the page.
        const double footer = QFontMetricsF(footerFont(), painter.device()).height() + 20;
        m_body = page.adjusted(0, 0, 0, -footer);
        m_y = m_body.top();
    }

    int pages() const { return m_page; }

    Block paragraph(const QString &text, const QFont &font, double after) const
    {
        return {nullptr, lines(text, font, m_body.width()), 0, after};
    }

    // Label and value side by side, the values in one column; a value wider
    // than its column wraps inside the margins.
    std::vector<Block> rows(const QList<SheetRow> &pairs) const
    {
        const QFont body = sheetFont(10);
        const QFontMetricsF metrics(body, m_painter.device());
        double labelWidth = 0;
        for (const auto &[label, value] : pairs)
            labelWidth = std::max(labelWidth, metrics.horizontalAdvance(label));
        labelWidth = std::min(labelWidth, m_body.width() / 2);
        std::vector<Block> blocks;
        for (const auto &[label, value] : pairs)
            blocks.push_back({lines(label, body, labelWidth),
                              lines(value, body, m_body.width() - labelWidth - 12), labelWidth + 12,
                              metrics.height() * 0.25});
        if (!blocks.empty())
            blocks.back().after += 10;
        return blocks;
    }

    // A heading and what it heads; the heading never ends a page alone.
    void group(const Block &heading, const std::vector<Block> &blocks)
    {
        keep(heading.height() + heading.after + (blocks.empty() ? 0 : blocks.front().height()));
        place(heading);
        for (const Block &block : blocks)
            place(block);
    }

    void place(const Block &block)
    {
        keep(block.height());
        const double top = m_y;
        const int page = m_page;
        if (block.label) {
            flow(*block.label, m_body.left());
            if (m_page == page)
                m_y = top;
        }
        flow(*block.text, m_body.left() + block.textLeft);
        if (m_page == page)
            m_y = std::max(m_y, top + block.height());
        m_y += block.after;
    }

    // The curve, whole, in what is left above the lines to fill in by hand,
    // which end the last page; where less is left than half the page's
    // width (or all a page has), both go to the next page.
    void ending(const CaseRecord &record)
    {
        const double below = kBlanksHeight + kCurveGap;
        keep(std::min(m_body.width() * 0.5, m_body.height() - below) + below);
        const double height = std::min(m_body.width() * 0.85, m_body.bottom() - m_y - below);
        const QRectF area(m_body.left(), m_y, m_body.width(), height);
        if (drawing()) {
            m_painter.setFont(sheetFont(8));
            // Inside its frame: the plot sets labels against its edges.
            drawCoolingCurve(m_painter, area.adjusted(6, 6, -6, -6), paperPalette(), &record);
            m_painter.setPen(QPen(Qt::black, 0.75));
            m_painter.setBrush(Qt::NoBrush);
            m_painter.drawRect(area);
            blanks(m_body.bottom() - kBlanksHeight);
            footer();
        }
    }

private:
    bool drawing() const { return m_pages > 0; }

    static QFont footerFont() { return sheetFont(8); }

    std::unique_ptr<TextLines> lines(const QString &text, const QFont &font, double width) const
    {
        return std::make_unique<TextLines>(text, font, width, m_painter.device());
    }

    // Starts the next page unless `height` fits in what is left of this one;
    // a page with nothing on it yet takes whatever comes.
    void keep(double height)
    {
        if (m_y > m_body.top() && m_y + height > m_body.bottom())
            nextPage();
    }

    void nextPage()
    {
        if (drawing()) {
            footer();
            if (auto *paged = dynamic_cast<QPagedPaintDevice *>(m_painter.device()))
                paged->newPage();
        }
        ++m_page;
        m_y = m_body.top();
    }

    // Draws the lines from where the sheet stands, going on at the top of
    // the next page when one does not fit.
    void flow(const TextLines &text, double left)
    {
        for (int i = 0; i < text.count(); ++i) {
            const QTextLine line = text.line(i);
            keep(line.height());
            if (drawing()) {
                m_painter.setPen(Qt::black);
                line.draw(&m_painter, QPointF(left, m_y - line.y()));
            }
            m_y += text.step(i);
        }
    }

    void blanks(double top)
    {
        m_painter.setFont(sheetFont(10));
        double y = top;
        //: Blanks to fill in by hand at the sheet's end.
        for (const QString &blank :
             {CaseSheetWords::tr("Case:"), CaseSheetWords::tr("Examined by:"),
              CaseSheetWords::tr("Signature:")}) {
            y += 26;
            m_painter.setPen(Qt::black);
            m_painter.drawText(QPointF(m_body.left(), y), blank);
            m_painter.setPen(QPen(Qt::black, 0.75));
            m_painter.drawLine(QPointF(m_body.left() + 110, y + 2), QPointF(m_body.right(), y + 2));
            y += 8;
        }
    }

    // The sheet's title and "Page 2 of 3" under a rule, so that a page that
    // comes loose still says what it belongs to.
    void footer()
    {
        const QFont font = footerFont();
        const QFontMetricsF metrics(font, m_painter.device());
        const QRectF foot(m_paper.left(), m_paper.bottom() - metrics.height(), m_paper.width(),
                          metrics.height());
        m_painter.setPen(QPen(Qt::black, 0.5));
        m_painter.drawLine(QPointF(foot.left(), foot.top() - 4),
                           QPointF(foot.right(), foot.top() - 4));
        const QString page =
            CaseSheetWords::tr("Page %1 of %2").arg(wholeNumber(m_page), wholeNumber(m_pages));
        m_painter.setFont(font);
        m_painter.setPen(Qt::black);
        m_painter.drawText(foot, Qt::AlignLeft | Qt::AlignVCenter, sheetTitle());
        m_painter.drawText(foot, Qt::AlignRight | Qt::AlignVCenter, page);
    }

    QPainter &m_painter;
    QRectF m_paper; // inside the margins
    QRectF m_body;
    int m_pages;
    int m_page = 1;
    double m_y = 0;
};

// Where another record combines the evidence into an interval, a time of
// death of this method's outside it, in words for its own section.
QString outsideCombined(const CaseRecord &record, const MethodRecord &method)
{
    if (method.combinesOthers || !std::isfinite(method.result.hoursSinceDeath))
        return QString();
    for (const MethodRecord &combined : record.methods) {
        const MethodResult &interval = combined.result;
        if (!combined.combinesOthers || !interval.spreadHours)
            continue;
        // Hours before discovery: each reading was taken when the body was
        // found. Within half a minute is on the interval's edge.
        const double off = std::fabs(method.result.curveFrom() - interval.curveFrom());
        if (off <= *interval.spreadHours + 0.5 / 60.0)
            continue;
        const auto end = [&](double hours) {
            const std::optional<std::int64_t> minute = minuteFromDiscovery(record.foundAt, hours);
            //: A moment: %1 is a time of day, %2 its day ("the day before discovery").
            return minute ? CaseSheetWords::tr("%1 %2").arg(minuteClock(*minute),
                                                            discoveryDayWords(*minute))
                          : momentText(record.foundAt, hours, true);
        };
        //: %1 is a time of death, %2 and %3 the ends of the interval, each a moment with its
        //: day.
        return CaseSheetWords::tr("This time of death, %1, lies outside the combined interval, "
                                  "%2 to %3.")
            .arg(clockText(method.deathAt), end(interval.curveFrom() - *interval.spreadHours),
                 end(interval.curveFrom() + *interval.spreadHours));
    }
    return QString();
}

// Writes the whole sheet; returns how many pages it took.
int writeSheet(SheetWriter &sheet, const CaseRecord &record, const QDateTime &madeAt)
{
    sheet.place(sheet.paragraph(sheetTitle(), sheetFont(18, true), 4));
    //: %1 is the program and its version ("Quorrel 1.0.0"), %2 when the sheet was made.
    sheet.place(sheet.paragraph(
        CaseSheetWords::tr("%1, sheet made %2")
            .arg(QStringLiteral(QUORREL_TITLE " " QUORREL_VERSION), madeAtText(madeAt)),
        sheetFont(9), 16));
    QList<SheetRow> entries{
        {CaseSheetWords::tr("Time the body was found:"), clockText(record.foundAt)}};
    for (const MethodRecord &method : record.methods)
        entries += method.sheetEntries;
    //: The heading over what was typed.
    sheet.group(sheet.paragraph(CaseSheetWords::tr("Entries"), sheetFont(11, true), 4),
                sheet.rows(entries));
    // Each method's own sections, in the record's order.
    for (const MethodRecord &method : record.methods) {
        const QString outside = outsideCombined(record, method);
        for (const SheetSection &section : method.sheet) {
            std::vector<Block> blocks = sheet.rows(section.rows);
            if (!blocks.empty())
                blocks.back().after -= 6;
            QStringList paragraphs = section.paragraphs;
            // Beside the time itself: in the method's first section.
            if (!outside.isEmpty() && &section == &method.sheet.first())
                paragraphs.prepend(outside);
            for (const QString &text : paragraphs)
                blocks.push_back(sheet.paragraph(text, sheetFont(10), 4));
            if (!blocks.empty())
                blocks.back().after += 10;
            sheet.group(sheet.paragraph(section.heading, sheetFont(11, true), 4), blocks);
        }
    }
    sheet.ending(record);
    return sheet.pages();
}

} // namespace

void drawCaseSheet(QPainter &painter, const QRectF &page, const CaseRecord &record,
                   const QDateTime &madeAt)
{
    painter.save();
    // Counted first, so that every page can say how many there are.
    SheetWriter counting(painter, page, 0);
    SheetWriter sheet(painter, page, writeSheet(counting, record, madeAt));
    writeSheet(sheet, record, madeAt);
    painter.restore();
}

QString documentsFolder()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    // A desktop without a Documents folder: the home folder, not wherever the
    // program was started.
    return !folder.isEmpty() && QDir(folder).exists() ? folder : QDir::homePath();
}

QString suggestedCaseSheetPath(const QDateTime &madeAt)
{
    return QDir(documentsFolder())
        .filePath(QStringLiteral("time-of-death-") +
                  madeAt.toString(QStringLiteral("yyyy-MM-dd-HHmm")) + QStringLiteral(".pdf"));
}

QString writeCaseSheetPdf(const QString &path, const CaseRecord &record, const QDateTime &madeAt)
{
    return writePdfFile(path, [&](QPdfWriter &writer) {
        writer.setResolution(kSheetResolution);
        writer.setPageLayout(QPageLayout(casePaper(), QPageLayout::Portrait,
                                         QMarginsF(18, 16, 18, 16), QPageLayout::Millimeter));
        writer.setTitle(sheetTitle());
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
