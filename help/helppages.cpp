#include "help/helppages.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QStringView>
#include <algorithm>
#include <array>
#include <cstring>
#include <deque>
#include <memory>
#include <optional>
#include <string>

#include "ui/kit/fonts.h"

namespace velmora {

namespace {

// The contents, in page order from 2; each entry is also the heading of its page.
constexpr const char* kTitles[] = {
    //: An entry of the help's contents, and the heading of its page.
    QT_TRANSLATE_NOOP("Help", "Alarm History"),
    QT_TRANSLATE_NOOP("Help", "Calendar View"),
    QT_TRANSLATE_NOOP("Help", "Cycle Bar"),
    QT_TRANSLATE_NOOP("Help", "Cycle Chart"),
    QT_TRANSLATE_NOOP("Help", "Cycle History"),
    QT_TRANSLATE_NOOP("Help", "Day View"),
    QT_TRANSLATE_NOOP("Help", "My Diary"),
    QT_TRANSLATE_NOOP("Help", "Password"),
    QT_TRANSLATE_NOOP("Help", "Program Settings"),
    QT_TRANSLATE_NOOP("Help", "Temperature Chart"),
    QT_TRANSLATE_NOOP("Help", "Temperature History"),
    QT_TRANSLATE_NOOP("Help", "Weight Chart"),
    QT_TRANSLATE_NOOP("Help", "Weight History"),
    QT_TRANSLATE_NOOP("Help", "Weight | Height Scale"),
    QT_TRANSLATE_NOOP("Help", "Year View"),
    QT_TRANSLATE_NOOP("Help", "Statistics"),
};
static_assert(std::size(kTitles) == kHelpPageCount - 1);

// The text of pages 2 and on, one translatable text per page, in a small markup:
//   <b>...</b>, <i>...</i>  bold and italic words;
//   <br>                    a line break that a translation keeps too;
//   <icon=N>                picture N at the left of the line (the Day View's check boxes), the
//                           line's text 13 spaces in, clear of the picture.
// Every other line break is where the handheld's help broke its lines by hand, with the spaces
// it spread to fill them: an untranslated page is drawn exactly as written, line for line. A
// translation is wrapped to the text width instead: there a single line break is a space, an
// empty line starts a new paragraph, and only <br> and <icon=N> start a new line.
constexpr const char* kPageTexts[] = {
    // Page 2: Alarm History.
    //: The help page "Alarm History". The program wraps the text to the screen itself: a
    //: single line break counts as a space, an empty line starts a new paragraph and <br>
    //: a new line; <b>...</b> is bold, <i>...</i> italic. Runs of spaces only pad the lines.
    QT_TRANSLATE_NOOP("Help",
                      "A tabular  view of all alarms entered\n"
                      "in  the  system  is  shown  on   this\n"
                      "screen. By  selecting  an  item  from\n"
                      "the list and tapping on button<b>View </b>\n"
                      "you'll see all the alarms set for the\n"
                      "selected date. By  choosing an alarm\n"
                      "and tapping on button <b>Delete</b>you'll\n"
                      "delete the  selected record from the\n"
                      "program's  database. By  tapping  on\n"
                      "button  <b>Delete All</b>you'll delete all\n"
                      "alarms entered so far."),
    // Page 3: Calendar View.
    //: The help page "Calendar View". The program wraps the text to the screen itself: a
    //: single line break counts as a space, an empty line starts a new paragraph and <br>
    //: a new line; <b>...</b> is bold, <i>...</i> italic. Runs of spaces only pad the lines.
    QT_TRANSLATE_NOOP("Help",
                      "This is the main view of the program\n"
                      "and the first screen you see. It\n"
                      "shows one month as a calendar.\n"
                      "Recorded days of menstruation,\n"
                      "spotting and the predicted days of\n"
                      "your next periods are marked in their\n"
                      "own colours, and so are the fertile\n"
                      "days around each ovulation. Small\n"
                      "icons in a day show what you noted\n"
                      "for it: the flow, symptoms, a note,\n"
                      "a diary entry or an alarm.\n"
                      "\n"
                      "Choose the month and the year in the\n"
                      "lists at the bottom, or step a month\n"
                      "with the arrow buttons beside them.\n"
                      "Go To Today in the menu brings you\n"
                      "back to the current month.\n"
                      "\n"
                      "Tap a day and the <b>Day View</b> opens\n"
                      "for it: there you enter what happened\n"
                      "that day. When you come back, the\n"
                      "prediction is computed again. The\n"
                      "menus open the other screens."),
    // Page 4: Cycle Bar.
    //: The help page "Cycle Bar". The program wraps the text to the screen itself: a
    //: single line break counts as a space, an empty line starts a new paragraph and <br>
    //: a new line; <b>...</b> is bold, <i>...</i> italic. Runs of spaces only pad the lines.
    QT_TRANSLATE_NOOP("Help",
                      "This  screen  shows  your  menstrual\n"
                      "cycles one at a time, as a column of\n"
                      "days: first the days of your period,\n"
                      "then the rest of the cycle up to the\n"
                      "next period. The six fertile days\n"
                      "around the ovulation are marked too.\n"
                      "Beside the column you see the dates\n"
                      "on which the period starts and ends,\n"
                      "the fertile window opens and closes,\n"
                      "and the cycle ends.\n"
                      "\n"
                      "Use the arrow buttons at the bottom\n"
                      "to step to the previous or the next\n"
                      "cycle. Cycles still to come show the\n"
                      "prediction of the program."),
    // Page 5: Cycle Chart.
    //: The help page "Cycle Chart". The program wraps the text to the screen itself: a
    //: single line break counts as a space, an empty line starts a new paragraph and <br>
    //: a new line; <b>...</b> is bold, <i>...</i> italic. Runs of spaces only pad the lines.
    QT_TRANSLATE_NOOP("Help",
                      "The  Cycle Chart displays the length\n"
                      "of your cycles in one year as bars.\n"
                      "A bar stands in the month in which\n"
                      "the next period began; its height is\n"
                      "the length of the cycle in days.\n"
                      "Choose the year in the list at the\n"
                      "bottom, or step with the arrows."),
    // Page 6: Cycle History.
    //: The help page "Cycle History". The program wraps the text to the screen itself: a
    //: single line break counts as a space, an empty line starts a new paragraph and <br>
    //: a new line; <b>...</b> is bold, <i>...</i> italic. Runs of spaces only pad the lines.
    QT_TRANSLATE_NOOP("Help",
                      "This   screen    presents   a  table\n"
                      "of your cycles of the last two years:\n"
                      "the day each cycle started, the start\n"
                      "of its fertile window and its length\n"
                      "in days, with the average length of\n"
                      "your cycles at the end. Select a cycle\n"
                      "and tap on button <b>View </b>to see it\n"
                      "in the Cycle <b>Bar View </b>\n"
                      "with all of its dates."),
    // Page 7: Day View.
    //: The help page "Day View". The program wraps the text to the screen itself: a
    //: single line break counts as a space, an empty line starts a new paragraph and <br>
    //: a new line; <b>...</b> is bold, <i>...</i> italic. Runs of spaces only pad the lines.
    //: <icon=N> puts the picture of check box N at the start of a line: keep each before
    //: the name of its box.
    QT_TRANSLATE_NOOP("Help",
                      "This is the main input screen of the\n"
                      "program, where you record one day.\n"
                      "The date is shown at the top; the\n"
                      "arrows beside it save the day and\n"
                      "step to the previous or the next day.\n"
                      "\n"
                      "<b>Fluids/Temp/Weight Tab</b><br>"
                      "On this tab you can enter your\n"
                      "<i>Cervical    Fluid,    your     Basal\n"
                      "Temperature</i> and your <i>Weight.</i>\n"
                      "Tap a fluid to mark the day; the first\n"
                      "three mark days of menstruation.\n"
                      "The lists of temperature and weight\n"
                      "follow the units of Program Settings.\n"
                      "Below the tabs are the check boxes\n"
                      "of the day, each with its icon:\n"
                      "<icon=221>Sex  <br>"
                      "<icon=214>Bloating<br>"
                      "<icon=223>Dr's apt<br>"
                      "<icon=222>Protection<br>"
                      "<icon=238>PMS<br>"
                      "<icon=220>Cramps<br>"
                      "<icon=215>Sport<br>"
                      "<icon=218>Ache<br>"
                      "For Sport and Ache pick the kind in\n"
                      "its own list.  Everything   the <b>Day\n"
                      "View </b>shows is kept when you save\n"
                      "the day with the command bar at the\n"
                      "bottom, or when the arrows step to\n"
                      "another day. The bar also clears the\n"
                      "whole day, or closes the screen\n"
                      "without saving.\n"
                      "\n"
                      "Up to four alarms can remind you of\n"
                      "appointments, birthdays, pills and\n"
                      "other things on this day. Each alarm\n"
                      "has a type and a time, and when it is\n"
                      "due the program shows it with a\n"
                      "sound. To set the alarms, tap the\n"
                      "checkbox next  to the Alarm icon. A\n"
                      "list of the four alarms opens: give\n"
                      "each a type and a time, then tap\n"
                      "<b>OK </b>to keep them, or\n"
                      "<b>Cancel</b> to leave them as they were.\n"
                      "The Alarm checkbox stays checked\n"
                      "while the day has an alarm.\n"
                      "\n"
                      "Closing this screen brings you to the\n"
                      "<b>Calendar View   </b>which shows\n"
                      "your changes and the new prediction\n"
                      "at once.\n"
                      "\n"
                      "<b>Note Tab</b><br>"
                      "Here you can write a free note for\n"
                      "the day: how you feel, what you did,\n"
                      "or anything you want to remember. It\n"
                      "is saved together with the day.\n"
                      "\n"
                      "<b>My Diary Tab</b><br>"
                      "The day can hold up to four diary\n"
                      "entries. For each, choose its kind\n"
                      "(hairdresser, doctor, fitness and\n"
                      "more) and write its text. All the\n"
                      "entries of one kind are listed\n"
                      "together, newest first, and you can\n"
                      "add, view and delete them in the\n"
                      "screen of the menu called\n"
                      "<b>My Diary View.</b>"),
    // Page 8: My Diary.
    //: The help page "My Diary". The program wraps the text to the screen itself: a
    //: single line break counts as a space, an empty line starts a new paragraph and <br>
    //: a new line; <b>...</b> is bold, <i>...</i> italic. Runs of spaces only pad the lines.
    QT_TRANSLATE_NOOP("Help",
                      "A tabular view of your diary notes is\n"
                      "shown here. Choose the kind of notes\n"
                      "in the list at the bottom:\n"
                      "hairdresser, beautician, manicurist,\n"
                      "fitness, doctor or other. The notes\n"
                      "of that kind are listed with their\n"
                      "dates, the newest first.\n"
                      "\n"
                      "Tap on button <b>Add </b>to write a new\n"
                      "note of this kind. A small screen\n"
                      "opens where you pick the date and\n"
                      "type the text (a day keeps at most\n"
                      "four notes). When you are done,\n"
                      "tap <b>OK </b>to save it, or <b>Cancel</b>\n"
                      "to close it without saving.\n"
                      "\n"
                      "Select a note and tap <b>View </b>to open\n"
                      "its day in the <b>Day View </b>where\n"
                      "you can read and change it with\n"
                      "the rest of that day.\n"
                      "\n"
                      "These notes are the diary entries of\n"
                      "the Day View's third tab: one added\n"
                      "here shows there too, and the other\n"
                      "way round. To remove a note, select\n"
                      "it and tap on\n"
                      "button <b>Delete</b>. To remove every\n"
                      "note of this kind at once, tap on\n"
                      "<b>Delete All</b>; this cannot be\n"
                      "undone, so use it with care."),
    // Page 9: Password.
    //: The help page "Password". The program wraps the text to the screen itself: a
    //: single line break counts as a space, an empty line starts a new paragraph and <br>
    //: a new line; <b>...</b> is bold, <i>...</i> italic. Runs of spaces only pad the lines.
    QT_TRANSLATE_NOOP("Help",
                      "You  can  use a password  to protect\n"
                      "your diary. Type it twice (new and\n"
                      "confirm); it is asked each time\n"
                      "you start the program.<b>Please, make\n"
                      "sure you remember it: without\n"
                      "it the diary cannot be opened\n"
                      "and there is no way to get it\n"
                      "back. To change or remove it,\n"
                      "type the current one first;\n"
                      "empty new fields remove it.</b>"),
    // Page 10: Program Settings.
    //: The help page "Program Settings". The program wraps the text to the screen itself: a
    //: single line break counts as a space, an empty line starts a new paragraph and <br>
    //: a new line; <b>...</b> is bold, <i>...</i> italic. Runs of spaces only pad the lines.
    QT_TRANSLATE_NOOP("Help",
                      "In this screen you can set the main\n"
                      "options of the program.\n"
                      "\n"
                      "Menstruation, days: the usual length\n"
                      "of your period, from 3 to 12 days.<br>"
                      "Average cycle length: the usual\n"
                      "length of your cycle, from 23 to 35\n"
                      "days. Both are the starting point of\n"
                      "the prediction of your next periods.<br>"
                      "Units: English (Fahrenheit, pounds,\n"
                      "feet) or metric (Celsius, kilograms,\n"
                      "metres) for temperature, weight and\n"
                      "the scale.<br>"
                      "Week starts with: Sunday or Monday,\n"
                      "the first column of the calendars.<br>"
                      "Date separator and date format: how\n"
                      "the lists write dates, with the day\n"
                      "or the month first.<br>"
                      "Time format: 24 hours, or 12 hours\n"
                      "with AM and PM, for the alarms.<br>"
                      "Skin: the pictures behind the charts,\n"
                      "the Cycle Bar, the scale and help.<br>"
                      "Daylight saving time: Velmora follows\n"
                      "it by itself; the box changes nothing.<br>"
                      "Sounds: the clicks of the buttons\n"
                      "and check boxes, on or off.\n"
                      "\n"
                      "Tap OK to keep your changes: the\n"
                      "calendar and every screen you open\n"
                      "afterwards use them at once. Cancel\n"
                      "leaves the settings as they were.\n"
                      "A number outside its range is\n"
                      "refused and the screen stays open."),
    // Page 11: Temperature Chart.
    //: The help page "Temperature Chart". The program wraps the text to the screen itself: a
    //: single line break counts as a space, an empty line starts a new paragraph and <br>
    //: a new line; <b>...</b> is bold, <i>...</i> italic. Runs of spaces only pad the lines.
    QT_TRANSLATE_NOOP("Help",
                      "A chart of all your daily temperature\n"
                      "readings of one month. The scale on\n"
                      "the left is in degrees Celsius or\n"
                      "Fahrenheit, as chosen in Program\n"
                      "Settings; the days of the month run\n"
                      "along the bottom. Each day with a\n"
                      "temperature has a bar, and a line\n"
                      "joins the days, so the rise after\n"
                      "ovulation is easy to see. Choose the\n"
                      "month and the year in the lists at\n"
                      "the bottom, or step with the arrows.\n"
                      "\n"
                      "The box <b>Shift </b>at the bottom (Alt+S)\n"
                      "shows the month's first temperature\n"
                      "shift: three days in a row, each\n"
                      "warmer than all of the six days\n"
                      "before them, the third at least 0.20\n"
                      "degrees Celsius above the highest of\n"
                      "the six. A dashed green coverline\n"
                      "stands at that highest temperature,\n"
                      "and a green ring marks the third\n"
                      "higher day. A day without a reading\n"
                      "breaks the run. The shift is\n"
                      "information only: it is not a method\n"
                      "of contraception and cannot tell\n"
                      "safe days."),
    // Page 12: Temperature History.
    //: The help page "Temperature History". The program wraps the text to the screen itself: a
    //: single line break counts as a space, an empty line starts a new paragraph and <br>
    //: a new line; <b>...</b> is bold, <i>...</i> italic. Runs of spaces only pad the lines.
    QT_TRANSLATE_NOOP("Help",
                      "A  tabular  view  of your temperature\n"
                      "entries: each day with a temperature\n"
                      "is listed with its date and reading.\n"
                      "Select an entry and tap <b>Chart </b>to\n"
                      "open the <b>Temperature Chart </b>of\n"
                      "its month. With button <b>View </b>you\n"
                      "open the <b>Day View </b>of that day\n"
                      "to see or change it.\n"
                      "By tapping on button <b>Delete</b> you'll\n"
                      "delete the temperature of the\n"
                      "selected day; with button\n"
                      "<b>Delete All</b> you'll delete\n"
                      "all temperatures entered so far.\n"
                      "You are asked to confirm before\n"
                      "anything is deleted. The list shows\n"
                      "degrees Celsius or Fahrenheit, as set\n"
                      "in Program Settings."),
    // Page 13: Weight Chart.
    //: The help page "Weight Chart". The program wraps the text to the screen itself: a
    //: single line break counts as a space, an empty line starts a new paragraph and <br>
    //: a new line; <b>...</b> is bold, <i>...</i> italic. Runs of spaces only pad the lines.
    QT_TRANSLATE_NOOP("Help",
                      "This  screen  represents  a  chart of\n"
                      "the weights entered in one month,\n"
                      "in kilograms or pounds as chosen in\n"
                      "Program Settings. The days of the\n"
                      "month run along the bottom. A day\n"
                      "with a weight has a bar, and a line\n"
                      "joins them, so you can follow your\n"
                      "weight through the cycle. Choose the\n"
                      "month and the year in the lists at\n"
                      "the bottom, or step with the arrows."),
    // Page 14: Weight History.
    //: The help page "Weight History". The program wraps the text to the screen itself: a
    //: single line break counts as a space, an empty line starts a new paragraph and <br>
    //: a new line; <b>...</b> is bold, <i>...</i> italic. Runs of spaces only pad the lines.
    QT_TRANSLATE_NOOP("Help",
                      "This  screen  shows  you  a   tabular\n"
                      "view of your weight entries: each day\n"
                      "with a weight is listed with its date.\n"
                      "Select an entry and tap <b>Chart </b>to\n"
                      "open the <b>Weight Chart</b> of its\n"
                      "month. With button <b>View </b>you\n"
                      "open the <b>Day View  </b>of that day\n"
                      "to see or change it.\n"
                      "By tapping on button <b>Delete</b> you'll\n"
                      "delete the weight of the selected\n"
                      "day; with button\n"
                      "<b>Delete All</b> you'll delete\n"
                      "all weights entered so far.\n"
                      "You are asked to confirm before\n"
                      "anything is deleted. The list shows\n"
                      "kilograms or pounds, as set in\n"
                      "Program Settings."),
    // Page 15: Weight | Height Scale.
    //: The help page "Weight | Height Scale". The program wraps the text to the screen itself: a
    //: single line break counts as a space, an empty line starts a new paragraph and <br>
    //: a new line; <b>...</b> is bold, <i>...</i> italic. Runs of spaces only pad the lines.
    QT_TRANSLATE_NOOP("Help",
                      "Here you are  able  to calculate your\n"
                      "ideal weight from your height, or the\n"
                      "ideal height for your weight. Tap the\n"
                      "wide button at the top to switch\n"
                      "between the two:<b> Calculate your\n"
                      "ideal weight/Calculate  your ideal\n"
                      "height</b>. Type your height or weight\n"
                      "and tap Calculate. The units are\n"
                      "those of Program Settings."),
    // Page 16: Year View.
    //: The help page "Year View". The program wraps the text to the screen itself: a
    //: single line break counts as a space, an empty line starts a new paragraph and <br>
    //: a new line; <b>...</b> is bold, <i>...</i> italic. Runs of spaces only pad the lines.
    QT_TRANSLATE_NOOP("Help",
                      "This screen  presents  a calendar for\n"
                      "half a year: six months, January to\n"
                      "June or July to December. The days\n"
                      "of menstruation, the predicted days\n"
                      "and the fertile days have colours of\n"
                      "their own, and so have the weekends.\n"
                      "Choose the year in the list at the\n"
                      "bottom. Two buttons switch between\n"
                      "the halves of the year; the other\n"
                      "two step a year forward or back:<br>"
                      "<b>Next <br>"
                      "Previous </b>"),
    // Page 17: Statistics.
    //: The help page "Statistics". The program wraps the text to the screen itself: a
    //: single line break counts as a space, an empty line starts a new paragraph and <br>
    //: a new line; <b>...</b> is bold, <i>...</i> italic. "1/2 year" is the column the
    //: screen heads with its own short word for the half year.
    QT_TRANSLATE_NOOP("Help",
                      "Your cycles and periods in numbers.\n"
                      "A cycle runs from the first day of a\n"
                      "period to the day before the next\n"
                      "period begins; a period is a run of\n"
                      "days marked as menstruation.\n"
                      "<b>Lengths</b>\n"
                      "For cycles and for periods, over the\n"
                      "whole diary (All) and over the last\n"
                      "half year (1/2 year: today and the\n"
                      "180 days before it), in days:\n"
                      "Used - how many were counted;\n"
                      "Mean - the average length;\n"
                      "Median - the middle length: half of\n"
                      "them were shorter, half longer;\n"
                      "Std. dev. - how much the lengths\n"
                      "vary around the mean: the smaller,\n"
                      "the more regular;\n"
                      "Shortest and Longest.\n"
                      "The bars show how many counted\n"
                      "cycles of the whole diary had each\n"
                      "length.\n"
                      "<b>Forecast</b>\n"
                      "The next three periods as the\n"
                      "calendar predicts them, a whole\n"
                      "average cycle of the last half year\n"
                      "apart. With three cycles or more in\n"
                      "the half year each start is a range:\n"
                      "one day either side when the cycles\n"
                      "vary by less than one and a half\n"
                      "days, else two. The ranges are a\n"
                      "guide, not a promise. With fewer\n"
                      "cycles only the day is shown.\n"
                      "<b>Left out</b>\n"
                      "A cycle shorter than half the usual\n"
                      "cycle length of Program Settings,\n"
                      "or longer than one and a half times\n"
                      "it, is left out of every figure, as\n"
                      "the calendar leaves it out of its\n"
                      "predictions; a period likewise by\n"
                      "the usual period length. Such a\n"
                      "cycle often hides a period that was\n"
                      "not recorded. A period still going\n"
                      "today is not counted yet."),
};
static_assert(std::size(kPageTexts) == kHelpPageCount - 1);

// The keys of a screen, after its page's text (none: the screen has no keys of its own).
//: The keys of a screen, at the end of its help page; wrapped like the pages.
constexpr const char* kCalendarKeys = QT_TRANSLATE_NOOP(
    "Help",
    "<b>Keys</b><br>Arrows move the day cursor, also into the month before or after; Enter or "
    "Space opens its day. Page Up and Page Down show the month before and after, with Ctrl "
    "the year. Home comes back to today. On every screen F1 opens its help, Escape closes "
    "it, Enter confirms where there is an OK, and Tab moves between the fields.");
constexpr const char* kDayViewKeys = QT_TRANSLATE_NOOP(
    "Help",
    "<b>Keys</b><br>Alt+Left and Alt+Right go to the day before and after, as the arrows do. "
    "Enter saves the day, Escape closes the screen without saving.");
constexpr const char* kArrowKeys =
    QT_TRANSLATE_NOOP("Help", "<b>Keys</b><br>Left and Right do what the arrow buttons do.");
constexpr const char* kTabKeys = QT_TRANSLATE_NOOP(
    "Help",
    "<b>Keys</b><br>Left and Right turn the tabs while the tabs have the keyboard; Ctrl+Tab "
    "does it anywhere on the screen.");
constexpr const char* kKeyTexts[] = {
    nullptr, kCalendarKeys, kArrowKeys, kArrowKeys, nullptr, kDayViewKeys, nullptr, nullptr,
    nullptr, kArrowKeys,    nullptr,    kArrowKeys, nullptr, nullptr,      nullptr, kTabKeys,
};
static_assert(std::size(kKeyTexts) == kHelpPageCount - 1);

// Pieces that stand a few pixels off the running line, by page and piece. "View " of page 2
// sits a little to the left, so it stays clear of the edge.
struct Nudge {
    int page;
    size_t piece;
    int pixels;
};
constexpr Nudge kNudges[] = {{2, 4, -3}};

// A check box's line starts this many spaces in, clear of its picture.
constexpr int kIconIndent = 13;

// The markup of a page text, read as a row of tokens.
enum class Mark { Text, Newline, Break, Style, Icon };
struct Token {
    Mark mark;
    QStringView text;  // for Text: the characters; for the others: the tag itself
    HelpStyle style = HelpStyle::Normal;
    int icon = 0;
};

// The tag at the start of `s`, if `s` starts with one.
std::optional<Token> TagAt(QStringView s) {
    struct Tag {
        const char* name;
        Mark mark;
        HelpStyle style;
    };
    static constexpr Tag kTags[] = {
        {"<b>", Mark::Style, HelpStyle::Bold},      {"</b>", Mark::Style, HelpStyle::Normal},
        {"<i>", Mark::Style, HelpStyle::Italic},    {"</i>", Mark::Style, HelpStyle::Normal},
        {"<br>", Mark::Break, HelpStyle::Normal},   {"<br/>", Mark::Break, HelpStyle::Normal},
        {"<br />", Mark::Break, HelpStyle::Normal},
    };
    for (const Tag& tag : kTags) {
        const QLatin1StringView name(tag.name);
        if (s.startsWith(name, Qt::CaseInsensitive)) {
            return Token{tag.mark, s.left(name.size()), tag.style, 0};
        }
    }
    const QLatin1StringView icon("<icon=");
    const qsizetype end = s.indexOf(u'>');
    if (s.startsWith(icon, Qt::CaseInsensitive) && end > icon.size()) {
        bool ok = false;
        const int picture = s.mid(icon.size(), end - icon.size()).toInt(&ok);
        if (ok && picture > 0) {
            return Token{Mark::Icon, s.left(end + 1), HelpStyle::Normal, picture};
        }
    }
    return std::nullopt;
}

// A '<' that starts no tag is text.
std::vector<Token> Tokenize(QStringView markup) {
    std::vector<Token> tokens;
    qsizetype start = 0;
    auto textUpTo = [&](qsizetype end) {
        if (end > start) {
            tokens.push_back({Mark::Text, markup.mid(start, end - start)});
        }
    };
    for (qsizetype i = 0; i < markup.size();) {
        std::optional<Token> tag;
        if (markup[i] == u'\n') {
            tag = Token{Mark::Newline, markup.mid(i, 1)};
        } else if (markup[i] == u'<') {
            tag = TagAt(markup.mid(i));
        }
        if (!tag) {
            ++i;
            continue;
        }
        textUpTo(i);
        tokens.push_back(*tag);
        i += tag->text.size();
        start = i;
    }
    textUpTo(markup.size());
    return tokens;
}

// The pieces of one page as written.
struct WrittenPage {
    std::deque<std::string> texts;  // the pieces' text; a deque leaves each where it is
    std::vector<HelpPiece> pieces;
    HelpPage page{};
};

// Reads page `page`'s text into pieces: each line break ends a line, each change of style
// ends a piece.
void ReadWritten(int page, WrittenPage& out) {
    const size_t index = static_cast<size_t>(page - kHelpFirstScreenPage);
    const QString markup = QString::fromLatin1(kPageTexts[index]);
    HelpStyle style = HelpStyle::Normal;
    std::string text;
    bool lineStarted = false;
    int icon = 0;
    auto endPiece = [&] {
        if (text.empty()) {
            return;
        }
        out.texts.push_back(text);
        out.pieces.push_back({out.texts.back().c_str(), style, lineStarted, 0, icon});
        text.clear();
        lineStarted = true;
        icon = 0;
    };
    auto endLine = [&] {
        endPiece();
        if (!lineStarted) {
            out.pieces.push_back({""});
        }
        lineStarted = false;
    };
    for (const Token& token : Tokenize(markup)) {
        switch (token.mark) {
            case Mark::Text:
                text += token.text.toLatin1().toStdString();
                break;
            case Mark::Newline:
            case Mark::Break:
                endLine();
                break;
            case Mark::Style:
                endPiece();
                style = token.style;
                break;
            case Mark::Icon:
                endPiece();
                icon = token.icon;
                text.assign(kIconIndent, ' ');
                break;
        }
    }
    endPiece();
    for (const Nudge& nudge : kNudges) {
        if (nudge.page == page) {
            out.pieces.at(nudge.piece).nudge = nudge.pixels;
        }
    }
    out.page = HelpPage{kTitles[index], out.pieces};
}

const std::array<WrittenPage, kHelpPageCount - 1>& WrittenPages() {
    static const auto pages = [] {
        auto all = std::make_unique<std::array<WrittenPage, kHelpPageCount - 1>>();
        for (int page = kHelpFirstScreenPage; page <= kHelpPageCount; ++page) {
            ReadWritten(page, (*all)[static_cast<size_t>(page - kHelpFirstScreenPage)]);
        }
        return all;
    }();
    return *pages;
}

// Where the next piece of a line starts: the handheld's help advanced by a fixed step per
// character, wider for the bold and italic fonts.
int CharacterStep(HelpStyle style) {
    return style == HelpStyle::Normal ? 6 : 7;
}

// A page as written, line by line.
std::vector<HelpLine> WrittenLines(std::span<const HelpPiece> pieces) {
    std::vector<HelpLine> lines;
    int x = kHelpTextLeft;
    for (size_t i = 0; i < pieces.size(); ++i) {
        const HelpPiece& piece = pieces[i];
        if (!piece.joined) {
            lines.emplace_back();
            x = kHelpTextLeft;
        } else {
            const HelpPiece& before = pieces[i - 1];
            x += static_cast<int>(std::strlen(before.text)) * CharacterStep(before.style);
        }
        x += piece.nudge;
        if (piece.icon != 0) {
            lines.back().icon = piece.icon;
        }
        if (*piece.text != '\0') {
            lines.back().runs.push_back({QString::fromLatin1(piece.text), piece.style, x});
        }
    }
    return lines;
}

// Adds `text` to the end of `runs`, into the last run when it has the same style.
void Append(std::vector<HelpRun>& runs, const QString& text, HelpStyle style) {
    if (!runs.empty() && runs.back().style == style) {
        runs.back().text += text;
    } else {
        runs.push_back({text, style});
    }
}

bool IsEmpty(const HelpLine& line) {
    return line.runs.empty() && line.icon == 0;
}

// Lays a translated page out: word by word, each measured in the font it is drawn in, each
// line as full as the text width allows.
class Wrapper {
public:
    Wrapper() {
        for (HelpStyle style : {HelpStyle::Normal, HelpStyle::Bold, HelpStyle::Italic}) {
            m_metrics.emplace_back(HelpFont(style));
        }
        m_iconIndent = Metrics(HelpStyle::Normal).horizontalAdvance(QString(kIconIndent, u' '));
    }

