#pragma once

#include <QDialog>

#include "platform/ctime.h"

namespace velmora {

class CCommandBar;
class CReportTable;
class IMainFrame;

// Commands of the Alarm History's command bar, and its list.
enum AlarmHistoryCommand : int {
    kCmdAlarmHistoryView = 1004,
    kCmdAlarmHistoryDelete = 1005,
    kCmdAlarmHistoryDeleteAll = 1006,
    kCmdAlarmHistoryHelp = 32835,
};
inline constexpr int kAlarmHistoryListId = 1007;

// Alarm History: one row for every alarm stored in the diary, oldest day first and a day's
// alarms in slot order, with the alarm's type and time (in the TimeFormat setting). View
// opens the alarm setup of the row's day and stores the day afterwards; Delete removes the
// row's alarm, Delete All every alarm. A day keeps its alarm flag while it has alarms left.
//
// Each row carries its day and its slot; a row whose day is no longer stored is passed over.
class CAlarmHistoryDlg : public QDialog {
    Q_OBJECT

public:
    explicit CAlarmHistoryDlg(IMainFrame* frame, QWidget* parent = nullptr);
    ~CAlarmHistoryDlg() override;

    void OnCommand(int command);
    // Reads the list again from the diary.
    void Refill();

    CReportTable* Table() const { return m_list; }
    CCommandBar* CommandBar() const { return m_bar; }

private:
    void View();
    void Delete();
    void DeleteAll();
    void ShowHelp();
    // Empties alarm slot `slot` of the stored day `day`; a day no longer stored is left
    // alone.
    static void ClearAlarm(CTime day, int slot);

    IMainFrame* m_frame;
    CReportTable* m_list = nullptr;
    CCommandBar* m_bar = nullptr;
};

}  // namespace velmora
