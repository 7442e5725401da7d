#include "frmquorrelestimator.h"

#include "casedocument.h"
#include "casefile.h"
#include "casefilecommands.h"
#include "caseholder.h"
#include "casemethods.h"
#include "clock.h"
#include "estimate.h"
#include "form.h"
#include "henssgecase.h"
#include "henssgetext.h"
#include "messages.h"
#include "methodwindows.h"
#include "newtontext.h"
#include "numbers.h"
#include "populatecombo.h"
#include "sheetcommands.h"
#include "signscase.h"
#include "signstext.h"
#include "version.h"
#include "widgets.h"
#include "windowrequests.h"
#include "wording.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenuBar>
#include <QPushButton>
#include <QSettings>

#include <algorithm>
#include <cmath>
#include <tuple>
#include <utility>

namespace quorrel::ui
{
namespace
{

// The lists' fields as messages and screen readers name them.
QString hourField()
{
    return frmQuorrelEstimator::tr("Hour");
}
QString minuteField()
{
    return frmQuorrelEstimator::tr("Minute");
}
QString secondField()
{
    return frmQuorrelEstimator::tr("Second");
}
QString amPmField()
{
    //: The list of AM and PM, which times show in every language.
    return frmQuorrelEstimator::tr("AM/PM");
}
// What the lists show while nothing is picked: the fields' names in English,
// shortened where a language's names are wider than the lists.
QString hourPlaceholder()
{
    return frmQuorrelEstimator::tr("Hour", "what the hour list shows while none is picked");
}
QString minutePlaceholder()
{
    return frmQuorrelEstimator::tr("Minute", "what the minute list shows while none is picked");
}
QString secondPlaceholder()
{
    return frmQuorrelEstimator::tr("Second", "what the second list shows while none is picked");
}
QString amPmPlaceholder()
{
    //: What the list of AM and PM shows while neither is picked.
    return frmQuorrelEstimator::tr("AM / PM");
}

// Still showing its placeholder: nothing picked, nothing typed over it.
// Still showing the placeholder it was given. Not the edit's modified flag:
// a screen reader's client sets the text without typing it.
bool unpicked(const QComboBox *list, const QString &placeholder)
{
    return list->currentIndex() < 0 && list->currentText() == placeholder;
}

std::string text(const QComboBox *list)
{
    return list->currentText().toStdString();
}

// The unit a new case is typed in, as the user last chose it.
const QString kCelsiusSetting = QStringLiteral("temperaturesInCelsius");
bool celsiusByDefault()
{
    return QSettings().value(kCelsiusSetting, false).toBool();
}

// The AM/PM list's choice: the item its text names, picked or typed; neither
// for its placeholder or anything else typed over it.
Meridiem meridiemOf(const QComboBox *list)
{
    const int index = list->findText(list->currentText());
    return index < 0 ? Meridiem::None : static_cast<Meridiem>(list->itemData(index).toInt());
}

// Newton's law over the four entries as typed in their unit (a °C typed is
// the same °F exactly), with the time found as picked.
Estimate newtonEstimate(const CaseEntries &typed, const Picks &picks)
{
    const CaseEntries fahrenheit = entriesInFahrenheit(typed);
    const std::string texts[] = {fahrenheit.room.toStdString(), fahrenheit.body.toStdString(),
                                 fahrenheit.secondBody.toStdString(),
                                 typed.hoursBetween.toStdString()};
    return estimateTimeOfDeath({texts[0], texts[1], texts[2], texts[3]}, picks, userNumberLocale(),
                               typed.unit == TemperatureUnit::Celsius ? kCelsiusReadingResolution
                                                                      : kReadingResolution);
}

} // namespace

frmQuorrelEstimator::frmQuorrelEstimator()
{
    setUpWindow("frmQuorrelEstimator", programCaption(), QStringLiteral(":/icons/quorrel.bmp"),
                kWindowGrey);
    setFixedClientSize(5910, 4740);
    createMenuBar();
    // Created bottom-most first: the frames and lines lie under the controls
    // drawn over them.
    createTimeGroup();
    createEntries();
    createButtons();
    setUpAccessibility();
    setUpTabOrder();
    setUpDocument();
    connectHandlers();
    cboHours->setFocus();
    setKeyPreview(true);
}

void frmQuorrelEstimator::setUpDocument()
{
    CaseDocument::Window window;
    window.widget = this;
    window.caption = programCaption();
    window.ownMethod = kNewtonKey;
    window.clear = [this] {
        cmdClear_Click();
        showUnit(celsiusByDefault());
        publishEntries();
    };
    window.showEntries = [this](const CaseEntries &entries) { showEntries(entries); };
    // Newton's law is this window's own: Calculate makes it again.
    window.remakeOwn = [this](const CaseFile &file) {
        if (file.methods.value(kNewtonKey).result && !txtTimeOfDiscovery->isHidden())
            calculate(false);
    };
    // As at start-up: the hour typed replaces the placeholder.
    window.startTyping = [this] {
        cboHours->setFocus();
        cboHours->lineEdit()->selectAll();
    };
    m_document = new CaseDocument(window, this);
    m_document->takeMenu(mnuNewCase, mnuOpenCase, mnuSaveCase, mnuSaveCaseAs);
}

bool frmQuorrelEstimator::openCase(const QString &path)
{
    return m_document->open(path);
}

void frmQuorrelEstimator::createMenuBar()
{
    menuBar = new QMenuBar(this);
    menuBar->setObjectName(QStringLiteral("menuBar"));
    // No title's access key may take one of the buttons' (C, L, D, X).
    createFileMenu();
    QMenu *estimate = menuBar->addMenu(tr("&Estimate"));
    mnuCoolingCurve = estimate->addAction(tr("&Cooling Curve"));
    mnuCoolingCurve->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_G));
    // Each method with a window of its own, as the program lists them.
    for (const MethodWindow &method : methodWindows()) {
        QAction *item = estimate->addAction(method.text);
        item->setObjectName(method.action);
        item->setShortcut(method.shortcut);
        connect(item, &QAction::triggered, this,
                [this, present = method.present] { present(this); });
    }
    QMenu *tools = menuBar->addMenu(tr("&Tools"));
    mnuDegreeConverter = tools->addAction(tr("&Degree Converter"));
    mnuCelsius = tools->addAction(tr("Temperatures in \u00B0&C"));
    mnuCelsius->setCheckable(true);
    QMenu *help = menuBar->addMenu(tr("&Help"));
    mnuAbout = help->addAction(tr("&About Quorrel"));
    const std::pair<QAction *, const char *> actions[] = {
        {mnuNewCase, "mnuNewCase"},
        {mnuOpenCase, "mnuOpenCase"},
        {mnuSaveCase, "mnuSaveCase"},
        {mnuSaveCaseAs, "mnuSaveCaseAs"},
        {mnuExportCaseSheet, "mnuExportCaseSheet"},
        {mnuCoolingCurve, "mnuCoolingCurve"},
        {mnuPrintCaseSheet, "mnuPrintCaseSheet"},
        {mnuExit, "mnuExit"},
        {mnuDegreeConverter, "mnuDegreeConverter"},
        {mnuCelsius, "mnuCelsius"},
        {mnuAbout, "mnuAbout"}};
    for (const auto &[action, name] : actions)
        action->setObjectName(QLatin1String(name));

    // The client area keeps the layout's size; the window grows by the bar.
    clientArea = new QWidget(this);
    clientArea->setObjectName(QStringLiteral("clientArea"));
    const QSize client = minimumSize();
    const int bar = menuBar->sizeHint().height();
    menuBar->setGeometry(0, 0, client.width(), bar);
    clientArea->setGeometry(0, bar, client.width(), client.height());
    setFixedSize(client.width(), bar + client.height());
}

