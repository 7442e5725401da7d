#pragma once

#include "form.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;

namespace quorrel::ui
{

struct HenssgeChoice;

class Line;
class TextBox;

// Henssge's nomogram for the case the main window holds: the time found, the
// room and the first body temperature are the case's entries when Estimate
// is pressed; this window adds the body's mass, its condition and the
// corrective factor. It shows the estimate the case holds. Close and Escape
// only hide it; the close box unloads it.
class frmHenssge : public Form
{
    Q_OBJECT
public:
    frmHenssge();

    QLabel *lblMass;
    TextBox *txtMass;
    QComboBox *cboMassUnit;
    QLabel *lblCondition;
    QComboBox *cboCondition;
    QLabel *lblFactor;
    TextBox *txtFactor;
    QCheckBox *chkFactorForMass;
    // The prudent interval: how far each entry may be off.
    QCheckBox *chkUncertain;
    TextBox *txtRoomUncertainty;
    QLabel *lblRoomUncertainty;
    TextBox *txtMassUncertainty;
    QLabel *lblMassUncertainty;
    TextBox *txtFactorUncertainty;
    QLabel *lblFactorUncertainty;
    QPushButton *cmdEstimate;
    Line *Line1;
    // The result, each line a label a screen reader reads when it is reached.
    QWidget *resultArea;
    QLabel *lblReadings;
    QLabel *lblResult;
    QLabel *lblDetail;
    QLabel *lblCheck;
    QLabel *lblNewton;
    QPushButton *cmdClose;

public slots:
    void cmdEstimate_Click();
    void cboCondition_Click();
    void txtFactor_Change();
    void chkUncertain_Click();

protected:
    void Form_Load() override;

private:
    void createEntries();
    void createUncertainties();
    void createResult();
    void setUpAccessibility();
    void setUpTabOrder();
    void connectHandlers();

    // Says what is wrong with an entry and leaves everything as it was.
    void refuse(const QString &text, QWidget *entry = nullptr);
    void showLines(const QString &readings, const QString &result, const QString &detail,
                   const QString &check, const QString &newton);
    // The estimate the case holds, or the hint where it holds none.
    void showCase();
    // The boxes as the user left them for this case, as the case's
    // estimate was made, or as a new case starts.
    void showChoice();
    HenssgeChoice boxes() const;
    // Tells the case what the boxes hold, so that it is saved with it.
    void keepEntries(bool edited);
    void showUnit();
    bool m_showing = false;
    bool m_celsius = false;
};

} // namespace quorrel::ui
