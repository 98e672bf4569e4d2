#pragma once

#include <QDialog>
#include <QString>

namespace velmora {

class CCommandBar;
class CReportTable;
class IMainFrame;

// Commands of the Cycle History's command bar, and its list.
enum CycleHistoryCommand : int {
    kCmdCycleHistoryView = 1004,
    kCmdCycleHistoryHelp = 57670,
};
inline constexpr int kCycleHistoryListId = 1007;

// Cycle History: every cycle that began in the last 713 days (today included), oldest
// first, with its start date, the start of its fertile window and its length, and the
// average length below the list. Only recorded days count: the cycle still running has no
// ovulation date or length yet. View opens the Cycle Bar on the chosen cycle.
class CCycleHistoryDlg : public QDialog {
    Q_OBJECT

public:
    // The days the list looks at: today and the 712 before it.
    static constexpr int kWindowDays = 713;

    explicit CCycleHistoryDlg(IMainFrame* frame, QWidget* parent = nullptr);
    ~CCycleHistoryDlg() override;

    // View and Help.
    void OnCommand(int command);

    CReportTable* Table() const { return m_list; }
    CCommandBar* CommandBar() const { return m_bar; }
    // The line below the list; empty when the diary does not exist.
    const QString& AverageText() const { return m_averageText; }

private:
    void Fill();
    void View();
    void ShowHelp();

    IMainFrame* m_frame;
    QWidget* m_client = nullptr;
    CReportTable* m_list = nullptr;
    CCommandBar* m_bar = nullptr;
    QString m_averageText;
};

}  // namespace velmora
