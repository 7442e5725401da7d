#include "methods.h"

#include "braincase.h"
#include "braintext.h"
#include "casemethods.h"
#include "forms.h"
#include "frmbrain.h"
#include "frmhenssge.h"
#include "frmsigns.h"
#include "henssgecase.h"
#include "henssgetext.h"
#include "methodwindows.h"
#include "newtontext.h"
#include "signscase.h"
#include "signstext.h"

#include <QCoreApplication>

#include <optional>

namespace quorrel::ui
{
namespace
{

class MethodMenuWords
{
    Q_DECLARE_TR_FUNCTIONS(MethodMenuWords)
};

// A method: its part of a case, and its window where it has one of its own.
struct Method {
    CaseMethod inCase;
    std::optional<MethodWindow> window;
};

// The one list of methods, in the order their estimates are made again (each
// after those it may weigh) and their items stand in the Estimate menu.
QList<Method> methods()
{
    return {
        // Newton's law is the main window's own: it keeps only its result in
        // a file, and Calculate makes it again.
        {CaseMethod{kNewtonKey, kNewtonKey}, std::nullopt},
        {henssgeCaseMethod(), MethodWindow{kHenssgeKey, QStringLiteral("mnuHenssge"),
                                           MethodMenuWords::tr("&Henssge Nomogram\u2026"),
                                           QKeySequence(Qt::CTRL | Qt::Key_H),
                                           [](QWidget *) { henssgeForm().present(); }}},
        {brainCaseMethod(), MethodWindow{kBrainKey, QStringLiteral("mnuBrain"),
                                         MethodMenuWords::tr("&Brain Nomogram\u2026"),
                                         QKeySequence(Qt::CTRL | Qt::Key_B),
                                         [](QWidget *) { brainForm().present(); }}},
        // Not "&Signs": S is the case sheet's.
        {signsCaseMethod(), MethodWindow{kSignsKey, QStringLiteral("mnuSigns"),
                                         MethodMenuWords::tr("Signs of &Death\u2026"),
                                         QKeySequence(Qt::CTRL | Qt::Key_D),
                                         [](QWidget *) { signsForm().present(); }}},
    };
}

} // namespace

void registerMethods()
{
    for (const Method &method : methods()) {
        addCaseMethod(method.inCase);
        if (method.window)
            addMethodWindow(*method.window);
    }
}

} // namespace quorrel::ui
