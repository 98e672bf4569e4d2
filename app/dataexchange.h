#pragma once

// What the import screen and the command line share: the data exchange's texts in the
// user's language, the lines of an import's preview, and the backup an import takes first.

#include <QString>
#include <QStringList>

#include "exchange/exchange.h"

namespace velmora {

// An exchange text in the user's language, its values filled in.
QString Translated(const ExchangeText& text);
// "DATE, COLUMN: reason": where in the day, and why.
QString ProblemText(const ImportProblem& problem);
// "FILE:LINE: DATE, COLUMN: reason", the way compilers name a place in a file.
QString ProblemLine(const QString& file, const ImportProblem& problem);
// The preview: the count lines, then what the diary has no place for.
QStringList PlanLines(const ImportPlan& plan);
// "N days were imported."
QString ImportedLine(int daysWritten);
// The step an import runs before it writes: a safety copy of the diary.
bool BackupBeforeImport(ExchangeError& error);

}  // namespace velmora
