#include "populatecombo.h"

#include "frmquorrelestimator.h"

#include "clock.h"
#include "widgets.h"

#include <QComboBox>

namespace quorrel::ui
{
namespace
{

QString twoDigits(int n)
{
    return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
}

} // namespace

void populateTimeCombos(frmQuorrelEstimator &form)
{
    QStringList hours;
    for (int h = 1; h <= 12; ++h)
        hours << twoDigits(h);
    QStringList sixty;
    for (int n = 0; n < 60; ++n)
        sixty << twoDigits(n);
    appendItems(form.cboHours, hours);
    appendItems(form.cboMinutes, sixty);
    appendItems(form.cboSeconds, sixty);
    appendItems(form.cboAMPM, {QStringLiteral("PM"), QStringLiteral("AM")});
    // The window reads the half of the day from the item, never its text.
    form.cboAMPM->setItemData(0, static_cast<int>(Meridiem::PM));
    form.cboAMPM->setItemData(1, static_cast<int>(Meridiem::AM));
}

} // namespace quorrel::ui
