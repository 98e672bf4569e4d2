// Pictures of this area's screens.

#include <QDialog>
#include <QLineEdit>

#include "app/mainframe.h"
#include "app/passworddlg.h"
#include "help/helpdialog.h"
#include "store/password.h"
#include "store/settings.h"
#include "tools/shots/shots.h"
#include "ui/calendarview.h"
#include "ui/scaledlg.h"

namespace velmora {

namespace {

void Type(QDialog& dialog, int id, const QString& text) {
    if (auto* edit = dialog.findChild<QLineEdit*>(QString::number(id))) {
        edit->setText(text);
    }
}

}  // namespace

void ShootToolScreens(ShotContext& shots) {
    // The password prompt at start, and the change screen without and with a password.
    shots.ShotOfNextScreen([] { AskForPassword(AppSettings); }, "password-prompt",
                           [](QDialog& d) { Type(d, kPromptPasswordEditId, "secret"); });
    shots.ShotOfCommand(kCmdPassword, "password-set");
    const std::string password = AppSettings.PasswordHash;
    AppSettings.PasswordHash = HashPassword("secret");
    shots.ShotOfCommand(kCmdPassword, "password-change", [](QDialog& d) {
        Type(d, kOldPasswordEditId, "secret");
        Type(d, kNewPasswordEditId, "new one");
    });
    AppSettings.PasswordHash = password;

    shots.ShotOfCommand(kCmdSettings, "settings");
    shots.ShotOfCommand(kCmdDoctorReport, "doctor-report");

    // Help: the contents, and every screen of every page.
    shots.ShotOfCommand(kCmdHelp, "help-contents");
    shots.ShotOfCommand(kCmdCalendarHelp, "help-calendar");
    for (int page = kHelpFirstScreenPage; page <= kHelpPageCount; ++page) {
        const int screens = (HelpLineCount(page) + kHelpLinesPerScreen - 1) / kHelpLinesPerScreen;
        for (int screen = 0; screen < screens; ++screen) {
            shots.ShotOfCommand(kCmdHelp, QString::asprintf("help-p%02d-%d", page, screen + 1),
                                [page, screen](QDialog& d) {
                                    auto& help = static_cast<CHelpDialog&>(d);
                                    help.SetPage(page);
                                    for (int i = 0; i < screen; ++i) {
                                        help.NextScreen();
                                    }
                                });
        }
    }

    // The scale: a weight for a height, a height for a weight, and in English units.
    shots.ShotOfCommand(kCmdScale, "scale-weight", [](QDialog& d) {
        Type(d, kScaleValueId, "1.70");
        static_cast<CScaleDlg&>(d).Calculate();
    });
    shots.ShotOfCommand(kCmdScale, "scale-height", [](QDialog& d) {
        auto& scale = static_cast<CScaleDlg&>(d);
        scale.SwitchMode(false);
        Type(d, kScaleValueId, "80");
        scale.Calculate();
    });
    const int units = AppSettings.UnitsFormat;
    AppSettings.UnitsFormat = 0;
    shots.ShotOfCommand(kCmdScale, "scale-weight-english", [](QDialog& d) {
        Type(d, kScaleValueId, "5.6");
        static_cast<CScaleDlg&>(d).Calculate();
    });
    AppSettings.UnitsFormat = units;
}

}  // namespace velmora
