// The program against damaged surroundings: settings that no screen could have written, and
// a diary file that is missing, empty, someone else's, garbage, or on a disk that takes no
// more writes. Whatever it finds, the program starts, opens and draws every screen, tells
// the user what is wrong once and plainly, and never changes a byte of a file it cannot use.

#include <sqlite3.h>

#include <QCheckBox>
#include <QFile>
#include <filesystem>
#include <optional>
#include <set>
#include <tuple>

#include "app/qsettingsprofile.h"
#include "platform/datapaths.h"
#include "platform/objectstore.h"
#include "reports/measurechartdlg.h"
#include "reports/measurehistorydlg.h"
#include "tests/app/journey.h"
#include "tests/support/faultvfs.h"
#include "ui/addnotedlg.h"
#include "ui/kit/reporttable.h"
#include "ui/mydiarydlg.h"

namespace velmora {
namespace {

using test::Control;
using test::Press;
using test::SaveDay;

// Every screen of the menus.
const int kMenuScreens[] = {
    kCmdMyDiary,          kCmdCycleBar,           kCmdCycleChart,  kCmdCycleHistory,
    kCmdTemperatureChart, kCmdTemperatureHistory, kCmdWeightChart, kCmdWeightHistory,
    kCmdAlarmHistory,     kCmdYearView,           kCmdSettings,    kCmdScale,
    kCmdMirror,           kCmdPassword,           kCmdHelp,        kCmdAbout};

// A diary with something for every screen: two periods, temperatures and weights this month,
// an alarm ahead and diary notes; and values no screen writes, as another tool or a wrong
// clock could leave them: a day before the first year and one long after the last,
// measurements no scale holds, alarms on another day, texts of many-byte characters. Closed,
// so the file holds all of it.
void WriteDiary() {
    for (int d = 0; d < 5; ++d) {
        SaveDay(2026, 10, 19 + d, [](CVelmoraMFCDoc& day) { day.m_fluid = 2; });
        SaveDay(2026, 11, 16 + d, [d](CVelmoraMFCDoc& day) {
            day.m_fluid = static_cast<int16_t>(d == 0 ? 3 : 2);
            day.m_cramps = d == 0;
        });
    }
    for (int d = 1; d <= 5; ++d) {
        SaveDay(2026, 12, d, [d](CVelmoraMFCDoc& day) {
            day.m_temperature = 36.5 + 0.05 * d;
            day.m_weight = 60 + d;
            day.m_note = u"заметка";
            day.m_diaryType[0] = static_cast<int16_t>(1 + d % 6);
            day.m_diaryText[0] = u"запись";
        });
    }
    test::SaveAlarm(2026, 12, 9, 2, 4, 7, 30);
    SaveDay(1960, 3, 3, [](CVelmoraMFCDoc& day) {
        day.m_weight = -5;
        day.m_temperature = 1e300;
    });
    SaveDay(2100, 1, 1, [](CVelmoraMFCDoc& day) { day.m_fluid = 2; });
    SaveDay(2026, 12, 7, [](CVelmoraMFCDoc& day) {
        day.m_temperature = -1e300;
        day.m_weight = 1e9;
        day.m_alarm = true;
        day.m_alarmType = {1, 2, 3, 4};
        day.m_alarmTime.fill(CTime(1970, 1, 1, 0, 0, 0));
        day.m_note = CString(199, u'ё');
        for (int k = 0; k < 4; ++k) {
            day.m_diaryType[k] = static_cast<int16_t>(k + 1);
            day.m_diaryText[k] = u"\U0001F600\U0001F600" + CString(150, u'щ');
        }
    });
    ObjectStore::CloseThreadConnection();
}

class HardeningTest : public test::JourneyTest {
protected:
    ~HardeningTest() override { ObjectStore::CloseThreadConnection(); }