    // A word (one or more styles, no space) after a space of `spaceStyle`.
    void Word(const std::vector<HelpRun>& word, HelpStyle spaceStyle) {
        std::vector<HelpRun> line = m_runs;
        if (!line.empty()) {
            Append(line, QStringLiteral(" "), spaceStyle);
        }
        for (const HelpRun& part : word) {
            Append(line, part.text, part.style);
        }
        if (Fits(line)) {
            m_runs = std::move(line);
            return;
        }
        if (!m_runs.empty()) {
            EndLine();
            Word(word, spaceStyle);
            return;
        }
        // Wider than a whole line: it is broken between characters.
        for (const HelpRun& part : word) {
            for (qsizetype i = 0; i < part.text.size();) {
                const qsizetype n =
                    part.text[i].isHighSurrogate() && i + 1 < part.text.size() ? 2 : 1;
                line = m_runs;
                Append(line, part.text.mid(i, n), part.style);
                if (!m_runs.empty() && !Fits(line)) {
                    EndLine();
                    line.clear();
                    Append(line, part.text.mid(i, n), part.style);
                }
                m_runs = std::move(line);
                i += n;
            }
        }
    }

    void Break() {
        EndLine();
        m_indent = 0;
    }

    // Ends the paragraph; an empty line follows it.
    void Paragraph() {
        if (!m_runs.empty() || m_icon != 0) {
            EndLine();
        }
        if (!m_lines.empty() && !IsEmpty(m_lines.back())) {
            m_lines.emplace_back();
        }
        m_indent = 0;
    }

