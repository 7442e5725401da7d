// The case file reader on any bytes: it refuses with a reason or reads a
// case, never crashes or hangs, and a case it reads is written and read
// again to the same case, so that saving an opened file loses nothing.
#include "casefile.h"
#include "casemethods.h"
#include "henssgecase.h"
#include "henssgetext.h"
#include "newtontext.h"
#include "signscase.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QJsonDocument>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

using namespace quorrel::ui;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    // The program's methods, as its set-up gives them.
    static const bool registered = [] {
        for (const CaseMethod &method :
             {CaseMethod{kNewtonKey, kNewtonKey}, henssgeCaseMethod(), signsCaseMethod()})
            addCaseMethod(method);
        return true;
    }();
    (void)registered;
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const CaseFileRead read = readCaseFile(bytes);
    if (!read.file) {
        if (read.problem.isEmpty())
            std::abort();
        return 0;
    }
    const CaseFile &file = *read.file;
    const CaseFileRead again = readCaseFile(writeCaseFile(file));
    if (!again.file)
        std::abort();
    const CaseFile &back = *again.file;
    if (!(back.entries == file.entries) || back.methods != file.methods ||
        back.writtenBy != file.writtenBy || back.savedAt != file.savedAt ||
        back.locale.decimalPoint != file.locale.decimalPoint ||
        back.locale.groupSeparator != file.locale.groupSeparator ||
        back.locale.zeroDigit != file.locale.zeroDigit || back.later != file.later)
        std::abort();
    // What the windows would be given, in another locale.
    const CaseEntries entries = entriesFor(file, {",", ".", "\u0660"});
    (void)entries;
    const MethodPart henssge = file.methods.value(kHenssgeKey);
    (void)henssgeChoiceIn(henssge.estimatedWith, file.locale, {".", ",", "0"});
    (void)henssgeChoiceIn(henssge.window, file.locale, {".", ",", "0"});
    return 0;
}
