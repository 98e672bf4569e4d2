#include "app/velmoraapp.h"

#include <QApplication>
#include <QPalette>
#include <QScreen>
#include <QThread>
#include <QTimer>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

#include "app/aboutdlg.h"
#include "app/desktopnotifier.h"
#include "app/mainframe.h"
#include "app/processglue.h"
#include "app/qsettingsprofile.h"
#include "platform/backup.h"
#include "reminders/nextalarm.h"
#include "reminders/reminderthread.h"
#include "reminders/sharedstate.h"
#include "reminders/soundmixer.h"
#include "reminders/startscheduler.h"
#include "store/names.h"
#include "store/settings.h"
#include "ui/calendarview.h"
#include "ui/dayviewdlg.h"
#include "ui/kit/modal.h"
#include "ui/kit/qtmessagebox.h"
#include "ui/kit/titles.h"
#include "ui/kit/zoom.h"

namespace velmora {

namespace {

// Where the main window stood, in device pixels of the desktop, so a change of zoom keeps it
// in place; none before the first run's end.
constexpr char kWindowX[] = "WindowX";
constexpr char kWindowY[] = "WindowY";
constexpr int kNoPosition = std::numeric_limits<int>::min();

void RestorePosition(QWidget& frame, IProfileStore& profile) {
    const int x = profile.GetProfileInt(kSettingsSection, kWindowX, kNoPosition);
    const int y = profile.GetProfileInt(kSettingsSection, kWindowY, kNoPosition);
    const QScreen* primary = QGuiApplication::primaryScreen();
    if (x == kNoPosition || y == kNoPosition || !primary) {
        return;  // the window manager places it
    }
    const double ratio = primary->devicePixelRatio();
    QPoint at(static_cast<int>(std::lround(x / ratio)), static_cast<int>(std::lround(y / ratio)));
    // On a screen, whole, even when the screens changed since.
    const QScreen* screen = QGuiApplication::screenAt(at);
    const QRect area = (screen ? screen : primary)->availableGeometry();
    const QSize size = frame.size().expandedTo(frame.minimumSize());  // not laid out yet
    at.setX(
        std::clamp(at.x(), area.left(), std::max(area.left(), area.right() + 1 - size.width())));
    at.setY(
        std::clamp(at.y(), area.top(), std::max(area.top(), area.bottom() + 1 - size.height())));
    frame.move(at);
}

void SavePosition(const QWidget& frame, IProfileStore& profile) {
    const QScreen* primary = QGuiApplication::primaryScreen();
    const double ratio = primary ? primary->devicePixelRatio() : 1.0;
    profile.WriteProfileInt(kSettingsSection, kWindowX,
                            static_cast<int>(std::lround(frame.x() * ratio)));
    profile.WriteProfileInt(kSettingsSection, kWindowY,
                            static_cast<int>(std::lround(frame.y() * ratio)));
}

}  // namespace

AppOptions AppOptions::FromEnvironment() {
    AppOptions options;
    // For start-up measurements only: how long the start picture stays.
    if (const char* ms = std::getenv("VELMORA_TEST_SPLASH_MS")) {
        options.splashMs = std::atoi(ms);
    }
    options.exitAfterFirstFrame = std::getenv("VELMORA_TEST_EXIT_AFTER_FIRST_FRAME") != nullptr;
    if (const char* code = std::getenv("VELMORA_LANGUAGE")) {
        options.language = LanguageFromCode(QString::fromUtf8(code));
    }
    auto zoom = [&options](const QString& text) {
        bool ok = false;
        const int n = text.toInt(&ok);
        if (ok && n >= kMinZoom && n <= kMaxZoom) {
            options.zoom = n;
        }
    };
    if (const char* n = std::getenv("VELMORA_ZOOM")) {
        zoom(QString::fromUtf8(n));
    }
    const QString flag = QStringLiteral("--language=");
    const QString zoomFlag = QStringLiteral("--zoom=");
    for (const QString& argument : QCoreApplication::arguments()) {
        if (argument.startsWith(flag)) {
            options.language = LanguageFromCode(argument.mid(flag.size()));
        } else if (argument.startsWith(zoomFlag)) {
            zoom(argument.mid(zoomFlag.size()));
        }
    }
    // For the start-race test only: widens the moment between deciding to run and listening.
    if (const char* ms = std::getenv("VELMORA_TEST_LISTEN_DELAY_MS")) {
        options.listenDelayMs = std::atoi(ms);
    }
    return options;
}

CVelmoraMFCApp::CVelmoraMFCApp(QApplication& qt, AppOptions options)
    : m_qt(qt), m_options(std::move(options)) {
    RegisterOwnScreens();
}

CVelmoraMFCApp::~CVelmoraMFCApp() {
    ExitInstance();
}

int CVelmoraMFCApp::Run() {
    if (!InitInstance()) {
        return m_handedOver ? 0 : ExitInstance();
    }
    // A signal that came during start-up has asked for the end already.
    if (!m_quitRequested) {
        m_qt.exec();
    }
    return ExitInstance();
}

void CVelmoraMFCApp::RequestQuit() {
    m_quitRequested = true;
    m_qt.quit();
}

namespace {

// A reminder's notification was activated: the main window comes to the front with the
// alarm's day in the Day View, as a tap on that day opens it. A screen that is open holds
// the document's day, so over one (or before the calendar shows) the window only comes up.
void OpenReminderDay(CMainFrame* frame, CVelmoraMFCDoc& doc, CTime day) {
    if (!frame) {
        return;
    }
    frame->showNormal();
    frame->raise();
    frame->activateWindow();
    if (!frame->View()->IsStarted() || QApplication::activeModalWidget()) {
        return;
    }
    const LocalTime local = day.Local();
    SelectMonth(local.month, local.year);
    CDayViewDlg::RunForDay(doc, frame, kDayViewFromCalendar, day);
    frame->SetTitle(ScreenTitle(title::kCalendarView));
    frame->View()->Reanalyze();
}

}  // namespace

bool CVelmoraMFCApp::InitInstance() {
    // The signals first: from the moment a second start could find this copy, a SIGTERM
    // ends it through the exit routine.
    if (m_options.handleSignals) {
        m_signals = std::make_unique<SignalQuitter>([this] { RequestQuit(); });
    }
    if (m_options.singleInstance) {
        m_single = std::make_unique<SingleInstance>();
        if (m_single->HandOverToRunningCopy()) {
            m_handedOver = true;
            m_exited = true;  // the running copy keeps its settings and alarms
            return false;
        }
        if (m_options.listenDelayMs > 0) {
            QThread::msleep(static_cast<unsigned long>(m_options.listenDelayMs));
        }
        m_single->Listen([this] {
            if (m_frame) {
                m_frame->showNormal();
                m_frame->raise();
                m_frame->activateWindow();
            }
            // A start by the scheduler at an alarm lands here: look at the alarms now.
            if (m_reminders) {
                m_reminders->Rescan();
            }
        });
    }
    // The end of the desktop session ends the program the orderly way.
    QObject::connect(&m_qt, &QGuiApplication::commitDataRequest, &m_qt, [this] { RequestQuit(); });
    if (m_options.qtMessageBoxes) {
        InstallQtMessageBoxes();
    }

    // 1-2. The settings store, and the settings.
    m_profile = m_options.profile ? m_options.profile : std::make_shared<QSettingsProfileStore>();
    LoadSettings(*m_profile, AppSettings, SoundsEnabled);
    // A password an earlier version kept as plain text is replaced by its hash at once.
    UpgradePlainPassword(*m_profile, AppSettings);
    SetReminderTimeFormat(AppSettings.TimeFormat);
    ApplyLanguage(m_options.language.value_or(ResolveLanguage(AppSettings.Language)));
    // The zoom before the first window, the password prompt included.
    ApplyZoom(m_options.zoom.value_or(ResolveZoom(AppSettings.Zoom)));
    m_zoomSetting = AppSettings.Zoom;
    // 3. The window in front now: the password prompt goes over it.
    m_foreground = QApplication::activeWindow();
    // 4. The reminder thread; it waits for the mixer (step 10) before its first look.
    ExitRequested = false;
    if (m_options.reminders) {
        m_reminders = std::make_unique<ReminderThread>();
        m_reminders->Start();
    }
    // 5. The password, asked again after every wrong entry. The count of wrong answers is
    // kept at once, so that ending the program does not start it again.
    if (!AppSettings.PasswordHash.empty() && promptForPassword) {
        do {
            const int failures = AppSettings.PasswordFailures;
            m_prompt = promptForPassword();
            if (AppSettings.PasswordFailures != failures) {
                SavePasswordAttempts(*m_profile, AppSettings);
            }
        } while (m_prompt == kPromptWrong);
        // Cancelled: nothing of the diary is shown, not even for a moment.
        if (m_prompt == kPromptCancelled) {
            return false;
        }
    }
    // 6. The document, the main window and the calendar with its start picture. The year
    // lists end where they end for the whole run.
    FixLastYearForRun();
    m_doc.OnNewDocument();
    m_frame = std::make_unique<CMainFrame>(m_doc);
    QObject::connect(m_frame.get(), &CMainFrame::commandTriggered, &m_qt,
                     [this](int command) { OnCommand(command); });
    QObject::connect(m_frame.get(), &CMainFrame::closing, &m_qt, [this] { RequestQuit(); });
    QObject::connect(m_frame->View(), &CVelmoraMFCView::dayViewRequested, m_frame.get(),
                     [](CVelmoraMFCDoc& doc, IMainFrame* frame) {
                         CDayViewDlg::Run(doc, frame, kDayViewFromCalendar);
                     });
    if (m_options.exitAfterFirstFrame) {
        QObject::connect(m_frame->View(), &CVelmoraMFCView::firstFramePainted, &m_qt,
                         [this] { m_qt.quit(); });
    }
    m_frame->View()->OnInitialUpdate(m_options.splashMs);
    // 7. Dialog colours.
    QPalette palette = m_qt.palette();
    palette.setColor(QPalette::Window, QColor(255, 242, 223));
    palette.setColor(QPalette::WindowText, Qt::black);
    m_qt.setPalette(palette, "QDialog");
    // 8. Show, where the window stood last time.
    RestorePosition(*m_frame, *m_profile);
    m_frame->show();
    // 10. The sound mixer. One that finds no device stays: sounds are skipped, reminders
    // still show.
    if (m_options.sound) {
        m_mixer = std::make_unique<CSoundMixer>();
        m_mixer->Open(22050, 1);
        TheSoundMixer = m_mixer.get();
    }
    // 11. Reminders also as desktop notifications, before the reminder thread's first look.
    if (m_reminders) {
        m_notifier = std::make_unique<DesktopNotifier>(m_options.notificationBus);
        QObject::connect(m_notifier.get(), &DesktopNotifier::dayRequested, &m_qt,
                         [this](CTime day) { OpenReminderDay(m_frame.get(), m_doc, day); });
        m_reminders->SetListener(
            [notifier = m_notifier.get()](const DueAlarm& alarm) { notifier->Notify(alarm); });
    }
    if (m_reminders) {
        m_reminders->MixerSettled();
    }
    return true;
}

int CVelmoraMFCApp::ExitInstance() {
    if (m_exited) {
        return 0;
    }
    m_exited = true;
    // 1. The exit flag: the reminder thread stops (and is waited for).
    ExitRequested = true;
    if (m_reminders) {
        m_reminders->Stop();
        m_reminders.reset();
    }
    m_notifier.reset();  // after the thread that calls it
    ClosePostedMessageBoxes();
    // 2. The settings, every value (the window's place first; the settings make it durable).
    if (m_profile) {
        if (m_frame) {
            SavePosition(*m_frame, *m_profile);
        }
        SaveSettings(*m_profile, AppSettings, SoundsEnabled);
    }
    // 3. Start the program again at the next alarm.
    if (m_profile) {
        if (!m_scheduler) {
            m_scheduler = m_options.scheduler ? m_options.scheduler
                                              : std::make_shared<SystemdStartScheduler>();
        }
        ScheduleNextAlarm(*m_profile, *m_scheduler);
    }
    // 4. The sound mixer.
    TheSoundMixer = nullptr;
    if (m_mixer) {
        m_mixer->Close();
        m_mixer.reset();
    }
    ReleaseLastYear();
    // 5. Today's backup of the diary, now that nothing writes to it any more; only after a
    // run that opened the diary. Whatever happens to it, the program ends.
    if (m_frame) {
        try {
            const BackupOutcome backup = WriteAutomaticBackup();
            if (!backup.Succeeded()) {
                const BackupMessage m = DescribeBackupOutcome(backup);
                std::string line = FillPattern(m.pattern, m.parts);
                std::replace(line.begin(), line.end(), '\n', ' ');
                std::fprintf(stderr, "Velmora: %s\n", line.c_str());
            }
        } catch (const std::exception& e) {
            std::fprintf(stderr, "Velmora: the daily backup failed: %s\n", e.what());
        }
    }
    return 0;
}

void CVelmoraMFCApp::RegisterScreen(int command, Screen screen) {
    m_screens[command] = std::move(screen);
}

void CVelmoraMFCApp::OnCommand(int command) {
    if (command >= kCmdZoomAutomatic && command <= kCmdZoom4) {
        AppSettings.Zoom = command - kCmdZoomAutomatic;
        FollowZoomSetting();
        return;
    }
    const auto it = m_screens.find(command);
    if (it == m_screens.end() || !m_frame) {
        return;  // not a screen's command
    }
    const Screen& screen = it->second;
    const QString title = screen.title ? ScreenTitle(screen.title) : QString();
    const bool titles = screen.titlesMainWindow && !title.isEmpty();
    if (titles) {
        m_frame->SetTitle(title);
    }
    screen.run(*this, title);
    if (screen.reanalyzeAfter) {
        m_frame->View()->Reanalyze();
    } else if (screen.reloadAfter) {
        m_frame->View()->Reload();
    }
    if (titles) {
        m_frame->SetTitle(ScreenTitle(title::kCalendarView));
    }
    FollowZoomSetting();
}

void CVelmoraMFCApp::FollowZoomSetting() {
    if (AppSettings.Zoom == m_zoomSetting) {
        return;
    }
    m_zoomSetting = AppSettings.Zoom;
    // Queued: a menu or a screen that asked is still on the stack, and windows are taken
    // down and put up again.
    QTimer::singleShot(0, &m_qt, [] { ApplyZoom(ResolveZoom(AppSettings.Zoom)); });
}

void CVelmoraMFCApp::RegisterOwnScreens() {
    Screen about;
    about.run = [](CVelmoraMFCApp& app, const QString&) {
        // About leaves the main window's title as it is, and shows that title itself.
        CAboutDlg dialog(app.MainFrame());
        RunModal(dialog, app.MainFrame(), app.MainFrame()->Title());
    };
    RegisterScreen(kCmdAbout, about);
    RegisterScreen(kCmdAboutFramework, about);

    Screen mirror;
    mirror.title = title::kMirror;
    mirror.run = [](CVelmoraMFCApp& app, const QString& title) {
        CMirrorDlg dialog(app.MainFrame());
        RunModal(dialog, app.MainFrame(), title);
    };
    RegisterScreen(kCmdMirror, mirror);

    RegisterEntryScreens(*this);
    RegisterCycleScreens(*this);
    RegisterChartScreens(*this);
    RegisterToolScreens(*this);
    RegisterDataScreens(*this);
    RegisterStatisticsScreens(*this);
    RegisterReportScreens(*this);
}

}  // namespace velmora
