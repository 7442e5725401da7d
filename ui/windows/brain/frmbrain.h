#pragma once

#include "form.h"

#include <QPointer>

class QLabel;
class QPushButton;

namespace quorrel::ui
{

class Line;
class TextBox;

// Henssge's brain-temperature nomogram for the case the main window holds:
// the time found and the room are the case's entries when Estimate is
// pressed; this window adds the brain's temperature when the body was
// found. It shows the estimate the case holds. Close and Escape only hide
// it; the close box unloads it.
class frmBrain : public Form
{
    Q_OBJECT
public:
    frmBrain();

    QLabel *lblBrain;
    TextBox *txtBrain;
    // The reading in °C, as typed in °F.
    QLabel *lblCelsius;
    QPushButton *cmdEstimate;
    Line *Line1;
    // The result, each line a label a screen reader reads when it is reached.
    QLabel *lblReadings;
    QLabel *lblResult;
    QLabel *lblDetail;
    QPushButton *cmdClose;

public slots:
    void cmdEstimate_Click();
    void txtBrain_Change();

protected:
    void Form_Load() override;

private:
    void createEntries();
    void createResult();
    void setUpAccessibility();
    void setUpTabOrder();
    void connectHandlers();

    void showLines(const QString &readings, const QString &result, const QString &detail);
    // The estimate the case holds, or the hint where it holds none.
    void showCase();
    // The box as the user left it for this case, or as the case's estimate
    // was made.
    void showChoice();
    void showUnit();
    bool m_showing = false;
    bool m_celsius = false;
};

// The one brain window, made on first use and again after it was unloaded.
inline frmBrain &brainForm()
{
    static QPointer<frmBrain> form;
    if (!form || form->isUnloaded())
        form = new frmBrain;
    return *form;
}

} // namespace quorrel::ui
