#include "frmquorrelestimator.h"

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
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>

#include <algorithm>
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

} // namespace

frmQuorrelEstimator::frmQuorrelEstimator() : m_notMadeAgain(std::make_shared<CaseFile>())
{
    setUpWindow("frmQuorrelEstimator", kProgramCaption, QStringLiteral(":/icons/quorrel.bmp"),
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
    connectHandlers();
    cboHours->setFocus();
    setKeyPreview(true);
}

void frmQuorrelEstimator::createMenuBar()
{
    menuBar = new QMenuBar(this);
    menuBar->setObjectName(QStringLiteral("menuBar"));
    // No title's access key may take one of the buttons' (C, L, D, X).
    QMenu *file = menuBar->addMenu(QStringLiteral("&File"));
    mnuNewCase = file->addAction(QStringLiteral("&New Case"));
    mnuNewCase->setShortcut(QKeySequence::New);
    mnuOpenCase = file->addAction(QStringLiteral("&Open Case\u2026"));
    mnuOpenCase->setShortcut(QKeySequence::Open);
    mnuSaveCase = file->addAction(QStringLiteral("&Save Case"));
    mnuSaveCase->setShortcut(QKeySequence::Save);
    // The case is the program's, whichever window shows it.
    mnuSaveCase->setShortcutContext(Qt::ApplicationShortcut);
    mnuSaveCaseAs = file->addAction(QStringLiteral("Save Case &As\u2026"));
    // Not QKeySequence::SaveAs, which Windows leaves empty.
    mnuSaveCaseAs->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    file->addSeparator();
    mnuExportCaseSheet = file->addAction(QStringLiteral("&Export Case Sheet as PDF\u2026"));
    mnuPrintCaseSheet = file->addAction(QStringLiteral("&Print Case Sheet\u2026"));
    mnuPrintCaseSheet->setShortcut(QKeySequence::Print);
    // A sheet records the estimate in the result box: none yet.
    mnuExportCaseSheet->setEnabled(false);
    mnuPrintCaseSheet->setEnabled(false);
    file->addSeparator();
    mnuExit = file->addAction(QStringLiteral("E&xit"));
    QMenu *estimate = menuBar->addMenu(QStringLiteral("&Estimate"));
    mnuCoolingCurve = estimate->addAction(QStringLiteral("&Cooling Curve"));
    mnuCoolingCurve->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_G));
    // Each method with a window of its own, as the program lists them.
    for (const MethodWindow &method : methodWindows()) {
        QAction *item = estimate->addAction(method.text);
        item->setObjectName(method.action);
        item->setShortcut(method.shortcut);
        connect(item, &QAction::triggered, this,
                [this, present = method.present] { present(this); });
    }
    QMenu *tools = menuBar->addMenu(QStringLiteral("&Tools"));
    mnuDegreeConverter = tools->addAction(QStringLiteral("&Degree Converter"));
    QMenu *help = menuBar->addMenu(QStringLiteral("&Help"));
    mnuAbout = help->addAction(QStringLiteral("&About Quorrel"));
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

