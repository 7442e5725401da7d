#pragma once

#include <QString>

class QWidget;

namespace quorrel::ui
{

// The desktop's file dialogs for case files. Each returns the file chosen,
// or an empty text where the user cancelled; neither keeps a history of
// the folders visited, as the names of case files are themselves private.
QString askCaseFileToOpen(QWidget *parent);
// Suggests `current` where the case has a file, a dated name in Documents
// otherwise; adds ".quorrel" to a name typed without it.
QString askCaseFileToSave(QWidget *parent, const QString &current);

} // namespace quorrel::ui
