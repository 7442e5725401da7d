#include "frmhenssge.h"

#include "caseholder.h"
#include "cooling.h"
#include "curve.h"
#include "henssge.h"
#include "henssgecase.h"
#include "henssgetext.h"
#include "messages.h"
#include "newtontext.h"
#include "numbers.h"
#include "prudent.h"
#include "widgets.h"
#include "wording.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLocale>
#include <QPushButton>

#include <cmath>

namespace quorrel::ui
{
namespace
{

QString hint()
{
    return frmHenssge::tr("Estimate reads the time found, the room temperature and the first body "
                          "temperature from the main window.");
}

Result<double> number(const QString &typed)
{
    const NumberLocale locale = userNumberLocale();
    return localeToDouble(withAsciiDigits(typed.toStdString(), locale), locale);
}

} // namespace

frmHenssge::frmHenssge()
{
    //: The window's caption; " - Halbrook" stays as it is.
    setUpWindow("frmHenssge", tr("Henssge Nomogram - Halbrook"),
                QStringLiteral(":/icons/quorrel.bmp"), kWindowGrey);
    setFixedClientSize(7200, 6000);
    createEntries();
    createUncertainties();
    createResult();
    setUpAccessibility();
    showUnit();
    setUpTabOrder();
    connectHandlers();
    txtMass->setFocus();
}

void frmHenssge::createEntries()
{
    lblMass = place<QLabel>(this, "lblMass", twips(120, 150, 1920, 255), tr("Body &mass:"));
    lblCondition =
        place<QLabel>(this, "lblCondition", twips(120, 570, 1920, 255), tr("C&ondition:"));
    lblFactor =
        place<QLabel>(this, "lblFactor", twips(120, 990, 1920, 255), tr("Corrective &factor:"));
    for (QLabel *label : {lblMass, lblCondition, lblFactor}) {
        label->setFont(windowFont(true));
        label->setAlignment(Qt::AlignRight | Qt::AlignTop);
    }
    txtMass = place<TextBox>(this, "txtMass", twips(2160, 120, 1215, 285));
    cboMassUnit = place<QComboBox>(this, "cboMassUnit", twips(3480, 105, 855, 315));
    cboCondition = place<QComboBox>(this, "cboCondition", twips(2160, 540, 4920, 315));
    txtFactor = place<TextBox>(this, "txtFactor", twips(2160, 960, 1215, 285));
    cmdEstimate =
        placeFaceButton(this, "cmdEstimate", twips(3480, 945, 1215, 335), tr("&Estimate"));
    // Published rows give a factor already worked out for their body.
    chkFactorForMass = place<QCheckBox>(this, "chkFactorForMass", twips(2160, 1335, 4920, 255),
                                        tr("The factor is already for this &body's mass"));
    // Enter in any entry estimates, as Calculate does in the main window.
    cmdEstimate->setDefault(true);
}

void frmHenssge::createUncertainties()
{
    // Defaults are offered when the box is ticked, not imposed: each can be
    // typed over or emptied.
    chkUncertain = place<QCheckBox>(this, "chkUncertain", twips(120, 1710, 1920, 255),
                                    tr("&Uncertain by \u00B1"));
    txtRoomUncertainty = place<TextBox>(this, "txtRoomUncertainty", twips(2160, 1695, 555, 285));
    lblRoomUncertainty =
        place<QLabel>(this, "lblRoomUncertainty", twips(2760, 1725, 915, 255), QString());
    txtMassUncertainty = place<TextBox>(this, "txtMassUncertainty", twips(3720, 1695, 555, 285));
    lblMassUncertainty = place<QLabel>(this, "lblMassUncertainty", twips(4320, 1725, 915, 255),
                                       //: After the box of the mass's ±, in kilograms.
                                       tr("kg mass"));
    txtFactorUncertainty =
        place<TextBox>(this, "txtFactorUncertainty", twips(5280, 1695, 555, 285));
    lblFactorUncertainty = place<QLabel>(this, "lblFactorUncertainty", twips(5880, 1725, 1200, 255),
                                         //: After the box of the corrective factor's ±.
                                         tr("factor"));
    for (TextBox *box : {txtRoomUncertainty, txtMassUncertainty, txtFactorUncertainty})
        box->setEnabled(false);
}

void frmHenssge::createResult()
{
    Line1 = new Line(120, 2100, 7080, 2100, this);
    Line1->setObjectName(QStringLiteral("Line1"));
    // The lines follow one another down an area as tall as the longest of
    // them take together, so short lines leave no gaps between them.
    resultArea = placeResultLines(this, "resultArea", twips(120, 2190, 6960, 3300));
    auto *lines = new QVBoxLayout(resultArea);
    lines->setContentsMargins(0, 0, 0, 0);
    lines->setSpacing(twipsToPixels(120));
    lblReadings = new QLabel(hint(), resultArea);
    lblResult = new QLabel(resultArea);
    lblDetail = new QLabel(resultArea);
    lblCheck = new QLabel(resultArea);
    lblNewton = new QLabel(resultArea);
    const std::pair<QLabel *, const char *> named[] = {{lblReadings, "lblReadings"},
                                                       {lblResult, "lblResult"},
                                                       {lblDetail, "lblDetail"},
                                                       {lblCheck, "lblCheck"},
                                                       {lblNewton, "lblNewton"}};
    for (const auto &[line, name] : named) {
        line->setObjectName(QLatin1String(name));
        lines->addWidget(line);
    }
    lines->addStretch(1);
    for (QLabel *line : {lblReadings, lblResult, lblDetail, lblCheck, lblNewton})
        makeResultLine(line, line == lblResult   ? LinePrint::Bold
                             : line == lblDetail ? LinePrint::Small
                                                 : LinePrint::Plain);
    for (QLabel *line : {lblResult, lblDetail, lblCheck, lblNewton})
        line->hide();
    cmdClose = placeFaceButton(this, "cmdClose", twips(5865, 5550, 1215, 335), tr("Close"));
}

void frmHenssge::setUpAccessibility()
{
    nameAfter(lblMass, txtMass);
    nameAfter(lblCondition, cboCondition);
    nameAfter(lblFactor, txtFactor);
    cboMassUnit->setAccessibleName(tr("Unit of the body mass"));
    txtMassUncertainty->setAccessibleName(tr("Body mass uncertain by plus or minus"));
    txtFactorUncertainty->setAccessibleName(tr("Corrective factor uncertain by plus or minus"));
}

void frmHenssge::setUpTabOrder()
{
    QWidget *const order[] = {txtMass,
                              cboMassUnit,
                              cboCondition,
                              txtFactor,
                              cmdEstimate,
                              chkFactorForMass,
                              chkUncertain,
                              txtRoomUncertainty,
                              txtMassUncertainty,
                              txtFactorUncertainty,
                              lblReadings,
                              lblResult,
                              lblDetail,
                              lblCheck,
                              lblNewton,
                              cmdClose};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
}

void frmHenssge::connectHandlers()
{
    connect(cmdEstimate, &QPushButton::clicked, this, &frmHenssge::cmdEstimate_Click);
    setHideOnClose(cmdClose);
    connect(cboCondition, &QComboBox::activated, this, &frmHenssge::cboCondition_Click);
    // Once typed, not on every key: "1.65" passes through "1" on its way
    // into the 1.4 to 1.8 row.
    connect(txtFactor, &QLineEdit::editingFinished, this, &frmHenssge::txtFactor_Change);
    connect(&currentCase(), &CaseHolder::changed, this, &frmHenssge::showCase);
    // Another case's entries: an opened case's choice, or a new case's none.
    connect(&currentCase(), &CaseHolder::replaced, this, &frmHenssge::showChoice);
    connect(chkUncertain, &QCheckBox::clicked, this, &frmHenssge::chkUncertain_Click);
    connect(&currentCase(), &CaseHolder::entriesChanged, this, &frmHenssge::showUnit);
    // The mass's ± is in the mass's unit.
    connect(cboMassUnit, &QComboBox::currentIndexChanged, this, [this](int unit) {
        //: After the box of the mass's ±, in pounds or kilograms.
        lblMassUncertainty->setText(unit == 1 ? tr("lb mass") : tr("kg mass"));
    });
    // Every change is kept with the case; only the user's marks it edited.
    // Connected after the handlers above, which may change other boxes.
    whenChanged(this,
                {txtMass, txtFactor, txtRoomUncertainty, txtMassUncertainty, txtFactorUncertainty,
                 cboMassUnit, cboCondition, chkFactorForMass, chkUncertain},
                [this](bool byUser) { keepEntries(byUser); });
}

// The room's ± is in the case's unit: switched, a ± typed is converted
// with it.
void frmHenssge::showUnit()
{
    const bool celsius = currentCase().entries().unit == TemperatureUnit::Celsius;
    if (celsius != m_celsius && !txtRoomUncertainty->text().isEmpty())
        txtRoomUncertainty->setText(celsius ? celsiusDegreesTyped(txtRoomUncertainty->text()).text
                                            : fahrenheitDegreesTyped(txtRoomUncertainty->text()));
    m_celsius = celsius;
    if (celsius) {
        //: After the box of the room's ±, in degrees Celsius.
        lblRoomUncertainty->setText(tr("\u00B0"
                                       "C room"));
        txtRoomUncertainty->setAccessibleName(
            tr("Room temperature uncertain by plus or minus, degrees Celsius"));
    } else {
        //: After the box of the room's ±, in degrees Fahrenheit.
        lblRoomUncertainty->setText(tr("\u00B0"
                                       "F room"));
        txtRoomUncertainty->setAccessibleName(
            tr("Room temperature uncertain by plus or minus, degrees Fahrenheit"));
    }
}

void frmHenssge::chkUncertain_Click()
{
    const bool on = chkUncertain->isChecked();
    const bool pounds = cboMassUnit->currentIndex() == 1;
    const std::pair<TextBox *, QString> offered[] = {
        {txtRoomUncertainty, m_celsius ? typedNumber(kDefaultUncertainty.roomCelsius)
                                       : typedNumber(kDefaultUncertainty.roomCelsius * 9.0 / 5.0)},
        {txtMassUncertainty,
         pounds ? numberWithDecimals(kDefaultUncertainty.massKg / poundsToKilograms(1.0), 1)
                : typedNumber(kDefaultUncertainty.massKg)},
        {txtFactorUncertainty, typedNumber(kDefaultUncertainty.factor)}};
    for (const auto &[box, value] : offered) {
        box->setEnabled(on);
        if (on && box->text().isEmpty())
            box->setText(value);
    }
}

void frmHenssge::Form_Load()
{
    m_showing = true;
    cboMassUnit->addItems({QStringLiteral("kg"), QStringLiteral("lb")});
    for (const HenssgeCondition &condition : henssgeConditions())
        cboCondition->addItem(conditionItem(condition));
    cboCondition->addItem(otherConditionItem());
    // Loaded again after its close box, it shows what the case holds.
    showChoice();
    showCase();
}

void frmHenssge::showChoice()
{
    m_showing = true;
    const std::optional<CaseRecord> &record = currentCase().record();
    std::optional<HenssgeChoice> choice = henssgeWindowEntries(currentCase());
    if (!choice && record)
        choice = henssgeChoiceOf(*record);
    if (!choice) {
        // Naked in still air: the table's reference, factor 1.0.
        txtMass->clear();
        cboMassUnit->setCurrentIndex(0);
        cboCondition->setCurrentIndex(2);
        txtFactor->setText(factorText(henssgeConditions().at(2).factor));
        chkFactorForMass->setChecked(false);
        // Another case's ± would be offered again, and kept with this one.
        for (TextBox *box : {txtRoomUncertainty, txtMassUncertainty, txtFactorUncertainty})
            box->clear();
        chkUncertain->setChecked(false);
        chkUncertain_Click();
        m_showing = false;
        return;
    }
    txtMass->setText(choice->mass);
    cboMassUnit->setCurrentIndex(choice->pounds ? 1 : 0);
    cboCondition->setCurrentIndex(int(conditionRow(choice->condition)));
    txtFactor->setText(choice->factor);
    chkFactorForMass->setChecked(choice->factorForThisMass);
    const bool uncertain = choice->uncertain();
    chkUncertain->setChecked(uncertain);
    txtRoomUncertainty->setText(uncertain ? choice->roomUncertainty : choice->roomUncertaintyAside);
    txtMassUncertainty->setText(uncertain ? choice->massUncertainty : choice->massUncertaintyAside);
    txtFactorUncertainty->setText(uncertain ? choice->factorUncertainty
                                            : choice->factorUncertaintyAside);
    // As they were: a ± left empty was taken as none, and is not offered
    // again.
    for (TextBox *box : {txtRoomUncertainty, txtMassUncertainty, txtFactorUncertainty})
        box->setEnabled(uncertain);
    m_showing = false;
}

void frmHenssge::cboCondition_Click()
{
    const int row = cboCondition->currentIndex();
    // "Other…" keeps the factor the user typed.
    if (row >= 0 && row < henssgeConditions().size())
        txtFactor->setText(factorText(henssgeConditions().at(row).factor));
}

void frmHenssge::txtFactor_Change()
{
    const int row = cboCondition->currentIndex();
    const Result<double> factor = number(txtFactor->text());
    if (row >= 0 && row < henssgeConditions().size() && factor &&
        conditionHasFactor(henssgeConditions().at(row), *factor))
        return;
    cboCondition->setCurrentIndex(cboCondition->count() - 1);
}

void frmHenssge::refuse(const QString &text, QWidget *entry)
{
    showMessage(this, tr("Henssge Nomogram"), text, QMessageBox::Warning);
    if (entry)
        entry->setFocus();
}

HenssgeChoice frmHenssge::boxes() const
{
    HenssgeChoice choice{txtMass->text(), cboMassUnit->currentIndex() == 1,
                         conditionIdAt(cboCondition->currentIndex()), txtFactor->text(),
                         chkFactorForMass->isChecked()};
    QString *room = &choice.roomUncertaintyAside, *mass = &choice.massUncertaintyAside,
            *factor = &choice.factorUncertaintyAside;
    if (chkUncertain->isChecked()) {
        room = &choice.roomUncertainty;
        mass = &choice.massUncertainty;
        factor = &choice.factorUncertainty;
    }
    *room = txtRoomUncertainty->text().trimmed();
    *mass = txtMassUncertainty->text().trimmed();
    *factor = txtFactorUncertainty->text().trimmed();
    return choice;
}

void frmHenssge::keepEntries(bool edited)
{
    if (!m_showing)
        keepHenssgeWindowEntries(currentCase(), boxes(), edited);
}

void frmHenssge::cmdEstimate_Click()
{
    const HenssgeChoice choice = boxes();
    const HenssgeOutcome outcome =
        estimateHenssgeCase(currentCase().entries(), choice, currentCase().record());
    if (outcome.problem != HenssgeProblem::None) {
        QWidget *entry = nullptr;
        switch (outcome.problem) {
        case HenssgeProblem::Mass:
            entry = txtMass;
            break;
        case HenssgeProblem::Factor:
            entry = txtFactor;
            break;
        case HenssgeProblem::RoomUncertainty:
        case HenssgeProblem::RoomRangeReachesBody:
            entry = txtRoomUncertainty;
            break;
        case HenssgeProblem::MassUncertainty:
            entry = txtMassUncertainty;
            break;
        case HenssgeProblem::FactorUncertainty:
            entry = txtFactorUncertainty;
            break;
        default:
            break;
        }
        return refuse(henssgeRefusalText(outcome, choice), entry);
    }
    currentCase().publish(*outcome.record);
    // The keyboard moves to the sentence, so a screen reader reads it out
    // at once; Tab goes on to the working, Alt+M back to the mass.
    lblResult->setFocus();
}

void frmHenssge::showLines(const QString &readings, const QString &result, const QString &detail,
                           const QString &check, const QString &newton)
{
    const std::pair<QLabel *, const QString &> lines[] = {{lblReadings, readings},
                                                          {lblResult, result},
                                                          {lblDetail, detail},
                                                          {lblCheck, check},
                                                          {lblNewton, newton}};
    for (const auto &[label, text] : lines)
        showResultLine(label, text);
}

void frmHenssge::showCase()
{
    const std::optional<CaseRecord> &record = currentCase().record();
    const MethodRecord *henssge = record ? record->method(kHenssgeKey) : nullptr;
    if (!henssge) {
        showLines(hint(), QString(), QString(), QString(), QString());
        return;
    }
    const MethodRecord *newton = record->method(kNewtonKey);
    showLines(readingsLine(record->foundAt, henssge->result.ambient,
                           henssge->result.readings.at(0).temperature),
              henssge->sentence, henssge->notes.value(0), henssge->notes.value(1),
              //: %1 is a time of death with its day ("7:25:44 PM the day before discovery").
              newton ? tr("Newton's law from both readings: %1")
                           .arg(momentWithDiscoveryDay(record->foundAt, newton->result.curveFrom()))
                     : QString());
}

} // namespace quorrel::ui
