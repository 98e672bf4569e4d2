#include "help/helppages.h"

namespace velmora {

namespace {

// A piece that starts a new line, and one that continues the line before it.
constexpr HelpPiece Line(const char* text, HelpStyle style = HelpStyle::Normal) {
    return HelpPiece{text, style, false, 0, 0};
}
constexpr HelpPiece Then(const char* text, HelpStyle style = HelpStyle::Normal) {
    return HelpPiece{text, style, true, 0, 0};
}
constexpr HelpPiece Icon(const char* text, int picture) {
    return HelpPiece{text, HelpStyle::Normal, false, 0, picture};
}
constexpr HelpStyle B = HelpStyle::Bold;
constexpr HelpStyle I = HelpStyle::Italic;

// Page 2: Alarm History. "View " sits a little to the left, so it stays clear of the edge.
constexpr HelpPiece kAlarmHistory[] = {
    Line("A tabular  view of all alarms entered"),
    Line("in  the  system  is  shown  on   this"),
    Line("screen. By  selecting  an  item  from"),
    Line("the list and tapping on button"),
    HelpPiece{"View ", B, true, -3, 0},
    Line("you'll see all the alarms set for the"),
    Line("selected date. By  choosing an alarm"),
    Line("and tapping on button "),
    Then("Delete", B),
    Then("you'll"),
    Line("delete the  selected record from the"),
    Line("program's  database. By  tapping  on"),
    Line("button  "),
    Then("Delete All", B),
    Then("you'll delete all"),
    Line("alarms entered so far."),
};

// Page 3: Calendar View.
constexpr HelpPiece kCalendarView[] = {
    Line("This is the main view of the program"),
    Line("and the first screen you see. It"),
    Line("shows one month as a calendar."),
    Line("Recorded days of menstruation,"),
    Line("spotting and the predicted days of"),
    Line("your next periods are marked in their"),
    Line("own colours, and so are the fertile"),
    Line("days around each ovulation. Small"),
    Line("icons in a day show what you noted"),
    Line("for it: the flow, symptoms, a note,"),
    Line("a diary entry or an alarm."),
    Line(""),
    Line("Choose the month and the year in the"),
    Line("lists at the bottom, or step a month"),
    Line("with the arrow buttons beside them."),
    Line("Go To Today in the menu brings you"),
    Line("back to the current month."),
    Line(""),
    Line("Tap a day and the "),
    Then("Day View", B),
    Then(" opens"),
    Line("for it: there you enter what happened"),
    Line("that day. When you come back, the"),
    Line("prediction is computed again. The"),
    Line("menus open the other screens."),
};

// Page 4: Cycle Bar.
constexpr HelpPiece kCycleBar[] = {
    Line("This  screen  shows  your  menstrual"),
    Line("cycles one at a time, as a column of"),
    Line("days: first the days of your period,"),
    Line("then the rest of the cycle up to the"),
    Line("next period. The six fertile days"),
    Line("around the ovulation are marked too."),
    Line("Beside the column you see the dates"),
    Line("on which the period starts and ends,"),
    Line("the fertile window opens and closes,"),
    Line("and the cycle ends."),
    Line(""),
    Line("Use the arrow buttons at the bottom"),
    Line("to step to the previous or the next"),
    Line("cycle. Cycles still to come show the"),
    Line("prediction of the program."),
};

// Page 5: Cycle Chart.
constexpr HelpPiece kCycleChart[] = {
    Line("The  Cycle Chart displays the length"), Line("of your cycles in one year as bars."),
    Line("A bar stands in the month in which"),   Line("the next period began; its height is"),
    Line("the length of the cycle in days."),     Line("Choose the year in the list at the"),
    Line("bottom, or step with the arrows."),
};

// Page 6: Cycle History.
constexpr HelpPiece kCycleHistory[] = {
    Line("This   screen    presents   a  table"),
    Line("of your cycles of the last two years:"),
    Line("the day each cycle started, the start"),
    Line("of its fertile window and its length"),
    Line("in days, with the average length of"),
    Line("your cycles at the end. Select a cycle"),
    Line("and tap on button "),
    Then("View ", B),
    Then("to see it"),
    Line("in the Cycle "),
    Then("Bar View ", B),
    Line("with all of its dates."),
};

// Page 7: Day View, with the icons of the day's check boxes.
constexpr HelpPiece kDayView[] = {
    // Screen 1.
    Line("This is the main input screen of the"),
    Line("program, where you record one day."),
    Line("The date is shown at the top; the"),
    Line("arrows beside it save the day and"),
    Line("step to the previous or the next day."),
    Line(""),
    Line("Fluids/Temp/Weight Tab", B),
    Line("On this tab you can enter your"),
    Line("Cervical    Fluid,    your     Basal", I),
    Line("Temperature", I),
    Then(" and your "),
    Then("Weight.", I),
    Line("Tap a fluid to mark the day; the first"),
    Line("three mark days of menstruation."),
    Line("The lists of temperature and weight"),
    // Screen 2.
    Line("follow the units of Program Settings."),
    Line("Below the tabs are the check boxes"),
    Line("of the day, each with its icon:"),
    Icon("             Sex  ", 221),
    Icon("             Bloating", 214),
    Icon("             Dr's apt", 223),
    Icon("             Protection", 222),
    Icon("             PMS", 238),
    Icon("             Cramps", 220),
    Icon("             Sport", 215),
    Icon("             Ache", 218),
    Line("For Sport and Ache pick the kind in"),
    Line("its own list.  Everything   the "),
    Then("Day", B),
    // Screen 3.
    Line("View ", B),
    Then("shows is kept when you save"),
    Line("the day with the command bar at the"),
    Line("bottom, or when the arrows step to"),
    Line("another day. The bar also clears the"),
    Line("whole day, or closes the screen"),
    Line("without saving."),
    Line(""),
    Line("Up to four alarms can remind you of"),
    Line("appointments, birthdays, pills and"),
    Line("other things on this day. Each alarm"),
    Line("has a type and a time, and when it is"),
    Line("due the program shows it with a"),
    Line("sound. To set the alarms, tap the"),
    // Screen 4.
    Line("checkbox next  to the Alarm icon. A"),
    Line("list of the four alarms opens: give"),
    Line("each a type and a time, then tap"),
    Line("OK ", B),
    Then("to keep them, or"),
    Line("Cancel", B),
    Then(" to leave them as they were."),
    Line("The Alarm checkbox stays checked"),
    Line("while the day has an alarm."),
    Line(""),
    Line("Closing this screen brings you to the"),
    Line("Calendar View   ", B),
    Then("which shows"),
    Line("your changes and the new prediction"),
    Line("at once."),
    // Screen 5.
    Line(""),
    Line("Note Tab", B),
    Line("Here you can write a free note for"),
    Line("the day: how you feel, what you did,"),
    Line("or anything you want to remember. It"),
    Line("is saved together with the day."),
    Line(""),
    Line("My Diary Tab", B),
    Line("The day can hold up to four diary"),
    Line("entries. For each, choose its kind"),
    Line("(hairdresser, doctor, fitness and"),
    Line("more) and write its text. All the"),
    Line("entries of one kind are listed"),
    Line("together, newest first, and you can"),
    // Screen 6.
    Line("add, view and delete them in the"),
    Line("screen of the menu called"),
    Line("My Diary View.", B),
};

// Page 8: My Diary.
constexpr HelpPiece kMyDiary[] = {
    // Screen 1.
    Line("A tabular view of your diary notes is"),
    Line("shown here. Choose the kind of notes"),
    Line("in the list at the bottom:"),
    Line("hairdresser, beautician, manicurist,"),
    Line("fitness, doctor or other. The notes"),
    Line("of that kind are listed with their"),
    Line("dates, the newest first."),
    Line(""),
    Line("Tap on button "),
    Then("Add ", B),
    Then("to write a new"),
    Line("note of this kind. A small screen"),
    Line("opens where you pick the date and"),
    Line("type the text (a day keeps at most"),
    Line("four notes). When you are done,"),
    // Screen 2.
    Line("tap "),
    Then("OK ", B),
    Then("to save it, or "),
    Then("Cancel", B),
    Line("to close it without saving."),
    Line(""),
    Line("Select a note and tap "),
    Then("View ", B),
    Then("to open"),
    Line("its day in the "),
    Then("Day View ", B),
    Then("where"),
    Line("you can read and change it with"),
    Line("the rest of that day."),
    Line(""),
    Line("These notes are the diary entries of"),
    Line("the Day View's third tab: one added"),
    Line("here shows there too, and the other"),
    Line("way round. To remove a note, select"),
    Line("it and tap on"),
    // Screen 3.
    Line("button "),
    Then("Delete", B),
    Then(". To remove every"),
    Line("note of this kind at once, tap on"),
    Line("Delete All", B),
    Then("; this cannot be"),
    Line("undone, so use it with care."),
};

// Page 9: Password. The warning to remember the password stands out in bold.
constexpr HelpPiece kPassword[] = {
    Line("You  can  use a password  to protect"),
    Line("your diary. Type it twice (new and"),
    Line("confirm); it is asked each time"),
    Line("you start the program."),
    Then("Please, make", B),
    Line("sure you remember it: without", B),
    Line("it the diary cannot be opened", B),
    Line("and there is no way to get it", B),
    Line("back. To change or remove it,", B),
    Line("type the current one first;", B),
    Line("empty new fields remove it.", B),
};

// Page 10: Program Settings.
constexpr HelpPiece kSettings[] = {
    Line("In this screen you can set the main"),
    Line("options of the program."),
    Line(""),
    Line("Menstruation, days: the usual length"),
    Line("of your period, from 3 to 12 days."),
    Line("Average cycle length: the usual"),
    Line("length of your cycle, from 23 to 35"),
    Line("days. Both are the starting point of"),
    Line("the prediction of your next periods."),
    Line("Units: English (Fahrenheit, pounds,"),
    Line("feet) or metric (Celsius, kilograms,"),
    Line("metres) for temperature, weight and"),
    Line("the scale."),
    Line("Week starts with: Sunday or Monday,"),
    Line("the first column of the calendars."),
    Line("Date separator and date format: how"),
    Line("the lists write dates, with the day"),
    Line("or the month first."),
    Line("Time format: 24 hours, or 12 hours"),
    Line("with AM and PM, for the alarms."),
    Line("Skin: the pictures behind the charts,"),
    Line("the Cycle Bar, the scale and help."),
    Line("Daylight saving time: Velmora follows"),
    Line("it by itself; the box changes nothing."),
    Line("Sounds: the clicks of the buttons"),
    Line("and check boxes, on or off."),
    Line(""),
    Line("Tap OK to keep your changes: the"),
    Line("calendar and every screen you open"),
    Line("afterwards use them at once. Cancel"),
    Line("leaves the settings as they were."),
    Line("A number outside its range is"),
    Line("refused and the screen stays open."),
};

// Page 11: Temperature Chart.
constexpr HelpPiece kTemperatureChart[] = {
    Line("A chart of all your daily temperature"), Line("readings of one month. The scale on"),
    Line("the left is in degrees Celsius or"),     Line("Fahrenheit, as chosen in Program"),
    Line("Settings; the days of the month run"),   Line("along the bottom. Each day with a"),
    Line("temperature has a bar, and a line"),     Line("joins the days, so the rise after"),
    Line("ovulation is easy to see. Choose the"),  Line("month and the year in the lists at"),
    Line("the bottom, or step with the arrows."),
};

// Page 12: Temperature History.
constexpr HelpPiece kTemperatureHistory[] = {
    // Screen 1.
    Line("A  tabular  view  of your temperature"),
    Line("entries: each day with a temperature"),
    Line("is listed with its date and reading."),
    Line("Select an entry and tap "),
    Then("Chart ", B),
    Then("to"),
    Line("open the "),
    Then("Temperature Chart ", B),
    Then("of"),
    Line("its month. With button "),
    Then("View ", B),
    Then("you"),
    Line("open the "),
    Then("Day View ", B),
    Then("of that day"),
    Line("to see or change it."),
    Line("By tapping on button "),
    Then("Delete", B),
    Then(" you'll"),
    Line("delete the temperature of the"),
    Line("selected day; with button"),
    Line("Delete All", B),
    Then(" you'll delete"),
    Line("all temperatures entered so far."),
    // Screen 2.
    Line("You are asked to confirm before"),
    Line("anything is deleted. The list shows"),
    Line("degrees Celsius or Fahrenheit, as set"),
    Line("in Program Settings."),
};

// Page 13: Weight Chart.
constexpr HelpPiece kWeightChart[] = {
    Line("This  screen  represents  a  chart of"), Line("the weights entered in one month,"),
    Line("in kilograms or pounds as chosen in"),   Line("Program Settings. The days of the"),
    Line("month run along the bottom. A day"),     Line("with a weight has a bar, and a line"),
    Line("joins them, so you can follow your"),    Line("weight through the cycle. Choose the"),
    Line("month and the year in the lists at"),    Line("the bottom, or step with the arrows."),
};

// Page 14: Weight History.
constexpr HelpPiece kWeightHistory[] = {
    // Screen 1.
    Line("This  screen  shows  you  a   tabular"),
    Line("view of your weight entries: each day"),
    Line("with a weight is listed with its date."),
    Line("Select an entry and tap "),
    Then("Chart ", B),
    Then("to"),
    Line("open the "),
    Then("Weight Chart", B),
    Then(" of its"),
    Line("month. With button "),
    Then("View ", B),
    Then("you"),
    Line("open the "),
    Then("Day View  ", B),
    Then("of that day"),
    Line("to see or change it."),
    Line("By tapping on button "),
    Then("Delete", B),
    Then(" you'll"),
    Line("delete the weight of the selected"),
    Line("day; with button"),
    Line("Delete All", B),
    Then(" you'll delete"),
    Line("all weights entered so far."),
    // Screen 2.
    Line("You are asked to confirm before"),
    Line("anything is deleted. The list shows"),
    Line("kilograms or pounds, as set in"),
    Line("Program Settings."),
};

// Page 15: Weight | Height Scale.
constexpr HelpPiece kScale[] = {
    Line("Here you are  able  to calculate your"),
    Line("ideal weight from your height, or the"),
    Line("ideal height for your weight. Tap the"),
    Line("wide button at the top to switch"),
    Line("between the two:"),
    Then(" Calculate your", B),
    Line("ideal weight/Calculate  your ideal", B),
    Line("height", B),
    Then(". Type your height or weight"),
    Line("and tap Calculate. The units are"),
    Line("those of Program Settings."),
};

// Page 16: Year View.
constexpr HelpPiece kYearView[] = {
    Line("This screen  presents  a calendar for"),
    Line("half a year: six months, January to"),
    Line("June or July to December. The days"),
    Line("of menstruation, the predicted days"),
    Line("and the fertile days have colours of"),
    Line("their own, and so have the weekends."),
    Line("Choose the year in the list at the"),
    Line("bottom. Two buttons switch between"),
    Line("the halves of the year; the other"),
    Line("two step a year forward or back:"),
    Line("Next ", B),
    Line("Previous ", B),
};

constexpr HelpPage kPages[] = {
    {"Alarm History", kAlarmHistory},
    {"Calendar View", kCalendarView},
    {"Cycle Bar", kCycleBar},
    {"Cycle Chart", kCycleChart},
    {"Cycle History", kCycleHistory},
    {"Day View", kDayView},
    {"My Diary", kMyDiary},
    {"Password", kPassword},
    {"Program Settings", kSettings},
    {"Temperature Chart", kTemperatureChart},
    {"Temperature History", kTemperatureHistory},
    {"Weight Chart", kWeightChart},
    {"Weight History", kWeightHistory},
    {"Weight | Height Scale", kScale},
    {"Year View", kYearView},
};
static_assert(std::size(kPages) == kHelpPageCount - 1);

constexpr int CountLines(std::span<const HelpPiece> pieces) {
    int lines = 0;
    for (const HelpPiece& p : pieces) {
        lines += p.joined ? 0 : 1;
    }
    return lines;
}

// The scrolling table and the pages agree.
constexpr bool LineCountsAgree() {
    for (size_t i = 0; i < std::size(kPages); ++i) {
        if (CountLines(kPages[i].pieces) != kHelpLineCounts[i] || kPages[i].pieces.empty() ||
            kPages[i].pieces[0].joined) {
            return false;
        }
    }
    return true;
}
static_assert(LineCountsAgree());

}  // namespace

const HelpPage& HelpPageAt(int page) {
    if (page < kHelpFirstScreenPage || page > kHelpPageCount) {
        page = kHelpFirstScreenPage;  // never out of the table
    }
    return kPages[page - kHelpFirstScreenPage];
}

int HelpLineCount(int page) {
    if (page < kHelpFirstScreenPage || page > kHelpPageCount) {
        return 0;
    }
    return kHelpLineCounts[static_cast<size_t>(page - kHelpFirstScreenPage)];
}

QString HelpTitle(int page) {
    if (page < kHelpFirstScreenPage || page > kHelpPageCount) {
        return QString();
    }
    return QString::fromLatin1(HelpPageAt(page).title);
}

int HelpLineStart(int page, int line) {
    const auto pieces = HelpPageAt(page).pieces;
    int current = -1;
    for (size_t i = 0; i < pieces.size(); ++i) {
        if (!pieces[i].joined && ++current == line) {
            return static_cast<int>(i);
        }
    }
    return static_cast<int>(pieces.size());
}

}  // namespace velmora
