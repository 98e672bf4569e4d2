#include "app/commandline.h"

#include <termios.h>
#include <unistd.h>
#include <QCoreApplication>
#include <QFileInfo>
#include <QSet>
#include <optional>

#include "app/dataexchange.h"
#include "app/processglue.h"
#include "app/qsettingsprofile.h"
#include "cycle/cycleinfo.h"
#include "exchange/exchange.h"
#include "exchange/ics.h"
#include "platform/backup.h"
#include "platform/clock.h"
#include "platform/messagebox.h"
#include "store/password.h"
#include "store/settings.h"
#include "ui/kit/language.h"
#include "ui/kit/qtmessagebox.h"

namespace velmora {

namespace {

constexpr int kDone = 0;
constexpr int kFailed = 1;
constexpr int kNotUnderstood = 2;
constexpr int kRefused = 3;

QString Tr(const char* source) {
    return QCoreApplication::translate("CommandLine", source);
}

void Print(std::FILE* to, const QString& line) {
    std::fputs(line.toUtf8().constData(), to);
    std::fputc('\n', to);
}

// A message of the lower layers (pattern and parts) as the user reads it.
QString TranslatedMessage(const char* pattern, const std::vector<std::string>& parts) {
    MessageBoxRequest request;
    request.pattern = pattern;
    request.parts = parts;
    request.text = FillPattern(pattern, parts);
    return TranslatedMessageText(request).simplified();
}

const char kUsage[] = QT_TRANSLATE_NOOP(
    "CommandLine",
    "Usage:\n"
    "  velmora                                     open the diary\n"
    "  velmora export [--format csv|json] FILE    write every recorded day to FILE\n"
    "  velmora import [--replace] [--dry-run] FILE\n"
    "                                              bring in the days of FILE (Velmora CSV or\n"
    "                                              JSON, or drip's CSV); --dry-run only shows\n"
    "                                              what would change, --replace takes the\n"
    "                                              imported day where both have one\n"
    "  velmora export-ics FILE                     write the next three expected periods and\n"
    "                                              fertile windows to FILE, for a calendar\n"
    "                                              (iCalendar)\n"
    "  velmora backup FILE                         write a checked copy of the diary to FILE\n"
    "  velmora restore FILE                        replace the diary by the backup FILE\n"
    "  velmora --help | --version");

// A verb with its options and its one file.
struct Call {
    QString verb;
    QSet<QString> flags;
    QString format;
    QString file;
};

// The verb of `arguments`, or a reason it was not understood.
std::optional<Call> Parse(const QStringList& arguments, QString& problem) {
    Call call;
    call.verb = arguments.value(1);
    const QSet<QString> known =
        call.verb == QLatin1String("import")
            ? QSet<QString>{QStringLiteral("--replace"), QStringLiteral("--dry-run")}
            : QSet<QString>{};
    for (qsizetype i = 2; i < arguments.size(); ++i) {
        const QString& a = arguments[i];
        if (call.verb == QLatin1String("export") &&
            (a == QLatin1String("--format") || a.startsWith(QLatin1String("--format=")))) {
            call.format = a.contains(u'=') ? a.section(u'=', 1) : arguments.value(++i);
            if (call.format != QLatin1String("csv") && call.format != QLatin1String("json")) {
                problem =
                    Tr(QT_TRANSLATE_NOOP("CommandLine", "The format is csv or json, not \"%1\"."))
                        .arg(call.format);
                return std::nullopt;
            }
        } else if (known.contains(a)) {
            call.flags.insert(a);
        } else if (a.startsWith(QLatin1String("--")) || !call.file.isEmpty()) {
            problem = Tr(QT_TRANSLATE_NOOP("CommandLine", "\"%1\" is not understood here.")).arg(a);
            return std::nullopt;
        } else {
            call.file = a;
        }
    }
    if (call.file.isEmpty()) {
        problem = Tr(QT_TRANSLATE_NOOP("CommandLine", "Which file? Name it after \"%1\"."))
                      .arg(call.verb);
        return std::nullopt;
    }
    return call;
}

// Tells the outcome of a backup or restore: the success on `out`, a failure on `err`. A
// backup of a diary that does not exist yet fails: the caller expects a file.
int Report(const BackupOutcome& outcome, std::FILE* out, std::FILE* err) {
    const bool done = outcome.Succeeded() && outcome.status != BackupStatus::NoDiary;
    const BackupMessage message = DescribeBackupOutcome(outcome);
    Print(done ? out : err, TranslatedMessage(message.pattern, message.parts));
    return done ? kDone : kFailed;
}

int Backup(const Call& call, std::FILE* out, std::FILE* err) {
    return Report(BackupDiaryTo(call.file.toStdString()), out, err);
}

int Restore(const Call& call, std::FILE* out, std::FILE* err) {
    return Report(RestoreDiaryFrom(call.file.toStdString()), out, err);
}

int Export(const Call& call, std::FILE* out, std::FILE* err) {
    // The format named, else the file's ending, else CSV.
    const bool json = call.format.isEmpty()
                          ? call.file.endsWith(QLatin1String(".json"), Qt::CaseInsensitive)
                          : call.format == QLatin1String("json");
    ExchangeError error;
    if (!ExportDiaryToFile(call.file.toStdString(),
                           json ? ExchangeFormat::Json : ExchangeFormat::Csv, error)) {
        Print(err, Translated(error));
        return kFailed;
    }
    Print(out, Tr(QT_TRANSLATE_NOOP("CommandLine", "The diary is exported to %1.")).arg(call.file));
    return kDone;
}

// The predictions of the cycle engine, as the calendar shows them, for other calendars.
int ExportPredictions(const Call& call, std::FILE* out, std::FILE* err) {
    CycleInfo info;
    info.Analyze();
    ExchangeError error;
    const TranslatePattern translate = [](const char* pattern) {
        return QCoreApplication::translate("Exchange", pattern).toStdString();
    };
    if (!ExportPredictionsToFile(call.file.toStdString(), info, translate, error)) {
        Print(err, Translated(error));
        return kFailed;
    }
    Print(
        out,
        Tr(QT_TRANSLATE_NOOP("CommandLine", "The predictions are exported to %1.")).arg(call.file));
    return kDone;
}

int Import(const Call& call, std::FILE* out, std::FILE* err) {
    const ImportPlan plan = PlanImportFile(call.file.toStdString());
    for (const ImportProblem& problem : plan.problems) {
        Print(err, ProblemLine(call.file, problem));
    }
    if (!plan.diaryError.Empty()) {
        Print(err, Translated(plan.diaryError));
    }
    for (const QString& line : PlanLines(plan)) {
        Print(out, line);
    }
    if (!plan.CanApply()) {
        Print(err, Tr(QT_TRANSLATE_NOOP("CommandLine", "Nothing was imported.")));
        return kFailed;
    }
    if (call.flags.contains(QStringLiteral("--dry-run"))) {
        return kDone;
    }
    const ImportMode mode =
        call.flags.contains(QStringLiteral("--replace")) ? ImportMode::Replace : ImportMode::Merge;
    ExchangeError error;
    int written = 0;
    if (!ApplyImport(plan, mode, BackupBeforeImport, error, &written)) {
        Print(err, Translated(error));
        Print(err, Tr(QT_TRANSLATE_NOOP("CommandLine", "Nothing was imported.")));
        return kFailed;
    }
    Print(out, ImportedLine(written));
    return kDone;
}

// Reads a line from `in` without showing it on a terminal.
std::string ReadSecretLine(std::FILE* in) {
    const int fd = ::fileno(in);
    termios saved{};
    const bool terminal = ::isatty(fd) && ::tcgetattr(fd, &saved) == 0;
    if (terminal) {
        termios quiet = saved;
        quiet.c_lflag &= ~static_cast<tcflag_t>(ECHO);
        ::tcsetattr(fd, TCSAFLUSH, &quiet);
    }
    std::string line;
    for (int c = std::fgetc(in); c != EOF && c != '\n'; c = std::fgetc(in)) {
        line.push_back(static_cast<char>(c));
    }
    if (!line.empty() && line.back() == '\r') {
        line.pop_back();
    }
    if (terminal) {
        ::tcsetattr(fd, TCSAFLUSH, &saved);
    }
    return line;
}

// A diary with a password opens to the command line as to the window: with the password,
// and with the same wait after wrong ones.
bool PasswordGiven(IProfileStore& profile, std::FILE* in, std::FILE* err) {
    if (AppSettings.PasswordHash.empty()) {
        return true;
    }
    if (const int64_t wait = PasswordWaitLeft(AppSettings, Clock::Now()); wait > 0) {
        Print(err, Tr(QT_TRANSLATE_NOOP("CommandLine",
                                        "Too many wrong passwords: try again in %1 seconds."))
                       .arg(wait));
        return false;
    }
    std::fputs(Tr(QT_TRANSLATE_NOOP("CommandLine", "Password: ")).toUtf8().constData(), err);
    std::fflush(err);
    const std::string typed = ReadSecretLine(in);
    std::fputc('\n', err);
    const bool right = PasswordMatches(AppSettings.PasswordHash, typed);
    if (right) {
        CountRightPassword(AppSettings);
    } else {
        CountWrongPassword(AppSettings, Clock::Now());
        Print(err, Tr(QT_TRANSLATE_NOOP("CommandLine", "The password is wrong.")));
    }
    SavePasswordAttempts(profile, AppSettings);
    return right;
}

}  // namespace

bool IsCommandLineCall(const QStringList& arguments) {
    static const QSet<QString> verbs = {
        QStringLiteral("export"),    QStringLiteral("import"),     QStringLiteral("backup"),
        QStringLiteral("restore"),   QStringLiteral("--help"),     QStringLiteral("-h"),
        QStringLiteral("--version"), QStringLiteral("export-ics"),
    };
    return arguments.size() > 1 && verbs.contains(arguments[1]);
}

int RunCommandLine(const QStringList& arguments, IProfileStore& profile, std::FILE* in,
                   std::FILE* out, std::FILE* err) {
    const QString verb = arguments.value(1);
    if (verb == QLatin1String("--help") || verb == QLatin1String("-h")) {
        Print(out, Tr(kUsage));
        return kDone;
    }
    if (verb == QLatin1String("--version")) {
        Print(out, QStringLiteral("Velmora %1").arg(QCoreApplication::applicationVersion()));
        return kDone;
    }
    QString problem;
    const std::optional<Call> call = Parse(arguments, problem);
    if (!call) {
        Print(err, problem);
        Print(err, Tr(kUsage));
        return kNotUnderstood;
    }
    // Verbs that write the diary hold the program's lock while they work: no copy of the
    // program runs meanwhile, and none starts.
    const bool writes = call->verb == QLatin1String("restore") ||
                        (call->verb == QLatin1String("import") &&
                         !call->flags.contains(QStringLiteral("--dry-run")));
    SingleInstance lock;
    if (writes && !lock.TryHoldLock()) {
        Print(err,
              Tr(QT_TRANSLATE_NOOP(
                  "CommandLine", "Velmora is running with this diary. Close it, then try again.")));
        return kRefused;
    }
    if (call->verb == QLatin1String("backup")) {
        return Backup(*call, out, err);
    }
    if (!PasswordGiven(profile, in, err)) {
        return kFailed;
    }
    if (call->verb == QLatin1String("restore")) {
        return Restore(*call, out, err);
    }
    if (call->verb == QLatin1String("export-ics")) {
        return ExportPredictions(*call, out, err);
    }
    return call->verb == QLatin1String("export") ? Export(*call, out, err)
                                                 : Import(*call, out, err);
}

int RunCommandLineInUsersLanguage(const QStringList& arguments) {
    QSettingsProfileStore profile;
    bool sounds = true;
    LoadSettings(profile, AppSettings, sounds);
    UpgradePlainPassword(profile, AppSettings);
    // VELMORA_LANGUAGE picks one for a run, as for the window.
    const std::optional<UiLanguage> chosen =
        LanguageFromCode(qEnvironmentVariable("VELMORA_LANGUAGE"));
    ApplyLanguage(chosen.value_or(ResolveLanguage(AppSettings.Language)));
    return RunCommandLine(arguments, profile, stdin, stdout, stderr);
}

}  // namespace velmora
