#include "cycle/tempshift.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace velmora {
namespace {

constexpr std::nullopt_t kNone = std::nullopt;

// Hand-made runs of days, each with the shift read off by hand: the index of the third higher
// day and the coverline, or none.
TEST(TemperatureShiftTest, FindsTheFirstRiseOfThreeOverSixAndNothingElse) {
    struct Case {
        std::string name;
        std::vector<std::optional<double>> days;
        std::optional<int> third;
        double coverline = 0.0;
    };
    const std::vector<Case> cases = {
        // Days 1-6 top out at 36.45; 36.50, 36.55, 36.65 follow: the third is exactly 0.20
        // above (36.65 - 36.45 is below 0.2 in doubles). Days 2-7 and 8-10 make a second
        // shift, which is not the one given.
        {"clean shift, exactly 0.20",
         {36.50, 36.30, 36.40, 36.35, 36.45, 36.30, 36.40, 36.50, 36.55, 36.65, 36.70},
         9,
         36.45},
        {"a missing day among the six",
         {36.50, 36.30, 36.40, kNone, 36.45, 36.30, 36.40, 36.50, 36.55, 36.65, 36.70},
         std::nullopt},
        {"a missing day among the three",
         {36.30, 36.40, 36.35, 36.45, 36.30, 36.40, 36.60, kNone, 36.70, 36.75},
         std::nullopt},
        {"the third only 0.15 above",
         {36.30, 36.40, 36.35, 36.45, 36.30, 36.40, 36.50, 36.55, 36.60},
         std::nullopt},
        {"the first of three only equal to the highest of six",
         {36.30, 36.40, 36.35, 36.45, 36.30, 36.40, 36.45, 36.70, 36.75},
         std::nullopt},
        {"beyond any thermometer", {36.3, 36.3, 36.3, 36.3, 36.3, 36.3, 36.6, 36.7, 2e6}, kNone},
        {"eight days", {36.30, 36.30, 36.30, 36.30, 36.30, 36.30, 36.60, 36.70}, std::nullopt},
        {"nine days, the first without a value",
         {kNone, 36.30, 36.30, 36.30, 36.30, 36.30, 36.60, 36.70, 36.80},
         std::nullopt},
        // A missing day ends the first run; the next nine days in a row give the shift.
        {"a shift after a gap",
         {36.30, 36.30, 36.30, 36.30, 36.30, 36.80, kNone, 36.20, 36.25, 36.30, 36.35, 36.30, 36.25,
          36.40, 36.50, 36.60},
         15,
         36.35},
    };
    for (const Case& c : cases) {
        const std::optional<TemperatureShift> shift = FindTemperatureShift(c.days);
        ASSERT_EQ(shift.has_value(), c.third.has_value()) << c.name;
        if (shift) {
            EXPECT_EQ(shift->thirdHigh, *c.third) << c.name;
            EXPECT_EQ(shift->firstHigh, *c.third - 2) << c.name;
            EXPECT_EQ(shift->coverline, c.coverline) << c.name;
        }
    }
}

}  // namespace
}  // namespace velmora
