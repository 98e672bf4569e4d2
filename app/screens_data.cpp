// The screens that take the diary out and bring it back: export, import, back up now and
// restore; and the predictions for other calendars.

#include <QDir>
#include <QFileDialog>

#include "app/dataexchange.h"
#include "app/importdlg.h"
#include "app/mainframe.h"
#include "app/velmoraapp.h"
#include "cycle/cycleinfo.h"
#include "exchange/ics.h"
#include "platform/backup.h"
#include "platform/clock.h"
#include "platform/messagebox.h"
#include "ui/kit/modal.h"
#include "ui/kit/qtmessagebox.h"
#include "ui/kit/titles.h"

namespace velmora {

namespace {

constexpr char kRestoreQuestion[] =
    QT_TRANSLATE_NOOP("Message",
                      "Replace the diary by the backup %1?\n\nThe diary as it is now is kept "
                      "as a backup first.");
constexpr char kBackupFilter[] = QT_TRANSLATE_NOOP("Message", "Velmora backups (*.sqlite)");
constexpr char kCsvFilter[] = QT_TRANSLATE_NOOP("Message", "CSV files (*.csv)");
constexpr char kJsonFilter[] = QT_TRANSLATE_NOOP("Message", "JSON files (*.json)");
constexpr char kImportFilter[] =
    QT_TRANSLATE_NOOP("Message", "Velmora or drip exports (*.csv *.json)");
constexpr char kAllFiles[] = QT_TRANSLATE_NOOP("Message", "All files (*)");
constexpr char kExported[] = QT_TRANSLATE_NOOP("Message", "The diary is exported to %1.");
constexpr char kIcsFilter[] = QT_TRANSLATE_NOOP("Message", "Calendar files (*.ics)");
constexpr char kPredictionsExported[] =
    QT_TRANSLATE_NOOP("Message", "The predictions are exported to %1.");

QString TrMessage(const char* source) {
    return QCoreApplication::translate("Message", source);
}

// Asks for a file to write (`save`) or to read, in the program's own file screen so that it
// looks and behaves the same everywhere. Empty when the person cancelled.
QString ChooseFile(CVelmoraMFCApp& app, const QString& title, bool save, const QString& folder,
                   const QString& name, const QStringList& filters,
                   QString* chosenFilter = nullptr) {
    QFileDialog dialog(app.MainFrame());
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setNameFilters(filters);
    dialog.setDirectory(folder);
    if (!name.isEmpty()) {
        dialog.selectFile(name);
    }
    if (save) {
        // The ending of the chosen kind of file, when the name has none.
        auto suffix = [&dialog](const QString& filter) {
            dialog.setDefaultSuffix(filter.section(QLatin1String("(*."), 1).section(u')', 0, 0));
        };
        suffix(filters.front());
        QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, suffix);
    }
    if (RunModal(dialog, app.MainFrame(), title) != QDialog::Accepted ||
        dialog.selectedFiles().isEmpty()) {
        return {};
    }
    if (chosenFilter) {
        *chosenFilter = dialog.selectedNameFilter();
    }
    return dialog.selectedFiles().front();
}

void Tell(const BackupOutcome& outcome) {
    ShowBackupOutcome(outcome, kForegroundWindow);
}

// A text already in the user's language, in the program's message box.
void Tell(const QString& text, MbIcon icon) {
    ShowMessageBox(text.toStdString(), {}, icon);
}

QString Today() {
    const LocalTime now = Clock::Now().Local();
    return QString::asprintf("%04d-%02d-%02d", now.year, now.month, now.day);
}

}  // namespace