// The case's commands and its sheet's, then Exit.
void frmQuorrelEstimator::createFileMenu()
{
    QMenu *file = menuBar->addMenu(tr("&File"));
    mnuNewCase = file->addAction(tr("&New Case"));
    mnuNewCase->setShortcut(QKeySequence::New);
    mnuOpenCase = file->addAction(tr("&Open Case\u2026"));
    mnuOpenCase->setShortcut(QKeySequence::Open);
    mnuSaveCase = file->addAction(tr("&Save Case"));
    mnuSaveCase->setShortcut(QKeySequence::Save);
    // The case is the program's, whichever window shows it.
    mnuSaveCase->setShortcutContext(Qt::ApplicationShortcut);
    mnuSaveCaseAs = file->addAction(tr("Save Case &As\u2026"));
    // Not QKeySequence::SaveAs, which Windows leaves empty.
    mnuSaveCaseAs->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    file->addSeparator();
    mnuExportCaseSheet = file->addAction(tr("&Export Case Sheet as PDF\u2026"));
    mnuPrintCaseSheet = file->addAction(tr("&Print Case Sheet\u2026"));
    mnuPrintCaseSheet->setShortcut(QKeySequence::Print);
    // A sheet records the estimate in the result box: none yet.
    mnuExportCaseSheet->setEnabled(false);
    mnuPrintCaseSheet->setEnabled(false);
    file->addSeparator();
    mnuExit = file->addAction(tr("E&xit"));
}

