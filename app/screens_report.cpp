// The report for the doctor: the choice of cycles, then a PDF saved where the person says, or
// the report printed.

#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

#include "app/doctorreportdlg.h"
#include "app/mainframe.h"
#include "app/velmoraapp.h"
#include "platform/messagebox.h"
#include "reports/doctorreport.h"
#include "ui/kit/modal.h"
#include "ui/kit/titles.h"

namespace velmora {

namespace {

constexpr char kPdfFilter[] = QT_TRANSLATE_NOOP("Message", "PDF files (*.pdf)");
constexpr char kSaved[] = QT_TRANSLATE_NOOP("Message", "The report is saved to %1.");
constexpr char kPrinted[] = QT_TRANSLATE_NOOP("Message", "The report is sent to %1.");
constexpr char kNotPrinted[] = QT_TRANSLATE_NOOP("Message", "The report cannot be printed on %1.");

// Asks where the PDF goes, in the program's own file screen. Empty when cancelled.
QString ChoosePdf(CVelmoraMFCApp& app, const QString& title) {
    QFileDialog dialog(app.MainFrame());
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters({QCoreApplication::translate("Message", kPdfFilter)});
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    dialog.setDirectory(QDir::homePath());
    dialog.selectFile(DefaultReportFileName());
    if (RunModal(dialog, app.MainFrame(), title) != QDialog::Accepted ||
        dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return dialog.selectedFiles().front();
}

// Reading the diary and drawing every chart takes a moment: the pointer says so.
CDoctorReport ReadReport(int cycles) {
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    CDoctorReport report = CDoctorReport::Read(cycles);
    QGuiApplication::restoreOverrideCursor();
    return report;
}

void SavePdf(CVelmoraMFCApp& app, const QString& title, int cycles) {
    const QString file = ChoosePdf(app, title);
    if (file.isEmpty()) {
        return;
    }
    const CDoctorReport report = ReadReport(cycles);
    QString error;
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    const int pages = report.WritePdf(file, ReportPageSize(QLocale::system()), error);
    QGuiApplication::restoreOverrideCursor();
    if (pages > 0) {
        ShowFilledMessageBox(kSaved, {QDir::toNativeSeparators(file).toStdString()}, {},
                             MbIcon::Information);
    } else {
        ShowMessageBox(error.toStdString(), {}, MbIcon::Stop);
    }
}

void Print(CVelmoraMFCApp& app, const QString& title, int cycles) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(ReportPageSize(QLocale::system()));
    printer.setDocName(ScreenTitle(title::kDoctorReport));
    // Without a printer the dialog prints to a file: it offers the report's usual name.
    if (QPrinterInfo::availablePrinterNames().isEmpty()) {
        printer.setOutputFileName(QDir::home().filePath(DefaultReportFileName()));
    }
    QPrintDialog dialog(&printer, app.MainFrame());
    if (RunModal(dialog, app.MainFrame(), title) != QDialog::Accepted) {
        return;
    }
    const CDoctorReport report = ReadReport(cycles);
    const QString file = printer.outputFileName();
    if (printer.outputFormat() == QPrinter::PdfFormat && !file.isEmpty()) {
        // Printed to a file: written as safely as a saved report.
        QString error;
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
        const int pages = report.WritePdf(file, printer.pageLayout().pageSize(), error);
        QGuiApplication::restoreOverrideCursor();
        if (pages > 0) {
            ShowFilledMessageBox(kSaved, {QDir::toNativeSeparators(file).toStdString()}, {},
                                 MbIcon::Information);
        } else {
            ShowMessageBox(error.toStdString(), {}, MbIcon::Stop);
        }
        return;
    }
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    const int pages = report.Paint(printer);
    QGuiApplication::restoreOverrideCursor();
    ShowFilledMessageBox(pages > 0 ? kPrinted : kNotPrinted, {printer.printerName().toStdString()},
                         {}, pages > 0 ? MbIcon::Information : MbIcon::Stop);
}

}  // namespace

void RegisterReportScreens(CVelmoraMFCApp& app) {
    CVelmoraMFCApp::Screen report;
    report.title = title::kDoctorReport;
    report.run = [](CVelmoraMFCApp& app, const QString& title) {
        CDoctorReportDlg dialog(app.MainFrame());
        const int action = RunModal(dialog, app.MainFrame(), title);
        if (action == CDoctorReportDlg::kSave) {
            SavePdf(app, title, dialog.Cycles());
        } else if (action == CDoctorReportDlg::kPrint) {
            Print(app, title, dialog.Cycles());
        }
    };
    app.RegisterScreen(kCmdDoctorReport, report);
}

}  // namespace velmora