void frmQuorrelEstimator::createTimeGroup()
{
    fraTimeFound = place<QGroupBox>(clientArea, "fraTimeFound", twips(120, 120, 5775, 1215),
                                    QStringLiteral("Please enter the Time the Corpse was found"));
    cboHours = placePickList(clientArea, "cboHours", twips(360, 480, 855, 315), kHourPlaceholder);
    cboMinutes =
        placePickList(clientArea, "cboMinutes", twips(1200, 480, 855, 315), kMinutePlaceholder);
    cboSeconds =
        placePickList(clientArea, "cboSeconds", twips(2040, 480, 975, 315), kSecondPlaceholder);
    cboAMPM = placePickList(clientArea, "cboAMPM", twips(3000, 480, 1095, 315), kAmPmPlaceholder);
    cmdSetTime = placeFaceButton(clientArea, "cmdSetTime", twips(4200, 480, 975, 335),
                                 QStringLiteral("Set Time"));
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
    lblCorpseTime =
        place<QLabel>(clientArea, "lblCorpseTime", twips(240, 2880, 2775, 495),
                      QStringLiteral("Time elapsed of 2nd Corpse Temperature reading (in hours):"));
    lblCorpseTime->setWordWrap(true);
    lblTimeDead = place<QLabel>(clientArea, "lblTimeDead", twips(600, 3720, 2295, 255),
                                QStringLiteral("Estimated Time Of Death:"));
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
    cmdCalculate = placeFaceButton(clientArea, "cmdCalculate", twips(120, 4320, 1400, 335),
                                   QStringLiteral("&Calculate"));
    cmdClear = placeFaceButton(clientArea, "cmdClear", twips(1560, 4320, 1400, 335),
                               QStringLiteral("C&lear"));
    cmdLaunchTempConvert =
        placeFaceButton(clientArea, "cmdLaunchTempConvert", twips(3000, 4320, 1400, 335),
                        QStringLiteral("&Degree Converter"));
    cmdExit = placeFaceButton(clientArea, "cmdExit", twips(4440, 4320, 1400, 335),
                              QStringLiteral("E&xit"));
    cmdAbout = placeFaceButton(clientArea, "cmdAbout", twips(4560, 3120, 1095, 335),
                               QStringLiteral("About"));
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
    connect(mnuCoolingCurve, &QAction::triggered, this,
            &frmQuorrelEstimator::mnuCoolingCurve_Click);
    connect(mnuNewCase, &QAction::triggered, this, &frmQuorrelEstimator::mnuNewCase_Click);
    connect(mnuOpenCase, &QAction::triggered, this, &frmQuorrelEstimator::mnuOpenCase_Click);
    connect(mnuSaveCase, &QAction::triggered, this, &frmQuorrelEstimator::mnuSaveCase_Click);
    connect(mnuSaveCaseAs, &QAction::triggered, this, &frmQuorrelEstimator::mnuSaveCaseAs_Click);
    connect(mnuExportCaseSheet, &QAction::triggered, this,
            &frmQuorrelEstimator::mnuExportCaseSheet_Click);
    connect(mnuPrintCaseSheet, &QAction::triggered, this,
            &frmQuorrelEstimator::mnuPrintCaseSheet_Click);
    connect(mnuExit, &QAction::triggered, this, &frmQuorrelEstimator::cmdExit_Click);
    connect(mnuDegreeConverter, &QAction::triggered, this,
            &frmQuorrelEstimator::cmdLaunchTempConvert_Click);
    connect(mnuAbout, &QAction::triggered, this, &frmQuorrelEstimator::cmdAbout_Click);
    connect(&currentCase(), &CaseHolder::changed, this, &frmQuorrelEstimator::caseChanged);
    connect(&currentCase(), &CaseHolder::changed, this, &frmQuorrelEstimator::caseEdited);
    connect(&currentCase(), &CaseHolder::entriesChanged, this, &frmQuorrelEstimator::caseEdited);
    connect(&currentCase(), &CaseHolder::windowEntriesEdited, this,
            &frmQuorrelEstimator::caseEdited);
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
    const QString unit = ' ' + kDegreeSign + QStringLiteral("F:");
    lblRoomTemp->setText(kRoomEntry + unit);
    lblCorpseTemp->setText(kFirstReadingEntry + unit);
    lblCorpseTemp2->setText(kSecondReadingEntry + unit);
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
    forgetWindowEntries();
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
    if (!changesMayGo()) {
        event->ignore();
        return;
    }
    Form::closeEvent(event);
}

void frmQuorrelEstimator::cmdExit_Click()
{
    close();
}

void frmQuorrelEstimator::caseEdited()
{
    if (m_restoring)
        return;
    // A case with a file is changed where it differs from the file: a
    // value typed back, or an estimate made again alike, is no change.
    // One never saved asks only where it holds more than a quick estimate.
    const std::optional<CaseRecord> &record = currentCase().record();
    for (const MethodRecord &method : record ? record->methods : QList<MethodRecord>())
        forgetNotMadeAgain(method.key);
    m_unsaved = m_casePath.isEmpty()
                    ? record && std::any_of(record->methods.begin(), record->methods.end(),
                                            [](const MethodRecord &method) {
                                                return method.key != kNewtonKey;
                                            })
                    : caseOnScreen(QString(), QDateTime()) != m_savedCase;
    // Only a case with a file shows the mark in its title.
    if (!m_casePath.isEmpty())
        setWindowModified(m_unsaved);
}

