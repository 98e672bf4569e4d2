#pragma once

#include <QString>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>

#include "platform/messagebox.h"
#include "platform/profile.h"
#include "store/velmoradoc.h"
#include "ui/kit/language.h"

class QApplication;

namespace velmora {

class CMainFrame;
class DesktopNotifier;
class IMainFrame;
class CSoundMixer;
class IStartScheduler;
class ReminderThread;
class SingleInstance;
class SignalQuitter;

// Outcome of the password prompt at start.
enum PasswordPrompt : int16_t {
    kPromptNone = 0,
    kPromptAccepted = 1,
    kPromptWrong = 2,
    kPromptCancelled = 3,
};

// How a run of the program is set up. The defaults are the program's; tests and the
// screenshot tool change them.
struct AppOptions {
    int splashMs = 2000;               // how long the start picture shows
    bool singleInstance = true;        // hand over to a copy that is running already
    bool handleSignals = true;         // SIGTERM, SIGINT and SIGHUP end the program in order
    bool qtMessageBoxes = true;        // show message boxes as Qt dialogs (tests record them)
    bool sound = true;                 // make the sound mixer (without it every sound is skipped)
    bool reminders = true;             // watch for alarms while the program runs
    bool exitAfterFirstFrame = false;  // start-up measurements: end once the month shows
    int listenDelayMs = 0;             // start-race tests: a pause before listening
    // The screens' language; from the Language setting when none (--language=en|ru|source,
    // or VELMORA_LANGUAGE, asks for one).
    std::optional<UiLanguage> language;
    // The zoom for this run, 1-4; from the Zoom setting when none (--zoom=N, or VELMORA_ZOOM).
    std::optional<int> zoom;
    std::shared_ptr<IProfileStore> profile;      // the settings store; QSettings when none
    std::shared_ptr<IStartScheduler> scheduler;  // starts the program at the next alarm;
                                                 // the user's systemd when none
    QString notificationBus;  // where reminders go as desktop notifications: the D-Bus
                              // address; the session bus when empty

    // The program's options: the language from the command line or the environment, and the
    // test-only waits from the environment.
    static AppOptions FromEnvironment();
};

// The application: start-up, the exit routine, and the routing of commands to screens.
class CVelmoraMFCApp {
public:
    CVelmoraMFCApp(QApplication& qt, AppOptions options);
    ~CVelmoraMFCApp();
    CVelmoraMFCApp(const CVelmoraMFCApp&) = delete;
    CVelmoraMFCApp& operator=(const CVelmoraMFCApp&) = delete;

    // Start-up, the message loop and the exit routine; returns the exit code.
    int Run();
    // The start-up steps in order. False ends the program at once (the exit routine still
    // runs); so does a second copy, which hands over to the first (see HandedOver).
    bool InitInstance();
    // The exit routine: runs once, however the program ends.
    int ExitInstance();
    bool HandedOver() const { return m_handedOver; }

    // A screen opened by a command: its title (one of ui/kit/titles.h), whether the main
    // window shows that title while it is open, whether the calendar reloads its month
    // afterwards, and how to run it. `run` gets the title as the window shows it.
    struct Screen {
        const char* title = nullptr;  // none: the main window's title stays as it is
        bool titlesMainWindow = true;
        bool reloadAfter = false;
        bool reanalyzeAfter = false;
        std::function<void(CVelmoraMFCApp& app, const QString& title)> run;
    };
    void RegisterScreen(int command, Screen screen);
    // Runs a command of the menus or tool buttons.
    void OnCommand(int command);

    CMainFrame* MainFrame() const { return m_frame.get(); }
    CVelmoraMFCDoc& Document() { return m_doc; }
    IProfileStore& Profile() { return *m_profile; }
    int16_t PasswordPromptResult() const { return m_prompt; }

    ReminderThread* Reminders() const { return m_reminders.get(); }
    CSoundMixer* Mixer() const { return m_mixer.get(); }

    // Step 5: the password prompt, asked again while it answers kPromptWrong. Installed by
    // the password screens; without it no prompt is shown. A plain callback, not a signal:
    // it answers a question.
    std::function<PasswordPrompt()> promptForPassword;

private:
    void RegisterOwnScreens();
    // Puts the Zoom setting into effect when it changed, once the command's screens closed.
    void FollowZoomSetting();
    // Ends the message loop, or keeps it from starting when start-up is still running.
    void RequestQuit();

    QApplication& m_qt;
    AppOptions m_options;
    std::shared_ptr<IProfileStore> m_profile;
    CVelmoraMFCDoc m_doc;
    std::unique_ptr<CMainFrame> m_frame;
    std::unique_ptr<SingleInstance> m_single;
    std::unique_ptr<SignalQuitter> m_signals;
    std::shared_ptr<IStartScheduler> m_scheduler;
    std::unique_ptr<ReminderThread> m_reminders;
    std::unique_ptr<DesktopNotifier> m_notifier;
    std::unique_ptr<CSoundMixer> m_mixer;
    std::map<int, Screen> m_screens;
    WindowRef m_foreground = kNoOwner;
    int16_t m_prompt = kPromptNone;
    int m_zoomSetting = 0;  // the Zoom setting last put into effect
    bool m_handedOver = false;
    bool m_exited = false;
    bool m_quitRequested = false;
};

// Each area of the program registers its screens (and its places in the calendar) here;
// the application calls them all when it is made.
void RegisterEntryScreens(CVelmoraMFCApp& app);       // Day View, alarms, My Diary
void RegisterCycleScreens(CVelmoraMFCApp& app);       // Cycle Bar, Cycle History, Year View
void RegisterChartScreens(CVelmoraMFCApp& app);       // charts and histories
void RegisterDataScreens(CVelmoraMFCApp& app);        // export, import, back up now, restore
void RegisterStatisticsScreens(CVelmoraMFCApp& app);  // Statistics
void RegisterReportScreens(CVelmoraMFCApp& app);      // the report for the doctor
void RegisterToolScreens(CVelmoraMFCApp& app);        // settings, password, help, scale

}  // namespace velmora