    // Opens every screen of the menus and the Day View from a tap, lets each draw itself,
    // and closes it.
    void OpenEveryScreen() {
        EXPECT_EQ(Frame().grab().toImage().width(), Frame().width());
        for (const int command : kMenuScreens) {
            SCOPED_TRACE(command);
            int drawn = 0;
            OpenFromMenu(command, {}, {}, [&](QDialog& d) {
                QCoreApplication::processEvents();
                const QImage shown = d.grab().toImage();
                drawn = shown.width() * shown.height();
            });
            EXPECT_GT(drawn, 0);
        }
        // The calendar's own help button, and a day opened by a tap.
        QueueModalHook([](QDialog& d) {
            d.grab();
            d.reject();
        });
        Tool(kCmdCalendarHelp);
        EXPECT_EQ(PendingModalHooks(), 0);
        TapDay(2, [](CDayViewDlg& s) {
            s.grab();
            for (int page = 1; page < 3; ++page) {
                s.SelectPage(page);
                s.grab();
            }
            s.CommandBar()->ToolButton(kCmdDayViewClose)->click();
        });
        Drawn();
    }
};

// --- Settings out of range ----------------------------------------------------------------

// The real settings file as a text editor could leave it (values out of range, not numbers,
// too large for an int), and one of random bytes: the program starts with the defaults, every
// screen draws, the alarm ahead is still scheduled, and the exit routine writes every setting
// back as the program uses it.
TEST_F(HardeningTest, ADamagedSettingsFileStartsWithDefaultsAndIsWrittenBackWhole) {
    WriteDiary();
    const std::string file = home->ConfigHome() + "/Tessaryn/VelmoraMFC.conf";
    std::string junk(4096, '\0');
    for (size_t i = 0; i < junk.size(); ++i) {
        junk[i] = static_cast<char>((i * 2654435761u) >> 13);
    }
    const std::string files[] = {
        "[Velmora]\nMenstrualDays=-3\nCycleLength=0\nDateFormat=99999999999\nTimeFormat=5\n"
        "DateSeparator=7\nWeekStarts=42\nUnitsFormat=9\nMyDiaryType=zwei\nSkin=99\n"
        "DaylightSavingTime=junk\nSounds=\nPassword=\n",
        "[Velmora]\nMenstrualDays=13\nCycleLength=28.5\nDateFormat=2\nTimeFormat=\n"
        "DateSeparator=-2\nWeekStarts=-\nUnitsFormat=1e0\nMyDiaryType=6\nSkin=0x3\n",
        "[Velmora]\nMenstrualDays=2147483647\nCycleLength=thirty\nSkin=7\nMyDiaryType=-1\n",
        "[Velmora]\nCycleLength=99999999999999999999\nSkin=-1\n", junk};
    MemoryProfileStore defaults;
    ASSERT_TRUE(SaveSettings(defaults, VelmoraSettings(), true));
    profile.reset();  // the program's own store over that file
    std::set<long> openFiles;  // after each run: the same, nothing left open
    for (const std::string& text : files) {
        SCOPED_TRACE(&text - files);
        test::WriteFileBytes(file, text);
        scheduler->calls.clear();
        Start();
        EXPECT_EQ(AppSettings, VelmoraSettings());
        OpenEveryScreen();
        EXPECT_EQ(boxes.Count(), 0u) << boxes.Texts()[0];
        app.reset();
        openFiles.insert(std::distance(std::filesystem::directory_iterator("/proc/self/fd"), {}));
        ASSERT_EQ(scheduler->calls.size(), 1u);
        EXPECT_EQ(scheduler->calls[0].when, CTime(2026, 12, 9, 7, 30, 0));
        QSettingsProfileStore reread;
        for (const char* entry :
             {"MenstrualDays", "CycleLength", "DateFormat", "TimeFormat", "DateSeparator",
              "WeekStarts", "UnitsFormat", "MyDiaryType", "Skin"}) {
            EXPECT_EQ(reread.GetProfileString("Velmora", entry, "none"),
                      defaults.Raw("Velmora", entry))
                << entry;
        }
    }
    EXPECT_EQ(openFiles.size(), 1u);
}

// --- The diary file -----------------------------------------------------------------------

class DiaryFileTest : public HardeningTest {
protected:
    // A session of a person who looks at everything and then tries to enter days: a tap on
    // today with a flow and a weight, then Save; Next on the day before; a note added in My
    // Diary; a temperature deleted. When a save fails the screen stays open with its input,
    // and the person gives up and closes it. Returns how many screens refused to save.
    int TryToEnterDays() {
        int refused = 0;
        StepTo(12, 2026);
        TapDay(6, [&](CDayViewDlg& s) {
            Control<QComboBox>(&s, kDayViewFluidId)->setCurrentIndex(2);
            Control<QLineEdit>(&s, kDayViewWeightId)->setText("64");
            s.CommandBar()->ToolButton(kCmdDayViewSave)->click();
            if (s.isVisible()) {
                ++refused;
                EXPECT_EQ(Control<QLineEdit>(&s, kDayViewWeightId)->text(), "64");
                s.CommandBar()->ToolButton(kCmdDayViewClose)->click();
            }
        });
        TapDay(5, [&](CDayViewDlg& s) {
            Control<QCheckBox>(&s, kDayViewSexId)->click();
            Press(&s, kDayViewNextDayId);
            if (s.DateText() == "05.12.2026") {
                ++refused;
            }
            s.CommandBar()->ToolButton(kCmdDayViewClose)->click();
        });
        OpenFromMenu(kCmdMyDiary, "Мой дневник", "My Diary", [&](QDialog& d) {
            QueueModalHook([&](QDialog& note) {
                Control<QDateEdit>(&note, kAddNoteDateId)->setDate(QDate(2026, 12, 6));
                Control<QPlainTextEdit>(&note, kAddNoteTextId)->setPlainText("новая");
                Press(&note, IDOK);
                if (note.isVisible()) {
                    ++refused;
                    note.reject();
                }
            });
            Press(&d, kMyDiaryAddId);
        });
        OpenFromMenu(kCmdTemperatureHistory, "История температуры", "Temperature History",
                     [&](QDialog& d) {
                         auto& history = dynamic_cast<CTemperatureHistoryDlg&>(d);
                         if (history.Table()->RowCount() == 0) {
                             return;
                         }
                         history.Table()->SelectRow(0);
                         boxes.Script({IDYES});
                         Control<QToolButton>(&d, kCmdHistoryDelete)->click();
                     });
        return refused;
    }

