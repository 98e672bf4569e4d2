#pragma once

#include <optional>
#include <span>

namespace velmora {

// A rise of the basal temperature found in a run of days, for the Temperature Chart to show.
// It is information about the days recorded, never a method of contraception.
//
// The rule: three temperatures in a row, each higher than every one of the six temperatures
// right before them, the third at least 0.20 degrees above the highest of those six. All nine
// days are consecutive and each has a value: a day without one breaks the run.
struct TemperatureShift {
    int firstHigh = 0;       // index of the first of the three higher days
    int thirdHigh = 0;       // index of the third higher day (firstHigh + 2)
    double coverline = 0.0;  // the highest of the six, in degrees Celsius, as recorded

    bool operator==(const TemperatureShift&) const = default;
};

inline constexpr int kShiftLowDays = 6;
inline constexpr int kShiftHighDays = 3;
// The third higher day's least rise above the coverline, in hundredths of a degree Celsius.
inline constexpr int kShiftRiseHundredths = 20;

// The first shift in `days` (one entry per consecutive day, in degrees Celsius; none for a day
// without a temperature): the one whose third higher day comes first. A series with several
// shifts gives only that first one; the days after it are not looked at. A value that is not a
// finite temperature counts as a day without one.
//
// Temperatures are compared in whole hundredths of a degree (the diary keeps them in steps of
// 0.05), so that a rise of exactly 0.20 counts and one of 0.15 does not, whatever the binary
// fractions of the stored values.
std::optional<TemperatureShift> FindTemperatureShift(std::span<const std::optional<double>> days);

}  // namespace velmora