void frmQuorrelEstimator::createTimeGroup()
{
    fraTimeFound = place<QGroupBox>(clientArea, "fraTimeFound", twips(120, 120, 5775, 1215),
                                    tr("Please enter the Time the Corpse was found"));
    cboHours = placePickList(clientArea, "cboHours", twips(360, 480, 855, 315), hourPlaceholder());
    cboMinutes =
        placePickList(clientArea, "cboMinutes", twips(1200, 480, 855, 315), minutePlaceholder());
    cboSeconds =
        placePickList(clientArea, "cboSeconds", twips(2040, 480, 975, 315), secondPlaceholder());
    cboAMPM = placePickList(clientArea, "cboAMPM", twips(3000, 480, 1095, 315), amPmPlaceholder());
    cmdSetTime =
        placeFaceButton(clientArea, "cmdSetTime", twips(4200, 480, 975, 335), tr("Set Time"));
    txtTimeOfDiscovery =
        place<TextBox>(clientArea, "txtTimeOfDiscovery", twips(360, 960, 2055, 285));
}

void frmQuorrelEstimator::createEntries()
{
    // The four lines frame the result.
    Line1 = new Line(600, 3600, 5040, 3600, clientArea);
    Line2 = new Line(600, 3600, 600, 4080, clientArea);
    Line3 = new Line(600, 4080, 5040, 4080, clientArea);
    Line4 = new Line(5040, 3600, 5040, 4080, clientArea);
    Line1->setObjectName(QStringLiteral("Line1"));
    Line2->setObjectName(QStringLiteral("Line2"));
    Line3->setObjectName(QStringLiteral("Line3"));
    Line4->setObjectName(QStringLiteral("Line4"));

    txtAmbRoomTemp = place<TextBox>(clientArea, "txtAmbRoomTemp", twips(3000, 1530, 1215, 285));
    txtCorpseTemp = place<TextBox>(clientArea, "txtCorpseTemp", twips(3000, 2040, 1215, 285));
    txtCorpseTempTwo = place<TextBox>(clientArea, "txtCorpseTempTwo", twips(3000, 2520, 1215, 285));
    txtCorpseTime = place<TextBox>(clientArea, "txtCorpseTime", twips(3000, 3000, 1215, 285));
    txtTimeDead = place<TextBox>(clientArea, "txtTimeDead", twips(3120, 3690, 1815, 285));

    // The labels lie over the boxes' left edges.
    lblRoomTemp = place<QLabel>(clientArea, "lblRoomTemp", twips(240, 1560, 2775, 255));
    lblCorpseTime = place<QLabel>(clientArea, "lblCorpseTime", twips(240, 2880, 2775, 495),
                                  tr("Time elapsed of 2nd Corpse Temperature reading (in hours):"));
    lblCorpseTime->setWordWrap(true);
    lblTimeDead = place<QLabel>(clientArea, "lblTimeDead", twips(600, 3720, 2295, 255),
                                tr("Estimated Time Of Death:"));
    lblCorpseTemp = place<QLabel>(clientArea, "lblCorpseTemp", twips(0, 2040, 3015, 255));
    lblCorpseTemp2 = place<QLabel>(clientArea, "lblCorpseTemp2", twips(0, 2520, 3015, 255));
    for (QLabel *label : {lblRoomTemp, lblCorpseTime, lblTimeDead, lblCorpseTemp, lblCorpseTemp2}) {
        label->setFont(windowFont(true));
        label->setAlignment(Qt::AlignRight | Qt::AlignTop);
    }

    Picture1 = place<PictureBox>(clientArea, "Picture1", twips(4320, 1800, 1575, 1215),
                                 QStringLiteral(":/pictures/picture1.bmp"));
    Picture1->setFocusPolicy(Qt::StrongFocus);
}

