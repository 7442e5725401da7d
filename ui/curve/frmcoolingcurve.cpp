#include "curve/frmcoolingcurve.h"

#include "case/sheetcommands.h"
#include "curve/curveaccessible.h"
#include "forms.h"

#include <QAccessible>
#include <QBoxLayout>
#include <QKeyEvent>
#include <QPainter>
#include <QPushButton>
#include <QShortcut>

#include <algorithm>

namespace quorrel::ui
{
namespace
{

const QString kPlotName = QStringLiteral("Cooling curve");
constexpr double kCursorStep = 0.25; // hours

} // namespace

CurvePlot::CurvePlot(QWidget *parent) : QWidget(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(kPlotName);
    setAccessibleDescription(curveSummary(nullptr));
}

CurvePlot::~CurvePlot()
{
    setCursorPoint(QString());
}

void CurvePlot::setCursorPoint(const QString &name)
{
    if (m_point)
        QAccessible::deleteAccessibleInterface(m_pointId);
    m_point = nullptr;
    m_pointId = 0;
    if (name.isEmpty() || !QAccessible::isActive())
        return;
    // Where the ring is drawn: a screen reader takes two objects with the same
    // role, name and place for one, and would not read the new point.
    repaint();
    const QRect ring =
        m_cursorDrawnAt ? QRect(m_cursorDrawnAt->toPoint() - QPoint(6, 6), QSize(13, 13)) : rect();
    m_point = new CursorPointAccessible(this, name, ring);
    m_pointId = QAccessible::registerAccessibleInterface(m_point);
    if (!hasFocus())
        return;
    QAccessibleEvent focus(this, QAccessible::Focus);
    focus.setChild(0);
    QAccessible::updateAccessibility(&focus);
}

void CurvePlot::setEstimate(const std::optional<CaseRecord> &shown)
{
    m_shown = shown;
    m_cursor.reset();
    setCursorPoint(QString());
    setAccessibleName(kPlotName);
    setAccessibleDescription(curveSummary(m_shown ? &*m_shown : nullptr));
    update();
}

void CurvePlot::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    m_cursorDrawnAt =
        drawCoolingCurve(painter, rect(), palette(), m_shown ? &*m_shown : nullptr, m_cursor);
    if (hasFocus()) {
        painter.setPen(QPen(palette().color(QPalette::Text), 1, Qt::DotLine));
        painter.drawRect(rect().adjusted(1, 1, -2, -2));
    }
}

void CurvePlot::keyPressEvent(QKeyEvent *event)
{
    if (!m_shown || !m_shown->curve) {
        QWidget::keyPressEvent(event);
        return;
    }
    const CoolingCurve &curve = *m_shown->curve;
    // The first step of either arrow puts the cursor at the death.
    const double at = m_cursor.value_or(curve.from());
    switch (event->key()) {
    case Qt::Key_Left:
        moveCursor(m_cursor ? at - kCursorStep : at);
        break;
    case Qt::Key_Right:
        moveCursor(m_cursor ? at + kCursorStep : at);
        break;
    case Qt::Key_Home:
        moveCursor(curve.from());
        break;
    case Qt::Key_End:
        moveCursor(m_shown->readings.elapsed);
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}

void CurvePlot::moveCursor(double hours)
{
    const CoolingCurve &curve = *m_shown->curve;
    m_cursor = std::clamp(hours, curve.from(), curve.to());
    const QString point = pointOnCurve(*m_shown, *m_cursor);
    setAccessibleName(point);
    setCursorPoint(point);
    update();
}

void CurvePlot::focusInEvent(QFocusEvent *event)
{
    QWidget::focusInEvent(event);
    update();
}

void CurvePlot::focusOutEvent(QFocusEvent *event)
{
    QWidget::focusOutEvent(event);
    update();
}

frmCoolingCurve::frmCoolingCurve()
{
    setUpWindow("frmCoolingCurve", QStringLiteral("Cooling Curve - Halbrook"),
                QStringLiteral(":/icons/quorrel.bmp"), QColor());
    // Unlike the fixed windows it can be resized and maximized.
    setWindowFlags(windowFlags() | Qt::WindowMinMaxButtonsHint);
    setMinimumSize(360, 260);
    resize(600, 420);

    picCurve = new CurvePlot(this);
    picCurve->setObjectName(QStringLiteral("picCurve"));
    cmdSavePdf = new QPushButton(QStringLiteral("&Save as PDF\u2026"), this);
    cmdSavePdf->setObjectName(QStringLiteral("cmdSavePdf"));
    cmdSavePdf->setAutoDefault(false);
    cmdSavePdf->setEnabled(false);
    cmdPrint = new QPushButton(QStringLiteral("&Print\u2026"), this);
    cmdPrint->setObjectName(QStringLiteral("cmdPrint"));
    cmdPrint->setAutoDefault(false);
    cmdPrint->setEnabled(false);
    cmdClose = new QPushButton(QStringLiteral("Close"), this);
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
    setKeyPreview(true);
    connect(cmdClose, &QPushButton::clicked, this, &frmCoolingCurve::cmdClose_Click);
    connect(cmdSavePdf, &QPushButton::clicked, this, &frmCoolingCurve::cmdSavePdf_Click);
    connect(cmdPrint, &QPushButton::clicked, this, &frmCoolingCurve::cmdPrint_Click);
    // The main window's Ctrl+S and Ctrl+P, here too; the buttons keep their
    // access keys and, disabled, ignore the keys as they do a click.
    connect(new QShortcut(QKeySequence::Save, this), &QShortcut::activated, cmdSavePdf,
            &QPushButton::click);
    connect(new QShortcut(QKeySequence::Print, this), &QShortcut::activated, cmdPrint,
            &QPushButton::click);
    connect(&currentCase(), &CaseHolder::changed, this,
            [this] { showEstimate(currentCase().record()); });
}

void frmCoolingCurve::Form_Load()
{
    showEstimate(currentCase().record());
}

void frmCoolingCurve::showEstimate(const std::optional<CaseRecord> &shown)
{
    picCurve->setEstimate(shown);
    cmdSavePdf->setEnabled(shown.has_value());
    cmdPrint->setEnabled(shown.has_value());
}

void frmCoolingCurve::cmdPrint_Click()
{
    if (const auto &shown = picCurve->estimate())
        printCaseSheet(this, *shown);
}

void frmCoolingCurve::cmdSavePdf_Click()
{
    if (const auto &shown = picCurve->estimate())
        saveCaseSheet(this, *shown);
}

bool frmCoolingCurve::Form_KeyDown(int key, Qt::KeyboardModifiers)
{
    if (key != Qt::Key_Escape)
        return false;
    hide();
    return true;
}

void frmCoolingCurve::cmdClose_Click()
{
    hide();
}

} // namespace quorrel::ui
