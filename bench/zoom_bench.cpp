// The calendar at each zoom: one frame (the month drawn, copied into the window surface at
// the zoom, and shown through Qt's backing store), the same with the pictures decoded
// afresh, and a change of month on a two-year diary; beside the floor, a window showing a
// ready surface of the same size. And at three diary sizes (365, 7,305 and 36,525 daily
// records, all ending today, the clock pinned there), what reads a window of days and
// should cost the same at every size: a change of month with the analysis before it, and
// the Year View's load of this year; beside the floor of a look-up of one day.

#include <QApplication>
#include <QComboBox>
#include <QImage>
#include <QPainter>
#include <QSignalBlocker>
#include <QWidget>
#include <QWindow>
#include <cstdlib>

#include "bench/benchdata.h"
#include "bench/benchmain.h"
#include "cycle/cycleinfo.h"
#include "cycle/monthmodel.h"
#include "gfx/screenbuffer.h"
#include "platform/clock.h"
#include "reports/yearviewdlg.h"
#include "res/programresources.h"
#include "store/names.h"
#include "store/velmoradoc.h"
#include "ui/calendarpainter.h"
#include "ui/kit/zoom.h"

namespace velmora {
namespace {

CalendarMonth October2022() {
    CalendarMonth month;
    month.month = 10;
    month.year = 2022;  // 31 days that need a sixth row
    month.mondayFirst = false;
    month.today = 17;
    return month;
}

// Shows `widget` and waits until its window can be painted.
void ShowExposed(QWidget& widget) {
    widget.show();
    while (!widget.windowHandle() || !widget.windowHandle()->isExposed()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
}

// One calendar frame as the calendar paints it: draw, copy at the zoom, show.
void Frame(ScreenWidget& widget, const DayMarks& marks, const CalendarMonth& month,
           PictureCache& pictures) {
    DrawCalendarMonth(*widget.Screen().GetBuffer(), marks, month, pictures);
    widget.Screen().CopyToWindow();
    widget.repaint();
}

void BM_CalendarFrame(benchmark::State& state) {
    ApplyZoom(static_cast<int>(state.range(0)));
    ScreenWidget widget;
    ShowExposed(widget);
    PictureCache pictures;
    const DayMarks marks = bench::EveryIcon();
    const CalendarMonth month = October2022();
    Frame(widget, marks, month, pictures);  // decode the pictures once
    for (auto _ : state) {
        Frame(widget, marks, month, pictures);
    }
}
BENCHMARK(BM_CalendarFrame)->Arg(1)->Arg(3)->Unit(benchmark::kMicrosecond);

// The same frame with every picture decoded again.
void BM_CalendarFrameDecoding(benchmark::State& state) {
    ApplyZoom(static_cast<int>(state.range(0)));
    ScreenWidget widget;
    ShowExposed(widget);
    const DayMarks marks = bench::EveryIcon();
    const CalendarMonth month = October2022();
    for (auto _ : state) {
        PictureCache pictures;
        Frame(widget, marks, month, pictures);
    }
}
BENCHMARK(BM_CalendarFrameDecoding)->Arg(1)->Arg(3)->Unit(benchmark::kMicrosecond);

// A change of month: the month model read from a two-year diary, then the frame.
void BM_MonthChange(benchmark::State& state) {
    bench::EnsureStoreOfDays(731);
    TheCycleInfo.Analyze();
    ApplyZoom(static_cast<int>(state.range(0)));
    ScreenWidget widget;
    ShowExposed(widget);
    PictureCache pictures;
    CVelmoraMFCDoc doc;
    DayMarks marks{};
    CalendarMonth month;
    const LocalTime now = Clock::Now().Local();
    month.year = now.year;
    month.month = now.month;
    int step = 0;
    for (auto _ : state) {
        // Back and forth between this month and the one before.
        month.month = now.month == 1 ? (step % 2 ? 12 : 1) : now.month - step % 2;
        month.year = now.month == 1 && step % 2 ? now.year - 1 : now.year;
        ++step;
        ClearMonthModel(marks);
        LoadMonthModel(marks, doc, month.month, month.year, TheCycleInfo);
        Frame(widget, marks, month, pictures);
    }
}
BENCHMARK(BM_MonthChange)->Arg(1)->Arg(3)->Unit(benchmark::kMillisecond);

int Days(const benchmark::State& state) {
    return static_cast<int>(state.range(0));
}

// The store of the benchmark's size, "today" its last day, until the benchmark ends.
class SizedStore {
public:
    explicit SizedStore(const benchmark::State& state) {
        bench::EnsureStoreOfDays(Days(state));
        Clock::Pin(bench::LastDayOfStores());
    }
    ~SizedStore() { Clock::Release(); }
    SizedStore(const SizedStore&) = delete;
    SizedStore& operator=(const SizedStore&) = delete;
};

void BM_Floor_IndexedDayLookUp(benchmark::State& state) {
    SizedStore store(state);
    bench::DayLookUpFloor(state, bench::LastDayOfStores());
}
BENCHMARK(BM_Floor_IndexedDayLookUp)->Apply(bench::StoreSizes)->Unit(benchmark::kMicrosecond);

// A change of month as the calendar makes it after an edit, at 1x: the analysis, the month
// model read from the store, and the frame; back and forth between today's month and the
// one before.
void BM_MonthChangeWithAnalysis(benchmark::State& state) {
    SizedStore store(state);
    ApplyZoom(1);
    ScreenWidget widget;
    ShowExposed(widget);
    PictureCache pictures;
    CVelmoraMFCDoc doc;
    CycleInfo info;
    DayMarks marks{};
    CalendarMonth month;
    const LocalTime today = Clock::Now().Local();
    int step = 0;
    int marked = 0;
    for (auto _ : state) {
        month.month = today.month == 1 ? (step % 2 ? 12 : 1) : today.month - step % 2;
        month.year = today.month == 1 && step % 2 ? today.year - 1 : today.year;
        month.today = step % 2 ? 0 : today.day;
        ++step;
        info.Analyze();
        ClearMonthModel(marks);
        LoadMonthModel(marks, doc, month.month, month.year, info);
        Frame(widget, marks, month, pictures);
        if (step == 1) {
            for (const DayMark& m : marks) {
                marked += m.cycle != 0 || m.events != 0;
            }
        }
    }
    if (marked == 0) {
        state.SkipWithError("today's month came out empty");
    }
}
BENCHMARK(BM_MonthChangeWithAnalysis)->Apply(bench::StoreSizes)->Unit(benchmark::kMicrosecond);

// The Year View reading this year again (its days, the analysis, the fertile days) and
// drawing its first half, as a change of its year list does; the window is not shown.
void BM_YearViewLoad(benchmark::State& state) {
    SizedStore store(state);
    CYearViewDlg view;
    QComboBox* years = view.YearList();
    const int year = Clock::Now().GetYear();
    const int shown = year - FirstYear();
    const int other = shown > 0 ? shown - 1 : shown + 1;
    for (auto _ : state) {
        {
            const QSignalBlocker quiet(years);
            years->setCurrentIndex(other);
        }
        years->setCurrentIndex(shown);  // the year read afresh
    }
    int menstruation = 0;
    for (int row = 1; row <= 12; ++row) {
        for (int col = 0; col < CYearViewDlg::kColumns; ++col) {
            menstruation += (view.DayFlags(row, col) & CYearViewDlg::kMenstruation) != 0;
        }
    }
    if (view.Year() != year || menstruation == 0) {
        state.SkipWithError("the year came out empty");
    }
    state.counters["menstruation"] = menstruation;
}
BENCHMARK(BM_YearViewLoad)->Apply(bench::StoreSizes)->Unit(benchmark::kMicrosecond);

// The floor: a window that only shows a ready surface of the zoomed size.
class ReadySurface : public QWidget {
public:
    explicit ReadySurface(int zoom) : m_surface(240 * zoom, 268 * zoom, QImage::Format_RGB16) {
        m_surface.fill(Qt::white);
        m_surface.setDevicePixelRatio(zoom);
        setFixedSize(240, 268);
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.drawImage(QRect(0, 0, 240, 268), m_surface);
    }

private:
    QImage m_surface;
};

void BM_Floor_ShowReadySurface(benchmark::State& state) {
    ApplyZoom(static_cast<int>(state.range(0)));
    ReadySurface widget(static_cast<int>(state.range(0)));
    ShowExposed(widget);
    for (auto _ : state) {
        widget.repaint();
    }
}
BENCHMARK(BM_Floor_ShowReadySurface)->Arg(1)->Arg(3)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace velmora

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    velmora::RegisterProgramResources();
    return velmora::bench::RunBenchmarks(argc, argv);
}
