#pragma once

#include "form.h"

class QPushButton;

namespace quorrel::ui
{

class CurvePlot;

// The cooling curves of the case's estimates, redrawn whenever an estimate
// changes the case and emptied by Clear. Modeless and resizable; Close and
// Escape only hide it, its close box unloads it.
class frmCoolingCurve : public Form
{
    Q_OBJECT
public:
    frmCoolingCurve();

    CurvePlot *picCurve;
    QPushButton *cmdSavePdf;
    QPushButton *cmdPrint;
    QPushButton *cmdClose;

public slots:
    void cmdSavePdf_Click();
    void cmdPrint_Click();

protected:
    void Form_Load() override;

private:
    // The case changed: draw it, and offer the sheet only with an estimate.
    void caseChanged();
};

} // namespace quorrel::ui
