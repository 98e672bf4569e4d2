#include "store/names.h"

#include <atomic>
#include <cstdio>

namespace velmora {

namespace {
std::atomic<int> g_runLastYear{0};  // 0: not fixed
}  // namespace

int LastYear() {
    if (const int fixed = g_runLastYear.load(std::memory_order_acquire)) {
        return fixed;
    }
    const int now = Clock::Now().GetYear();
    return now > kClassicLastYear ? now + 1 : kClassicLastYear;
}

void FixLastYearForRun() {
    ReleaseLastYear();
    g_runLastYear.store(LastYear(), std::memory_order_release);
}

void ReleaseLastYear() {
    g_runLastYear.store(0, std::memory_order_release);
}

std::string ReportDateText(CTime date, int dateFormat, int dateSeparator) {
    const LocalTime lt = date.Local();
    const char* sep = dateSeparator == 0   ? "."
                      : dateSeparator == 1 ? "/"
                      : dateSeparator == 2 ? "-"
                                           : "";
    const int first = dateFormat == 1 ? lt.month : lt.day;
    const int second = dateFormat == 1 ? lt.day : lt.month;
    char text[32];
    std::snprintf(text, sizeof text, "%02d%s%02d%s%04d", first, sep, second, sep, lt.year);
    return text;
}

}  // namespace velmora
