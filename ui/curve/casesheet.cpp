#include "curve/casesheet.h"

#include "cooling.h"
#include "messages.h"
#include "print/printjob.h"
#include "version.h"
#include "widgets.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileDialog>
#include <QLibrary>
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

// Letter where the locale measures in US units, A4 elsewhere.
QPageSize casePaper()
{
    return QPageSize(QLocale().measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter
                                                                                : QPageSize::A4);
}

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
QString method(const ShownEstimate &shown)
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

void drawCaseSheet(QPainter &painter, const QRectF &page, const ShownEstimate &shown,
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

QString writeCaseSheetPdf(const QString &path, const ShownEstimate &shown, const QDateTime &madeAt)
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

void saveCaseSheet(QWidget *parent, const ShownEstimate &shown)
{
    const QDateTime madeAt = QDateTime::currentDateTime();
    // The dialog asks before it replaces a file.
    const QString path = QFileDialog::getSaveFileName(
        parent, QStringLiteral("Save Case Sheet as PDF"), suggestedCaseSheetPath(madeAt),
        QStringLiteral("PDF documents (*.pdf)"));
    if (path.isEmpty())
        return;
    const QString reason = writeCaseSheetPdf(path, shown, madeAt);
    if (!reason.isEmpty())
        showMessage(parent, QStringLiteral("Case Sheet Not Saved"),
                    QStringLiteral("The case sheet could not be saved as %1: %2.")
                        .arg(QDir::toNativeSeparators(path), reason),
                    QMessageBox::Critical);
}

void printCaseSheet(QWidget *parent, const ShownEstimate &shown)
{
    // Qt Print Support is loaded with the module on the first print, not at
    // start-up; the module lies beside the program in the build and in the
    // library folder once installed.
    QLibrary module;
    for (const QString &folder :
         {QCoreApplication::applicationDirPath(),
          QDir(QCoreApplication::applicationDirPath()).filePath(QUORREL_PRINT_MODULE_DIR)}) {
        module.setFileName(QDir(folder).filePath(QStringLiteral("quorrel-print")));
        if (module.load())
            break;
    }
    auto *print = reinterpret_cast<QuorrelPrintFunction *>(module.resolve(kQuorrelPrintSymbol));
    if (!print) {
        showMessage(parent, QStringLiteral("Case Sheet Not Printed"),
                    QStringLiteral("Printing is not available: %1.").arg(module.errorString()),
                    QMessageBox::Critical);
        return;
    }
    struct Page {
        const ShownEstimate &shown;
        QDateTime madeAt;
    } page{shown, QDateTime::currentDateTime()};
    QString failedPrinter;
    const PrintJob job{parent,
                       casePaper().id(),
                       "Time of death estimate",
                       QUORREL_TITLE " " QUORREL_VERSION,
                       [](QPainter &painter, const QRectF &area, void *context) {
                           const auto *p = static_cast<const Page *>(context);
                           drawCaseSheet(painter, area, p->shown, p->madeAt);
                       },
                       &page,
                       &failedPrinter};
    if (PrintOutcome(print(&job)) == PrintOutcome::Failed)
        showMessage(parent, QStringLiteral("Case Sheet Not Printed"),
                    QStringLiteral("The case sheet could not be printed on %1.").arg(failedPrinter),
                    QMessageBox::Critical);
}

} // namespace quorrel::ui
