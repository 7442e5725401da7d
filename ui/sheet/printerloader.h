#pragma once

#include <QStringList>

namespace quorrel::ui
{

class CaseSheetPrinter;

// Where the printing module may lie, in order: beside the program (the build,
// Windows), then the program's library folder once installed.
QStringList printModuleFolders();

// Loads the printing module from the first of the folders that holds one, on
// the first call that finds it. Returns it, or none with why not: a sentence
// that names the file once and says what is wrong with it.
CaseSheetPrinter *loadCaseSheetPrinter(const QStringList &folders, QString *whyNot);

} // namespace quorrel::ui