void frmQuorrelEstimator::createButtons()
{
    cmdCalculate =
        placeFaceButton(clientArea, "cmdCalculate", twips(120, 4320, 1400, 335), tr("&Calculate"));
    cmdClear = placeFaceButton(clientArea, "cmdClear", twips(1560, 4320, 1400, 335), tr("C&lear"));
    cmdLaunchTempConvert = placeFaceButton(clientArea, "cmdLaunchTempConvert",
                                           twips(3000, 4320, 1400, 335), tr("&Degree Converter"));
    cmdExit = placeFaceButton(clientArea, "cmdExit", twips(4440, 4320, 1400, 335), tr("E&xit"));
    cmdAbout = placeFaceButton(clientArea, "cmdAbout", twips(4560, 3120, 1095, 335), tr("About"));
    cmdCalculate->setDefault(true);
}

void frmQuorrelEstimator::setUpAccessibility()
{
    for (QComboBox *list : {cboHours, cboMinutes, cboSeconds, cboAMPM})
        list->setAccessibleDescription(fraTimeFound->title());
    // A list's own accessible name is its current text on Linux, so its edit
    // field carries the field name too.
    const std::pair<QComboBox *, QString> listNames[] = {{cboHours, hourField()},
                                                         {cboMinutes, minuteField()},
                                                         {cboSeconds, secondField()},
                                                         {cboAMPM, amPmField()}};
    for (const auto &[list, name] : listNames) {
        list->setAccessibleName(name);
        list->lineEdit()->setAccessibleName(name);
    }
    txtTimeOfDiscovery->setAccessibleName(tr("Time the Corpse was found"));
    Picture1->setAccessibleName(tr("Picture of a clock and a cooling curve"));
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
    connect(mnuCoolingCurve, &QAction::triggered, this,
            &frmQuorrelEstimator::mnuCoolingCurve_Click);
    connect(mnuExportCaseSheet, &QAction::triggered, this,
            &frmQuorrelEstimator::mnuExportCaseSheet_Click);
    connect(mnuPrintCaseSheet, &QAction::triggered, this,
            &frmQuorrelEstimator::mnuPrintCaseSheet_Click);
    connect(mnuExit, &QAction::triggered, this, &frmQuorrelEstimator::cmdExit_Click);
    connect(mnuDegreeConverter, &QAction::triggered, this,
            &frmQuorrelEstimator::cmdLaunchTempConvert_Click);
    connect(mnuAbout, &QAction::triggered, this, &frmQuorrelEstimator::cmdAbout_Click);
    connect(mnuCelsius, &QAction::triggered, this, &frmQuorrelEstimator::mnuCelsius_Click);
    connect(&currentCase(), &CaseHolder::changed, this, &frmQuorrelEstimator::caseChanged);
    connect(txtAmbRoomTemp, &TextBox::gotFocus, this,
            &frmQuorrelEstimator::txtAmbRoomTemp_GotFocus);
    connect(txtCorpseTemp, &TextBox::gotFocus, this, &frmQuorrelEstimator::txtCorpseTemp_GotFocus);
    connect(txtCorpseTempTwo, &TextBox::gotFocus, this,
            &frmQuorrelEstimator::txtCorpseTempTwo_GotFocus);
    connect(txtCorpseTime, &TextBox::gotFocus, this, &frmQuorrelEstimator::txtCorpseTime_GotFocus);
    connect(txtTimeDead, &TextBox::gotFocus, this, &frmQuorrelEstimator::txtTimeDead_GotFocus);
    connect(txtTimeOfDiscovery, &TextBox::gotFocus, this,
            &frmQuorrelEstimator::txtTimeOfDiscovery_GotFocus);
    for (TextBox *box : {txtAmbRoomTemp, txtCorpseTemp, txtCorpseTempTwo, txtCorpseTime})
        connect(box, &QLineEdit::textChanged, this, &frmQuorrelEstimator::publishEntries);
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
    showUnit(celsiusByDefault());
    txtTimeDead->setReadOnly(true);
    populateTimeCombos(*this);
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
    // Every other window goes too, the last loaded first: with more than one
    // modeless window open, unloading only the last would leave the program
    // running with no main window. This window is first and still listed.
    LoadedForms &forms = LoadedForms::instance();
    for (int i = forms.count() - 1; i > 0; --i) {
        if (i < forms.count())
            forms.at(i)->unload();
    }
    // The case is this window's: a new main window starts with none.
    currentCase().clear();
    m_document->forgetWindowEntries();
}

