#pragma once

#include "clock.h"
#include "form.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

class QAction;
class QComboBox;
class QMenuBar;
class QGroupBox;
class QLabel;
class QPushButton;

namespace quorrel::ui
{

class Line;
class PictureBox;
class TextBox;
struct CaseEntries;
struct CaseRecord;
struct RoundedEntry;

// The main window: the time of discovery, the four entries and the estimate.
class CaseDocument;
class frmQuorrelEstimator : public Form
{
    Q_OBJECT
public:
    frmQuorrelEstimator();

    // The hours of the last estimate the law gave, kept even where Calculate
    // then failed on the clock arithmetic after it.
    double hoursSinceDeath() const { return m_hoursSinceDeath; }

    // Opens a case file, as File > Open does once a file is chosen: every
    // window's entries restored and every estimate made again. A file that
    // cannot be opened is named in a message and changes nothing.
    bool openCase(const QString &path);
    // Puts entries into the boxes as the user would type them, with the
    // time found set; the case's estimates go, as on Clear.
    void restoreEntries(const CaseEntries &entries);

public slots:
    void cmdCalculate_Click();
    void cmdSetTime_Click();
    void cmdClear_Click();
    void cmdExit_Click();
    void cmdLaunchTempConvert_Click();
    void cmdAbout_Click();
    void mnuCelsius_Click(bool checked);
    void mnuCoolingCurve_Click();
    void mnuExportCaseSheet_Click();
    void mnuPrintCaseSheet_Click();
    void txtAmbRoomTemp_GotFocus();
    void txtCorpseTemp_GotFocus();
    void txtCorpseTempTwo_GotFocus();
    void txtCorpseTime_GotFocus();
    void txtTimeDead_GotFocus();
    void txtTimeOfDiscovery_GotFocus();

protected:
    void Form_Load() override;
    void Form_Unload() override;
    bool Form_KeyDown(int key, Qt::KeyboardModifiers modifiers) override;
    void closeEvent(QCloseEvent *event) override;

private:
    // The pick-list module fills the lists.
    friend void populateTimeCombos(frmQuorrelEstimator &form);

    // The menu bar above the client area, which holds every control.
    QMenuBar *menuBar;
    QWidget *clientArea;
    QAction *mnuNewCase;
    QAction *mnuOpenCase;
    QAction *mnuSaveCase;
    QAction *mnuSaveCaseAs;
    QAction *mnuExportCaseSheet;
    QAction *mnuCoolingCurve;
    QAction *mnuPrintCaseSheet;
    QAction *mnuExit;
    QAction *mnuDegreeConverter;
    QAction *mnuCelsius;
    QAction *mnuAbout;

    // The controls are the window's own: other windows read the entries
    // from the case, which this window keeps up to date.
    QComboBox *cboHours;
    QComboBox *cboMinutes;
    QComboBox *cboSeconds;
    QComboBox *cboAMPM;
    QPushButton *cmdSetTime;
    TextBox *txtAmbRoomTemp;
    TextBox *txtCorpseTemp;
    TextBox *txtCorpseTempTwo;
    TextBox *txtCorpseTime;
    TextBox *txtTimeDead;
    QPushButton *cmdCalculate;
    QPushButton *cmdClear;
    QPushButton *cmdLaunchTempConvert;
    QPushButton *cmdExit;
    QLabel *lblRoomTemp;
    QLabel *lblCorpseTime;
    QLabel *lblTimeDead;
    QGroupBox *fraTimeFound;
    TextBox *txtTimeOfDiscovery;
    PictureBox *Picture1;
    QPushButton *cmdAbout;
    QLabel *lblCorpseTemp;
    QLabel *lblCorpseTemp2;
    Line *Line1;
    Line *Line2;
    Line *Line3;
    Line *Line4;

    // The constructor's steps, in the order the window is built.
    void createMenuBar();
    void createFileMenu();
    void createTimeGroup();
    void createEntries();
    void createButtons();
    void setUpAccessibility();
    void setUpTabOrder();
    void connectHandlers();

    // What Set Time or Calculate came to.
    enum class Outcome {
        Done,        // the time of discovery or the estimate is shown
        ToldUser,    // a message of its own said what is missing
        InvalidData, // for the caller to report as invalid data
    };
    Outcome calculate(bool tellUser = true);
    Outcome checkCombos();
    void showInvalidData();
    // The time of death in the result box and the sentence that goes with it.
    void showResult(const QString &time, const QString &about);

    // The case sheet commands follow whether there is an estimate to record.
    void caseChanged();
    // The entries as they stand, for the other windows.
    void publishEntries();
    void showEntries(const CaseEntries &entries);
    // The lists' placeholders back, and no time found.
    void clearTimeFound();

    // The case's file, its changes and their questions.
    CaseDocument *m_document = nullptr;
    void setUpDocument();

    // The case's temperatures are typed and shown in °C.
    bool m_celsius = false;
    // The entries the last switch of unit rounded, by the text shown, with
    // the text typed: switched back untouched, they are as typed again.
    QHash<QString, QString> m_typedBeforeRounding;
    // The entry captions and every word written from now on in the case's unit.
    void showUnit(bool celsius);
    // The typed temperatures turned to the other unit, and the user told.
    void convertEntries(bool celsius);
    QStringList remakeInUnit(const CaseEntries &madeFrom, const CaseRecord &made);
    CaseEntries typedEntries() const;
    QString roundedLine(const RoundedEntry &entry);

    double m_hoursSinceDeath = 0.0;
    // The time of discovery Set Time or Calculate last accepted; none while
    // its box is hidden.
    std::optional<ClockTime> m_foundAt;
};

} // namespace quorrel::ui
