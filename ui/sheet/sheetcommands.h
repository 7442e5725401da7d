#pragma once

#include "caserecord.h"

class QWidget;

namespace quorrel::ui
{

// The command: asks where with the desktop's file dialog, writes the sheet
// and reports a failure in one message.
void saveCaseSheet(QWidget *parent, const CaseRecord &record);

// The command that prints the same page through the desktop's print dialog.
void printCaseSheet(QWidget *parent, const CaseRecord &record);

} // namespace quorrel::ui
