// The store under processes killed at any moment.

#include <random>
#include <set>
#include <sstream>
#include <thread>

#include "tests/store/diarydays.h"
#include "tests/support/spawn.h"

namespace velmora {
namespace {

using namespace std::chrono;
using test::ReadToEnd;

class ReliabilityTest : public test::StoreTest {
protected:
    test::ScopedTimeZone tz{"UTC"};
};

// A process saving days is killed at random moments. After every kill the store opens,
// every day has one record, and every save that had returned is there.
TEST_F(ReliabilityTest, SavesSurviveKillsAtAnyMoment) {
    constexpr int kDays = 40;
    std::mt19937 rng(20261206);
    std::set<int> confirmed;
    int started = 0;
    for (int round = 0; round < 40; ++round) {
        SCOPED_TRACE(round);
        const test::Child child =
            test::Spawn(VELMORA_KILL_CHILD, {std::to_string(kDays), std::to_string(started)});
        ASSERT_NE(child.pid, 0);
        // After its first confirmed save, a random moment: in the middle of a save or between two.
        std::string lines;
        test::ReadUntil(child.out, lines, steady_clock::now() + seconds(120), "\n");
        EXPECT_NE(lines.find('\n'), std::string::npos) << "no save confirmed";
        const int ms = std::uniform_int_distribution<int>(0, 45)(rng);
        test::ReadUntil(child.out, lines, steady_clock::now() + milliseconds(ms));
        ASSERT_TRUE(WIFSIGNALED(test::KillAndWait(child.pid))) << "the child ended on its own";
        lines += ReadToEnd(child.out);
        EXPECT_EQ(ReadToEnd(child.err), "");

        // Only whole lines are saves that returned before the kill.
        std::istringstream in(lines.substr(0, lines.rfind('\n') + 1));
        for (int day; in >> day; ++started) {
            confirmed.insert(day);
        }
        ObjectStore::CloseThreadConnection();
        const auto counts = test::RecordsPerDay();
        for (const auto& [day, n] : counts) {
            EXPECT_EQ(n, 1) << "day " << day;
            EXPECT_TRUE(day >= 0 && day < kDays) << day;
        }
        for (int day : confirmed) {
            EXPECT_EQ(counts.count(day), 1u) << "saved day " << day << " lost";
        }
    }
    // Each child went on where the one before stopped: forty rounds reach all forty days.
    EXPECT_EQ(confirmed.size(), static_cast<size_t>(kDays));
    EXPECT_EQ(boxes.Count(), 0u);
}

// The store file as another tool sees it: its format and how many of the indexes of the
// second format it has, whether SQLite finds it whole, and every stored value in order.
struct FileLook {
    std::string format, whole, content;
};

FileLook LookAtStoreFile() {
    return {test::Query("SELECT (SELECT user_version FROM pragma_user_version), count(*) FROM "
                        "sqlite_schema WHERE type = 'index' AND "
                        "name IN ('props_day', 'props_flagged')"),
            test::Query("PRAGMA integrity_check"),
            test::Query("SELECT r.id, p.pos, p.prop, p.type, quote(p.value) FROM records r "
                        "JOIN props p ON p.record = r.id ORDER BY r.id, p.pos")};
}

// A process opening a diary of the first file format, which upgrades it, is killed at random
// moments: before its safety copy, during it, inside the upgrade's transaction, after it.
// Every time the file is whole, holds every value as it was, and is of the first format
// without the indexes or of the second with both, never anything in between.
TEST_F(ReliabilityTest, AnUpgradeKilledAtAnyMomentLeavesTheFirstOrTheSecondFormat) {
    constexpr int kDays = 7305;
    {
        CVelmoraMFCDoc doc;
        doc.OpenDay(CVelmoraMFCDoc::DayAtNoon(2000, 1, 1));
        doc.m_note = u"day";
        doc.m_alarm = true;
        doc.m_alarmType[0] = 1;
        ASSERT_EQ(doc.SaveDay(), SaveDayResult::Saved);
    }
    ObjectStore::CloseThreadConnection();
    // Twenty years of that day, one day apart, made by SQL; then the first format.
    test::Sql(
        "DROP INDEX props_day; DROP INDEX props_flagged;"
        "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < " +
        std::to_string(kDays - 1) +
        ") INSERT INTO records(db) SELECT (SELECT db FROM records LIMIT 1) FROM n;"
        "INSERT INTO props(db, record, pos, prop, type, value) "
        "SELECT p.db, r.id, p.pos, p.prop, p.type, CASE WHEN p.prop = 0 "
        "THEN p.value + (r.id - f.id) * 864000000000 ELSE p.value END "
        "FROM records r, props p, (SELECT min(id) AS id FROM records) f "
        "WHERE p.record = f.id AND r.id > f.id;"
        "PRAGMA user_version = 1; PRAGMA wal_checkpoint(TRUNCATE);");
    const std::string store = DataPaths::StoreFile();
    const std::string firstFormat = test::ReadFileBytes(store);
    const FileLook before = LookAtStoreFile();
    ASSERT_EQ(before.format, "1,0;");
    auto putBack = [&] {
        unlink((store + "-wal").c_str());
        unlink((store + "-shm").c_str());
        test::WriteFileBytes(store, firstFormat);
    };

    // How long an undisturbed open takes, upgrade included.
    putBack();
    const auto start = steady_clock::now();
    const test::Child whole = test::Spawn(VELMORA_KILL_CHILD, {"open"});
    waitpid(whole.pid, nullptr, 0);
    const auto fullUs = duration_cast<microseconds>(steady_clock::now() - start).count();
    EXPECT_EQ(ReadToEnd(whole.out), "opened\n");
    EXPECT_EQ(ReadToEnd(whole.err), "");
    const FileLook upgraded = LookAtStoreFile();
    EXPECT_EQ(upgraded.format, "2,2;");
    EXPECT_EQ(upgraded.content, before.content);

    std::mt19937 rng(20261207);
    for (int round = 0; round < 16; ++round) {
        SCOPED_TRACE(round);
        putBack();
        const test::Child child = test::Spawn(VELMORA_KILL_CHILD, {"open"});
        std::this_thread::sleep_for(
            microseconds(std::uniform_int_distribution<int64_t>(0, fullUs)(rng)));
        test::KillAndWait(child.pid);
        ReadToEnd(child.out);
        EXPECT_EQ(ReadToEnd(child.err), "");
        const FileLook after = LookAtStoreFile();
        EXPECT_EQ(after.whole, "ok;");
        EXPECT_TRUE(after.format == "1,0;" || after.format == "2,2;") << after.format;
        EXPECT_EQ(after.content, before.content);
    }

    // Whatever it was left as, the program opens it, upgraded, with every day.
    ObjectStore::CloseThreadConnection();
    EXPECT_EQ(test::RecordsPerDay().size(), static_cast<size_t>(kDays));
    EXPECT_EQ(LookAtStoreFile().format, "2,2;");
    EXPECT_EQ(boxes.Count(), 0u);
}

}  // namespace
}  // namespace velmora