void frmQuorrelEstimator::showCaseFile(const QString &path)
{
    m_casePath = path;
    m_savedCase = caseOnScreen(QString(), QDateTime());
    m_unsaved = false;
    setWindowModified(false);
    setWindowTitle(path.isEmpty()
                       ? kProgramCaption
                       : QFileInfo(path).fileName() + QStringLiteral("[*] - ") + kProgramCaption);
}

bool frmQuorrelEstimator::changesMayGo()
{
    if (!m_unsaved)
        return true;
    switch (askAboutUnsavedChanges(this, m_casePath.isEmpty() ? QString()
                                                              : QFileInfo(m_casePath).fileName())) {
    case UnsavedChanges::Save:
        if (m_casePath.isEmpty()) {
            const QString path = askCaseFileToSave(this, QString());
            return !path.isEmpty() && saveCaseTo(path);
        }
        return saveCaseTo(m_casePath);
    case UnsavedChanges::Discard:
        return true;
    case UnsavedChanges::Cancel:
        break;
    }
    return false;
}

QByteArray frmQuorrelEstimator::caseOnScreen(const QString &writtenBy,
                                             const QDateTime &savedAt) const
{
    CaseFile file = caseFileOf(currentCase(), writtenBy, savedAt);
    file.later = m_laterMembers;
    for (auto kept = m_notMadeAgain->methods.begin(); kept != m_notMadeAgain->methods.end();
         ++kept) {
        MethodPart &part = file.methods[kept.key()];
        if (part.estimatedWith.isEmpty()) {
            part.estimatedWith = kept->estimatedWith;
            part.result = kept->result;
        }
    }
    return writeCaseFile(file);
}

void frmQuorrelEstimator::keepNotMadeAgain(const CaseFile &file, const QString &key)
{
    MethodPart kept = file.methods.value(key);
    kept.window = QJsonObject();
    m_notMadeAgain->methods.insert(key, kept);
}

void frmQuorrelEstimator::forgetWindowEntries()
{
    for (const CaseMethod &method : caseMethods())
        if (method.showEntries)
            method.showEntries(QJsonObject(), NumberLocale(), currentCase());
}

void frmQuorrelEstimator::forgetNotMadeAgain(const QString &key)
{
    m_notMadeAgain->methods.remove(key);
}

// What the file holds now, where it can be read; empty where it is not.
static QByteArray bytesOnDisk(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.read(kCaseFileMaxBytes + 1);
}

bool frmQuorrelEstimator::saveCaseTo(const QString &path)
{
    // Another Quorrel may have saved the same file since it was read here.
    if (path == m_casePath && QFileInfo::exists(path) && bytesOnDisk(path) != m_bytesOnDisk &&
        !askToReplace(this, QStringLiteral("Save Case"),
                      QStringLiteral("%1 was changed on disk since it was opened or saved here. "
                                     "Replace it with the case on screen?")
                          .arg(QFileInfo(path).fileName())))
        return false;
    const QByteArray bytes = caseOnScreen(QStringLiteral(QUORREL_TITLE " " QUORREL_VERSION),
                                          QDateTime::currentDateTime());
    const QString reason = saveCaseFile(path, bytes);
    if (!reason.isEmpty()) {
        showMessage(this, QStringLiteral("Case Not Saved"),
                    QStringLiteral("The case could not be saved as %1: %2.")
                        .arg(QDir::toNativeSeparators(path), reason),
                    QMessageBox::Critical);
        return false;
    }
    m_bytesOnDisk = bytes;
    showCaseFile(QFileInfo(path).absoluteFilePath());
    return true;
}

void frmQuorrelEstimator::mnuNewCase_Click()
{
    if (!changesMayGo())
        return;
    cmdClear_Click();
    m_laterMembers = QJsonObject();
    forgetWindowEntries();
    showCaseFile(QString());
    currentCase().announceReplaced();
    // As at start-up: the hour typed replaces the placeholder.
    cboHours->setFocus();
    cboHours->lineEdit()->selectAll();
}

void frmQuorrelEstimator::mnuOpenCase_Click()
{
    if (!changesMayGo())
        return;
    const QString path = askCaseFileToOpen(this);
    if (!path.isEmpty())
        openCase(path);
}

void frmQuorrelEstimator::mnuSaveCase_Click()
{
    if (m_casePath.isEmpty())
        mnuSaveCaseAs_Click();
    else
        saveCaseTo(m_casePath);
}

