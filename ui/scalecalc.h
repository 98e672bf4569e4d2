#pragma once

#include <array>
#include <string>

namespace velmora {

// Ideal weights in kilograms for heights of 100 to 184 centimetres (index = cm - 100).
// Above that the ideal weight is the height in centimetres less 111.
inline constexpr std::array<double, 85> kIdealWeights = {
    18.0, 18.1, 18.2, 18.3, 18.7, 19.4, 19.5, 19.8, 19.9, 20.1,  // 100-109
    21.4, 21.6, 22.3, 22.7, 23.4, 23.7, 24.5, 25.6, 26.7, 27.1,  // 110-119
    28.5, 28.8, 29.7, 30.5, 30.9, 31.9, 32.3, 33.7, 33.8, 34.2,  // 120-129
    35.9, 36.0, 37.1, 37.7, 38.2, 38.8, 39.8, 40.7, 41.8, 42.2,  // 130-139
    43.9, 44.3, 44.6, 44.7, 45.0, 45.3, 45.6, 45.9, 46.6, 47.3,  // 140-149
    47.7, 48.1, 48.6, 49.3, 50.0, 51.0, 51.4, 52.3, 53.2, 53.6,  // 150-159
    54.0, 54.5, 55.3, 56.1, 56.8, 57.7, 58.6, 59.2, 59.8, 60.5,  // 160-169
    61.4, 62.2, 62.8, 63.4, 64.1, 65.0, 65.9, 66.5, 67.1, 67.7,  // 170-179
    68.6, 69.5, 70.1, 70.7, 71.4,                                // 180-184
};

// The outcome of one calculation: the result text, or the message that refuses the input.
struct ScaleAnswer {
    bool ok = false;
    std::string text;     // e.g. "61.40" (kg), "135.1" (lb), "1.71" (m), "5.58" (ft)
    std::string message;  // why the input was refused
};

// Ideal weight for `height` (metres when `metric`, else feet): kilograms or pounds.
ScaleAnswer IdealWeight(float height, bool metric);
// Ideal height for `weight` (kilograms when `metric`, else pounds): metres or feet.
ScaleAnswer IdealHeight(float weight, bool metric);

// The first `digits` significant decimal digits of `value` (> 0), rounded half up, and where the
// decimal point belongs: value = 0.DIGITS x 10^point.
std::string SignificantDigits(double value, int digits, int& point);

}  // namespace velmora
