#include "app/dataexchange.h"

#include <QCoreApplication>

#include "exchange/texts.h"
#include "platform/backup.h"
#include "platform/messagebox.h"

namespace velmora {

QString Translated(const ExchangeText& text) {
    if (text.Empty()) {
        return {};
    }
    QString source = QString::fromUtf8(text.pattern);
    if (text.count >= 0) {
        source.replace(QLatin1String("%n"), QString::number(text.count));
    }
    const QString translated =
        QCoreApplication::translate("Exchange", text.pattern, nullptr, text.count);
    if (translated == source) {
        return QString::fromStdString(text.Text());  // untranslated: English plurals
    }
    return QString::fromStdString(FillPattern(translated.toStdString(), text.parts));
}

QString ProblemText(const ImportProblem& problem) {
    QStringList where;
    if (!problem.date.empty()) {
        where << QString::fromStdString(problem.date);
    }
    if (!problem.column.empty()) {
        where << QString::fromStdString(problem.column);
    }
    const QString reason = Translated(problem.reason);
    return where.isEmpty() ? reason
                           : where.join(QLatin1String(", ")) + QLatin1String(": ") + reason;
}

QString ProblemLine(const QString& file, const ImportProblem& problem) {
    QString place = file;
    if (problem.line > 0) {
        place += u':' + QString::number(problem.line);
    }
    return place + QLatin1String(": ") + ProblemText(problem);
}

QStringList PlanLines(const ImportPlan& plan) {
    QStringList lines;
    for (const ExchangeText& count : PlanSummary(plan)) {
        lines << Translated(count);
    }
    for (const ImportUnmapped& unmapped : plan.unmapped) {
        lines << Translated(unmapped.text);
    }
    return lines;
}

QString ImportedLine(int daysWritten) {
    return Translated({QT_TRANSLATE_N_NOOP("Exchange", "%n day(s) imported"), {}, daysWritten});
}

bool BackupBeforeImport(ExchangeError& error) {
    const BackupOutcome outcome = WriteSafetyBackup(SafetyReason::Import);
    if (outcome.Succeeded()) {
        return true;
    }
    error = {exchange_text::kBackupFailed, {}};
    return false;
}

}  // namespace velmora
