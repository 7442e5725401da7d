#include "frmcoolingcurve.h"

#include "caseholder.h"
#include "curveplot.h"
#include "sheetcommands.h"

#include <QBoxLayout>
#include <QPushButton>
#include <QShortcut>

namespace quorrel::ui
{
frmCoolingCurve::frmCoolingCurve()
{
    //: The window's caption; " - Halbrook" stays as it is.
    setUpWindow("frmCoolingCurve", tr("Cooling Curve - Halbrook"),
                QStringLiteral(":/icons/quorrel.bmp"), QColor());
    // Unlike the fixed windows it can be resized and maximized.
    setWindowFlags(windowFlags() | Qt::WindowMinMaxButtonsHint);
    setMinimumSize(360, 260);
    resize(600, 420);

    picCurve = new CurvePlot(this);
    picCurve->setObjectName(QStringLiteral("picCurve"));
    cmdSavePdf = new QPushButton(tr("&Save as PDF\u2026"), this);
    cmdSavePdf->setObjectName(QStringLiteral("cmdSavePdf"));
    cmdSavePdf->setAutoDefault(false);
    cmdSavePdf->setEnabled(false);
    cmdPrint = new QPushButton(tr("&Print\u2026"), this);
    cmdPrint->setObjectName(QStringLiteral("cmdPrint"));
    cmdPrint->setAutoDefault(false);
    cmdPrint->setEnabled(false);
    cmdClose = new QPushButton(tr("Close"), this);
    cmdClose->setObjectName(QStringLiteral("cmdClose"));
    cmdClose->setAutoDefault(false);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(cmdSavePdf);
    buttons->addWidget(cmdPrint);
    buttons->addStretch();
    buttons->addWidget(cmdClose);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(picCurve, 1);
    layout->addLayout(buttons);

    setTabOrder(picCurve, cmdSavePdf);
    setTabOrder(cmdSavePdf, cmdPrint);
    setTabOrder(cmdPrint, cmdClose);
    picCurve->setFocus();
    setHideOnClose(cmdClose);
    connect(cmdSavePdf, &QPushButton::clicked, this, &frmCoolingCurve::cmdSavePdf_Click);
    connect(cmdPrint, &QPushButton::clicked, this, &frmCoolingCurve::cmdPrint_Click);
    // The main window's Ctrl+P, here too; the button keeps its access key
    // and, disabled, ignores the key as it does a click. Ctrl+S saves the
    // case from every window.
    connect(new QShortcut(QKeySequence::Print, this), &QShortcut::activated, cmdPrint,
            &QPushButton::click);
    connect(&currentCase(), &CaseHolder::changed, this, &frmCoolingCurve::caseChanged);
}

void frmCoolingCurve::Form_Load()
{
    caseChanged();
}

void frmCoolingCurve::caseChanged()
{
    const std::optional<CaseRecord> &record = currentCase().record();
    picCurve->caseChanged();
    cmdSavePdf->setEnabled(record.has_value());
    cmdPrint->setEnabled(record.has_value());
}

void frmCoolingCurve::cmdPrint_Click()
{
    if (const auto &record = currentCase().record())
        printCaseSheet(this, *record);
}

void frmCoolingCurve::cmdSavePdf_Click()
{
    if (const auto &record = currentCase().record())
        saveCaseSheet(this, *record);
}

} // namespace quorrel::ui