bool frmQuorrelEstimator::Form_KeyDown(int key, Qt::KeyboardModifiers)
{
    if (key != Qt::Key_Escape)
        return false;
    close();
    return true;
}

void frmQuorrelEstimator::closeEvent(QCloseEvent *event)
{
    if (!m_document->changesMayGo()) {
        event->ignore();
        return;
    }
    Form::closeEvent(event);
}

void frmQuorrelEstimator::cmdExit_Click()
{
    close();
}

void frmQuorrelEstimator::restoreEntries(const CaseEntries &entries)
{
    cmdClear_Click();
    showEntries(entries);
}

// The entries into the lists and boxes, leaving the case's estimates as
// they are.
void frmQuorrelEstimator::showEntries(const CaseEntries &entries)
{
    if (!entries.foundAt) {
        clearTimeFound();
    } else {
        // Into the four lists, as if picked: hours 1 to 12, minutes and seconds
        // from 0, each list in order.
        const int seconds = entries.foundAt->seconds;
        const int hour24 = seconds / 3600;
        cboHours->setCurrentIndex((hour24 + 11) % 12);
        cboMinutes->setCurrentIndex(seconds / 60 % 60);
        cboSeconds->setCurrentIndex(seconds % 60);
        const Meridiem half = hour24 < 12 ? Meridiem::AM : Meridiem::PM;
        cboAMPM->setCurrentIndex(cboAMPM->findData(static_cast<int>(half)));
        checkCombos();
    }
    showUnit(entries.unit == TemperatureUnit::Celsius);
    txtAmbRoomTemp->setText(entries.room);
    txtCorpseTemp->setText(entries.body);
    txtCorpseTempTwo->setText(entries.secondBody);
    txtCorpseTime->setText(entries.hoursBetween);
}

void frmQuorrelEstimator::clearTimeFound()
{
    showPlaceholder(cboHours, hourPlaceholder());
    showPlaceholder(cboMinutes, minutePlaceholder());
    showPlaceholder(cboSeconds, secondPlaceholder());
    showPlaceholder(cboAMPM, amPmPlaceholder());
    txtTimeOfDiscovery->clear();
    txtTimeOfDiscovery->hide();
    m_foundAt.reset();
}

void frmQuorrelEstimator::cmdClear_Click()
{
    clearTimeFound();
    for (TextBox *box : {txtAmbRoomTemp, txtCorpseTemp, txtCorpseTempTwo, txtCorpseTime})
        box->clear();
    showResult(QString(), QString());
    m_typedBeforeRounding.clear();
    publishEntries();
    m_document->caseCleared();
    currentCase().clear();
}

CaseEntries frmQuorrelEstimator::typedEntries() const
{
    CaseEntries entries{std::nullopt, txtAmbRoomTemp->text(), txtCorpseTemp->text(),
                        txtCorpseTempTwo->text(), txtCorpseTime->text()};
    // The time found as Set Time or Calculate accepted it, not the lists as
    // they stand: they may have changed since.
    entries.foundAt = m_foundAt;
    entries.unit = m_celsius ? TemperatureUnit::Celsius : TemperatureUnit::Fahrenheit;
    return entries;
}

void frmQuorrelEstimator::publishEntries()
{
    currentCase().setEntries(typedEntries());
}