    // Starts a line with `picture` at its left; the line's text, wrapped lines too, starts
    // clear of it.
    void Icon(int picture) {
        if (!m_runs.empty() || m_icon != 0) {
            EndLine();
        }
        m_icon = picture;
        m_indent = m_iconIndent;
    }

    std::vector<HelpLine> Finish() {
        if (!m_runs.empty() || m_icon != 0) {
            EndLine();
        }
        while (!m_lines.empty() && IsEmpty(m_lines.back())) {
            m_lines.pop_back();
        }
        return std::move(m_lines);
    }

private:
    const QFontMetrics& Metrics(HelpStyle style) const {
        return m_metrics[static_cast<size_t>(style)];
    }

    // Pixels from the start of `runs` to the end of their last ink or advance, whichever is
    // further: a leaning italic letter can reach past its advance.
    int Extent(const std::vector<HelpRun>& runs) const {
        int x = 0;
        int extent = 0;
        for (const HelpRun& run : runs) {
            const QFontMetrics& metrics = Metrics(run.style);
            const int advance = metrics.horizontalAdvance(run.text);
            extent =
                std::max({extent, x + advance, x + metrics.boundingRect(run.text).right() + 1});
            x += advance;
        }
        return extent;
    }

    bool Fits(const std::vector<HelpRun>& runs) const {
        return Extent(runs) <= kHelpTextWidth - m_indent;
    }

