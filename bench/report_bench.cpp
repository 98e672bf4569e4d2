// The report for the doctor of the last twelve cycles of the twenty-year diary (7,305 daily
// records, the clock pinned to its last day): reading it (the statistics of every day, the
// days of the period, each month's two charts), and reading and writing it as PDF; beside the
// floor, a PDF of as many pages of plain text lines written the same way.

#include <QApplication>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <cstdlib>

#include "bench/benchdata.h"
#include "bench/benchmain.h"
#include "platform/clock.h"
#include "reports/doctorreport.h"
#include "res/programresources.h"

namespace velmora {
namespace {

QString ReportPath() {
    return QString::fromStdString(bench::UseTemporaryHome()) + QStringLiteral("/report.pdf");
}

void TwentyYears() {
    bench::EnsureStoreOfDays(bench::kTwentyYears);
    Clock::Pin(bench::LastDayOfStores());
}

void BM_DoctorReportRead12Cycles(benchmark::State& state) {
    TwentyYears();
    size_t days = 0;
    for (auto _ : state) {
        const CDoctorReport report = CDoctorReport::Read(12);
        days = report.Days().size();
        benchmark::DoNotOptimize(days);
    }
    state.counters["days"] = static_cast<double>(days);
}
BENCHMARK(BM_DoctorReportRead12Cycles)->Unit(benchmark::kMillisecond);

void BM_DoctorReport12Cycles(benchmark::State& state) {
    TwentyYears();
    const QString path = ReportPath();
    int pages = 0;
    for (auto _ : state) {
        QString error;
        pages = CDoctorReport::Read(12).WritePdf(path, QPageSize(QPageSize::A4), error);
        if (pages == 0) {
            state.SkipWithError(error.toStdString().c_str());
            return;
        }
    }
    state.counters["pages"] = pages;
}
BENCHMARK(BM_DoctorReport12Cycles)->Unit(benchmark::kMillisecond);

// The floor: the same number of pages, each filled with lines of plain text in the report's
// font, through the same writer into a file replaced the same way.
void BM_Floor_PdfOfTextPages(benchmark::State& state) {
    TwentyYears();
    QString error;
    const int pages =
        CDoctorReport::Read(12).WritePdf(ReportPath(), QPageSize(QPageSize::A4), error);
    const QString path =
        QString::fromStdString(bench::UseTemporaryHome()) + QStringLiteral("/floor.pdf");
    for (auto _ : state) {
        QSaveFile file(path);
        if (!file.open(QIODevice::WriteOnly)) {
            state.SkipWithError("cannot write the floor's file");
            return;
        }
        {
            QPdfWriter pdf(&file);
            pdf.setResolution(600);
            pdf.setPageSize(QPageSize(QPageSize::A4));
            QPainter p(&pdf);
            QFont font(QStringLiteral("Liberation Sans"));
            font.setPointSizeF(8.5);
            p.setFont(font);
            const int line = p.fontMetrics().height();
            for (int page = 0; page < pages; ++page) {
                if (page > 0) {
                    pdf.newPage();
                }
                for (int y = line; y < pdf.height(); y += line) {
                    p.drawText(0, y,
                               QStringLiteral("01.01.2026  Normal  36.55  61.50  Cramps, "
                                              "bloating  a note of the day %1")
                                   .arg(y));
                }
            }
        }
        file.commit();
    }
    state.counters["pages"] = pages;
}
BENCHMARK(BM_Floor_PdfOfTextPages)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace velmora

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    velmora::RegisterProgramResources();
    return velmora::bench::RunBenchmarks(argc, argv);
}
