#include <random>
#include <thread>

#include "exchange/exchange.h"
#include "platform/clock.h"
#include "platform/objectstore.h"
#include "tests/support/spawn.h"
#include "tests/support/testenv.h"

namespace velmora {
namespace {

using namespace std::chrono;

class ImportKillTest : public test::StoreTest {
protected:
    // Thirty days of 2015 with notes of their own.
    static void WriteDiary() {
        for (int d = 1; d <= 30; ++d) {
            CVelmoraMFCDoc doc;
            doc.OpenDay(2015, 6, d);
            doc.m_note = u"before the import " + std::u16string(d, u'+');
            doc.m_fluid = static_cast<int16_t>(d % 4);
            ASSERT_EQ(doc.SaveDay(), SaveDayResult::Saved);
        }
    }
    static std::string Export() {
        ObjectStore::CloseThreadConnection();
        std::string out;
        ExchangeError error;
        EXPECT_TRUE(ExportDiary(ExchangeFormat::Csv, out, error)) << error.Text();
        return out;
    }

    test::ScopedTimeZone tz{"UTC"};
    ScopedClockPin pin{CTime(2024, 6, 1, 12, 0, 0)};
};

// A process importing three thousand days (thirty of them replacing stored ones) is killed
// at random moments after it began to write. Every time the diary is the one before the
// import, or, once the child said the import was committed, the one after it: never a mix.
TEST_F(ImportKillTest, AnImportKilledAnywhereLeavesTheDiaryAsItWas) {
    // The file, and the diary it makes, from an import that runs to its end here.
    std::string file = "date,fluid,temperature,note\r\n";
    for (int i = 0; i < 3000; ++i) {
        const CTime day = CVelmoraMFCDoc::DayAtNoon(2015, 1, 1) + int64_t{i} * kSecondsPerDay;
        char row[96];
        std::snprintf(row, sizeof row, "%04d-%02d-%02d,heavy,36.%d,imported %d\r\n", day.GetYear(),
                      day.GetMonth(), day.GetDay(), i % 10, i);
        file += row;
    }
    const std::string path = home->Root() + "/import.csv";
    test::WriteFileBytes(path, file);
    WriteDiary();
    const std::string before = Export();
    ExchangeError error;
    const auto start = steady_clock::now();
    ASSERT_TRUE(ApplyImport(PlanImportFile(path), ImportMode::Replace, nullptr, error));
    const int applyMs =
        static_cast<int>(duration_cast<milliseconds>(steady_clock::now() - start).count());
    const std::string after = Export();
    ASSERT_NE(after, before);

    // The same diary again, in folders of its own, with the file beside it.
    auto freshDiary = [&] {
        home.reset();  // its folders go back first
        home = std::make_unique<test::TempHome>();
        test::WriteFileBytes(home->Root() + "/import.csv", file);
        WriteDiary();
        ASSERT_EQ(Export(), before);
    };
    freshDiary();

    std::mt19937 rng(20240601);
    int midway = 0;
    for (int round = 0; round < 8; ++round) {
        SCOPED_TRACE(round);
        const test::Child child =
            test::Spawn(VELMORA_IMPORT_KILL_CHILD, {home->Root() + "/import.csv"});
        ASSERT_NE(child.pid, 0);
        // Once it has begun to write, a random moment within what a whole import took here.
        std::string lines;
        test::ReadUntil(child.out, lines, steady_clock::now() + seconds(120), "begin\n");
        ASSERT_NE(lines.find("begin\n"), std::string::npos) << "the child never began";
        std::this_thread::sleep_for(
            milliseconds(std::uniform_int_distribution<int>(0, std::max(1, applyMs))(rng)));
        const int status = test::KillAndWait(child.pid);
        lines += test::ReadToEnd(child.out);
        EXPECT_EQ(test::ReadToEnd(child.err), "");

        const bool done = lines.find("done\n") != std::string::npos;
        EXPECT_EQ(Export(), done ? after : before) << (done ? "committed" : "killed midway");
        if (done) {
            freshDiary();
        } else {
            EXPECT_TRUE(WIFSIGNALED(status));
            ++midway;
        }
    }
    // The moments were drawn within an import's time: most kills land in the middle.
    EXPECT_GE(midway, 1);
    EXPECT_EQ(boxes.Count(), 0u);
}

}  // namespace
}  // namespace velmora