    void EndLine() {
        HelpLine line;
        line.icon = m_icon;
        int x = kHelpTextLeft + m_indent;
        for (HelpRun& run : m_runs) {
            run.x = x;
            x += Metrics(run.style).horizontalAdvance(run.text);
            line.runs.push_back(std::move(run));
        }
        m_lines.push_back(std::move(line));
        m_runs.clear();
        m_icon = 0;
    }

    std::vector<QFontMetrics> m_metrics;  // by HelpStyle
    std::vector<HelpLine> m_lines;
    std::vector<HelpRun> m_runs;  // the line being filled
    int m_icon = 0;
    int m_indent = 0;
    int m_iconIndent = 0;
};

// A translated page: a single line break is a space, an empty line ends a paragraph.
std::vector<HelpLine> WrappedLines(const QString& markup) {
    Wrapper wrapper;
    HelpStyle style = HelpStyle::Normal;
    HelpStyle spaceStyle = HelpStyle::Normal;
    std::vector<HelpRun> word;
    int newlines = 0;  // in the white space since the last word
    auto endWord = [&] {
        if (!word.empty()) {
            wrapper.Word(word, spaceStyle);
            word.clear();
        }
    };
    for (const Token& token : Tokenize(markup)) {
        switch (token.mark) {
            case Mark::Text:
                for (const QChar c : token.text) {
                    if (c == u' ' || c == u'\t' || c == u'\r') {
                        endWord();
                        spaceStyle = style;
                    } else {
                        newlines = 0;
                        Append(word, QString(c), style);
                    }
                }
                break;
            case Mark::Newline:
                endWord();
                spaceStyle = style;
                if (++newlines == 2) {
                    wrapper.Paragraph();
                }
                break;
            case Mark::Break:
                endWord();
                wrapper.Break();
                newlines = 0;
                break;
            case Mark::Style:
                style = token.style;
                break;
            case Mark::Icon:
                endWord();
                wrapper.Icon(token.icon);
                newlines = 0;
                break;
        }
    }
    endWord();
    return wrapper.Finish();
}

bool IsScreenPage(int page) {
    return page >= kHelpFirstScreenPage && page <= kHelpPageCount;
}

}  // namespace

QFont HelpFont(HelpStyle style) {
    // A font "of height h" is the largest one whose lines are h pixels high, as the handheld
    // measured its fonts.
    switch (style) {
        case HelpStyle::Bold:
            return ScreenFontOfHeight(14, {.bold = true, .crisp = true});
        case HelpStyle::Italic:
            return ScreenFontOfHeight(14, {.italic = true, .crisp = true});
        case HelpStyle::Normal:
            break;
    }
    return SystemFont();
}

const HelpPage& HelpPageAt(int page) {
    if (!IsScreenPage(page)) {
        page = kHelpFirstScreenPage;  // never out of the table
    }
    return WrittenPages()[static_cast<size_t>(page - kHelpFirstScreenPage)].page;
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

const std::vector<HelpLine>& HelpLines(int page) {
    static const std::vector<HelpLine> none;
    if (!IsScreenPage(page)) {
        return none;
    }
    // Each page is laid out again only when its text in the installed language changes.
    struct Laid {
        bool done = false;
        QString text;
        std::vector<HelpLine> lines;
    };
    static std::array<Laid, kHelpPageCount - 1> laid;
    const size_t index = static_cast<size_t>(page - kHelpFirstScreenPage);
    const char* source = kPageTexts[index];
    const QString text = QCoreApplication::translate("Help", source);
    Laid& l = laid[index];
    if (!l.done || l.text != text) {
        l.lines = text == QLatin1StringView(source) ? WrittenLines(HelpPageAt(page).pieces)
                                                    : WrappedLines(text);
        // The screen's keys follow the page's text, after an empty line.
        if (const char* keys = kKeyTexts[index]) {
            l.lines.emplace_back();
            const std::vector<HelpLine> more =
                WrappedLines(QCoreApplication::translate("Help", keys));
            l.lines.insert(l.lines.end(), more.begin(), more.end());
        }
        l.text = text;
        l.done = true;
    }
    return l.lines;
}

int HelpLineCount(int page) {
    return static_cast<int>(HelpLines(page).size());
}

QString HelpTitle(int page) {
    if (!IsScreenPage(page)) {
        return QString();
    }
    return QCoreApplication::translate("Help", kTitles[page - kHelpFirstScreenPage]);
}

QString HelpContentsLink() {
    //: The link at the bottom of each help page back to the list of pages.
    return QCoreApplication::translate("Help", "Contents");
}

QString HelpPageNumber(int page) {
    //: Under each help page: the page's number and the number of pages, each for a %d.
    QString text = QCoreApplication::translate("Help", "Page %d/%d");
    for (const int number : {page, kHelpPageCount}) {
        const qsizetype at = text.indexOf(QLatin1StringView("%d"));
        if (at < 0) {
            break;
        }
        text.replace(at, 2, QString::number(number));
    }
    return text;
}

}  // namespace velmora
