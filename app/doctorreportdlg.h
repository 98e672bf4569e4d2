#pragma once

#include <QDialog>

class QComboBox;

namespace velmora {

// Control ids of the report screen.
inline constexpr int kReportCyclesId = 1301;
inline constexpr int kReportSaveId = 1302;
inline constexpr int kReportPrintId = 1303;

// The choice before the report for the doctor: how many of the last cycles it covers, and
// whether it is saved as PDF or printed. Enter saves, Escape closes. The dialog ends with
// kSave or kPrint; the caller makes the report.
class CDoctorReportDlg : public QDialog {
    Q_OBJECT

public:
    enum Action : int { kClosed = QDialog::Rejected, kSave = 2, kPrint = 3 };

    explicit CDoctorReportDlg(QWidget* parent = nullptr);
    // How many complete cycles were chosen (one of kReportCycleChoices).
    int Cycles() const;

private:
    QComboBox* m_cycles = nullptr;
};

}  // namespace velmora
