#pragma once

#include <QDialog>
#include <array>
#include <cstdint>

class QComboBox;

namespace velmora {

class CCommandBar;
class ScreenBuffer;
class ScreenWidget;

// Commands of the Year View's command bar, and its year list.
enum YearViewCommand : int {
    kCmdYearViewPreviousYear = 32783,
    kCmdYearViewFirstHalf = 32784,
    kCmdYearViewSecondHalf = 32787,
    kCmdYearViewNextYear = 32788,
};
inline constexpr int kYearViewYearListId = 1013;

// The Year View: six small month calendars at a time (January to June, or July to
// December), each day's number coloured: recorded menstruation red, predicted menstruation
// dark red, fertile days green, weekends blue and, in the first half, today's day olive.
class CYearViewDlg : public QDialog {
    Q_OBJECT

public:
    // Rows: 0 = December of Y-1, 1-12 the months of Y, 13 = January of Y+1; column = day - 1.
    static constexpr int kRows = 14;
    static constexpr int kColumns = 31;
    enum DayFlag : uint8_t {
        kMenstruation = 1,  // recorded or predicted
        kFertile = 2,
        kWeekend = 4,
        kPredicted = 8,  // always with kMenstruation
    };

    explicit CYearViewDlg(QWidget* parent = nullptr);
    ~CYearViewDlg() override;

    // Previous year, first half, second half, next year.
    void OnCommand(int command);

    int Year() const { return m_year; }
    bool FirstHalf() const { return m_firstHalf; }
    uint8_t DayFlags(int row, int col) const;
    QComboBox* YearList() const { return m_years; }
    CCommandBar* CommandBar() const { return m_bar; }
    ScreenBuffer& Screen();

private:
    // The year list's year is shown again from its first half, its days read afresh.
    void Reload();
    void FillDays();
    // Erases the window and draws the shown half.
    void Redraw();
    // The grid cell of a civil day number; false outside the grid.
    bool CellOf(long long day, int& row, int& col) const;
    bool Has(long long day, uint8_t flag) const;
    void Set(long long day, uint8_t flag);

    ScreenWidget* m_screen = nullptr;
    CCommandBar* m_bar = nullptr;
    QComboBox* m_years = nullptr;
    int m_year = 0;
    bool m_firstHalf = true;
    bool m_leapYear = false;
    std::array<std::array<uint8_t, kColumns>, kRows> m_yearDays{};
};

}  // namespace velmora