    // The bytes of the diary file and of anything beside it in the data folder.
    static std::map<std::string, std::string> DataFolder() {
        std::map<std::string, std::string> files;
        std::error_code ec;
        for (const auto& e : std::filesystem::directory_iterator(DataPaths::DataDir(), ec)) {
            files[e.path().filename().string()] =
                e.is_regular_file() ? test::ReadFileBytes(e.path().string()) : "<folder>";
        }
        return files;
    }

    // How many boxes name the diary file.
    size_t BoxesNamingTheFile() const {
        size_t n = 0;
        for (const MessageBoxRequest& box : boxes.Boxes()) {
            n += box.text.find(DataPaths::StoreFile()) != std::string::npos;
        }
        return n;
    }

    // A file that is not a diary: one message that names it and says why, the screens all
    // open, every save is refused, and the data folder is exactly as it was.
    void ExpectLeftAlone(const std::string& why) {
        const auto before = DataFolder();
        ASSERT_FALSE(before.empty());
        Start();
        ASSERT_EQ(BoxesNamingTheFile(), 1u) << (boxes.Count() ? boxes.Texts()[0] : "");
        const MessageBoxRequest first = boxes.Boxes()[0];
        EXPECT_EQ(first.caption, "Error");
        EXPECT_EQ(first.icon, MbIcon::Stop);
        EXPECT_NE(first.text.find(why), std::string::npos) << first.text;
        OpenEveryScreen();
        EXPECT_EQ(TryToEnterDays(), 3);
        app.reset();
        ObjectStore::CloseThreadConnection();
        EXPECT_EQ(BoxesNamingTheFile(), 1u);
        EXPECT_GE(boxes.CountText("Open Database Error!"), 1u);  // the step that failed
        EXPECT_TRUE(DataFolder() == before) << "the data folder changed";
        EXPECT_EQ(scheduler->calls.size(), 1u);  // no alarm found: the old one withdrawn
    }
};

TEST_F(DiaryFileTest, NoDiaryYetReadersMakeNoneAndTheFirstSaveDoes) {
    Start();
    OpenEveryScreen();
    EXPECT_FALSE(test::FileExists(DataPaths::StoreFile()));
    EXPECT_EQ(boxes.Count(), 0u) << boxes.Texts()[0];
    EXPECT_EQ(TryToEnterDays(), 0);
    EXPECT_TRUE(test::FileExists(DataPaths::StoreFile()));
    auto today = test::Stored(2026, 12, 6);
    ASSERT_NE(today, nullptr);
    EXPECT_EQ(today->m_weight, 64.0);
    EXPECT_EQ(today->m_diaryText[0], u"новая");
}

// A file where the diary belongs that is not one: empty, garbage, another program's database,
// a diary cut short, a folder.
struct NotADiary {
    const char* name;
    void (*make)(const std::string& path);
    const char* why;  // in the message that names the file
};

const NotADiary kNotADiary[] = {
    {"Empty", [](const std::string& path) { test::WriteFileBytes(path, ""); }, "it is empty"},
    {"Garbage",
     [](const std::string& path) {
         std::string junk(20000, '\0');
         for (size_t i = 0; i < junk.size(); ++i) {
             junk[i] = static_cast<char>((i * 7919 + (i >> 7)) % 253);
         }
         test::WriteFileBytes(path, junk);
     },
     "not a Velmora diary"},
    {"AnotherProgramsDatabase",
     [](const std::string& path) {
         std::filesystem::create_directories(DataPaths::DataDir());
         sqlite3* db = nullptr;
         ASSERT_EQ(sqlite3_open(path.c_str(), &db), SQLITE_OK);
         sqlite3_exec(db, "CREATE TABLE records(id); INSERT INTO records VALUES(1);", nullptr,
                      nullptr, nullptr);
         sqlite3_close(db);
     },
     "not a Velmora diary"},
    {"CutShort",
     [](const std::string& path) {
         WriteDiary();
         const std::string whole = test::ReadFileBytes(path);
         ASSERT_GT(whole.size(), 8192u);
         test::WriteFileBytes(path, whole.substr(0, whole.size() - 4096));
     },
     "cut short"},
    {"Folder", [](const std::string& path) { std::filesystem::create_directories(path); },
     "not a regular file"},
};

class NotADiaryTest : public DiaryFileTest, public ::testing::WithParamInterface<NotADiary> {};

TEST_P(NotADiaryTest, IsNamedOnceAndLeftAsItIs) {
    GetParam().make(DataPaths::StoreFile());
    ExpectLeftAlone(GetParam().why);
}

INSTANTIATE_TEST_SUITE_P(Files, NotADiaryTest, ::testing::ValuesIn(kNotADiary),
                         [](const auto& info) { return std::string(info.param.name); });

// A disk that takes no more writes, or a file that cannot be written: the diary reads and
// shows as it is, each refused save says so, and the file keeps every byte.
class UnwritableDiaryTest : public DiaryFileTest, public ::testing::WithParamInterface<int> {};

TEST_P(UnwritableDiaryTest, TheDiaryShowsEverySaveIsRefusedAndNoByteChanges) {
    WriteDiary();
    const std::string before = test::ReadFileBytes(DataPaths::StoreFile());
    {
        test::FaultVfs vfs;
        vfs.FailWrites(GetParam());
        Start();
        // What was there shows: the November period on the calendar, the alarm ahead.
        StepTo(11, 2026);
        EXPECT_EQ(GetFlowClass(View().Marks()[15]), kFlowHeavy);
        OpenEveryScreen();
        EXPECT_EQ(boxes.Count(), 0u) << boxes.Texts()[0];
        EXPECT_EQ(TryToEnterDays(), 3);
        app.reset();
        ASSERT_EQ(scheduler->calls.size(), 1u);
        EXPECT_EQ(scheduler->calls[0].when, CTime(2026, 12, 9, 7, 30, 0));
        ObjectStore::CloseThreadConnection();
    }
    EXPECT_TRUE(test::ReadFileBytes(DataPaths::StoreFile()) == before) << "the diary changed";
    EXPECT_EQ(BoxesNamingTheFile(), 0u);
    EXPECT_GE(boxes.CountText("Add Record Error"), 1u);
    if (GetParam() == SQLITE_FULL) {
        EXPECT_GE(boxes.CountText("Disk is full!"), 1u);
    }
    // Once the disk has room again, the same days can be entered.
    boxes.Clear();
    scheduler->calls.clear();
    Start();
    EXPECT_EQ(TryToEnterDays(), 0);
    EXPECT_EQ(test::Stored(2026, 12, 6)->m_weight, 64.0);
    EXPECT_EQ(test::Stored(2026, 11, 16)->m_fluid, 3);
}

INSTANTIATE_TEST_SUITE_P(Errors, UnwritableDiaryTest,
                         ::testing::Values(SQLITE_FULL, SQLITE_IOERR_WRITE),
                         [](const ::testing::TestParamInfo<int>& info) {
                             return info.param == SQLITE_FULL ? std::string("DiskFull")
                                                              : std::string("WriteError");
                         });

TEST_F(DiaryFileTest, AFullDiskBeforeTheFirstSaveLeavesNoFileBehind) {
    {
        test::FaultVfs vfs;
        vfs.FailWrites(SQLITE_FULL);
        Start();
        OpenEveryScreen();
        EXPECT_EQ(TryToEnterDays(), 3);
        app.reset();
        ObjectStore::CloseThreadConnection();
    }
    EXPECT_GE(boxes.CountText("Open Database Error!"), 1u);  // the store could not be made
    EXPECT_FALSE(test::FileExists(DataPaths::StoreFile()));
    EXPECT_TRUE(DataFolder().empty());
}

}  // namespace
}  // namespace velmora
