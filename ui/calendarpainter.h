#pragma once

#include <map>
#include <memory>

#include "cycle/monthmodel.h"
#include "gfx/fastbitmap.h"
#include "gfx/graphicbuffer.h"

namespace velmora {

// Pictures decoded once and kept, by id: the calendar draws few distinct ones many times.
// A picture with words is the drawing of the picture language current at Get.
class PictureCache {
public:
    CFastBitmap& Get(int id, uint16_t width, uint16_t height);

private:
    std::map<int, std::unique_ptr<CFastBitmap>> m_pictures;
};

// What drawing a month leaves for the tap handler: whether days wrapped into the first row
// and the first day that did.
struct MonthLayout {
    bool wrap = false;
    int wrapStart = 0;
};

struct CalendarMonth {
    int month = 1;  // 1-12
    int year = 1995;
    bool mondayFirst = true;  // the WeekStarts setting
    int today = 0;            // day of the month to box, 0 for none
};

// Grid geometry of the calendar area.
inline constexpr int kCalendarCellWidth = 33;
inline constexpr int kCalendarCellHeight = 50;
inline constexpr int kCalendarGridTop = 18;
inline constexpr Pixel kCalendarTodayInk = 0x1B15;

// The icon slot origins inside a cell, 0-9.
struct IconSlot {
    int dx;
    int dy;
};
inline constexpr IconSlot kCalendarIconSlots[10] = {{21, 20}, {3, 32},  {13, 32}, {23, 32},
                                                    {3, 42},  {13, 42}, {23, 42}, {3, 52},
                                                    {13, 52}, {23, 52}};

// Weekday of the 1st of the month (Sunday = 1 ... Saturday = 7).
int FirstWeekdayOfMonth(int month, int year);
// Column (0-6) of the month's first day.
int FirstColumn(const CalendarMonth& month);

// Draws the month into `buffer` (240 x 268): white, the week header, then each day's cell,
// number and icons. Pictures are drawn through CurrentTarget, which is set to `buffer`.
MonthLayout DrawCalendarMonth(GraphicBuffer& buffer, const DayMarks& marks,
                              const CalendarMonth& month, PictureCache& pictures);

// The cell of day `day` as drawn (right and bottom exclusive): days of a sixth week stand
// in the first row.
Rect CalendarCellOf(int day, const CalendarMonth& month);

// The day of the month under (x, y), or 0. Columns are the cells as drawn; the week header
// counts as row 0; days that wrapped are found in the first row.
int CalendarDayAt(int x, int y, const CalendarMonth& month, const MonthLayout& layout);

}  // namespace velmora
