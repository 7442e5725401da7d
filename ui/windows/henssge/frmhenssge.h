#pragma once

#include "clock.h"
#include "form.h"

#include <optional>

class QComboBox;
class QLabel;
class QPushButton;

namespace quorrel::ui
{

class Line;
class TextBox;

// Henssge's nomogram for the case the main window holds: the time found, the
// room and the first body temperature are read from its boxes when Estimate
// is pressed; this window adds the body's mass, its condition and the
// corrective factor. Its estimate joins the case record beside Newton's. Close
// and Escape only hide it, so it keeps its result; the close box unloads it.
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
    void cmdClose_Click();
    void cboCondition_Click();
    void txtFactor_Change();

protected:
    void Form_Load() override;
    bool Form_KeyDown(int key, Qt::KeyboardModifiers modifiers) override;

private:
    void createEntries();
    void createResult();
    void setUpAccessibility();
    void setUpTabOrder();
    void connectHandlers();

    // Says what is wrong with an entry and leaves everything as it was.
    void refuse(const QString &text, QWidget *entry = nullptr);
    void showLines(const QString &readings, const QString &result, const QString &detail,
                   const QString &check, const QString &newton);
    // A case changed by the main window: a Calculate for the same body has
    // the estimate made again for it; any other case, or Clear, takes it
    // away.
    void caseChanged();

    bool m_publishing = false;
    bool m_quiet = false;
    // The body the result shown is of.
    struct ShownCase {
        ClockTime foundAt;
        double room = 0.0;
        double body = 0.0;
    };
    std::optional<ShownCase> m_shown;
};

} // namespace quorrel::ui