void frmQuorrelEstimator::caseChanged()
{
    const std::optional<CaseRecord> &record = currentCase().record();
    mnuExportCaseSheet->setEnabled(record.has_value());
    mnuPrintCaseSheet->setEnabled(record.has_value());
    // A case another method made of other entries is not the one the
    // result box showed: its time would be read as this case's.
    if (record && !record->method(kNewtonKey))
        showResult(QString(), QString());
}

void frmQuorrelEstimator::mnuExportCaseSheet_Click()
{
    if (const auto &record = currentCase().record())
        saveCaseSheet(this, *record);
}

void frmQuorrelEstimator::mnuPrintCaseSheet_Click()
{
    if (const auto &record = currentCase().record())
        printCaseSheet(this, *record);
}

void frmQuorrelEstimator::mnuCoolingCurve_Click()
{
    requestWindow(WindowRequest::CoolingCurve, this);
}

void frmQuorrelEstimator::cmdLaunchTempConvert_Click()
{
    requestWindow(WindowRequest::Converter, this);
}

void frmQuorrelEstimator::cmdAbout_Click()
{
    requestWindow(WindowRequest::About, this);
}

void frmQuorrelEstimator::cmdSetTime_Click()
{
    // The lists are editable: four picks that do not make a time are bad data.
    if (checkCombos() == Outcome::InvalidData)
        showInvalidData();
}

void frmQuorrelEstimator::cmdCalculate_Click()
{
    if (calculate() == Outcome::InvalidData)
        showInvalidData();
}

frmQuorrelEstimator::Outcome frmQuorrelEstimator::checkCombos()
{
    const auto part = [](const QComboBox *list, const QString &placeholder, const QString &field) {
        return unpicked(list, placeholder) ? field : QString();
    };
    const QString hour = part(cboHours, hourPlaceholder(), hourField());
    const QString minute = part(cboMinutes, minutePlaceholder(), minuteField());
    const QString second = part(cboSeconds, secondPlaceholder(), secondField());
    const QString amPm = part(cboAMPM, amPmPlaceholder(), amPmField());
    if (!hour.isEmpty() || !minute.isEmpty() || !second.isEmpty() || !amPm.isEmpty()) {
        showMessage(
            this, tr("Incomplete Selection"),
            //: %1 to %4 name the lists left unpicked (Hour, Minute, Second, AM/PM),
            //: each empty where its list was picked.
            tr("Please revise the following fields: %1 %2 %3 %4").arg(hour, minute, second, amPm),
            QMessageBox::Warning);
        return Outcome::ToldUser;
    }
    const Result<ClockTime> found =
        readPickedTime(text(cboHours), text(cboMinutes), text(cboSeconds), meridiemOf(cboAMPM));
    if (!found)
        return Outcome::InvalidData;
    m_foundAt = *found;
    txtTimeOfDiscovery->setText(QString::fromStdString(formatClockTime(*found)));
    txtTimeOfDiscovery->show();
    publishEntries();
    return Outcome::Done;
}

frmQuorrelEstimator::Outcome frmQuorrelEstimator::calculate(bool tellUser)
{
    if (txtTimeOfDiscovery->isHidden())
        return checkCombos();

    const std::string picks[] = {text(cboHours), text(cboMinutes), text(cboSeconds)};
    const Estimate estimate =
        newtonEstimate(typedEntries(), {picks[0], picks[1], picks[2], meridiemOf(cboAMPM)});
    if (estimate.hoursSinceDeath)
        m_hoursSinceDeath = *estimate.hoursSinceDeath;

    switch (estimate.outcome) {
    case Estimate::Outcome::NoNumbers:
        if (!tellUser)
            return Outcome::ToldUser;
        showMessage(this, tr("Error - Input Type"), tr("Enter numeric values only."),
                    QMessageBox::Information);
        txtAmbRoomTemp->setFocus();
        return Outcome::ToldUser;
    case Estimate::Outcome::Invalid:
        return Outcome::InvalidData;
    case Estimate::Outcome::Estimated:
        break;
    }
    m_foundAt = estimate.foundAt;
    txtTimeOfDiscovery->setText(QString::fromStdString(formatClockTime(estimate.foundAt)));
    publishEntries();
    const MethodRecord newton = newtonRecord(estimate, currentCase().entries());
    showResult(QString::fromStdString(formatClockTime(estimate.deathAt)), newton.sentence);
    // Another method's estimate of the same body is made again beside it.
    currentCase().publish(followCalculate(CaseRecord{estimate.foundAt, {newton}},
                                          currentCase().record(), currentCase().entries()));
    return Outcome::Done;
}

