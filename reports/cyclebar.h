#pragma once

#include <QDialog>
#include <QString>
#include <array>
#include <cstdint>
#include <set>
#include <vector>

#include "gfx/fastbitmap.h"
#include "ui/kit/picturescreen.h"

namespace velmora {

class CCommandBar;
class IMainFrame;
class ScreenBuffer;
class ScreenWidget;

// Commands of the Cycle Bar's command bar.
enum CycleBarCommand : int {
    kCmdCycleBarPrevious = 32786,
    kCmdCycleBarNext = 32787,
    kCmdCycleBarHelp = 32795,
};

// The Cycle Bar: one menstrual cycle as a column of day cells (menstruation days, the other
// days up to the next menstruation, the six fertile days), with the dates of its start and
// end, of the end of its bleeding and of its fertile window written beside the column.
// Previous and Next step through the recorded and the predicted cycles.
//
// The screen works on a grid of sixteen months around one year Y: December of Y-1, January
// to December of Y, and January to March of Y+1. A cell is marked when that day is a
// recorded menstruation day or a day of a predicted period.
class CCycleBar : public CPictureScreenDlg {
    Q_OBJECT

public:
    static constexpr int kRows = 16;
    static constexpr int kColumns = 31;
    // The forward search for a menstruation examines this many days from where it starts;
    // the walk over the days after the bleeding looks this far for the next one.
    static constexpr int kSearchDays = 40;

    // A text written beside the column: `position` is the day of the cycle it stands by (1 =
    // the first day of the cycle).
    struct Label {
        int position = 0;
        QString text;
    };
    // A grid cell: row (0 = December of Y-1, 1-12 the months of Y, 13-15 January to March of
    // Y+1) and 0-based day of month.
    struct Cell {
        int row = 0;
        int col = 0;
        bool operator==(const Cell&) const = default;
    };

    // `frame` is the main window (its title names this screen and help). The screen reads
    // the diary through a document of its own, so the application's current day stays as it
    // is. It opens on the first day of the current month until SetStart says otherwise.
    explicit CCycleBar(IMainFrame* frame, QWidget* parent = nullptr);
    ~CCycleBar() override;

    // Opens on the cycle that holds this day, or else on the first one that begins within
    // forty days after it; the year of the date becomes the screen's year.
    void SetStart(int year, int month, int day);
    // Previous, Next and Help.
    void OnCommand(int command);
    // Draws the cycle at the anchor into the buffer and shows it.
    void Redraw() override;

    // --- What the screen shows (for the screens that open it, and for tests) ---
    int Year() const { return m_year; }
    // The first day of the shown cycle (or the day the search began when none was found).
    Cell Anchor() const { return m_anchor; }
    const std::vector<Label>& Labels() const { return m_labels; }
    bool Marked(int row, int col) const;
    CCommandBar* CommandBar() const { return m_bar; }
    ScreenBuffer& Screen();

    // Where the cell of cycle day `position` is drawn (its top-left pixel).
    static int CellTop(int position) { return 14 + 8 * (position - 1); }
    static constexpr int kCellLeft = 15;

private:
    // The calendar of a grid row.
    int RowYear(int row) const;
    static int RowMonth(int row);
    int RowLength(int row) const;
    long long DayNumber(Cell c) const;
    // The cell of a civil day number; false outside the grid.
    bool CellOf(long long day, Cell& cell) const;
    Cell Forward(Cell c) const;
    Cell Back(Cell c) const;
    QString DateText(long long day) const;

    // Reads every menstruation day of the diary and the engine's predicted periods.
    void LoadDays();
    // Sets the year and marks its grid from the days read.
    void FillGrid(int year);
    // Move the anchor to the start of the cycle before or after the shown one, changing the
    // year when the grid needs it.
    void MoveToPrevious();
    void MoveToNext();
    void ShowHelp();

    ScreenWidget* m_screen = nullptr;
    CCommandBar* m_bar = nullptr;
    CFastBitmap m_background;
    bool m_hasBackground = false;

    int m_year = 0;
    Cell m_anchor;
    int m_searchSteps = 0;
    std::array<std::array<uint8_t, kColumns>, kRows> m_days{};
    // Civil day numbers (days since 1970-01-01) of every recorded or predicted
    // menstruation day.
    std::set<long long> m_menstruation;
    // Whether a bleeding begins on `day`: it bleeds and the day before does not.
    bool BeginsBleeding(long long day) const;
    std::vector<Label> m_labels;
};

// Opens the Cycle Bar over the main window on the cycle of year-month-day. The main window's
// title is "Cycle Bar" while it shows and `returnTitle` after (when not empty). `parent` is
// the screen that opens it (none from the calendar).
int RunCycleBar(IMainFrame* frame, QWidget* parent, int year, int month, int day,
                const QString& returnTitle = {});

}  // namespace velmora