void frmQuorrelEstimator::mnuSaveCaseAs_Click()
{
    const QString path = askCaseFileToSave(this, m_casePath);
    if (!path.isEmpty())
        saveCaseTo(path);
}

bool frmQuorrelEstimator::openCase(const QString &path)
{
    const CaseFileRead read = loadCaseFile(path);
    if (!read.file) {
        showMessage(this, QStringLiteral("Case Not Opened"),
                    QStringLiteral("%1 %2.\n\nThe case on screen is as it was.")
                        .arg(path.isEmpty() ? QStringLiteral("The case file")
                                            : QDir::toNativeSeparators(path),
                             read.problem),
                    QMessageBox::Critical);
        return false;
    }
    const CaseFile &file = *read.file;
    const NumberLocale reader = userNumberLocale();
    m_restoring = true;
    const CaseEntries shown = entriesFor(file, reader);
    // The estimates are made from the entries they were made from when
    // saved; the boxes then show what they held.
    CaseFile madeFrom = file;
    if (file.estimatedFrom)
        madeFrom.entries = *file.estimatedFrom;
    restoreEntries(entriesFor(madeFrom, reader));
    const QList<std::pair<QString, QString>> notMade = remakeEstimates(file);
    for (const auto &[key, reason] : notMade)
        keepNotMadeAgain(file, key);
    if (file.estimatedFrom)
        showEntries(shown);
    // A file without a window's boxes shows what its estimate was made
    // from, even where it cannot be made again.
    for (const CaseMethod &method : caseMethods())
        if (method.showEntries) {
            const MethodPart part = file.methods.value(method.key);
            method.showEntries(part.window.isEmpty() ? part.estimatedWith : part.window,
                               file.locale, currentCase());
        }
    m_restoring = false;
    m_laterMembers = file.later;
    m_bytesOnDisk = bytesOnDisk(path);
    showCaseFile(QFileInfo(path).absoluteFilePath());
    currentCase().announceReplaced();
    tellWhatChanged(file, QFileInfo(path).fileName(), notMade);
    return true;
}

// Each estimate the file holds, made again from the entries on screen; the
// reasons of those that cannot be, as the windows word them.
QList<std::pair<QString, QString>> frmQuorrelEstimator::remakeEstimates(const CaseFile &file)
{
    QList<std::pair<QString, QString>> notMade;
    // Newton's law is this window's own: Calculate makes it again.
    if (file.methods.value(kNewtonKey).result && !txtTimeOfDiscovery->isHidden())
        calculate(false);
    for (const CaseMethod &method : caseMethods()) {
        const QJsonObject &with = file.methods.value(method.key).estimatedWith;
        if (!method.remake || with.isEmpty())
            continue;
        if (const QString reason = method.remake(with, file.locale, currentCase());
            !reason.isEmpty())
            notMade.append({method.key, reason});
    }
    return notMade;
}

// What opening could not make again, and what it made otherwise than saved;
// a version is blamed only where another one saved the file.
void frmQuorrelEstimator::tellWhatChanged(const CaseFile &file, const QString &name,
                                          const QList<std::pair<QString, QString>> &notMade)
{
    QStringList explained;
    QStringList reasons;
    for (const auto &[key, reason] : notMade) {
        explained << key;
        reasons << reason;
    }
    if (!reasons.isEmpty())
        showMessage(this, QStringLiteral("Estimates Not Made Again"),
                    QStringLiteral("%1 holds entries these estimates cannot be made from; the "
                                   "entries are shown as the file holds them.\n\n%2")
                        .arg(name, reasons.join(QStringLiteral("\n\n"))),
                    QMessageBox::Warning);
    const QStringList changed = changedResults(file, currentCase().record(), explained);
    if (changed.isEmpty())
        return;
    const QString thisVersion = QStringLiteral(QUORREL_TITLE " " QUORREL_VERSION);
    const QString why =
        file.writtenBy == thisVersion
            ? QStringLiteral("The file may have been changed outside Quorrel.")
            : QStringLiteral("It was saved by %1; this version of Quorrel shows the new ones.")
                  .arg(file.writtenBy.isEmpty() ? QStringLiteral("another program")
                                                : file.writtenBy);
    showMessage(this, QStringLiteral("Estimates Changed"),
                QStringLiteral("The estimates made again from the entries in %1 differ from "
                               "those saved with it. %2\n\n%3")
                    .arg(name, why, changed.join(QStringLiteral("\n\n"))),
                QMessageBox::Information);
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
        // "h:mm:ss AM" into the four lists, as if picked.
        const QString time = QString::fromStdString(formatClockTime(*entries.foundAt));
        const QStringList parts = time.split(QRegularExpression(QStringLiteral("[: ]")));
        const QString picks[] = {
            QStringLiteral("%1").arg(parts.value(0).toInt(), 2, 10, QLatin1Char('0')),
            parts.value(1), parts.value(2), parts.value(3)};
        QComboBox *const lists[] = {cboHours, cboMinutes, cboSeconds, cboAMPM};
        for (int i = 0; i < 4; ++i)
            lists[i]->setCurrentIndex(lists[i]->findText(picks[i]));
        checkCombos();
    }
    txtAmbRoomTemp->setText(entries.room);
    txtCorpseTemp->setText(entries.body);
    txtCorpseTempTwo->setText(entries.secondBody);
    txtCorpseTime->setText(entries.hoursBetween);
}

