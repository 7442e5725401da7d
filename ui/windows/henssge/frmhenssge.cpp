#include "frmhenssge.h"

#include "caserecord.h"
#include "curve.h"
#include "forms.h"
#include "henssge.h"
#include "henssgetext.h"
#include "frmquorrelestimator.h"
#include "messages.h"
#include "numbers.h"
#include "widgets.h"
#include "wording.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>

#include <cmath>

namespace quorrel::ui
{
namespace
{

const QString kTitle = QStringLiteral("Henssge Nomogram");
const QString kOther = QStringLiteral("Other\u2026");
const QString kHint = QStringLiteral("Estimate reads the time found, the room temperature and the "
                                     "first body temperature from the main window.");
// The entries as the main window labels them.
const QString kRoom = QStringLiteral("Ambient Room Temperature");
const QString kBody = QStringLiteral("Corpse Temperature reading 1");

Result<double> number(const QString &typed)
{
    const NumberLocale locale = userNumberLocale();
    return localeToDouble(withAsciiDigits(typed.toStdString(), locale), locale);
}

QString massRange(bool pounds)
{
    const QString kg = QStringLiteral("%1 to %2 kg")
                           .arg(typedNumber(kHenssgeMinMassKg), typedNumber(kHenssgeMaxMassKg));
    if (!pounds)
        return kg;
    // Rounded inward, so both ends are accepted as written.
    const double low = std::ceil(kHenssgeMinMassKg / poundsToKilograms(1.0) * 100.0) / 100.0;
    const double high = std::floor(kHenssgeMaxMassKg / poundsToKilograms(1.0) * 100.0) / 100.0;
    return QStringLiteral("%1 to %2 lb (%3)")
        .arg(numberWithDecimals(low, 2), numberWithDecimals(high, 2), kg);
}

QString bodyRange()
{
    return QStringLiteral("up to %1 (%2)")
        .arg(typedDegrees(kHenssgeStartFahrenheit),
             degreesCelsius(typedNumber(kHenssgeStartCelsius)));
}

// Whether Newton's estimate in the record is of this body: the same time
// found, room and first reading.
bool sameBody(const CaseRecord &record, ClockTime foundAt, double room, double body)
{
    return record.newton && record.foundAt == foundAt && record.newton->result.ambient == room &&
           record.newton->result.readings.at(0).temperature == body;
}

} // namespace

frmHenssge::frmHenssge()
{
    setUpWindow("frmHenssge", QStringLiteral("Henssge Nomogram - Halbrook"),
                QStringLiteral(":/icons/quorrel.bmp"), kWindowGrey);
    setFixedClientSize(7200, 5340);
    createEntries();
    createResult();
    setUpAccessibility();
    setUpTabOrder();
    connectHandlers();
    txtMass->setFocus();
    setKeyPreview(true);
}

void frmHenssge::createEntries()
{
    lblMass =
        place<QLabel>(this, "lblMass", twips(120, 150, 1920, 255), QStringLiteral("Body &mass:"));
    lblCondition = place<QLabel>(this, "lblCondition", twips(120, 570, 1920, 255),
                                 QStringLiteral("C&ondition:"));
    lblFactor = place<QLabel>(this, "lblFactor", twips(120, 990, 1920, 255),
                              QStringLiteral("Corrective &factor:"));
    for (QLabel *label : {lblMass, lblCondition, lblFactor}) {
        label->setFont(windowFont(true));
        label->setAlignment(Qt::AlignRight | Qt::AlignTop);
    }
    txtMass = place<TextBox>(this, "txtMass", twips(2160, 120, 1215, 285));
    cboMassUnit = place<QComboBox>(this, "cboMassUnit", twips(3480, 105, 855, 315));
    cboCondition = place<QComboBox>(this, "cboCondition", twips(2160, 540, 4920, 315));
    txtFactor = place<TextBox>(this, "txtFactor", twips(2160, 960, 1215, 285));
    cmdEstimate = placeFaceButton(this, "cmdEstimate", twips(3480, 945, 1215, 335),
                                  QStringLiteral("&Estimate"));
    // Enter in any entry estimates, as Calculate does in the main window.
    cmdEstimate->setDefault(true);
}

void frmHenssge::createResult()
{
    Line1 = new Line(120, 1440, 7080, 1440, this);
    Line1->setObjectName(QStringLiteral("Line1"));
    // The lines follow one another down an area as tall as the longest of
    // them take together, so short lines leave no gaps between them.
    resultArea = place<QWidget>(this, "resultArea", twips(120, 1530, 6960, 3300));
    auto *lines = new QVBoxLayout(resultArea);
    lines->setContentsMargins(0, 0, 0, 0);
    lines->setSpacing(twipsToPixels(120));
    lblReadings = new QLabel(kHint, resultArea);
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
    for (QLabel *line : {lblReadings, lblResult, lblDetail, lblCheck, lblNewton}) {
        // Numbers typed in the main window are shown, never as markup.
        line->setTextFormat(Qt::PlainText);
        line->setWordWrap(true);
        line->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        // Reached by Tab and read as text; selectable to copy.
        line->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
        line->setFocusPolicy(Qt::StrongFocus);
        QFont font = windowFont(line == lblResult);
        // The working behind the result, in smaller print.
        if (line == lblDetail)
            font.setPointSizeF(7.5);
        line->setFont(font);
    }
    for (QLabel *line : {lblResult, lblDetail, lblCheck, lblNewton})
        line->hide();
    cmdClose =
        placeFaceButton(this, "cmdClose", twips(5865, 4890, 1215, 335), QStringLiteral("Close"));
}

void frmHenssge::setUpAccessibility()
{
    nameAfter(lblMass, txtMass);
    nameAfter(lblCondition, cboCondition);
    nameAfter(lblFactor, txtFactor);
    cboMassUnit->setAccessibleName(QStringLiteral("Unit of the body mass"));
}

void frmHenssge::setUpTabOrder()
{
    QWidget *const order[] = {txtMass,     cboMassUnit, cboCondition, txtFactor,
                              cmdEstimate, lblReadings, lblResult,    lblDetail,
                              lblCheck,    lblNewton,   cmdClose};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
}

void frmHenssge::connectHandlers()
{
    connect(cmdEstimate, &QPushButton::clicked, this, &frmHenssge::cmdEstimate_Click);
    connect(cmdClose, &QPushButton::clicked, this, &frmHenssge::cmdClose_Click);
    connect(cboCondition, &QComboBox::activated, this, &frmHenssge::cboCondition_Click);
    // Once typed, not on every key: "1.65" passes through "1" on its way
    // into the 1.4 to 1.8 row.
    connect(txtFactor, &QLineEdit::editingFinished, this, &frmHenssge::txtFactor_Change);
    connect(&currentCase(), &CaseHolder::changed, this, &frmHenssge::caseChanged);
}

void frmHenssge::Form_Load()
{
    cboMassUnit->addItems({QStringLiteral("kg"), QStringLiteral("lb")});
    for (const HenssgeCondition &condition : henssgeConditions())
        cboCondition->addItem(conditionItem(condition));
    cboCondition->addItem(kOther);
    // Naked in still air: the table's reference, factor 1.0.
    cboCondition->setCurrentIndex(2);
    txtFactor->setText(factorText(henssgeConditions().at(2).factor));
}

bool frmHenssge::Form_KeyDown(int key, Qt::KeyboardModifiers)
{
    if (key != Qt::Key_Escape)
        return false;
    hide();
    return true;
}

void frmHenssge::cmdClose_Click()
{
    hide();
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
    // Made again for a new Calculate, an estimate the entries no longer
    // allow goes without a word: the user pressed nothing here.
    if (m_quiet) {
        showLines(kHint, QString(), QString(), QString(), QString());
        return;
    }
    showMessage(this, kTitle, text, QMessageBox::Warning);
    if (entry)
        entry->setFocus();
}

void frmHenssge::cmdEstimate_Click()
{
    frmQuorrelEstimator &main = mainForm();
    // The time as Calculate reads it: the picks, once Set Time has shown it.
    if (main.txtTimeOfDiscovery->isHidden())
        return refuse(QStringLiteral("No time of discovery is set: in the main window, pick the "
                                     "hour, minute, second and AM/PM the corpse was found, then "
                                     "press Set Time."));
    const Result<ClockTime> foundAt =
        parseClockTime((main.cboHours->currentText() + ':' + main.cboMinutes->currentText() + ':' +
                        main.cboSeconds->currentText() + ' ' + main.cboAMPM->currentText())
                           .toStdString());
    if (!foundAt)
        return refuse(QStringLiteral("The time the corpse was found, in the main window, is not a "
                                     "time of day: pick an hour from 1 to 12, minutes and seconds "
                                     "from 00 to 59 and AM or PM, then press Set Time."));
    const Result<double> room = number(main.txtAmbRoomTemp->text());
    if (!room || !std::isfinite(fahrenheitToCelsius(*room)))
        return refuse(kRoom + QStringLiteral(", in the main window: enter a number of degrees "
                                             "Fahrenheit below the body temperature."));
    const Result<double> body = number(main.txtCorpseTemp->text());
    if (!body || !std::isfinite(fahrenheitToCelsius(*body)))
        return refuse(kBody +
                      QStringLiteral(", in the main window: enter a number of degrees "
                                     "Fahrenheit above the room temperature, ") +
                      bodyRange() + '.');
    const bool pounds = cboMassUnit->currentIndex() == 1;
    const Result<double> massTyped = number(txtMass->text());
    const QString massMessage =
        QStringLiteral("Body mass: enter a number from %1.").arg(massRange(pounds));
    if (!massTyped)
        return refuse(massMessage, txtMass);
    const TypedMass mass{*massTyped, pounds};
    const QString factorMessage =
        QStringLiteral("Corrective factor: enter a number from %1 to %2.")
            .arg(factorText(kHenssgeMinFactor), factorText(kHenssgeMaxFactor));
    const Result<double> factor = number(txtFactor->text());
    if (!factor)
        return refuse(factorMessage, txtFactor);

    // Factors from the table, and typed ones, are factors for a 70 kg body.
    const HenssgeInput input{fahrenheitToCelsius(*room), fahrenheitToCelsius(*body),
                             mass.kilograms(), *factor, true};
    const HenssgeResult result = estimateHenssge(input);
    switch (result.refusal) {
    case HenssgeRefusal::None:
        break;
    case HenssgeRefusal::MassOutOfRange:
        return refuse(massMessage, txtMass);
    case HenssgeRefusal::FactorOutOfRange:
    // Out of reach with the mass rule applied; the factor is what to change.
    case HenssgeRefusal::BeyondTheNomogram:
        return refuse(factorMessage, txtFactor);
    case HenssgeRefusal::BodyAboveStart:
        return refuse(kBody + QStringLiteral(", in the main window, is %1: the method starts from "
                                             "37.2 \u00B0C. Enter a reading %2.")
                                  .arg(typedDegrees(*body), bodyRange()));
    case HenssgeRefusal::NotFinite:
    case HenssgeRefusal::RoomNotColder:
        return refuse(kRoom + QStringLiteral(", in the main window, is %1: the method needs a "
                                             "room colder than the body. Enter a number below "
                                             "%2 (%3).")
                                  .arg(typedDegrees(*room), typedDegrees(*body), kBody));
    }
    const HenssgeEstimate &estimate = *result.estimate;

    // The second reading, where there is one, checks the method.
    const Result<double> second = number(main.txtCorpseTempTwo->text());
    const Result<double> hours = number(main.txtCorpseTime->text());
    QString check;
    // A reading after the first, at a time the clock can name, can be
    // checked; one before it or beyond the clock cannot.
    if (second && hours && *hours > 0 && roundToInt32(*hours * 3600.0)) {
        const Result<double> expected = henssgeExpectedReading(input, *hours);
        check =
            henssgeCheck(*foundAt, *hours,
                         expected ? std::optional(celsiusToFahrenheit(*expected)) : std::nullopt,
                         *second, estimate, mass);
    }
    // Newton's estimate is named beside this one only for the same case:
    // every entry as Calculate read it, the second reading too, which the
    // check uses.
    const std::optional<CaseRecord> &record = currentCase().record();
    const bool sameCase = record && sameBody(*record, *foundAt, *room, *body) && second && hours &&
                          record->newton->result.readings.at(1).temperature == *second &&
                          record->newton->result.readings.at(1).hours == *hours;
    m_shown = ShownCase{*foundAt, *room, *body};
    const QString newton = sameCase ? QStringLiteral("Newton's law from both readings: ") +
                                          clockText(record->newton->deathAt)
                                    : QString();
    const QString sentence = henssgeSentence(*foundAt, estimate);
    const QString detail = henssgeDetail(estimate, mass);
    showLines(readingsLine(*foundAt, *room, *body), sentence, detail, check, newton);
    // The keyboard moves to the sentence, so a screen reader reads it out
    // at once; Tab goes on to the working, Alt+M back to the mass.
    if (!m_quiet)
        lblResult->setFocus();

    // Joins Newton's estimate of the same case; for any other case, such as
    // one of a single reading, it is the record of its own.
    const QString degreesF = kDegreeSign + 'F';
    CaseRecord joined = sameCase ? *record : CaseRecord{*foundAt, std::nullopt};
    joined.henssge = MethodRecord{
        QStringLiteral("Henssge's nomogram"),
        {{QStringLiteral("Room temperature"), main.txtAmbRoomTemp->text(), degreesF},
         {QStringLiteral("Body temperature when found"), main.txtCorpseTemp->text(), degreesF},
         {QStringLiteral("Body mass"), txtMass->text(), cboMassUnit->currentText()},
         {QStringLiteral("Condition"), cboCondition->currentText(), QString()},
         {QStringLiteral("Corrective factor"), txtFactor->text(), QString()}},
        henssgeMethodResult(input, estimate, *room, *body, check.isEmpty() ? 0.0 : *hours),
        clockTimeAfter(*foundAt, -estimate.hoursSinceDeath).value_or(*foundAt),
        sentence,
        check.isEmpty() ? QStringList{detail} : QStringList{detail, check}};
    m_publishing = true;
    currentCase().publish(joined);
    m_publishing = false;
}

void frmHenssge::showLines(const QString &readings, const QString &result, const QString &detail,
                           const QString &check, const QString &newton)
{
    const std::pair<QLabel *, const QString &> lines[] = {{lblReadings, readings},
                                                          {lblResult, result},
                                                          {lblDetail, detail},
                                                          {lblCheck, check},
                                                          {lblNewton, newton}};
    for (const auto &[label, text] : lines) {
        label->setText(text);
        label->setVisible(!text.isEmpty());
    }
}

void frmHenssge::caseChanged()
{
    if (m_publishing || lblResult->isHidden())
        return;
    // A new Calculate: the estimate shown is made again for the case it made,
    // so that both methods stay in the record and this window's check uses
    // the new second reading. Clear takes it away.
    // A body of another time found or first readings is another body: the
    // mass and factor typed here are not its own.
    const std::optional<CaseRecord> &record = currentCase().record();
    if (record && !record->henssge && m_shown &&
        sameBody(*record, m_shown->foundAt, m_shown->room, m_shown->body)) {
        m_quiet = true;
        cmdEstimate_Click();
        m_quiet = false;
        return;
    }
    m_shown.reset();
    showLines(kHint, QString(), QString(), QString(), QString());
}

} // namespace quorrel::ui
