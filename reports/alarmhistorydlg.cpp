#include "reports/alarmhistorydlg.h"

#include <QVBoxLayout>

#include "platform/calendar.h"
#include "platform/messagebox.h"
#include "reminders/alarmtext.h"
#include "reports/historybase.h"
#include "store/names.h"
#include "store/settings.h"
#include "store/velmoradoc.h"
#include "ui/alarmsetupdlg.h"
#include "ui/kit/commandbar.h"
#include "ui/kit/help.h"
#include "ui/kit/keys.h"
#include "ui/kit/mainframe.h"
#include "ui/kit/reporttable.h"
#include "ui/kit/text.h"
#include "ui/kit/titles.h"

namespace velmora {

namespace {

constexpr int kTemplateId = 133;
constexpr int kToolbarId = 210;
constexpr int kHelpScreenCode = 6;
constexpr int kHelpPage = 2;

}  // namespace

CAlarmHistoryDlg::CAlarmHistoryDlg(IMainFrame* frame, QWidget* parent)
    : QDialog(parent), m_frame(frame) {
    setObjectName(QString::number(kTemplateId));
    setWindowTitle(ScreenTitle(title::kAlarmHistory));
    AddHelpKey(this, [this] { ShowHelp(); });
    m_list = LayOutHistoryScreen(this, kAlarmHistoryListId, m_bar);
    m_list->SetColumns({{tr("Date"), 74}, {tr("Type"), 84}, {tr("Time"), 65}});
    m_bar->AddTools(kToolbarId,
                    {{kCmdAlarmHistoryView, tr("View")},
                     {kCmdAlarmHistoryDelete, tr("Delete")},
                     {kCmdAlarmHistoryDeleteAll, tr("Delete All")},
                     {kCmdAlarmHistoryHelp, tr("Help")}},
                    QSize(50, 16));
    m_bar->AddStretch();
    connect(m_bar, &CCommandBar::commandTriggered, this, &CAlarmHistoryDlg::OnCommand);
    Refill();
}

CAlarmHistoryDlg::~CAlarmHistoryDlg() = default;

void CAlarmHistoryDlg::Refill() {
    m_list->RemoveAllRows();
    const int dateFormat = AppSettings.DateFormat;
    const int separator = AppSettings.DateSeparator;
    const int timeFormat = AppSettings.TimeFormat;
    const long long origin = DaysFromCivil(2000, 1, 1);
    CVelmoraMFCDoc scan;  // a cursor of the screen's own
    scan.ForEachDay([&](CVelmoraMFCDoc& day) {
        const LocalTime lt = day.m_date.Local();
        const long long days =
            DayNumber(lt.year, lt.month, lt.day) -
            origin;
        const QString date =
            QString::fromStdString(ReportDateText(day.m_date, dateFormat, separator));
        for (int slot = 0; slot < kAlarmSlots; ++slot) {
            const int type = day.m_alarmType[static_cast<size_t>(slot)];
            if (type == 0) {
                continue;
            }
            CReportTable::Row row;
            // Days in order, a day's alarms in slot order; date and slot stay apart.
            row.key = days * kAlarmSlots + slot;
            row.date = day.m_date;
            row.slot = slot;
            m_list->AddRow({date, TrName(AlarmTypeName(type)),
                            QString::fromStdString(FormatAlarmTime(
                                day.m_alarmTime[static_cast<size_t>(slot)], timeFormat))},
                           row);
        }
        return true;
    });
}

void CAlarmHistoryDlg::OnCommand(int command) {
    switch (command) {
        case kCmdAlarmHistoryView:
            View();
            break;
        case kCmdAlarmHistoryDelete:
            Delete();
            break;
        case kCmdAlarmHistoryDeleteAll:
            DeleteAll();
            break;
        case kCmdAlarmHistoryHelp:
            ShowHelp();
            break;
        default:
            break;
    }
}

void CAlarmHistoryDlg::View() {
    CReportTable::Row row;
    if (!m_list->SelectedRow(row)) {
        return;
    }
    CVelmoraMFCDoc doc;
    if (doc.OpenDay(row.date)) {
        // Confirmed or cancelled, the day is stored as the setup leaves it; with no alarm
        // left it no longer counts as a day with alarms.
        CAlarmSetupDlg::Run(doc, m_frame, this);
        doc.m_alarm = AnyAlarmSet(doc);
        ReportHistorySave(doc.SaveDay());
    }
    Refill();
}

void CAlarmHistoryDlg::ClearAlarm(CTime day, int slot) {
    if (slot < 0 || slot >= kAlarmSlots) {
        return;
    }
    CVelmoraMFCDoc doc;
    if (!doc.OpenDay(day)) {
        return;
    }
    doc.m_alarmType[static_cast<size_t>(slot)] = 0;
    // The day's other alarms still ring.
    doc.m_alarm = AnyAlarmSet(doc);
    ReportHistorySave(doc.SaveDay());
}

void CAlarmHistoryDlg::Delete() {
    CReportTable::Row row;
    if (!m_list->SelectedRow(row)) {
        return;
    }
    if (ShowMessageBox(QT_TRANSLATE_NOOP("Message", "Do you really want to delete this alarm?"),
                       QT_TRANSLATE_NOOP("Message", "Confirm"), MbIcon::Warning,
                       MbButtons::YesNo) != IDYES) {
        return;
    }
    ClearAlarm(row.date, row.slot);
    Refill();
}

void CAlarmHistoryDlg::DeleteAll() {
    if (m_list->RowCount() == 0) {
        return;
    }
    if (ShowMessageBox(QT_TRANSLATE_NOOP("Message", "Do you really want to delete all alarms?"),
                       QT_TRANSLATE_NOOP("Message", "Confirm"), MbIcon::Warning,
                       MbButtons::YesNo) != IDYES) {
        return;
    }
    for (int i = 0; i < m_list->RowCount(); ++i) {
        const CReportTable::Row row = m_list->RowAt(i);
        ClearAlarm(row.date, row.slot);
    }
    Refill();
}

void CAlarmHistoryDlg::ShowHelp() {
    // The help browser shows "Help" while it is open and gives the title back by screen.
    OpenHelp(m_frame, kHelpScreenCode, kHelpPage);
}

}  // namespace velmora
