// velmora-shots [--language en|ru|source] [--zoom N] [--today YYYY-MM-DD] OUTDIR: starts Velmora
// headless on a demo diary in temporary folders and writes a picture of every screen into
// OUTDIR, in the language asked for (the program's own texts when none is). With --today the
// clock stands at noon of that day, so the pictures are the same at every run: the test suite
// keeps such a set as its reference pictures (tests/app/data/shots).

#include <QApplication>
#include <QDate>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <functional>
#include <optional>
#include <string>

#include "app/aboutdlg.h"
#include "app/mainframe.h"
#include "app/velmoraapp.h"
#include "platform/clock.h"
#include "platform/messagebox.h"
#include "res/programresources.h"
#include "store/names.h"
#include "store/settings.h"
#include "store/velmoradoc.h"
#include "tools/demo/demodiary.h"
#include "tools/shots/shots.h"
#include "ui/calendarview.h"
#include "ui/kit/language.h"
#include "ui/kit/mainframe.h"
#include "ui/kit/modal.h"
#include "ui/kit/zoom.h"

using namespace velmora;

namespace {
QString g_out;
int g_written = 0;
}  // namespace

namespace velmora {

void ShotContext::Save(QWidget& widget, const QString& name) {
    const QString path = g_out + "/" + name + ".png";
    if (widget.grab().save(path)) {
        ++g_written;
        std::printf("%s\n", qPrintable(path));
    } else {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    }
}

void ShotContext::Pump(int ms) {
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < ms) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
}

void ShotContext::ShotOfNextScreen(const std::function<void()>& open, const QString& name,
                                   std::function<void(QDialog&)> before) {
    QueueModalHook([this, name, before](QDialog& dialog) {
        if (before) {
            before(dialog);
        }
        Pump(30);
        Save(dialog, name);
        dialog.reject();
    });
    open();
    ClearModalHooks();
}

void ShotContext::ShotOfCommand(int command, const QString& name,
                                std::function<void(QDialog&)> before) {
    ShotOfNextScreen([this, command] { app.OnCommand(command); }, name, std::move(before));
}

}  // namespace velmora

int main(int argc, char** argv) {
    // velmora-shots [--language en|ru|source] [--zoom N] OUTDIR; the program's own texts at
    // its own pixels by default.
    std::optional<UiLanguage> language = UiLanguage::Source;
    int zoom = 1;
    std::optional<CTime> pinned;
    const char* outDir = nullptr;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--language") == 0 && i + 1 < argc) {
            language = LanguageFromCode(QString::fromLocal8Bit(argv[++i]));
        } else if (std::strcmp(argv[i], "--zoom") == 0 && i + 1 < argc) {
            zoom = std::atoi(argv[++i]);
        } else if (std::strcmp(argv[i], "--today") == 0 && i + 1 < argc) {
            int y = 0, m = 0, d = 0;
            char end = 0;
            if (std::sscanf(argv[++i], "%4d-%2d-%2d%c", &y, &m, &d, &end) != 3 ||
                !QDate(y, m, d).isValid()) {
                outDir = nullptr;
                break;
            }
            pinned = CVelmoraMFCDoc::DayAtNoon(y, m, d);
        } else if (!outDir) {
            outDir = argv[i];
        } else {
            outDir = nullptr;
            break;
        }
    }
    if (!outDir || !language || zoom < kMinZoom || zoom > kMaxZoom) {
        std::fprintf(stderr,
                     "usage: velmora-shots [--language en|ru|source] [--zoom 1-4] "
                     "[--today YYYY-MM-DD] OUTDIR\n");
        return 2;
    }
    if (!std::getenv("QT_QPA_PLATFORM")) {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    }
    QTemporaryDir home;
    if (!home.isValid()) {
        std::fprintf(stderr, "cannot make a temporary folder\n");
        return 1;
    }
    setenv("XDG_DATA_HOME", qPrintable(home.path() + "/data"), 1);
    setenv("XDG_CONFIG_HOME", qPrintable(home.path() + "/config"), 1);

    QApplication qt(argc, argv);
    g_out = QDir(QString::fromLocal8Bit(outDir)).absolutePath();
    if (!QDir().mkpath(g_out)) {
        std::fprintf(stderr, "cannot make %s\n", qPrintable(g_out));
        return 1;
    }
    RegisterProgramResources();
    // Any message box would wait for an answer nobody gives: print it and go on.
    SetMessageBoxHandler([](const MessageBoxRequest& r) {
        std::fprintf(stderr, "[%s] %s\n", r.caption.c_str(), r.text.c_str());
        return DefaultAnswer(r.buttons);
    });

    std::optional<ScopedClockPin> pin;
    if (pinned) {
        pin.emplace(*pinned);
    }
    // About two years of diary, ending today.
    const CTime today = Clock::Now();
    WriteDemoDiary(today - 730 * kSecondsPerDay, 731);

    AppOptions options;
    options.splashMs = 0;
    options.singleInstance = false;
    options.handleSignals = false;
    options.qtMessageBoxes = false;
    options.profile = std::make_shared<MemoryProfileStore>();
    options.language = language;
    options.zoom = zoom;
    CVelmoraMFCApp app(qt, options);
    if (!app.InitInstance()) {
        return 1;
    }
    CMainFrame& frame = *app.MainFrame();
    ShotContext shots{app, frame};
    // The start picture, as it shows while the program starts.
    shots.Save(frame, "start");
    QElapsedTimer wait;
    wait.start();
    while (!frame.View()->IsStarted() && wait.elapsed() < 10000) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    ShotContext::Pump(50);

    // The calendar: this month and the two before it, both week starts.
    const LocalTime now = today.Local();
    for (int back = 0; back < 3; ++back) {
        int month = now.month - back;
        int year = now.year;
        if (month < 1) {
            month += 12;
            --year;
        }
        SelectMonth(month, year);
        frame.View()->Reload();
        ShotContext::Pump(30);
        shots.Save(frame, QString::asprintf("calendar-%04d-%02d", year, month));
    }
    AppSettings.WeekStarts = 0;
    SelectMonth(now.month, now.year);
    frame.View()->Reload();
    ShotContext::Pump(30);
    shots.Save(frame, QString::asprintf("calendar-%04d-%02d-sunday-first", now.year, now.month));
    AppSettings.WeekStarts = 1;
    frame.View()->Reload();

    // About, both pages; Mirror.
    {
        CAboutDlg about(&frame);
        about.resize(frame.size());
        shots.Save(about, "about-1");
        about.Tap(100, 250);
        shots.Save(about, "about-2");
    }
    shots.ShotOfCommand(kCmdMirror, "mirror");

    ShootEntryScreens(shots);
    ShootCycleScreens(shots);
    ShootChartScreens(shots);
    ShootToolScreens(shots);

    std::printf("%d pictures written to %s\n", g_written, qPrintable(g_out));
    // The program's peak resident memory over the tour of every screen.
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("VmHWM:", 0) == 0) {
            const size_t value = line.find_first_not_of(" \t", 6);
            std::printf("peak resident memory: %s\n", line.substr(value).c_str());
        }
    }
    return 0;
}
