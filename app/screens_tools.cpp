// The screens of this area: Program Settings, the password screens, help and the weight and height
// scale.

#include "app/mainframe.h"
#include "app/passworddlg.h"
#include "app/velmoraapp.h"
#include "help/helpdialog.h"
#include "store/settings.h"
#include "ui/scaledlg.h"
#include "ui/calendarview.h"
#include "ui/kit/modal.h"
#include "ui/kit/titles.h"
#include "ui/settingsdlg.h"

namespace velmora {

namespace {
// The help browser's code for the calendar, and its pages there.
constexpr int kCalendarHelpCode = 11;
constexpr int kContentsPage = 1;
constexpr int kCalendarPage = 3;
}  // namespace

void RegisterToolScreens(CVelmoraMFCApp& app) {
    InstallHelpBrowser();
    app.promptForPassword = [] { return AskForPassword(AppSettings); };

    CVelmoraMFCApp::Screen settings;
    settings.title = title::kSettings;
    settings.reanalyzeAfter = true;
    settings.run = [](CVelmoraMFCApp& app, const QString& title) {
        CSettingsDlg dialog(app.Document(), app.MainFrame(), app.MainFrame());
        RunModal(dialog, app.MainFrame(), title);
    };
    app.RegisterScreen(kCmdSettings, settings);

    // The main window keeps its title; the screen shows its own.
    CVelmoraMFCApp::Screen password;
    password.title = title::kPassword;
    password.titlesMainWindow = false;
    password.run = [](CVelmoraMFCApp& app, const QString& title) {
        CPasswordDlg dialog(AppSettings, app.MainFrame());
        RunModal(dialog, app.MainFrame(), title);
    };
    app.RegisterScreen(kCmdPassword, password);

    CVelmoraMFCApp::Screen contents;
    contents.title = title::kHelp;
    contents.run = [](CVelmoraMFCApp& app, const QString&) {
        OpenHelpBrowser(app.MainFrame(), kCalendarHelpCode, kContentsPage);
    };
    app.RegisterScreen(kCmdHelp, contents);

    CVelmoraMFCApp::Screen calendarHelp;
    calendarHelp.title = title::kHelp;
    calendarHelp.run = [](CVelmoraMFCApp& app, const QString&) {
        OpenHelpBrowser(app.MainFrame(), kCalendarHelpCode, kCalendarPage);
    };
    app.RegisterScreen(kCmdCalendarHelp, calendarHelp);

    CVelmoraMFCApp::Screen scale;
    scale.title = title::kScale;
    scale.run = [](CVelmoraMFCApp& app, const QString& title) {
        CScaleDlg dialog(app.MainFrame(), app.MainFrame());
        RunModal(dialog, app.MainFrame(), title);
    };
    app.RegisterScreen(kCmdScale, scale);
}

}  // namespace velmora
