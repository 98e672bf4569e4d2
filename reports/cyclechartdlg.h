#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "reports/chartbase.h"

namespace velmora {

// The Cycle Chart: for one year, a bar for each cycle that ended in it, standing in the
// month in which the next bleeding began, as tall as the cycle's length on a scale from 23
// to 35 days. A cycle of the length the user set as hers (CycleLength) is red, any other
// blue. Only recorded menstruation days count; nothing is predicted.
class CCycleChartDlg : public CChartDlg {
    Q_OBJECT

public:
    // Rows: 0 = December of the year before, 1-12 the months of the year; column = day - 1.
    static constexpr int kRows = 13;
    static constexpr int kColumns = 31;
    // Shorter cycles get no bar; longer ones than the scale's top are drawn at the top.
    static constexpr int kShortestBar = 23;
    static constexpr int kLongestShown = 35;

    struct Bar {
        int month = 0;   // 1-12: where the next bleeding began
        int length = 0;  // days from one first day of bleeding to the next
        Rect rect;       // as drawn, right and bottom exclusive
        bool red = false;
    };

    // `year` to show first (0: the current year).
    explicit CCycleChartDlg(IMainFrame* frame, int year = 0, QWidget* parent = nullptr);

    const std::vector<Bar>& Bars() const { return m_bars; }
    bool Marked(int row, int day) const;

protected:
    Reading Read() override;
    QString UnitText() const override;
    QString ScaleLabel(int row) const override;
    QString TickLabel(int index) const override;
    void DrawValues(QImage& surface, QPainter& painter) override;
    QString DescribeValues() const override;

private:
    int RowLength(int row) const;

    int m_cycleLength;
    std::array<std::array<uint8_t, kColumns>, kRows> m_periodDays{};
    std::vector<Bar> m_bars;
};

}  // namespace velmora