void frmQuorrelEstimator::showUnit(bool celsius)
{
    m_celsius = celsius;
    mnuCelsius->setChecked(celsius);
    showTemperaturesIn(celsius ? TemperatureUnit::Celsius : TemperatureUnit::Fahrenheit);
    // The entries as every message names them, then their unit.
    //: A label: %1 is an entry's name ("Ambient Room Temperature"), then its unit.
    const QString inCelsius = tr("%1 \u00B0"
                                 "C:");
    //: A label: %1 is an entry's name ("Ambient Room Temperature"), then its unit.
    const QString inFahrenheit = tr("%1 \u00B0"
                                    "F:");
    const QString label = celsius ? inCelsius : inFahrenheit;
    lblRoomTemp->setText(label.arg(kRoomEntry));
    lblCorpseTemp->setText(label.arg(kFirstReadingEntry));
    lblCorpseTemp2->setText(label.arg(kSecondReadingEntry));
}

void frmQuorrelEstimator::mnuCelsius_Click(bool checked)
{
    QSettings().setValue(kCelsiusSetting, checked);
    convertEntries(checked);
}

QString frmQuorrelEstimator::roundedLine(const RoundedEntry &entry)
{
    //: An entry converted with rounding: %1 its name, %2 the °F typed, %3 the °C shown.
    return tr("%1: %2 \u00B0"
              "F is %3 \u00B0"
              "C to four decimals.")
        .arg(entry.name, entry.before, entry.after);
}

void frmQuorrelEstimator::convertEntries(bool celsius)
{
    // What the message names beyond the conversion: values rounded, and
    // values left as they were.
    QStringList told;
    // What the estimates were made from, which the boxes may no longer hold
    // (edited since, without Calculate): they are made again from it.
    const std::optional<CaseRecord> made = currentCase().record();
    std::optional<CaseEntries> madeFrom =
        made ? entriesEstimatedFrom(*made, currentCase().entries()) : std::nullopt;
    const QHash<QString, QString> typedBefore = std::exchange(m_typedBeforeRounding, {});
    const auto converted = [this, celsius, &typedBefore](const QString &typed) {
        if (const auto was = typedBefore.constFind(typed); was != typedBefore.cend())
            return CelsiusTyped{*was};
        const CelsiusTyped after =
            celsius ? celsiusTyped(typed) : CelsiusTyped{fahrenheitTyped(typed)};
        if (after.rounded)
            m_typedBeforeRounding.insert(after.text, typed);
        return after;
    };
    const std::tuple<TextBox *, QString, QString CaseEntries::*> boxes[] = {
        {txtAmbRoomTemp, kRoomEntry, &CaseEntries::room},
        {txtCorpseTemp, kFirstReadingEntry, &CaseEntries::body},
        {txtCorpseTempTwo, kSecondReadingEntry, &CaseEntries::secondBody}};
    const bool typed = std::any_of(std::begin(boxes), std::end(boxes), [](const auto &box) {
        return !std::get<0>(box)->text().isEmpty();
    });
    for (const auto &[box, name, member] : boxes) {
        const QString before = box->text();
        if (!before.isEmpty() && !readsAsNumber(before))
            //: %1 names an entry, %2 is what was typed in it.
            told << tr("%1: %2 is no number, so it was left as typed.").arg(name, before);
        else if (!before.isEmpty()) {
            const CelsiusTyped after = converted(before);
            if (after.rounded)
                told << roundedLine({name, before, after.text});
            box->setText(after.text);
        }
        if (!madeFrom || ((*madeFrom).*member).isEmpty())
            continue;
        QString &from = (*madeFrom).*member;
        if (from == before) {
            from = box->text();
            continue;
        }
        const CelsiusTyped after = converted(from);
        if (after.rounded)
            told << roundedLine({name, from, after.text});
        from = after.text;
    }
    // What the methods' windows and estimates keep turns with the entries;
    // an open window turns its own boxes when the unit is published.
    for (const RoundedEntry &kept : convertKeptTemperatures(currentCase(), celsius))
        told << roundedLine(kept);
    showUnit(celsius);
    publishEntries();
    // Every estimate is made again from its entries in the new unit, so that
    // its words and the file say that unit; a rounded entry may move it.
    QStringList changes;
    if (madeFrom) {
        madeFrom->unit = celsius ? TemperatureUnit::Celsius : TemperatureUnit::Fahrenheit;
        // A copy: the case is cleared before the estimates are made again.
        const CaseRecord converted = *currentCase().record();
        changes = remakeInUnit(*madeFrom, converted);
    }
    if (!typed && told.isEmpty() && changes.isEmpty())
        return;
    QString text = celsius ? tr("The typed temperatures were converted to \u00B0"
                                "C.")
                           : tr("The typed temperatures were converted to \u00B0"
                                "F.");
    if (!told.isEmpty())
        text += '\n' + told.join('\n');
    if (!told.isEmpty() && madeFrom)
        text += '\n' + tr("The estimates were made again from the converted values.");
    if (!changes.isEmpty())
        text += '\n' + changes.join('\n');
    showMessage(this, tr("Temperatures in Another Unit"), text, QMessageBox::Information);
}

