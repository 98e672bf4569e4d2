#include "ui/scalecalc.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>

#include "platform/translatable.h"

namespace velmora {

namespace {

constexpr double kMetresPerFoot = 0.3048780487804878;       // 1 / 3.28
constexpr double kKilogramsPerPound = 0.45454545454545453;  // 1 / 2.2

// Digits with the decimal point `point` places in, as the scale shows its results.
std::string WithPoint(const std::string& digits, int point) {
    if (point <= 0) {
        return "0." + std::string(static_cast<size_t>(-point), '0') + digits;
    }
    if (point >= static_cast<int>(digits.size())) {
        return digits + std::string(static_cast<size_t>(point) - digits.size(), '0');
    }
    return digits.substr(0, static_cast<size_t>(point)) + "." +
           digits.substr(static_cast<size_t>(point));
}

}  // namespace

std::string SignificantDigits(double value, int digits, int& point) {
    // Far more digits than asked for, then rounded half up at the last digit kept, as the
    // handheld's runtime rounds (182.5 gives 183).
    char buffer[80];
    const auto r =
        std::to_chars(buffer, buffer + sizeof(buffer), value, std::chars_format::scientific, 40);
    std::string all;
    const char* p = buffer;
    for (; p < r.ptr && *p != 'e'; ++p) {
        if (*p >= '0' && *p <= '9') {
            all += *p;
        }
    }
    point = (p < r.ptr ? std::atoi(p + 1) : 0) + 1;
    const size_t keep = static_cast<size_t>(std::max(digits, 1));
    std::string out = all.substr(0, keep);
    if (all.size() > keep && all[keep] >= '5') {
        size_t i = out.size();
        while (i > 0 && out[i - 1] == '9') {
            out[--i] = '0';
        }
        if (i == 0) {
            out.insert(out.begin(), '1');  // 999.5 rounds to 1000
            out.pop_back();
            ++point;
        } else {
            ++out[i - 1];
        }
    }
    return out;
}

ScaleAnswer IdealWeight(float height, bool metric) {
    ScaleAnswer answer;
    // The limits are compared as the typed number is held, so the limits themselves pass.
    if (metric && !(height >= 1.0f && height <= 2.1f)) {
        answer.message = QT_TRANSLATE_NOOP("Message", "Height must be between 1 and 2.1 meters");
        return answer;
    }
    if (!metric && !(height >= 3.3f && height <= 6.8f)) {
        answer.message = QT_TRANSLATE_NOOP("Message", "Height must be between 3.3 and 6.8 feet");
        return answer;
    }
    float h = height;
    if (!metric) {
        h = static_cast<float>(h * kMetresPerFoot);
    }
    // Centimetres above one metre, in single precision as the handheld computed them.
    float cm = h * 100.0f;
    cm = cm - 100.0f;
    double x = cm;
    // A height that single precision left just below a whole centimetre counts as that
    // centimetre.
    const int whole = static_cast<int>(x);
    double fraction = x - whole;
    if (fraction * 100 > 98 && fraction * 100 < 100) {
        fraction += 0.001;
    }
    x = whole + fraction;
    const int index = static_cast<int>(x);
    double weight = index >= 0 && index < static_cast<int>(kIdealWeights.size())
                        ? kIdealWeights[static_cast<size_t>(index)]
                        : x - 11;
    if (!metric) {
        weight *= 2.2;
    }
    int point = 0;
    const std::string digits = SignificantDigits(weight, 4, point);
    answer.text = WithPoint(digits, point);
    answer.ok = true;
    return answer;
}

ScaleAnswer IdealHeight(float weight, bool metric) {
    ScaleAnswer answer;
    if (metric && !(weight >= 18.0f && weight <= 99.0f)) {
        answer.message = QT_TRANSLATE_NOOP("Message", "Weight must be between 18 and 99 kilograms");
        return answer;
    }
    if (!metric && !(weight >= 40.0f && weight <= 218.0f)) {
        answer.message = QT_TRANSLATE_NOOP("Message", "Weight must be between 40 and 218 pounds");
        return answer;
    }
    double w = weight;
    if (!metric) {
        w *= kKilogramsPerPound;
    }
    // A typed weight is a decimal: 71.4 means the table's 71.4, not the float just above it.
    // Its tenths are compared with the table's exactly, once the single-precision noise (far
    // below a thousandth of a tenth) is taken off; the table itself holds whole tenths.
    double tenths = w * 10;
    if (std::fabs(tenths - std::round(tenths)) < 1e-3) {
        tenths = std::round(tenths);
    }
    double centimetres = 0;
    if (tenths < 180 || tenths > 714) {
        centimetres = ((w + 100) - 11) + 22;
    } else {
        // The first height whose ideal weight is above this weight; a weight equal to the
        // last entry takes that entry's height.
        size_t i = 0;
        while (i < kIdealWeights.size() &&
               !(static_cast<double>(std::lround(kIdealWeights[i] * 10)) > tenths)) {
            ++i;
        }
        if (i == kIdealWeights.size()) {
            i = kIdealWeights.size() - 1;
        }
        centimetres = static_cast<double>(i) + 100;
    }
    if (!metric) {
        centimetres *= 3.28;
    }
    // Shown in metres or feet: hundreds of centimetres.
    int point = 0;
    const std::string digits = SignificantDigits(centimetres, 3, point);
    answer.text = WithPoint(digits, point - 2);
    answer.ok = true;
    return answer;
}

}  // namespace velmora
