#include "store/names.h"

#include <cstdio>

namespace velmora {

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
