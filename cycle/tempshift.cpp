#include "cycle/tempshift.h"

#include <cmath>

namespace velmora {

namespace {

// A day's temperature in whole hundredths of a degree; none for a missing day and for values
// no thermometer gives (whose rounding would not be defined).
std::optional<long> Hundredths(const std::optional<double>& celsius) {
    if (!celsius || !std::isfinite(*celsius) || std::fabs(*celsius) > 1.0e6) {
        return std::nullopt;
    }
    return std::lround(*celsius * 100.0);
}

}  // namespace

std::optional<TemperatureShift> FindTemperatureShift(std::span<const std::optional<double>> days) {
    const int count = static_cast<int>(days.size());
    // `first` is the first of the three higher days; the six before it start at first - 6.
    for (int first = kShiftLowDays; first + kShiftHighDays <= count; ++first) {
        long highest = 0;
        int highestDay = -1;
        bool complete = true;
        for (int d = first - kShiftLowDays; d < first && complete; ++d) {
            const std::optional<long> t = Hundredths(days[static_cast<size_t>(d)]);
            complete = t.has_value();
            if (t && (highestDay < 0 || *t > highest)) {
                highest = *t;
                highestDay = d;
            }
        }
        for (int d = first; d < first + kShiftHighDays && complete; ++d) {
            const std::optional<long> t = Hundredths(days[static_cast<size_t>(d)]);
            complete = t && *t > highest;
        }
        if (!complete) {
            continue;
        }
        const int third = first + kShiftHighDays - 1;
        if (*Hundredths(days[static_cast<size_t>(third)]) - highest >= kShiftRiseHundredths) {
            return TemperatureShift{first, third, *days[static_cast<size_t>(highestDay)]};
        }
    }
    return std::nullopt;
}

}  // namespace velmora
