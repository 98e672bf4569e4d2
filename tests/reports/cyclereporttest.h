#pragma once

// Shared set-up of the cycle report tests: a private diary written day by day as the Day
// View writes it, the clock pinned, the program's pictures, and a stand-in main window.

#include <gtest/gtest.h>

#include <QImage>
#include <string>

#include "gfx/graphicbuffer.h"
#include "platform/calendar.h"
#include "platform/clock.h"
#include "res/programresources.h"
#include "store/settings.h"
#include "store/velmoradoc.h"
#include "tests/support/screentest.h"
#include "tests/support/testenv.h"
#include "ui/kit/help.h"
#include "ui/kit/modal.h"

namespace velmora::test {

// Saves one day with this flow, as the Day View would.
inline void SaveFluidDay(int year, int month, int day, int fluid) {
    CVelmoraMFCDoc doc;
    doc.OpenDay(year, month, day);
    doc.m_fluid = static_cast<int16_t>(fluid);
    ASSERT_EQ(doc.SaveDay(), SaveDayResult::Saved);
}

// A bleeding of `days` days from year-month-day (dates stepped by the calendar).
inline void WritePeriod(int year, int month, int day, int days, int fluid = 2) {
    const long long first =
        DayNumber(year, month, day);
    for (int k = 0; k < days; ++k) {
        const CivilDate d = CivilFromDays(first + k);
        SaveFluidDay(static_cast<int>(d.year), static_cast<int>(d.month), static_cast<int>(d.day),
                     fluid);
    }
}

class CycleReportTest : public StoreTest {
protected:
    CycleReportTest() {
        RegisterProgramResources();
        AppSettings = VelmoraSettings();
    }
    ~CycleReportTest() override {
        ClearModalHooks();
        SetHelpOpener({});
        AppSettings = VelmoraSettings();
    }

    // Today is this day, mid-morning.
    static void Today(int year, int month, int day) {
        Clock::Pin(CTime(year, month, day, 10, 30, 0));
    }

    static void SaveFluid(int year, int month, int day, int fluid) {
        SaveFluidDay(year, month, day, fluid);
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

    ScopedTimeZone tz{"Europe/Berlin"};
    TestFrame frame;
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
