#include "application.h"

#include "curveaccessible.h"
#include "curveplot.h"
#include "form.h"
#include "forms.h"
#include "style.h"
#include "textboxaccessible.h"
#include "widgets.h"

#include <QAccessibleWidget>
#include <QApplication>

namespace quorrel::ui
{

namespace
{

// Qt presents every QDialog as a dialog; the program's forms of the window
// type (all but About) are its windows, and screen readers should announce
// them so. Text boxes get an interface that reads their whole line; the plot
// of the curve is a graphic.
QAccessibleInterface *accessibleFor(const QString &className, QObject *object)
{
    const auto *form = qobject_cast<Form *>(object);
    const bool window = form && form->windowType() == Qt::Window;
    if (window && className == QLatin1String(object->metaObject()->className()))
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Window);
    if (auto *plot = qobject_cast<CurvePlot *>(object))
        return new CurvePlotAccessible(plot);
    if (auto *box = qobject_cast<TextBox *>(object))
        return new TextBoxAccessible(box);
    return nullptr;
}

} // namespace

void setUpApplication()
{
    QApplication::setStyle(new QuorrelStyle);
    QApplication::setFont(windowFont());
    QAccessible::installFactory(accessibleFor);
    // The menu bar stays in the window, above the client area: a desktop's
    // global menu would leave a gap where the bar was measured, and merely
    // asking the session bus whether there is one costs start-up memory.
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeMenuBar);
    answerRequestsForWindows();
}

} // namespace quorrel::ui
