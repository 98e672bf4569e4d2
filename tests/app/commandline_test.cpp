// The program's verbs, run as a person runs them: the real executable, its exit status and
// what it prints.

#include <gtest/gtest.h>

#include <QProcess>
#include <QProcessEnvironment>
#include <string>

#include "app/processglue.h"
#include "app/qsettingsprofile.h"
#include "exchange/exchange.h"
#include "platform/objectstore.h"
#include "store/password.h"
#include "store/settings.h"
#include "store/velmoradoc.h"
#include "tests/support/testenv.h"

namespace velmora {
namespace {

struct Result {
    int status = -1;
    QString out;
    QString err;
};

class CommandLineTest : public test::StoreTest {
protected:
    Result Velmora(const QStringList& arguments, const QByteArray& input = {}) {
        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("VELMORA_LANGUAGE", "source");  // the texts as the program writes them
        for (const char* screen : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
            env.remove(screen);  // the verbs need no screen
        }
        process.setProcessEnvironment(env);
        process.setWorkingDirectory(QString::fromStdString(home->Root()));
        process.start(VELMORA_EXE, arguments);
        process.write(input);
        process.closeWriteChannel();
        EXPECT_TRUE(process.waitForFinished(60000));
        return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
                QString::fromUtf8(process.readAllStandardOutput()),
                QString::fromUtf8(process.readAllStandardError())};
    }
    std::string File(const char* name) const { return home->Root() + "/" + name; }
    static void SaveDay(int y, int m, int d, const std::u16string& note, int16_t fluid) {
        CVelmoraMFCDoc doc;
        doc.OpenDay(y, m, d);
        doc.m_note = note;
        doc.m_fluid = fluid;
        doc.m_temperature = 36.65;
        ASSERT_EQ(doc.SaveDay(), SaveDayResult::Saved);
    }
    // Points the program at another, empty diary.
    void NewDiary(const char* folder) {
        ObjectStore::CloseThreadConnection();
        const std::string data = home->Root() + "/" + folder;
        setenv("XDG_DATA_HOME", data.c_str(), 1);
    }
};

// What is not understood, and what cannot be done, is said on standard error with a
// non-zero status, and changes nothing.
TEST_F(CommandLineTest, EveryVerbTellsWhatWentWrongAndEndsWithItsStatus) {
    SaveDay(2026, 12, 6, u"Kept", 2);
    test::WriteFileBytes(File("garbage.sqlite"), std::string(4096, 'x'));
    test::WriteFileBytes(File("bad.csv"),
                         "date,temperature.value,bleeding.value\n"
                         "2026-12-01,36.5,1\n"
                         "2026-12-02,hot,1\n");
    // The diary's days, as an export shows them (the file's bytes change with checkpoints).
    auto days = [] {
        std::string text;
        ExchangeError error;
        EXPECT_TRUE(ExportDiary(ExchangeFormat::Csv, text, error));
        return text;
    };
    const std::string diary = days();
    struct Case {
        QStringList arguments;
        int status;
        const char* printed;  // on standard error
    };
    const Case cases[] = {
        {{"export"}, 2, "Which file? Name it after \"export\"."},
        {{"export", "--format", "xml", "out"}, 2, "The format is csv or json, not \"xml\"."},
        {{"export-ics"}, 2, "Which file? Name it after \"export-ics\"."},
        {{"import", "--merge", "bad.csv"}, 2, "\"--merge\" is not understood here."},
        {{"import", "missing.csv"}, 1, "Nothing was imported."},
        {{"import", "bad.csv"}, 1, "bad.csv:3: 2026-12-02, temperature.value: Not a number: hot"},
        {{"restore", "garbage.sqlite"}, 1, "garbage.sqlite"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arguments.join(' ').toStdString());
        const Result run = Velmora(c.arguments);
        EXPECT_EQ(run.status, c.status) << run.err.toStdString();
        EXPECT_TRUE(run.err.contains(QString::fromUtf8(c.printed))) << run.err.toStdString();
    }
    EXPECT_EQ(days(), diary);
}

// Export, import into an empty diary and export again give the same bytes, in both
// formats; a backup restored into the empty diary holds the same days.
TEST_F(CommandLineTest, ExportImportAndRestoreCarryTheDiaryWhole) {
    SaveDay(2026, 3, 29, u"Line one\nline \"two\", with commas; ДНЕВНИК", 6);
    SaveDay(2026, 12, 6, u"Mixed Case Stays", 3);
    for (const char* format : {"csv", "json"}) {
        SCOPED_TRACE(format);
        NewDiary("data");
        const QString first = QStringLiteral("first.") + format;
        const QString second = QStringLiteral("second.") + format;
        ASSERT_EQ(Velmora({"export", first}).status, 0);
        NewDiary(format);
        const Result dry = Velmora({"import", "--dry-run", first});
        EXPECT_EQ(dry.status, 0) << dry.err.toStdString();
        EXPECT_TRUE(dry.out.contains("2 new days")) << dry.out.toStdString();
        EXPECT_FALSE(ObjectStore::FileExists());
        const Result imported = Velmora({"import", first});
        EXPECT_EQ(imported.status, 0) << imported.err.toStdString();
        EXPECT_TRUE(imported.out.contains("2 days imported")) << imported.out.toStdString();
        ASSERT_EQ(Velmora({"export", second}).status, 0);
        EXPECT_EQ(test::ReadFileBytes(File(first.toUtf8())),
                  test::ReadFileBytes(File(second.toUtf8())));
    }
    NewDiary("data");
    ASSERT_EQ(Velmora({"backup", "copy.sqlite"}).status, 0);
    NewDiary("restored");
    const Result restored = Velmora({"restore", "copy.sqlite"});
    EXPECT_EQ(restored.status, 0) << restored.err.toStdString();
    ASSERT_EQ(Velmora({"export", "restored.csv"}).status, 0);
    EXPECT_EQ(test::ReadFileBytes(File("restored.csv")), test::ReadFileBytes(File("first.csv")));
}

// While the program runs, the verbs that write the diary refuse; reading ones still work.
// A diary with a password asks for it, and counts wrong answers as the window does.
TEST_F(CommandLineTest, TheDiaryIsNeverWrittenBehindTheProgramsBackNorOpenedWithoutItsPassword) {
    SaveDay(2026, 12, 6, u"Private", 1);
    {
        SingleInstance running;
        ASSERT_TRUE(running.TryHoldLock());
        ASSERT_EQ(Velmora({"export", "out.csv"}).status, 0);
        for (const QStringList& writes :
             {QStringList{"import", "out.csv"}, QStringList{"restore", "copy.sqlite"}}) {
            const Result refused = Velmora(writes);
            EXPECT_EQ(refused.status, 3);
            EXPECT_TRUE(refused.err.contains("Velmora is running with this diary."));
        }
    }
    QSettingsProfileStore profile;
    VelmoraSettings settings;
    settings.PasswordHash = HashPassword("secret");
    ASSERT_TRUE(SaveSettings(profile, settings, true));
    const Result wrong = Velmora({"export", "locked.csv"}, "guess\n");
    EXPECT_EQ(wrong.status, 1);
    EXPECT_TRUE(wrong.err.contains("The password is wrong."));
    EXPECT_FALSE(test::FileExists(File("locked.csv")));
    const Result right = Velmora({"export", "open.csv"}, "secret\n");
    EXPECT_EQ(right.status, 0) << right.err.toStdString();
    EXPECT_TRUE(test::ReadFileBytes(File("open.csv")).find("Private") != std::string::npos);
}

}  // namespace
}  // namespace velmora
