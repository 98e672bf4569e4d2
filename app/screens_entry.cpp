// The screens of this area: Day View, alarm setup, My Diary and Add note.

#include "app/mainframe.h"
#include "app/velmoraapp.h"
#include "ui/dayviewdlg.h"
#include "ui/kit/modal.h"
#include "ui/kit/titles.h"
#include "ui/mydiarydlg.h"

namespace velmora {

void RegisterEntryScreens(CVelmoraMFCApp& app) {
    CVelmoraMFCApp::Screen diary;
    diary.title = title::kMyDiary;
    diary.reloadAfter = true;
    // Its View opens the Day View, where bleeding days may change: the cycles are analysed
    // again too.
    diary.reanalyzeAfter = true;
    diary.run = [](CVelmoraMFCApp& app, const QString& title) {
        CMyDiaryDlg dialog(app.Document(), app.MainFrame(), app.MainFrame());
        RunModal(dialog, app.MainFrame(), title);
    };
    app.RegisterScreen(kCmdMyDiary, diary);
}

}  // namespace velmora
