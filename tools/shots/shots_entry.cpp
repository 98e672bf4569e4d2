// Pictures of this area's screens.

#include <QComboBox>
#include <QDialog>
#include <QPlainTextEdit>

#include "app/mainframe.h"
#include "app/velmoraapp.h"
#include "platform/clock.h"
#include "store/velmoradoc.h"
#include "tools/shots/shots.h"
#include "ui/alarmsetupdlg.h"
#include "ui/dayviewdlg.h"
#include "ui/kit/modal.h"
#include "ui/kit/reporttable.h"
#include "ui/kit/titles.h"
#include "ui/mydiarydlg.h"

namespace velmora {

namespace {

// The most recent past day of the demo diary with the most to show (a diary entry, a note,
// a flow, an alarm...), so every part of the Day View has something on it.
CTime RichDay() {
    CVelmoraMFCDoc scan;
    CTime best;
    int bestScore = -1;
    const CTime now = Clock::Now();
    scan.ForEachDay([&](CVelmoraMFCDoc& d) {
        if (d.m_date > now) {
            return true;
        }
        const int score = 4 * (d.m_diaryType[0] != 0) + 2 * !d.m_note.empty() +
                          2 * (d.m_fluid != 0) + d.m_alarm + (d.m_weight != 0) +
                          (d.m_temperature != 0) + d.m_sport + d.m_ache;
        if (score > bestScore || (score == bestScore && d.m_date > best)) {
            bestScore = score;
            best = d.m_date;
        }
        return true;
    });
    return bestScore < 0 ? now : best;
}

// The most recent day with an alarm set, for the alarm setup's picture.
CTime AlarmDay(CTime otherwise) {
    CVelmoraMFCDoc scan;
    CTime found = otherwise;
    bool any = false;
    scan.ForEachDay([&](CVelmoraMFCDoc& d) {
        if (d.m_alarm && (!any || d.m_date > found)) {
            found = d.m_date;
            any = true;
        }
        return true;
    });
    return found;
}

}  // namespace

void ShootEntryScreens(ShotContext& shots) {
    CVelmoraMFCApp& app = shots.app;
    const CTime day = RichDay();
    auto openDay = [&app, day] {
        app.MainFrame()->SetTitle(ScreenTitle(title::kDayView));
        app.Document().OpenDay(day);
        CDayViewDlg::Run(app.Document(), app.MainFrame(), kDayViewFromCalendar);
        app.MainFrame()->SetTitle(ScreenTitle(title::kCalendarView));
    };
    const char* const names[3] = {"dayview-fluids", "dayview-note", "dayview-mydiary"};
    for (int page = 0; page < 3; ++page) {
        shots.ShotOfNextScreen(openDay, names[page], [page](QDialog& dialog) {
            dynamic_cast<CDayViewDlg&>(dialog).SelectPage(page);
        });
    }

    // The alarm setup, as "Правка" opens it over a day with an alarm.
    shots.ShotOfNextScreen(
        [&app, alarms = AlarmDay(day)] {
            app.Document().OpenDay(alarms);
            CAlarmSetupDlg::Run(app.Document(), app.MainFrame());
        },
        "alarmsetup");

    // My Diary on the kind with the most entries, then Add note over it.
    shots.ShotOfCommand(kCmdMyDiary, "mydiary", [](QDialog& dialog) {
        auto& diary = dynamic_cast<CMyDiaryDlg&>(dialog);
        auto* kinds = dialog.findChild<QComboBox*>("1061");
        int most = 0;
        int rows = -1;
        for (int kind = 0; kind < kinds->count(); ++kind) {
            kinds->setCurrentIndex(kind);
            if (diary.List()->RowCount() > rows) {
                rows = diary.List()->RowCount();
                most = kind;
            }
        }
        kinds->setCurrentIndex(most);
    });
    QueueModalHook([](QDialog& dialog) {
        dynamic_cast<CMyDiaryDlg&>(dialog).OnAdd();
        dialog.reject();
    });
    shots.ShotOfNextScreen([&app] { app.OnCommand(kCmdMyDiary); }, "addnote",
                           [](QDialog& dialog) {
                               if (auto* text = dialog.findChild<QPlainTextEdit*>("1022")) {
                                   text->setPlainText("Haircut at 10:00, then coffee with Ann");
                               }
                           });
}

}  // namespace velmora
