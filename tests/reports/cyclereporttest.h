#pragma once

// Shared set-up of the cycle report tests: a private diary written day by day as the Day
// View writes it, the clock pinned to a chosen day, the program's pictures, and a stand-in
// main window.

#include <gtest/gtest.h>

#include <QImage>
#include <string>

#include "gfx/graphicbuffer.h"
#include "platform/calendar.h"
#include "tests/support/screenstoretest.h"

namespace velmora::test {

// A bleeding of `days` days from year-month-day (dates stepped by the calendar), saved day by
// day with this flow as the Day View would.
inline void WritePeriod(int year, int month, int day, int days, int fluid = 2) {
    const long long first = DayNumber(year, month, day);
    for (int k = 0; k < days; ++k) {
        const CivilDate d = CivilFromDays(first + k);
        CVelmoraMFCDoc doc;
        doc.OpenDay(static_cast<int>(d.year), static_cast<int>(d.month), static_cast<int>(d.day));
        doc.m_fluid = static_cast<int16_t>(fluid);
        ASSERT_EQ(doc.SaveDay(), SaveDayResult::Saved);
    }
}

class CycleReportTest : public ScreenStoreTest {
protected:
    // Today is this day, mid-morning.
    static void Today(int year, int month, int day) {
        Clock::Pin(CTime(year, month, day, 10, 30, 0));
    }
    static void SaveFluid(int year, int month, int day, int fluid) {
        Store(year, month, day,
              [fluid](CVelmoraMFCDoc& doc) { doc.m_fluid = static_cast<int16_t>(fluid); });
    }
    static void Period(int year, int month, int day, int days, int fluid = 2) {
        WritePeriod(year, month, day, days, fluid);
    }

    // A label's text as the screen words it: "Start Menstruation (Nov, 26 2026)".
    static std::string Dated(const std::string& what, int year, int month, int day) {
        static const char* const kMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                              "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
        return what + " (" + kMonths[month - 1] + ", " + std::to_string(day) + " " +
               std::to_string(year) + ")";
    }
};

// A read-only view of a window surface as a 16-bit buffer, for the picture comparisons.
class SurfaceView : public GraphicBuffer {
public:
    explicit SurfaceView(const QImage& image)
        : GraphicBuffer(reinterpret_cast<Pixel*>(const_cast<uchar*>(image.constBits())),
                        static_cast<uint32_t>(image.width()), static_cast<uint32_t>(image.height()),
                        static_cast<uint32_t>(image.bytesPerLine())) {}
};

}  // namespace velmora::test
