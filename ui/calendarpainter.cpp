#include "ui/calendarpainter.h"

#include <utility>

#include "gfx/bitmapfont.h"
#include "gfx/pictures.h"
#include "platform/calendar.h"
#include "store/velmoradoc.h"

namespace velmora {

namespace {

struct FixedIcon {
    bool event;  // in the event mask, else in the cycle mask
    uint16_t bit;
    int picture;
    int slot;
};
constexpr FixedIcon kFixedIcons[] = {
    {true, kEventAlarm, kIconAlarm, 1},
    {true, kEventSport, kIconSport, 2},
    {true, kEventSex, kIconSex, 3},
    {true, kEventBloating, kIconBloating, 4},
    {true, kEventDoctor, kIconDoctor, 5},
    {false, kCycleAche, kIconAche, 6},
    {true, kEventProtection, kIconProtection, 7},
    {true, kEventPms, kIconPms, 8},
    {true, kEventCramps, kIconCramps, 9},
};

int CellPicture(int cellClass) {
    switch (cellClass) {
        case 2:
            return kPicCellMenstruation;
        case 3:
            return kPicCellFertile;
        case 4:
            return kPicCellIntermenstrual;
        default:
            return kPicCellOrdinary;
    }
}

int FlowPicture(int flowClass) {
    switch (flowClass) {
        case 1:
            return kIconLightFlow;
        case 2:
            return kIconNormalFlow;
        case 3:
            return kIconHeavyFlow;
        case 7:
            return kIconPredictedFlow;
        default:
            return -1;
    }
}

}  // namespace

CFastBitmap& PictureCache::Get(int id, uint16_t width, uint16_t height) {
    // Kept by the drawing shown: after a change of picture language the week header is
    // the other language's.
    const int shown = PictureIn(CurrentPictureLanguage(), id);
    auto& slot = m_pictures[shown];
    if (!slot) {
        slot = std::make_unique<CFastBitmap>();
        slot->Load(shown, width, height);
    }
    return *slot;
}

int FirstWeekdayOfMonth(int month, int year) {
    return CVelmoraMFCDoc::DayAtNoon(year, month, 1).GetDayOfWeek();
}

int FirstColumn(const CalendarMonth& month) {
    const int w = FirstWeekdayOfMonth(month.month, month.year);
    return month.mondayFirst ? (w == 1 ? 6 : w - 2) : w - 1;
}

MonthLayout DrawCalendarMonth(GraphicBuffer& buffer, const DayMarks& marks,
                              const CalendarMonth& month, PictureCache& pictures) {
    ScopedTarget target(&buffer);
    MonthLayout layout;
    buffer.Fill(kWhite);
    pictures.Get(month.mondayFirst ? kPicWeekMonday : kPicWeekSunday, 230, 12).Draw(3, 3);

    const int days = DaysInMonth(month.year, month.month);
    int c = FirstColumn(month);
    int r = 0;
    for (int d = 1; d <= days; ++d) {
        const int x = kCalendarCellWidth * c;
        const int y = kCalendarCellHeight * r;
        const DayMark& mark = marks[static_cast<size_t>(d - 1)];

        pictures.Get(CellPicture(GetCellClass(mark)), 32, 48).Draw(x + 3, y + kCalendarGridTop);
        if (d == month.today) {
            buffer.FillRect({x + 2, y + 18, x + 20, y + 30}, kWhite);
            DrawNumber(buffer, static_cast<uint32_t>(d), x + 4, y + 20, kCalendarTodayInk);
        } else {
            DrawNumber(buffer, static_cast<uint32_t>(d), x + 4, y + 20, kBlack);
        }

        auto drawIcon = [&](int picture, int slot) {
            pictures.Get(picture, 10, 10)
                .DrawTransparent(x + kCalendarIconSlots[slot].dx, y + kCalendarIconSlots[slot].dy);
        };
        bool taken[10] = {};
        if (const int flow = FlowPicture(GetFlowClass(mark)); flow >= 0) {
            drawIcon(flow, 0);
        }
        taken[0] = true;  // the flow slot is kept free whether or not it shows an icon
        for (const FixedIcon& icon : kFixedIcons) {
            const bool set =
                icon.event ? (mark.events & icon.bit) != 0 : (mark.cycle & icon.bit) != 0;
            if (set) {
                drawIcon(icon.picture, icon.slot);
                taken[icon.slot] = true;
            }
        }
        // The note, then the diary entry, in the first slots nothing else took.
        int next = 0;
        for (const auto& [bit, picture] :
             {std::pair{kCycleNote, kIconNote}, std::pair{kCycleDiary, kIconDiary}}) {
            if ((mark.cycle & bit) == 0) {
                continue;
            }
            while (next < 10 && taken[next]) {
                ++next;
            }
            if (next < 10) {
                drawIcon(picture, next++);
            }
        }

        if (c == 6) {
            c = 0;
            if (r == 4) {
                // A sixth week: the days left go into the empty cells of the first row.
                r = 0;
                layout.wrap = true;
                layout.wrapStart = d + 1;
            } else {
                ++r;
            }
        } else {
            ++c;
        }
    }
    return layout;
}

Rect CalendarCellOf(int day, const CalendarMonth& month) {
    const int i = FirstColumn(month) + day - 1;
    const int c = i % 7;
    const int r = i / 7 < 5 ? i / 7 : 0;
    const int x = kCalendarCellWidth * c + 3;
    const int y = kCalendarCellHeight * r + kCalendarGridTop;
    return {x, y, x + 32, y + 48};
}

int CalendarDayAt(int x, int y, const CalendarMonth& month, const MonthLayout& layout) {
    // Columns are the cells as drawn, from 3 pixels in; left of them and past the last
    // column nothing is selected.
    if (x < 3 || x >= 3 + 7 * kCalendarCellWidth || y < 0) {
        return 0;
    }
    const int w = FirstWeekdayOfMonth(month.month, month.year);
    int o = w;
    if (month.mondayFirst) {
        o = w - 1 == 0 ? 7 : w - 1;
    }
    const int c = (x - 3) / kCalendarCellWidth;
    const int r = (y - kCalendarGridTop) / kCalendarCellHeight;  // the header is row 0
    int d = 7 * r - o + c + 2;
    if (d < 1 && layout.wrap) {
        d = layout.wrapStart + c;
    }
    if (d < 1 || d > DaysInMonth(month.year, month.month)) {
        return 0;
    }
    return d;
}

}  // namespace velmora
