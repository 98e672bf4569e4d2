#pragma once

#include <array>
#include <cstdint>

namespace velmora {

class CVelmoraMFCDoc;
struct CycleInfo;

// One day of the month shown: its event icons and where it stands in the cycle.
struct DayMark {
    uint8_t events = 0;
    uint16_t cycle = 0;

    bool operator==(const DayMark&) const = default;
};

// Entries 0..N-1 are the days of the month shown (N = its length); entries N..N+16 are
// days 1 to 17 of the following month, which carry flow bits only (they let a bleeding
// early next month mark its fertile days in this month) and are never drawn.
inline constexpr int kDayMarkCount = 48;
inline constexpr int kNextMonthDays = 17;
using DayMarks = std::array<DayMark, kDayMarkCount>;

// Event mask bits.
inline constexpr uint8_t kEventAlarm = 0x80;
inline constexpr uint8_t kEventSport = 0x40;
inline constexpr uint8_t kEventSex = 0x20;
inline constexpr uint8_t kEventBloating = 0x10;
inline constexpr uint8_t kEventDoctor = 0x08;
inline constexpr uint8_t kEventProtection = 0x04;
inline constexpr uint8_t kEventPms = 0x02;
inline constexpr uint8_t kEventCramps = 0x01;

// Cycle mask bits.
inline constexpr uint16_t kCycleAche = 0x0001;
inline constexpr uint16_t kCycleHeavy = 0x0002;     // flow code 3
inline constexpr uint16_t kCycleNormal = 0x0004;    // flow code 2
inline constexpr uint16_t kCycleLight = 0x0008;     // flow code 1
inline constexpr uint16_t kCycleFertile = 0x0010;   // recorded start or prediction
inline constexpr uint16_t kCycleSpotting = 0x0020;  // flow code 4
inline constexpr uint16_t kCycleNote = 0x0040;
inline constexpr uint16_t kCycleDiary = 0x0080;
inline constexpr uint16_t kCyclePredicted = 0x0100;  // flow code 7

// Flow codes: the stored fluid values 0-6, plus one that only the prediction uses.
inline constexpr int kFlowLight = 1;
inline constexpr int kFlowNormal = 2;
inline constexpr int kFlowHeavy = 3;
inline constexpr int kFlowSpotting = 4;
inline constexpr int kFlowPredicted = 7;

// Cell classes: which picture a calendar cell gets.
inline constexpr int kCellOrdinary = 1;
inline constexpr int kCellFlow = 2;
inline constexpr int kCellFertile = 3;
inline constexpr int kCellSpotting = 4;

// Ors the bit of a flow code into the cycle mask; codes 0, 5, 6 and any other add nothing.
void SetFlow(DayMark& mark, int code);
// 1 light, 2 normal, 3 heavy, 4 spotting, 7 predicted, 0 none (recorded flows first).
int GetFlowClass(const DayMark& mark);
// 4 spotting, 2 any other flow, 3 fertile, 1 ordinary.
int GetCellClass(const DayMark& mark);

// Zeroes both masks of every entry.
void ClearMonthModel(DayMarks& marks);

// Adds the bits of month `month` (1-12) of `year`: the stored days read through `doc` (one
// walk over the store; the document's database stays open and its fields hold the last
// record read), the fertile days of the bleeding starts recorded in the store, and the
// bleedings and fertile windows of `info`'s four starts. Only ever ors bits in, so clear
// first. When the document's database cannot be opened, or `month` is not 1-12, nothing
// changes. Every run of days is cut to the entries that exist.
void LoadMonthModel(DayMarks& marks, CVelmoraMFCDoc& doc, int month, int year,
                    const CycleInfo& info);

}  // namespace velmora
