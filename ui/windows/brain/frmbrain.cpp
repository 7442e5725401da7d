#include "frmbrain.h"

#include "braincase.h"
#include "braintext.h"
#include "caseholder.h"
#include "cooling.h"
#include "henssge.h"
#include "messages.h"
#include "numbers.h"
#include "widgets.h"
#include "wording.h"

#include <QBoxLayout>
#include <QLabel>
#include <QPushButton>

namespace quorrel::ui
{
namespace
{

QString hint()
{
    return frmBrain::tr("Estimate reads the time found and the room temperature from the main "
                        "window.");
}

} // namespace

frmBrain::frmBrain()
{
    //: The window's caption; " - Halbrook" stays as it is.
    setUpWindow("frmBrain", tr("Brain Nomogram - Halbrook"), QStringLiteral(":/icons/quorrel.bmp"),
                kWindowGrey);
    setFixedClientSize(6600, 3720);
    createEntries();
    createResult();
    setUpAccessibility();
    showUnit();
    setUpTabOrder();
    connectHandlers();
    txtBrain->setFocus();
}

void frmBrain::createEntries()
{
    lblBrain = place<QLabel>(this, "lblBrain", twips(120, 150, 2760, 255), QString());
    lblBrain->setFont(windowFont(true));
    lblBrain->setAlignment(Qt::AlignRight | Qt::AlignTop);
    txtBrain = place<TextBox>(this, "txtBrain", twips(3000, 120, 1095, 285));
    lblCelsius = place<QLabel>(this, "lblCelsius", twips(4200, 150, 1000, 255));
    lblCelsius->setTextFormat(Qt::PlainText);
    cmdEstimate =
        placeFaceButton(this, "cmdEstimate", twips(5265, 105, 1215, 335), tr("&Estimate"));
    // Enter in the box estimates, as Calculate does in the main window.
    cmdEstimate->setDefault(true);
}

void frmBrain::createResult()
{
    Line1 = new Line(120, 570, 6480, 570, this);
    Line1->setObjectName(QStringLiteral("Line1"));
    // The lines follow one another down an area as tall as the longest of
    // them take together, so short lines leave no gaps between them.
    auto *area = placeResultLines(this, "resultArea", twips(120, 660, 6360, 2460));
    auto *lines = new QVBoxLayout(area);
    lines->setContentsMargins(0, 0, 0, 0);
    lines->setSpacing(twipsToPixels(120));
    lblReadings = new QLabel(hint(), area);
    lblResult = new QLabel(area);
    lblDetail = new QLabel(area);
    const std::pair<QLabel *, const char *> named[] = {
        {lblReadings, "lblReadings"}, {lblResult, "lblResult"}, {lblDetail, "lblDetail"}};
    for (const auto &[line, name] : named) {
        line->setObjectName(QLatin1String(name));
        lines->addWidget(line);
        makeResultLine(line, line == lblResult   ? LinePrint::Bold
                             : line == lblDetail ? LinePrint::Small
                                                 : LinePrint::Plain);
    }
    lines->addStretch(1);
    lblResult->hide();
    lblDetail->hide();
    cmdClose = placeFaceButton(this, "cmdClose", twips(5265, 3240, 1215, 335), tr("Close"));
}

void frmBrain::setUpAccessibility()
{
    cmdEstimate->setAccessibleDescription(
        tr("Estimates the time of death from the brain temperature."));
    cmdClose->setAccessibleDescription(tr("Hides this window."));
    lblReadings->setAccessibleDescription(tr("What the estimate read"));
    lblResult->setAccessibleDescription(tr("The estimate"));
    lblDetail->setAccessibleDescription(tr("How the estimate was made"));
}

void frmBrain::setUpTabOrder()
{
    QWidget *const order[] = {txtBrain, cmdEstimate, lblReadings, lblResult, lblDetail, cmdClose};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
}

void frmBrain::connectHandlers()
{
    connect(cmdEstimate, &QPushButton::clicked, this, &frmBrain::cmdEstimate_Click);
    setHideOnClose(cmdClose);
    connect(txtBrain, &QLineEdit::textChanged, this, &frmBrain::txtBrain_Change);
    connect(&currentCase(), &CaseHolder::changed, this, &frmBrain::showCase);
    connect(&currentCase(), &CaseHolder::entriesChanged, this, &frmBrain::showUnit);
    // Another case's entries: an opened case's reading, or a new case's none.
    connect(&currentCase(), &CaseHolder::replaced, this, &frmBrain::showChoice);
    // Every change is kept with the case; only the user's marks it edited.
    whenChanged(this, {txtBrain}, [this](bool byUser) {
        if (!m_showing)
            keepBrainWindowEntries(currentCase(), BrainChoice{txtBrain->text()}, byUser);
    });
}

void frmBrain::Form_Load()
{
    // Loaded again after its close box, it shows what the case holds.
    showChoice();
    showCase();
}

void frmBrain::showChoice()
{
    m_showing = true;
    const std::optional<CaseRecord> &record = currentCase().record();
    std::optional<BrainChoice> choice = brainWindowEntries(currentCase());
    if (!choice && record)
        choice = brainChoiceOf(*record);
    txtBrain->setText(choice ? choice->brain : QString());
    m_showing = false;
}

// The reading is in the case's unit, as the main window's: switched, a
// reading typed is converted with it.
void frmBrain::showUnit()
{
    const bool celsius = currentCase().entries().unit == TemperatureUnit::Celsius;
    if (celsius != m_celsius && !txtBrain->text().isEmpty())
        txtBrain->setText(celsius ? celsiusTyped(txtBrain->text()).text
                                  : fahrenheitTyped(txtBrain->text()));
    m_celsius = celsius;
    if (celsius) {
        lblBrain->setText(tr("&Brain temperature when found, \u00B0"
                             "C:"));
        txtBrain->setAccessibleDescription(
            tr("Degrees Celsius, as the main window's readings; the time found and the room "
               "temperature are read from the main window."));
        lblCelsius->setAccessibleName(tr("Brain temperature in degrees Fahrenheit"));
    } else {
        lblBrain->setText(tr("&Brain temperature when found, \u00B0"
                             "F:"));
        txtBrain->setAccessibleDescription(
            tr("Degrees Fahrenheit, as the main window's readings; the time found and the room "
               "temperature are read from the main window."));
        lblCelsius->setAccessibleName(tr("Brain temperature in degrees Celsius"));
    }
    nameAfter(lblBrain, txtBrain);
    txtBrain_Change();
}

void frmBrain::txtBrain_Change()
{
    const NumberLocale locale = userNumberLocale();
    const Result<double> typed =
        localeToDouble(withAsciiDigits(txtBrain->text().toStdString(), locale), locale);
    if (!typed || !std::isfinite(*typed)) {
        lblCelsius->clear();
        return;
    }
    //: The brain temperature in the other unit, beside the box: "(37.0 °C)" beside °F, or
    //: "(98.6 °F)" beside °C.
    const QString beside = tr("(%1)");
    // Beside °C, exactly the °F the nomogram reads; beside °F, one decimal
    // more than typed, as every °C beside a °F.
    lblCelsius->setText(
        beside.arg(m_celsius ? degreesFahrenheit(fahrenheitTyped(txtBrain->text()))
                             : degreesCelsius(numberWithDecimals(fahrenheitToCelsius(*typed),
                                                                 decimalsOf(*typed) + 1))));
}

void frmBrain::cmdEstimate_Click()
{
    const BrainChoice choice{txtBrain->text()};
    const BrainOutcome outcome =
        estimateBrainCase(currentCase().entries(), choice, currentCase().record());
    if (outcome.problem != BrainProblem::None) {
        showMessage(this, tr("Brain Nomogram"), brainRefusalText(outcome), QMessageBox::Warning);
        txtBrain->setFocus();
        return;
    }
    currentCase().publish(*outcome.record);
    // The keyboard moves to the sentence, so a screen reader reads it out at
    // once; Tab goes on to the working, Alt+B back to the reading.
    lblResult->setFocus();
}

void frmBrain::showLines(const QString &readings, const QString &result, const QString &detail)
{
    const std::pair<QLabel *, const QString &> lines[] = {
        {lblReadings, readings}, {lblResult, result}, {lblDetail, detail}};
    for (const auto &[label, text] : lines)
        showResultLine(label, text);
}

void frmBrain::showCase()
{
    const std::optional<CaseRecord> &record = currentCase().record();
    const MethodRecord *brain = record ? record->method(kBrainKey) : nullptr;
    if (!brain) {
        showLines(hint(), QString(), QString());
        return;
    }
    showLines(brainReadingsLine(record->foundAt, brain->result.ambient), brain->sentence,
              brain->notes.value(0));
}

} // namespace quorrel::ui