void frmQuorrelEstimator::clearTimeFound()
{
    showPlaceholder(cboHours, kHourPlaceholder);
    showPlaceholder(cboMinutes, kMinutePlaceholder);
    showPlaceholder(cboSeconds, kSecondPlaceholder);
    showPlaceholder(cboAMPM, kAmPmPlaceholder);
    txtTimeOfDiscovery->clear();
    txtTimeOfDiscovery->hide();
}

void frmQuorrelEstimator::cmdClear_Click()
{
    clearTimeFound();
    for (TextBox *box : {txtAmbRoomTemp, txtCorpseTemp, txtCorpseTempTwo, txtCorpseTime})
        box->clear();
    showResult(QString(), QString());
    publishEntries();
    m_notMadeAgain->methods.clear();
    currentCase().clear();
}

void frmQuorrelEstimator::publishEntries()
{
    CaseEntries entries{std::nullopt, txtAmbRoomTemp->text(), txtCorpseTemp->text(),
                        txtCorpseTempTwo->text(), txtCorpseTime->text()};
    // The time found as Set Time or Calculate accepted it, not the lists as
    // they stand: they may have changed since.
    if (!txtTimeOfDiscovery->isHidden())
        entries.foundAt = parseClockTime(txtTimeOfDiscovery->text().toStdString());
    currentCase().setEntries(entries);
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

QString frmQuorrelEstimator::joinedPicks() const
{
    return cboHours->currentText() + ':' + cboMinutes->currentText() + ':' +
           cboSeconds->currentText() + ' ' + cboAMPM->currentText();
}

frmQuorrelEstimator::Outcome frmQuorrelEstimator::checkCombos()
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
        return Outcome::ToldUser;
    }
    const Result<ClockTime> found = parseClockTime(joinedPicks().toStdString());
    if (!found)
        return Outcome::InvalidData;
    txtTimeOfDiscovery->setText(QString::fromStdString(formatClockTime(*found)));
    txtTimeOfDiscovery->show();
    publishEntries();
    return Outcome::Done;
}

frmQuorrelEstimator::Outcome frmQuorrelEstimator::calculate(bool tellUser)
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
        if (!tellUser)
            return Outcome::ToldUser;
        showMessage(this, QStringLiteral("Error - Input Type"),
                    QStringLiteral("Enter numeric values only."), QMessageBox::Information);
        txtAmbRoomTemp->setFocus();
        return Outcome::ToldUser;
    case Estimate::Outcome::Invalid:
        return Outcome::InvalidData;
    case Estimate::Outcome::Estimated:
        break;
    }
    txtTimeOfDiscovery->setText(QString::fromStdString(formatClockTime(estimate.foundAt)));
    publishEntries();
    const MethodRecord newton = newtonRecord(estimate, currentCase().entries());
    showResult(QString::fromStdString(formatClockTime(estimate.deathAt)), newton.sentence);
    // Another method's estimate of the same body is made again beside it.
    currentCase().publish(followCalculate(CaseRecord{estimate.foundAt, {newton}},
                                          currentCase().record(), currentCase().entries()));
    return Outcome::Done;
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
    showMessage(this, QStringLiteral("Invalid Data"),
                QStringLiteral("The data you entered would produce Non-real results.\n"
                               "Please check your entries."),
                QMessageBox::Critical);
}

} // namespace quorrel::ui
