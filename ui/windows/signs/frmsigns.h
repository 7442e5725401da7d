#pragma once

#include "form.h"

#include <QList>

class QComboBox;
class QLabel;
class QPushButton;
class QScrollArea;

namespace quorrel::ui
{

struct SignsEntries;

class Line;
class TextBox;

// The signs of death found at an examination and the last sighting alive,
// combined with the nomogram's 95 % interval where the case holds one and
// with the discovery: the time of death every piece of evidence allows, and
// which piece set each end. With a last sighting, each estimate of the case
// that is a distribution is cut to the hours between it and the discovery,
// and answers for any window of time typed. Close and Escape only hide it;
// the close box unloads it.
class frmSigns : public Form
{
    Q_OBJECT
public:
    frmSigns();

    QLabel *lblExamined;
    TextBox *txtExamined;
    QComboBox *cboExaminedDay;
    QLabel *lblLastSeen;
    TextBox *txtLastSeen;
    QComboBox *cboLastSeenDay;
    QLabel *lblSigns;
    QScrollArea *scrSigns;
    // One pick a sign, in the table's order, each with its name beside it.
    QList<QComboBox *> cboSigns;
    QList<QLabel *> lblSignNames;
    QPushButton *cmdCombine;
    Line *Line1;
    QLabel *lblResult;
    // One line a piece of evidence, as many as were entered.
    QScrollArea *scrEvidence;
    QLabel *lblEvidence;
    // Each distribution cut to the bounds, or what it takes to give one.
    QLabel *lblConditional;
    QLabel *lblBetween;
    TextBox *txtFrom;
    QComboBox *cboFromDay;
    QLabel *lblAnd;
    TextBox *txtTo;
    QComboBox *cboToDay;
    QPushButton *cmdProbability;
    QLabel *lblProbability;
    QPushButton *cmdClose;

public slots:
    void cmdCombine_Click();
    void cmdProbability_Click();

protected:
    void Form_Load() override;

private:
    void createTimes();
    void createPicks();
    void createResult();
    void createProbability();
    void setUpTabOrder();
    void connectHandlers();

    void refuse(const QString &text, QWidget *entry = nullptr);
    // The time found as the examination's until the user gives another.
    void followTimeFound();
    // The combination the case holds, or the hint where it holds none.
    void showCase();
    void showChoice();
    // Enter presses the button of the part of the window the keyboard is in.
    void followFocus(QWidget *now);
    SignsEntries entries() const;
    // Tells the case what the boxes hold, so that it is saved with it.
    void keepEntries(bool edited);

    QString m_foundShown;
    bool m_showing = false;
};

} // namespace quorrel::ui