QStringList frmQuorrelEstimator::remakeInUnit(const CaseEntries &madeFrom, const CaseRecord &made)
{
    // The other methods read the case's entries: for the moment, those the
    // estimates were made from.
    const CaseEntries shown = currentCase().entries();
    currentCase().setEntries(madeFrom);
    currentCase().clear();
    if (made.method(kNewtonKey)) {
        // At the time found the case was estimated for, whatever the lists
        // hold now.
        const int seconds = made.foundAt.seconds;
        const int hour24 = seconds / 3600;
        const std::string picks[] = {std::to_string((hour24 + 11) % 12 + 1),
                                     std::to_string(seconds / 60 % 60),
                                     std::to_string(seconds % 60)};
        const Estimate estimate = newtonEstimate(
            madeFrom, {picks[0], picks[1], picks[2], hour24 < 12 ? Meridiem::AM : Meridiem::PM});
        if (estimate.hoursSinceDeath)
            m_hoursSinceDeath = *estimate.hoursSinceDeath;
        showResult(QString(), QString());
        if (estimate.outcome == Estimate::Outcome::Estimated) {
            const MethodRecord newton = newtonRecord(estimate, madeFrom);
            showResult(QString::fromStdString(formatClockTime(estimate.deathAt)), newton.sentence);
            currentCase().publish(CaseRecord{estimate.foundAt, {newton}});
        }
    }
    remakeKeptEstimates(currentCase(), made);
    currentCase().setEntries(shown);

    QStringList changes;
    const std::optional<CaseRecord> &now = currentCase().record();
    for (const MethodRecord &was : made.methods) {
        const MethodRecord *is = now ? now->method(was.key) : nullptr;
        if (!is)
            //: %1 names a method ("Henssge's nomogram").
            changes << tr("%1: could not be made again from the converted values; it is no "
                          "longer shown.")
                           .arg(was.name);
        else if (!(is->deathAt == was.deathAt))
            //: %1 names a method, %2 and %3 are times of death.
            changes << tr("%1: now %2, was %3.")
                           .arg(was.name, QString::fromStdString(formatClockTime(is->deathAt)),
                                QString::fromStdString(formatClockTime(was.deathAt)));
    }
    return changes;
}

void frmQuorrelEstimator::showResult(const QString &time, const QString &about)
{
    txtTimeDead->setText(time);
    // The sentence belongs to the time shown: a tooltip (shown on hover and
    // when the box is reached by keyboard), What's This (Shift+F1), and what
    // a screen reader says after the time.
    txtTimeDead->setToolTip(about);
    txtTimeDead->setWhatsThis(about);
    txtTimeDead->setAccessibleDescription(about);
}

void frmQuorrelEstimator::showInvalidData()
{
    showMessage(this, tr("Invalid Data"),
                tr("The data you entered would produce Non-real results.\n"
                   "Please check your entries."),
                QMessageBox::Critical);
}

} // namespace quorrel::ui
