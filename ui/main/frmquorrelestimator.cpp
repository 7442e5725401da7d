#include "main/frmquorrelestimator.h"

#include "about/frmabout.h"
#include "clock.h"
#include "converter/frmtemps.h"
#include "estimate.h"
#include "form.h"
#include "forms.h"
#include "main/populatecombo.h"
#include "messages.h"
#include "numbers.h"
#include "widgets.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>

#include <cmath>

namespace quorrel::ui
{
namespace
{

const QString kHourPlaceholder = QStringLiteral("Hour");
const QString kMinutePlaceholder = QStringLiteral("Minute");
const QString kSecondPlaceholder = QStringLiteral("Second");
const QString kAmPmPlaceholder = QStringLiteral("AM / PM");

std::string text(const QComboBox *list)
{
    return list->currentText().toStdString();
}
std::string text(const QLineEdit *box)
{
    return box->text().toStdString();
}

// How far a tenth of a degree moves the estimate, in the unit that fits. A
// spread wider than the whole time before discovery says so: its number
// would mean nothing.
QString spreadWords(double spreadMinutes, double hoursSinceDeath, const QString &off)
{
    const QString moves = QStringLiteral("each reading off by ") + off;
    if (spreadMinutes > hoursSinceDeath * 60.0)
        return moves + QStringLiteral(" could move this by more than the whole time before "
                                      "the body was found");
    if (spreadMinutes < 0.5)
        return moves + QStringLiteral(" moves this by less than a minute");
    if (spreadMinutes < 59.5)
        return moves +
               QStringLiteral(" moves this by up to %1 min").arg(std::lround(spreadMinutes));
    const double hours = spreadMinutes / 60.0;
    if (hours < 47.5)
        return moves + QStringLiteral(" moves this by up to %1 h").arg(std::lround(hours));
    return moves + QStringLiteral(" moves this by up to %1 days").arg(std::lround(hours / 24.0));
}

// One sentence on what the clock time alone hides: how long before the
// discovery it was computed from (whole days included) and how far a tenth
// of a degree moves it, or which reading makes the estimate doubtful. It
// names the time of discovery, so it stays true whatever the boxes show later.
QString aboutTheEstimate(const Estimate &estimate)
{
    const Confidence &confidence = *estimate.confidence;
    const QString off = QLocale().toString(kReadingResolution) + ' ' + kDegreeSign + 'F';
    switch (confidence.doubt) {
    case Confidence::Doubt::NegativeElapsed:
        return QStringLiteral("Doubtful: the hours between the readings are negative");
    case Confidence::Doubt::RoomWarmer:
        return QStringLiteral("Doubtful: the room is warmer than the body, which was not cooling "
                              "toward it");
    case Confidence::Doubt::FirstAboveNormal:
        return QStringLiteral("Doubtful: the first reading is above 98.6 ") + kDegreeSign +
               QStringLiteral("F, which by the law the body would reach only after it was found");
    case Confidence::Doubt::SecondFarther:
        return QStringLiteral("Doubtful: the second reading is farther from the room temperature "
                              "than the first, so the body was not cooling");
    case Confidence::Doubt::None:
        break;
    }
    QString sentence;
    if (confidence.days > 0)
        sentence = QStringLiteral("%1 %2 ")
                       .arg(confidence.days)
                       .arg(confidence.days == 1 ? QStringLiteral("day") : QStringLiteral("days"));
    sentence += QStringLiteral("%1 h %2 min %3 s before the body was found at %4; ")
                    .arg(confidence.hours)
                    .arg(confidence.minutes)
                    .arg(confidence.seconds)
                    .arg(QString::fromStdString(formatClockTime(estimate.foundAt)));
    if (!confidence.spreadMinutes)
        return sentence + QStringLiteral("a reading off by ") + off +
               QStringLiteral(" could make the estimate undefined");
    return sentence + spreadWords(*confidence.spreadMinutes, *estimate.hoursSinceDeath, off);
}

} // namespace

frmQuorrelEstimator::frmQuorrelEstimator()
{
    setUpWindow("frmQuorrelEstimator", kProgramCaption, QStringLiteral(":/icons/quorrel.bmp"), 5910,
                4740, kWindowGrey);
    // Created bottom-most first: the frames and lines lie under the controls
    // drawn over them.
    createTimeGroup();
    createEntries();
    createButtons();
    setUpAccessibility();
    setUpTabOrder();
    connectHandlers();
    cboHours->setFocus();
    setKeyPreview(true);
}

void frmQuorrelEstimator::createTimeGroup()
{
    fraTimeFound = place<QGroupBox>(this, "fraTimeFound", twips(120, 120, 5775, 1215),
                                    QStringLiteral("Please enter the Time the Corpse was found"));
    const auto placeList = [this](const char *name, QRect geometry, const QString &placeholder) {
        auto *list = place<QComboBox>(this, name, geometry);
        list->setEditable(true);
        // Enter in the list presses Calculate; it must never add the typed text.
        list->setInsertPolicy(QComboBox::NoInsert);
        // No completion as you type: "1" must stay hour 1, never become "10".
        list->setCompleter(nullptr);
        showPlaceholder(list, placeholder);
        return list;
    };
    cboHours = placeList("cboHours", twips(360, 480, 855, 315), kHourPlaceholder);
    cboMinutes = placeList("cboMinutes", twips(1200, 480, 855, 315), kMinutePlaceholder);
    cboSeconds = placeList("cboSeconds", twips(2040, 480, 975, 315), kSecondPlaceholder);
    cboAMPM = placeList("cboAMPM", twips(3000, 480, 1095, 315), kAmPmPlaceholder);
    cmdSetTime =
        placeFaceButton(this, "cmdSetTime", twips(4200, 480, 975, 335), QStringLiteral("Set Time"));
    txtTimeOfDiscovery = place<TextBox>(this, "txtTimeOfDiscovery", twips(360, 960, 2055, 285));
}

void frmQuorrelEstimator::createEntries()
{
    // The four lines frame the result.
    Line1 = new Line(600, 3600, 5040, 3600, this);
    Line2 = new Line(600, 3600, 600, 4080, this);
    Line3 = new Line(600, 4080, 5040, 4080, this);
    Line4 = new Line(5040, 3600, 5040, 4080, this);
    Line1->setObjectName(QStringLiteral("Line1"));
    Line2->setObjectName(QStringLiteral("Line2"));
    Line3->setObjectName(QStringLiteral("Line3"));
    Line4->setObjectName(QStringLiteral("Line4"));

    txtAmbRoomTemp = place<TextBox>(this, "txtAmbRoomTemp", twips(3000, 1530, 1215, 285));
    txtCorpseTemp = place<TextBox>(this, "txtCorpseTemp", twips(3000, 2040, 1215, 285));
    txtCorpseTempTwo = place<TextBox>(this, "txtCorpseTempTwo", twips(3000, 2520, 1215, 285));
    txtCorpseTime = place<TextBox>(this, "txtCorpseTime", twips(3000, 3000, 1215, 285));
    txtTimeDead = place<TextBox>(this, "txtTimeDead", twips(3120, 3690, 1815, 285));

    // The labels lie over the boxes' left edges.
    lblRoomTemp = place<QLabel>(this, "lblRoomTemp", twips(240, 1560, 2775, 255));
    lblCorpseTime =
        place<QLabel>(this, "lblCorpseTime", twips(240, 2880, 2775, 495),
                      QStringLiteral("Time elapsed of 2nd Corpse Temperature reading (in hours):"));
    lblCorpseTime->setWordWrap(true);
    lblTimeDead = place<QLabel>(this, "lblTimeDead", twips(600, 3720, 2295, 255),
                                QStringLiteral("Estimated Time Of Death:"));
    lblCorpseTemp = place<QLabel>(this, "lblCorpseTemp", twips(0, 2040, 3015, 255));
    lblCorpseTemp2 = place<QLabel>(this, "lblCorpseTemp2", twips(0, 2520, 3015, 255));
    for (QLabel *label : {lblRoomTemp, lblCorpseTime, lblTimeDead, lblCorpseTemp, lblCorpseTemp2}) {
        label->setFont(windowFont(true));
        label->setAlignment(Qt::AlignRight | Qt::AlignTop);
    }

    Picture1 = place<PictureBox>(this, "Picture1", twips(4320, 1800, 1575, 1215),
                                 QStringLiteral(":/pictures/picture1.bmp"));
    Picture1->setFocusPolicy(Qt::StrongFocus);
}

void frmQuorrelEstimator::createButtons()
{
    cmdCalculate = placeFaceButton(this, "cmdCalculate", twips(120, 4320, 1400, 335),
                                   QStringLiteral("&Calculate"));
    cmdClear =
        placeFaceButton(this, "cmdClear", twips(1560, 4320, 1400, 335), QStringLiteral("C&lear"));
    cmdLaunchTempConvert =
        placeFaceButton(this, "cmdLaunchTempConvert", twips(3000, 4320, 1400, 335),
                        QStringLiteral("&Degree Converter"));
    cmdExit =
        placeFaceButton(this, "cmdExit", twips(4440, 4320, 1400, 335), QStringLiteral("E&xit"));
    cmdAbout =
        placeFaceButton(this, "cmdAbout", twips(4560, 3120, 1095, 335), QStringLiteral("About"));
    cmdCalculate->setDefault(true);
}

void frmQuorrelEstimator::setUpAccessibility()
{
    for (QComboBox *list : {cboHours, cboMinutes, cboSeconds, cboAMPM})
        list->setAccessibleDescription(fraTimeFound->title());
    // A list's own accessible name is its current text on Linux, so its edit
    // field carries the field name too.
    const std::pair<QComboBox *, const char *> listNames[] = {
        {cboHours, "Hour"}, {cboMinutes, "Minute"}, {cboSeconds, "Second"}, {cboAMPM, "AM/PM"}};
    for (const auto &[list, name] : listNames) {
        list->setAccessibleName(QLatin1String(name));
        list->lineEdit()->setAccessibleName(QLatin1String(name));
    }
    txtTimeOfDiscovery->setAccessibleName(QStringLiteral("Time the Corpse was found"));
    Picture1->setAccessibleName(QStringLiteral("Picture of a clock and a cooling curve"));
}

void frmQuorrelEstimator::setUpTabOrder()
{
    QWidget *const order[] = {
        cboHours,       cboMinutes,    cboSeconds,           cboAMPM,       cmdSetTime,
        txtAmbRoomTemp, txtCorpseTemp, txtCorpseTempTwo,     txtCorpseTime, txtTimeDead,
        cmdCalculate,   cmdClear,      cmdLaunchTempConvert, cmdExit,       txtTimeOfDiscovery,
        Picture1,       cmdAbout};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
}

void frmQuorrelEstimator::connectHandlers()
{
    connect(cmdCalculate, &QPushButton::clicked, this, &frmQuorrelEstimator::cmdCalculate_Click);
    connect(cmdSetTime, &QPushButton::clicked, this, &frmQuorrelEstimator::cmdSetTime_Click);
    connect(cmdClear, &QPushButton::clicked, this, &frmQuorrelEstimator::cmdClear_Click);
    connect(cmdExit, &QPushButton::clicked, this, &frmQuorrelEstimator::cmdExit_Click);
    connect(cmdLaunchTempConvert, &QPushButton::clicked, this,
            &frmQuorrelEstimator::cmdLaunchTempConvert_Click);
    connect(cmdAbout, &QPushButton::clicked, this, &frmQuorrelEstimator::cmdAbout_Click);
    connect(txtAmbRoomTemp, &TextBox::gotFocus, this,
            &frmQuorrelEstimator::txtAmbRoomTemp_GotFocus);
    connect(txtCorpseTemp, &TextBox::gotFocus, this, &frmQuorrelEstimator::txtCorpseTemp_GotFocus);
    connect(txtCorpseTempTwo, &TextBox::gotFocus, this,
            &frmQuorrelEstimator::txtCorpseTempTwo_GotFocus);
    connect(txtCorpseTime, &TextBox::gotFocus, this, &frmQuorrelEstimator::txtCorpseTime_GotFocus);
    connect(txtTimeDead, &TextBox::gotFocus, this, &frmQuorrelEstimator::txtTimeDead_GotFocus);
    connect(txtTimeOfDiscovery, &TextBox::gotFocus, this,
            &frmQuorrelEstimator::txtTimeOfDiscovery_GotFocus);
}

// A focused box has its whole text selected, ready to be typed over or copied.
void frmQuorrelEstimator::txtAmbRoomTemp_GotFocus()
{
    txtAmbRoomTemp->selectWholeText();
}
void frmQuorrelEstimator::txtCorpseTemp_GotFocus()
{
    txtCorpseTemp->selectWholeText();
}
void frmQuorrelEstimator::txtCorpseTempTwo_GotFocus()
{
    txtCorpseTempTwo->selectWholeText();
}
void frmQuorrelEstimator::txtCorpseTime_GotFocus()
{
    txtCorpseTime->selectWholeText();
}
void frmQuorrelEstimator::txtTimeDead_GotFocus()
{
    txtTimeDead->selectWholeText();
}
void frmQuorrelEstimator::txtTimeOfDiscovery_GotFocus()
{
    txtTimeOfDiscovery->selectWholeText();
}

void frmQuorrelEstimator::Form_Load()
{
    lblRoomTemp->setText(QStringLiteral("Ambient Room Temperature ") + kDegreeSign + "F:");
    lblCorpseTemp->setText(QStringLiteral("Corpse Temperature reading 1 ") + kDegreeSign + "F:");
    lblCorpseTemp2->setText(QStringLiteral("Corpse Temperature reading 2 ") + kDegreeSign + "F:");
    txtTimeDead->setReadOnly(true);
    populateTimeCombos();
    txtTimeOfDiscovery->setReadOnly(true);
    txtTimeOfDiscovery->hide();
    nameAfter(lblRoomTemp, txtAmbRoomTemp);
    nameAfter(lblCorpseTemp, txtCorpseTemp);
    nameAfter(lblCorpseTemp2, txtCorpseTempTwo);
    nameAfter(lblCorpseTime, txtCorpseTime);
    nameAfter(lblTimeDead, txtTimeDead);
}

void frmQuorrelEstimator::Form_Unload()
{
    // Only a converter can still be loaded beside this window; it goes too.
    LoadedForms &forms = LoadedForms::instance();
    if (forms.count() > 1)
        forms.at(forms.count() - 1)->unload();
}

bool frmQuorrelEstimator::Form_KeyDown(int key, Qt::KeyboardModifiers)
{
    if (key != Qt::Key_Escape)
        return false;
    close();
    return true;
}

void frmQuorrelEstimator::cmdExit_Click()
{
    close();
}

void frmQuorrelEstimator::cmdClear_Click()
{
    showPlaceholder(cboHours, kHourPlaceholder);
    showPlaceholder(cboMinutes, kMinutePlaceholder);
    showPlaceholder(cboSeconds, kSecondPlaceholder);
    showPlaceholder(cboAMPM, kAmPmPlaceholder);
    txtTimeOfDiscovery->clear();
    txtTimeOfDiscovery->hide();
    for (TextBox *box : {txtAmbRoomTemp, txtCorpseTemp, txtCorpseTempTwo, txtCorpseTime})
        box->clear();
    txtTimeDead->clear();
    txtTimeDead->setToolTip(QString());
    txtTimeDead->setWhatsThis(QString());
    txtTimeDead->setAccessibleDescription(QString());
}

void frmQuorrelEstimator::cmdLaunchTempConvert_Click()
{
    frmTemps &temps = tempsForm();
    temps.show();
    temps.raise();
    temps.activateWindow();
}

void frmQuorrelEstimator::cmdAbout_Click()
{
    frmAbout &about = aboutForm();
    // Transient for this window: centred on it and without a taskbar button.
    about.setParent(this, about.windowFlags());
    about.exec();
}

void frmQuorrelEstimator::cmdSetTime_Click()
{
    // The lists are editable: four picks that do not make a time are bad data.
    if (!checkCombos())
        showInvalidData();
}

void frmQuorrelEstimator::cmdCalculate_Click()
{
    if (!calculate())
        showInvalidData();
}

QString frmQuorrelEstimator::joinedPicks() const
{
    return cboHours->currentText() + ':' + cboMinutes->currentText() + ':' +
           cboSeconds->currentText() + ' ' + cboAMPM->currentText();
}

bool frmQuorrelEstimator::checkCombos()
{
    const auto part = [](const QComboBox *list, const QString &placeholder, const char *field) {
        return list->currentText() == placeholder ? QString::fromLatin1(field) : QString();
    };
    const QString hour = part(cboHours, kHourPlaceholder, "Hour");
    const QString minute = part(cboMinutes, kMinutePlaceholder, "Minute");
    const QString second = part(cboSeconds, kSecondPlaceholder, "Second");
    const QString amPm = part(cboAMPM, kAmPmPlaceholder, "AM/PM");
    if (!hour.isEmpty() || !minute.isEmpty() || !second.isEmpty() || !amPm.isEmpty()) {
        showMessage(this, QStringLiteral("Incomplete Selection"),
                    QStringLiteral("Please revise the following fields: ") + hour + ' ' + minute +
                        ' ' + second + ' ' + amPm,
                    QMessageBox::Warning);
        return true;
    }
    const Result<ClockTime> found = parseClockTime(joinedPicks().toStdString());
    if (!found)
        return false;
    txtTimeOfDiscovery->setText(QString::fromStdString(formatClockTime(*found)));
    txtTimeOfDiscovery->show();
    return true;
}

bool frmQuorrelEstimator::calculate()
{
    if (txtTimeOfDiscovery->isHidden())
        return checkCombos();

    const std::string entries[] = {text(txtAmbRoomTemp), text(txtCorpseTemp),
                                   text(txtCorpseTempTwo), text(txtCorpseTime)};
    const std::string picks[] = {text(cboHours), text(cboMinutes), text(cboSeconds), text(cboAMPM)};
    const Estimate estimate =
        estimateTimeOfDeath({entries[0], entries[1], entries[2], entries[3]},
                            {picks[0], picks[1], picks[2], picks[3]}, userNumberLocale());
    if (estimate.hoursSinceDeath)
        m_hoursSinceDeath = *estimate.hoursSinceDeath;

    switch (estimate.outcome) {
    case Estimate::Outcome::NoNumbers:
        showMessage(this, QStringLiteral("Error - Input Type"),
                    QStringLiteral("Enter numeric values only."), QMessageBox::Information);
        txtAmbRoomTemp->setFocus();
        return true;
    case Estimate::Outcome::Invalid:
        return false;
    case Estimate::Outcome::Estimated:
        break;
    }
    txtTimeOfDiscovery->setText(QString::fromStdString(formatClockTime(estimate.foundAt)));
    txtTimeDead->setText(QString::fromStdString(formatClockTime(estimate.deathAt)));
    // The sentence belongs to the time shown: a tooltip (shown on hover and
    // when the box is reached by keyboard), What's This (Shift+F1), and what
    // a screen reader says after the time.
    const QString about = estimate.confidence ? aboutTheEstimate(estimate) : QString();
    txtTimeDead->setToolTip(about);
    txtTimeDead->setWhatsThis(about);
    txtTimeDead->setAccessibleDescription(about);
    return true;
}

void frmQuorrelEstimator::showInvalidData()
{
    showMessage(this, QStringLiteral("Invalid Data"),
                QStringLiteral("The data you entered would produce Non-real results.\n"
                               "Please check your entries."),
                QMessageBox::Critical);
}

} // namespace quorrel::ui