void RegisterDataScreens(CVelmoraMFCApp& app) {
    CVelmoraMFCApp::Screen exportScreen;
    exportScreen.title = title::kExport;
    exportScreen.run = [](CVelmoraMFCApp& app, const QString& title) {
        QString filter;
        const QString file =
            ChooseFile(app, title, true, QDir::homePath(), QLatin1String("velmora-") + Today(),
                       {TrMessage(kCsvFilter), TrMessage(kJsonFilter)}, &filter);
        if (file.isEmpty()) {
            return;
        }
        const bool json = file.endsWith(QLatin1String(".json"), Qt::CaseInsensitive) ||
                          (!file.endsWith(QLatin1String(".csv"), Qt::CaseInsensitive) &&
                           filter == TrMessage(kJsonFilter));
        ExchangeError error;
        if (ExportDiaryToFile(file.toStdString(), json ? ExchangeFormat::Json : ExchangeFormat::Csv,
                              error)) {
            ShowFilledMessageBox(kExported, {QDir::toNativeSeparators(file).toStdString()}, {},
                                 MbIcon::Information);
        } else {
            Tell(Translated(error), MbIcon::Stop);
        }
    };
    app.RegisterScreen(kCmdExport, exportScreen);

    CVelmoraMFCApp::Screen predictions;
    predictions.title = title::kExportPredictions;
    predictions.run = [](CVelmoraMFCApp& app, const QString& title) {
        // The diary as it is now; with nothing to predict there is no file to ask for.
        CycleInfo info;
        info.Analyze();
        ExchangeError error;
        if (!CanExportPredictions(info, error)) {
            Tell(Translated(error), MbIcon::Information);
            return;
        }
        const QString file =
            ChooseFile(app, title, true, QDir::homePath(),
                       QStringLiteral("velmora-predictions.ics"), {TrMessage(kIcsFilter)});
        if (file.isEmpty()) {
            return;
        }
        const TranslatePattern translate = [](const char* pattern) {
            return QCoreApplication::translate("Exchange", pattern).toStdString();
        };
        if (ExportPredictionsToFile(file.toStdString(), info, translate, error)) {
            ShowFilledMessageBox(kPredictionsExported,
                                 {QDir::toNativeSeparators(file).toStdString()}, {},
                                 MbIcon::Information);
        } else {
            Tell(Translated(error), MbIcon::Stop);
        }
    };
    app.RegisterScreen(kCmdExportPredictions, predictions);

    CVelmoraMFCApp::Screen importScreen;
    importScreen.title = title::kImport;
    importScreen.reanalyzeAfter = true;
    importScreen.run = [](CVelmoraMFCApp& app, const QString& title) {
        const QString file = ChooseFile(app, title, false, QDir::homePath(), {},
                                        {TrMessage(kImportFilter), TrMessage(kAllFiles)});
        if (file.isEmpty()) {
            return;
        }
        const ImportPlan plan = PlanImportFile(file.toStdString());
        CImportDlg preview(plan, QDir::toNativeSeparators(file), app.MainFrame());
        if (RunModal(preview, app.MainFrame(), title) != QDialog::Accepted || !plan.CanApply()) {
            return;
        }
        ExchangeError error;
        int written = 0;
        if (ApplyImport(plan, preview.Mode(), BackupBeforeImport, error, &written)) {
            Tell(ImportedLine(written), MbIcon::Information);
        } else {
            Tell(Translated(error), MbIcon::Stop);
        }
    };
    app.RegisterScreen(kCmdImport, importScreen);

    CVelmoraMFCApp::Screen backup;
    backup.title = title::kBackup;
    backup.run = [](CVelmoraMFCApp& app, const QString& title) {
        const QString name = QLatin1String("velmora-") + Today() + QLatin1String(".sqlite");
        const QString file =
            ChooseFile(app, title, true, QDir::homePath(), name, {TrMessage(kBackupFilter)});
        if (!file.isEmpty()) {
            Tell(BackupDiaryTo(file.toStdString()));
        }
    };
    app.RegisterScreen(kCmdBackupNow, backup);

    CVelmoraMFCApp::Screen restore;
    restore.title = title::kRestore;
    restore.reanalyzeAfter = true;
    restore.run = [](CVelmoraMFCApp& app, const QString& title) {
        const QString file = ChooseFile(app, title, false, QString::fromStdString(BackupDir()), {},
                                        {TrMessage(kBackupFilter), TrMessage(kAllFiles)});
        if (file.isEmpty() ||
            ShowFilledMessageBox(kRestoreQuestion, {QDir::toNativeSeparators(file).toStdString()},
                                 {}, MbIcon::Question, MbButtons::YesNo) != IDYES) {
            return;
        }
        Tell(RestoreDiaryFrom(file.toStdString()));
    };
    app.RegisterScreen(kCmdRestore, restore);
}

}  // namespace velmora
