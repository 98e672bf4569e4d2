// The predictions for other calendars: the file as a real iCalendar parser reads it, and the
// folding and escaping that parsers forgive but some calendars do not.

#include "exchange/ics.h"

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <string_view>

#include "exchange/texts.h"
#include "platform/clock.h"
#include "store/settings.h"
#include "store/velmoradoc.h"
#include "tests/support/saveday.h"
#include "tests/support/testenv.h"

namespace velmora {
namespace {

TEST(IcsTest, LongTranslatedTextsFoldBetweenCharactersAndEscapeTheirSpecials) {
    test::ScopedTimeZone tz("Europe/Berlin");
    CycleInfo info;  // as the engine leaves it: a start in the window, 29-day cycles
    info.m_windowEnd = CTime(2024, 6, 1, 14, 0, 0);
    info.m_windowStart = info.m_windowEnd - kWindowSpan;
    for (int k = 0; k < kStartCount; ++k) {
        info.m_start[k] = CTime(2024, 5, 8, 8, 0, 0) + int64_t{29} * k * kSecondsPerDay;
        info.m_ovulation[k] = info.m_start[k] - kOvulationLead;
    }
    info.m_avgMenses = 5;
    // The period's title in "the user's language", and SUMMARY as the file has it, unfolded:
    // two-byte letters at the first fold, a four-byte character across the second, specials.
    const std::string translated =
        "Ожидаемые месячные (Velmora): прогноз по среднему циклу, даты могут сдвинуться "
        "yy🌷🌷 a;b,c\\d\ne\r\nf\rg\x01h\tі";
    const std::string value =
        "Ожидаемые месячные (Velmora): прогноз по среднему циклу\\, даты могут сдвинуться "
        "yy🌷🌷 a\\;b\\,c\\\\d\\ne\\nf\\ngh\tі";
    const TranslatePattern translate = [&](const char* pattern) {
        return std::string_view(pattern) == exchange_text::kPeriodSummary ? translated : pattern;
    };
    std::string ics;
    ExchangeError error;
    ASSERT_TRUE(FormatPredictions(info, CTime(2024, 6, 1, 12, 0, 0), translate, ics, error));
    // Each line at most 75 octets and ended by CRLF; a fold never inside a character.
    std::string unfolded;
    for (size_t at = 0, end; at < ics.size(); at = end + 2) {
        end = ics.find("\r\n", at);
        ASSERT_NE(end, std::string::npos) << "the file ends without CRLF";
        const std::string line = ics.substr(at, end - at);
        EXPECT_LE(line.size(), 75u) << line;
        EXPECT_EQ(line.find_first_of("\r\n"), std::string::npos) << line;
        const bool folded = line[0] == ' ';
        EXPECT_FALSE(folded && (line[1] & 0xC0) == 0x80) << line;
        unfolded += folded ? line.substr(1) : '\n' + line;
    }
    size_t found = 0;
    for (size_t at = 0; (at = unfolded.find("\nSUMMARY:" + value + "\n", at)) != std::string::npos;
         ++at) {
        ++found;
    }
    EXPECT_EQ(found, 3u) << unfolded;
}

class IcsFileTest : public test::StoreTest {
protected:
    IcsFileTest() : tz("Europe/Berlin") {
        AppSettings.CycleLength = 28;
        AppSettings.MenstrualDays = 5;
    }
    // Analyses the diary at `now` and exports its predictions to `name`.
    bool ExportAt(CTime now, const std::string& name, ExchangeError& error) {
        Clock::Pin(now);
        CycleInfo info;
        info.Analyze();
        return ExportPredictionsToFile(home->Root() + "/" + name, info, {}, error);
    }
    test::ScopedTimeZone tz;
};

TEST_F(IcsFileTest, ARealCalendarParserReadsThePredictionsAndReExportsKeepTheirUids) {
    // Nothing to predict from: a bleeding outside the 181 days.
    test::WritePeriod(2023, 1, 10, 4);
    ExchangeError error;
    EXPECT_FALSE(ExportAt(CTime(2024, 6, 1, 12, 0, 0), "old.ics", error));
    EXPECT_EQ(error.Text(),
              "No period is recorded in the last 181 days, so there is nothing to predict.");
    EXPECT_FALSE(test::FileExists(home->Root() + "/old.ics"));
    // Bleedings of 5, 4 and 6 days starting 10 March, 8 April and 8 May 2024: cycles of 29
    // and 30 days, on average 29 (whole days), bleeding 15 / 3 = 5 days. From 8 May, the
    // periods start 6 June, 5 July and 3 August and end 5 days later; each fertile window
    // opens 17 days before its period (20 May, 18 June, 17 July) and lasts 6 days.
    test::WritePeriod(2024, 3, 10, 5);
    test::WritePeriod(2024, 4, 8, 4);
    test::WritePeriod(2024, 5, 8, 6);
    ASSERT_TRUE(ExportAt(CTime(2024, 6, 1, 12, 0, 0), "first.ics", error)) << error.Text();
    ASSERT_TRUE(ExportAt(CTime(2024, 6, 2, 9, 30, 0), "second.ics", error)) << error.Text();
    EXPECT_EQ(test::FileMode(home->Root() + "/first.ics"), 0600);
    Clock::Pin(CTime(2024, 6, 9, 12, 0, 0));
    test::WritePeriod(2024, 6, 5, 4);
    ASSERT_TRUE(ExportAt(CTime(2024, 6, 9, 12, 0, 0), "newer.ics", error)) << error.Text();

    const std::string log = home->Root() + "/check.log";
    std::string command = std::string(VELMORA_PYTHON) + " '" + VELMORA_ICS_CHECK + "'";
    for (const char* name : {"first.ics", "second.ics", "newer.ics"}) {
        command += " '" + home->Root() + "/" + name + "'";
    }
    command +=
        " 2024-05-20/2024-05-26 2024-06-06/2024-06-11 2024-06-18/2024-06-24"
        " 2024-07-05/2024-07-10 2024-07-17/2024-07-23 2024-08-03/2024-08-08 > '" +
        log + "' 2>&1";
    const int status = std::system(command.c_str());
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << test::ReadFileBytes(log);
}

}  // namespace
}  // namespace velmora
