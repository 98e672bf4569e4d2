<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>CommandLine</name>
    <message>
        <source>The format is csv or json, not &quot;%1&quot;.</source>
        <translation>The format is csv or json, not &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not understood here.</source>
        <translation>&quot;%1&quot; is not understood here.</translation>
    </message>
    <message>
        <source>Which file? Name it after &quot;%1&quot;.</source>
        <translation>Which file? Name it after &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>The diary is exported to %1.</source>
        <translation>The diary is exported to %1.</translation>
    </message>
    <message>
        <source>Nothing was imported.</source>
        <translation>Nothing was imported.</translation>
    </message>
    <message>
        <source>Too many wrong passwords: try again in %1 seconds.</source>
        <translation>Too many wrong passwords: try again in %1 seconds.</translation>
    </message>
    <message>
        <source>Password: </source>
        <translation>Password: </translation>
    </message>
    <message>
        <source>The password is wrong.</source>
        <translation>The password is wrong.</translation>
    </message>
    <message>
        <source>Velmora is running with this diary. Close it, then try again.</source>
        <translation>Velmora is running with this diary. Close it, then try again.</translation>
    </message>
    <message>
        <source>Usage:
  velmora                                     open the diary
  velmora export [--format csv|json] FILE    write every recorded day to FILE
  velmora import [--replace] [--dry-run] FILE
                                              bring in the days of FILE (Velmora CSV or
                                              JSON, or drip&apos;s CSV); --dry-run only shows
                                              what would change, --replace takes the
                                              imported day where both have one
  velmora export-ics FILE                     write the next three expected periods and
                                              fertile windows to FILE, for a calendar
                                              (iCalendar)
  velmora backup FILE                         write a checked copy of the diary to FILE
  velmora restore FILE                        replace the diary by the backup FILE
  velmora --help | --version</source>
        <translation>Usage:
  velmora                                     open the diary
  velmora export [--format csv|json] FILE    write every recorded day to FILE
  velmora import [--replace] [--dry-run] FILE
                                              bring in the days of FILE (Velmora CSV or
                                              JSON, or drip&apos;s CSV); --dry-run only shows
                                              what would change, --replace takes the
                                              imported day where both have one
  velmora export-ics FILE                     write the next three expected periods and
                                              fertile windows to FILE, for a calendar
                                              (iCalendar)
  velmora backup FILE                         write a checked copy of the diary to FILE
  velmora restore FILE                        replace the diary by the backup FILE
  velmora --help | --version</translation>
    </message>
    <message>
        <source>The predictions are exported to %1.</source>
        <translation>The predictions are exported to %1.</translation>
    </message>
</context>
<context>
    <name>Exchange</name>
    <message numerus="yes">
        <source>%n day(s) imported</source>
        <translation>
            <numerusform>%n day imported</numerusform>
            <numerusform>%n days imported</numerusform>
        </translation>
    </message>
    <message>
        <source>Not a date (YYYY-MM-DD): %1</source>
        <translation>Not a date (YYYY-MM-DD): %1</translation>
    </message>
    <message>
        <source>The date is outside the years %1 to %2</source>
        <translation>The date is outside the years %1 to %2</translation>
    </message>
    <message>
        <source>The day %1 is in the file more than once (first on line %2)</source>
        <translation>The day %1 is in the file more than once (first on line %2)</translation>
    </message>
    <message>
        <source>Not a number: %1</source>
        <translation>Not a number: %1</translation>
    </message>
    <message>
        <source>Out of range: %1</source>
        <translation>Out of range: %1</translation>
    </message>
    <message>
        <source>Unknown value: %1</source>
        <translation>Unknown value: %1</translation>
    </message>
    <message>
        <source>The text is too long for the diary (%1 characters, at most %2)</source>
        <translation>The text is too long for the diary (%1 characters, at most %2)</translation>
    </message>
    <message>
        <source>The text is not valid UTF-8</source>
        <translation>The text is not valid UTF-8</translation>
    </message>
    <message>
        <source>Not a date and time (YYYY-MM-DDTHH:MM): %1</source>
        <translation>Not a date and time (YYYY-MM-DDTHH:MM): %1</translation>
    </message>
    <message>
        <source>An alarm needs both a type and a time</source>
        <translation>An alarm needs both a type and a time</translation>
    </message>
    <message>
        <source>A value is missing</source>
        <translation>A value is missing</translation>
    </message>
    <message>
        <source>The value has the wrong type</source>
        <translation>The value has the wrong type</translation>
    </message>
    <message>
        <source>Slot %1 is in the day more than once</source>
        <translation>Slot %1 is in the day more than once</translation>
    </message>
    <message>
        <source>A quoted field is not closed</source>
        <translation>A quoted field is not closed</translation>
    </message>
    <message>
        <source>A quote in the middle of a field</source>
        <translation>A quote in the middle of a field</translation>
    </message>
    <message>
        <source>The row has %1 fields, the header has %2</source>
        <translation>The row has %1 fields, the header has %2</translation>
    </message>
    <message>
        <source>The column %1 is in the header more than once</source>
        <translation>The column %1 is in the header more than once</translation>
    </message>
    <message>
        <source>This is neither a Velmora export (CSV or JSON) nor a drip CSV export</source>
        <translation>This is neither a Velmora export (CSV or JSON) nor a drip CSV export</translation>
    </message>
    <message>
        <source>The JSON text is not valid: %1</source>
        <translation>The JSON text is not valid: %1</translation>
    </message>
    <message>
        <source>The file was written by a newer Velmora (format version %1)</source>
        <translation>The file was written by a newer Velmora (format version %1)</translation>
    </message>
    <message>
        <source>The file %1 cannot be read: %2</source>
        <translation>The file %1 cannot be read: %2</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n day(s) had values Velmora has no place for</source>
        <translation>
            <numerusform>%1: %n day had values Velmora has no place for</numerusform>
            <numerusform>%1: %n days had values Velmora has no place for</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: not a column Velmora knows, ignored (%n day(s) had values)</source>
        <translation>
            <numerusform>%1: not a column Velmora knows, ignored (%n day had values)</numerusform>
            <numerusform>%1: not a column Velmora knows, ignored (%n days had values)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %n day(s) marked as excluded; Velmora has no exclusion and keeps the value</source>
        <translation>
            <numerusform>%1: %n day marked as excluded; Velmora has no exclusion and keeps the value</numerusform>
            <numerusform>%1: %n days marked as excluded; Velmora has no exclusion and keeps the value</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %n day(s) had other pains beside a headache; Velmora keeps the headache</source>
        <translation>
            <numerusform>%1: %n day had other pains beside a headache; Velmora keeps the headache</numerusform>
            <numerusform>%1: %n days had other pains beside a headache; Velmora keeps the headache</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %n day(s) had cervical mucus beside bleeding; Velmora keeps the bleeding</source>
        <translation>
            <numerusform>%1: %n day had cervical mucus beside bleeding; Velmora keeps the bleeding</numerusform>
            <numerusform>%1: %n days had cervical mucus beside bleeding; Velmora keeps the bleeding</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n day(s) had nothing Velmora has a place for and are left out</source>
        <translation>
            <numerusform>%n day had nothing Velmora has a place for and is left out</numerusform>
            <numerusform>%n days had nothing Velmora has a place for and are left out</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n new day(s)</source>
        <translation>
            <numerusform>%n new day</numerusform>
            <numerusform>%n new days</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n changed day(s)</source>
        <translation>
            <numerusform>%n changed day</numerusform>
            <numerusform>%n changed days</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n day(s) already in the diary as they are</source>
        <translation>
            <numerusform>%n day already in the diary as it is</numerusform>
            <numerusform>%n days already in the diary as they are</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n day(s) with values that differ from the diary&apos;s</source>
        <translation>
            <numerusform>%n day with values that differ from the diary&apos;s</numerusform>
            <numerusform>%n days with values that differ from the diary&apos;s</numerusform>
        </translation>
    </message>
    <message>
        <source>The diary cannot be read completely</source>
        <translation>The diary cannot be read completely</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: %2</source>
        <translation>The file %1 cannot be written: %2</translation>
    </message>
    <message>
        <source>The file has problems; nothing was imported</source>
        <translation>The file has problems; nothing was imported</translation>
    </message>
    <message>
        <source>The backup before the import failed; nothing was imported</source>
        <translation>The backup before the import failed; nothing was imported</translation>
    </message>
    <message>
        <source>The disk is full; nothing was imported</source>
        <translation>The disk is full; nothing was imported</translation>
    </message>
    <message>
        <source>The diary cannot be written; nothing was imported</source>
        <translation>The diary cannot be written; nothing was imported</translation>
    </message>
    <message>
        <source>Expected period (Velmora)</source>
        <translation>Expected period (Velmora)</translation>
    </message>
    <message>
        <source>Fertile window (Velmora)</source>
        <translation>Fertile window (Velmora)</translation>
    </message>
    <message>
        <source>Predicted by Velmora from your average cycle (%1 days) and period (%2 days). The real dates may differ.</source>
        <translation>Predicted by Velmora from your average cycle (%1 days) and period (%2 days). The real dates may differ.</translation>
    </message>
    <message>
        <source>Predicted by Velmora from your average cycle (%1 days): the six days before the expected ovulation. Not a method of contraception.</source>
        <translation>Predicted by Velmora from your average cycle (%1 days): the six days before the expected ovulation. Not a method of contraception.</translation>
    </message>
    <message>
        <source>No period is recorded in the last %1 days, so there is nothing to predict.</source>
        <translation>No period is recorded in the last %1 days, so there is nothing to predict.</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>Alarm History</source>
        <extracomment>An entry of the help&apos;s contents, and the heading of its page.</extracomment>
        <translation>Alarm History</translation>
    </message>
    <message>
        <source>Calendar View</source>
        <translation>Calendar View</translation>
    </message>
    <message>
        <source>Cycle Bar</source>
        <translation>Cycle Bar</translation>
    </message>
    <message>
        <source>Cycle Chart</source>
        <translation>Cycle Chart</translation>
    </message>
    <message>
        <source>Cycle History</source>
        <translation>Cycle History</translation>
    </message>
    <message>
        <source>Day View</source>
        <translation>Day View</translation>
    </message>
    <message>
        <source>My Diary</source>
        <translation>My Diary</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>Program Settings</source>
        <translation>Program Settings</translation>
    </message>
    <message>
        <source>Temperature Chart</source>
        <translation>Temperature Chart</translation>
    </message>
    <message>
        <source>Temperature History</source>
        <translation>Temperature History</translation>
    </message>
    <message>
        <source>Weight Chart</source>
        <translation>Weight Chart</translation>
    </message>
    <message>
        <source>Weight History</source>
        <translation>Weight History</translation>
    </message>
    <message>
        <source>Weight | Height Scale</source>
        <translation>Weight/Height Scale</translation>
    </message>
    <message>
        <source>Year View</source>
        <translation>Year View</translation>
    </message>
    <message>
        <source>A tabular  view of all alarms entered
in  the  system  is  shown  on   this
screen. By  selecting  an  item  from
the list and tapping on button&lt;b&gt;View &lt;/b&gt;
you&apos;ll see all the alarms set for the
selected date. By  choosing an alarm
and tapping on button &lt;b&gt;Delete&lt;/b&gt;you&apos;ll
delete the  selected record from the
program&apos;s  database. By  tapping  on
button  &lt;b&gt;Delete All&lt;/b&gt;you&apos;ll delete all
alarms entered so far.</source>
        <extracomment>The help page &quot;Alarm History&quot;. The program wraps the text to the screen itself: a single line break counts as a space, an empty line starts a new paragraph and &lt;br&gt; a new line; &lt;b&gt;...&lt;/b&gt; is bold, &lt;i&gt;...&lt;/i&gt; italic. Runs of spaces only pad the lines.</extracomment>
        <translation>This screen shows a table of all the alarms entered in the program. Select an item in the list and tap &lt;b&gt;View&lt;/b&gt; to see all the alarms set for the selected date. Select an alarm and tap &lt;b&gt;Delete&lt;/b&gt; to delete the selected record from the program&apos;s database. Tap &lt;b&gt;Delete All&lt;/b&gt; to delete all the alarms entered so far.</translation>
    </message>
    <message>
        <source>This is the main view of the program
and the first screen you see. It
shows one month as a calendar.
Recorded days of menstruation,
spotting and the predicted days of
your next periods are marked in their
own colours, and so are the fertile
days around each ovulation. Small
icons in a day show what you noted
for it: the flow, symptoms, a note,
a diary entry or an alarm.

Choose the month and the year in the
lists at the bottom, or step a month
with the arrow buttons beside them.
Go To Today in the menu brings you
back to the current month.

Tap a day and the &lt;b&gt;Day View&lt;/b&gt; opens
for it: there you enter what happened
that day. When you come back, the
prediction is computed again. The
menus open the other screens.</source>
        <extracomment>The help page &quot;Calendar View&quot;. The program wraps the text to the screen itself: a single line break counts as a space, an empty line starts a new paragraph and &lt;br&gt; a new line; &lt;b&gt;...&lt;/b&gt; is bold, &lt;i&gt;...&lt;/i&gt; italic. Runs of spaces only pad the lines.</extracomment>
        <translation>This is the main view of the program and the first screen you see. It shows one month as a calendar. Recorded days of menstruation and spotting, and the predicted days of your next periods, are marked in their own colours, and so are the fertile days around each ovulation. Small icons in a day show what you noted for it: the flow, symptoms, a note, a diary entry or an alarm.

Choose the month and the year in the lists at the bottom, or step a month at a time with the arrow buttons beside them. Go To Today in the menu brings you back to the current month.

Tap a day and the &lt;b&gt;Day View&lt;/b&gt; opens for it: there you enter what happened that day. When you come back, the prediction is computed again. The menus open the other screens.</translation>
    </message>
    <message>
        <source>This  screen  shows  your  menstrual
cycles one at a time, as a column of
days: first the days of your period,
then the rest of the cycle up to the
next period. The six fertile days
around the ovulation are marked too.
Beside the column you see the dates
on which the period starts and ends,
the fertile window opens and closes,
and the cycle ends.

Use the arrow buttons at the bottom
to step to the previous or the next
cycle. Cycles still to come show the
prediction of the program.</source>
        <extracomment>The help page &quot;Cycle Bar&quot;. The program wraps the text to the screen itself: a single line break counts as a space, an empty line starts a new paragraph and &lt;br&gt; a new line; &lt;b&gt;...&lt;/b&gt; is bold, &lt;i&gt;...&lt;/i&gt; italic. Runs of spaces only pad the lines.</extracomment>
        <translation>This screen shows your menstrual cycles one at a time, as a column of days: first the days of your period, then the rest of the cycle up to the next period. The six fertile days around ovulation are marked too. Beside the column you see the dates on which the period starts and ends, the fertile window opens and closes, and the cycle ends.

Use the arrow buttons at the bottom to step to the previous or the next cycle. Cycles still to come show the program&apos;s prediction.</translation>
    </message>
    <message>
        <source>The  Cycle Chart displays the length
of your cycles in one year as bars.
A bar stands in the month in which
the next period began; its height is
the length of the cycle in days.
Choose the year in the list at the
bottom, or step with the arrows.</source>
        <extracomment>The help page &quot;Cycle Chart&quot;. The program wraps the text to the screen itself: a single line break counts as a space, an empty line starts a new paragraph and &lt;br&gt; a new line; &lt;b&gt;...&lt;/b&gt; is bold, &lt;i&gt;...&lt;/i&gt; italic. Runs of spaces only pad the lines.</extracomment>
        <translation>The Cycle Chart shows the lengths of your cycles in one year as bars. A bar stands in the month in which the next period began; its height is the length of the cycle in days. Choose the year in the list at the bottom, or step with the arrows.</translation>
    </message>
    <message>
        <source>This   screen    presents   a  table
of your cycles of the last two years:
the day each cycle started, the start
of its fertile window and its length
in days, with the average length of
your cycles at the end. Select a cycle
and tap on button &lt;b&gt;View &lt;/b&gt;to see it
in the Cycle &lt;b&gt;Bar View &lt;/b&gt;
with all of its dates.</source>
        <extracomment>The help page &quot;Cycle History&quot;. The program wraps the text to the screen itself: a single line break counts as a space, an empty line starts a new paragraph and &lt;br&gt; a new line; &lt;b&gt;...&lt;/b&gt; is bold, &lt;i&gt;...&lt;/i&gt; italic. Runs of spaces only pad the lines.</extracomment>
        <translation>This screen presents a table of your cycles of the last two years: the day each cycle started, the start of its fertile window and its length in days, with the average length of your cycles at the end. Select a cycle and tap &lt;b&gt;View&lt;/b&gt; to see it in the &lt;b&gt;Cycle Bar&lt;/b&gt; with all of its dates.</translation>
    </message>
    <message>
        <source>This is the main input screen of the
program, where you record one day.
The date is shown at the top; the
arrows beside it save the day and
step to the previous or the next day.

&lt;b&gt;Fluids/Temp/Weight Tab&lt;/b&gt;&lt;br&gt;On this tab you can enter your
&lt;i&gt;Cervical    Fluid,    your     Basal
Temperature&lt;/i&gt; and your &lt;i&gt;Weight.&lt;/i&gt;
Tap a fluid to mark the day; the first
three mark days of menstruation.
The lists of temperature and weight
follow the units of Program Settings.
Below the tabs are the check boxes
of the day, each with its icon:
&lt;icon=221&gt;Sex  &lt;br&gt;&lt;icon=214&gt;Bloating&lt;br&gt;&lt;icon=223&gt;Dr&apos;s apt&lt;br&gt;&lt;icon=222&gt;Protection&lt;br&gt;&lt;icon=238&gt;PMS&lt;br&gt;&lt;icon=220&gt;Cramps&lt;br&gt;&lt;icon=215&gt;Sport&lt;br&gt;&lt;icon=218&gt;Ache&lt;br&gt;For Sport and Ache pick the kind in
its own list.  Everything   the &lt;b&gt;Day
View &lt;/b&gt;shows is kept when you save
the day with the command bar at the
bottom, or when the arrows step to
another day. The bar also clears the
whole day, or closes the screen
without saving.

Up to four alarms can remind you of
appointments, birthdays, pills and
other things on this day. Each alarm
has a type and a time, and when it is
due the program shows it with a
sound. To set the alarms, tap the
checkbox next  to the Alarm icon. A
list of the four alarms opens: give
each a type and a time, then tap
&lt;b&gt;OK &lt;/b&gt;to keep them, or
&lt;b&gt;Cancel&lt;/b&gt; to leave them as they were.
The Alarm checkbox stays checked
while the day has an alarm.

Closing this screen brings you to the
&lt;b&gt;Calendar View   &lt;/b&gt;which shows
your changes and the new prediction
at once.

&lt;b&gt;Note Tab&lt;/b&gt;&lt;br&gt;Here you can write a free note for
the day: how you feel, what you did,
or anything you want to remember. It
is saved together with the day.

&lt;b&gt;My Diary Tab&lt;/b&gt;&lt;br&gt;The day can hold up to four diary
entries. For each, choose its kind
(hairdresser, doctor, fitness and
more) and write its text. All the
entries of one kind are listed
together, newest first, and you can
add, view and delete them in the
screen of the menu called
&lt;b&gt;My Diary View.&lt;/b&gt;</source>
        <extracomment>The help page &quot;Day View&quot;. The program wraps the text to the screen itself: a single line break counts as a space, an empty line starts a new paragraph and &lt;br&gt; a new line; &lt;b&gt;...&lt;/b&gt; is bold, &lt;i&gt;...&lt;/i&gt; italic. Runs of spaces only pad the lines. &lt;icon=N&gt; puts the picture of check box N at the start of a line: keep each before the name of its box.</extracomment>
        <translation>This is the main input screen of the program, where you record one day. The date is shown at the top; the arrows beside it save the day and step to the previous or the next day.

&lt;b&gt;Fluids/Temp/Weight Tab&lt;/b&gt;&lt;br&gt;On this tab you can enter your &lt;i&gt;cervical fluid&lt;/i&gt;, your &lt;i&gt;basal temperature&lt;/i&gt; and your &lt;i&gt;weight&lt;/i&gt;. Tap a fluid to mark the day; the first three mark days of menstruation. The lists of temperature and weight follow the units of Program Settings. Below the tabs are the check boxes of the day, each with its icon:&lt;br&gt;&lt;icon=221&gt;Sex&lt;br&gt;&lt;icon=214&gt;Bloating&lt;br&gt;&lt;icon=223&gt;Doctor&apos;s appointment&lt;br&gt;&lt;icon=222&gt;Protection&lt;br&gt;&lt;icon=238&gt;PMS&lt;br&gt;&lt;icon=220&gt;Cramps&lt;br&gt;&lt;icon=215&gt;Sport&lt;br&gt;&lt;icon=218&gt;Ache&lt;br&gt;For Sport and Ache, pick the kind in its own list. Everything the &lt;b&gt;Day View&lt;/b&gt; shows is kept when you save the day with the command bar at the bottom, or when the arrows step to another day. The bar also clears the whole day, or closes the screen without saving.

Up to four alarms can remind you of appointments, birthdays, pills and other things on this day. Each alarm has a type and a time, and when it is due the program shows it with a sound. To set the alarms, tap the check box next to the Alarm icon. A list of the four alarms opens: give each a type and a time, then tap &lt;b&gt;OK&lt;/b&gt; to keep them, or &lt;b&gt;Cancel&lt;/b&gt; to leave them as they were. The Alarm check box stays checked while the day has an alarm.

Closing this screen brings you to the &lt;b&gt;Calendar View&lt;/b&gt;, which shows your changes and the new prediction at once.

&lt;b&gt;Note Tab&lt;/b&gt;&lt;br&gt;Here you can write a free note for the day: how you feel, what you did, or anything you want to remember. It is saved together with the day.

&lt;b&gt;My Diary Tab&lt;/b&gt;&lt;br&gt;The day can hold up to four diary entries. For each, choose its kind (hairdresser, doctor, fitness and more) and write its text. All the entries of one kind are listed together, newest first, and you can add, view and delete them on the &lt;b&gt;My Diary&lt;/b&gt; screen, which you open from the menu.</translation>
    </message>
    <message>
        <source>A tabular view of your diary notes is
shown here. Choose the kind of notes
in the list at the bottom:
hairdresser, beautician, manicurist,
fitness, doctor or other. The notes
of that kind are listed with their
dates, the newest first.

Tap on button &lt;b&gt;Add &lt;/b&gt;to write a new
note of this kind. A small screen
opens where you pick the date and
type the text (a day keeps at most
four notes). When you are done,
tap &lt;b&gt;OK &lt;/b&gt;to save it, or &lt;b&gt;Cancel&lt;/b&gt;
to close it without saving.

Select a note and tap &lt;b&gt;View &lt;/b&gt;to open
its day in the &lt;b&gt;Day View &lt;/b&gt;where
you can read and change it with
the rest of that day.

These notes are the diary entries of
the Day View&apos;s third tab: one added
here shows there too, and the other
way round. To remove a note, select
it and tap on
button &lt;b&gt;Delete&lt;/b&gt;. To remove every
note of this kind at once, tap on
&lt;b&gt;Delete All&lt;/b&gt;; this cannot be
undone, so use it with care.</source>
        <extracomment>The help page &quot;My Diary&quot;. The program wraps the text to the screen itself: a single line break counts as a space, an empty line starts a new paragraph and &lt;br&gt; a new line; &lt;b&gt;...&lt;/b&gt; is bold, &lt;i&gt;...&lt;/i&gt; italic. Runs of spaces only pad the lines.</extracomment>
        <translation>This screen shows a table of your diary notes. Choose the kind of notes in the list at the bottom: hairdresser, beautician, manicurist, fitness, doctor or other. The notes of that kind are listed with their dates, newest first.

Tap &lt;b&gt;Add&lt;/b&gt; to write a new note of this kind. A small screen opens where you pick the date and type the text (a day holds at most four notes). When you are done, tap &lt;b&gt;OK&lt;/b&gt; to save it, or &lt;b&gt;Cancel&lt;/b&gt; to close it without saving.

Select a note and tap &lt;b&gt;View&lt;/b&gt; to open its day in the &lt;b&gt;Day View&lt;/b&gt;, where you can read and change it with the rest of that day.

These notes are the diary entries of the Day View&apos;s third tab: a note added here shows there too, and the other way round. To remove a note, select it and tap &lt;b&gt;Delete&lt;/b&gt;. To remove every note of this kind at once, tap &lt;b&gt;Delete All&lt;/b&gt;; this cannot be undone, so use it with care.</translation>
    </message>
    <message>
        <source>You  can  use a password  to protect
your diary. Type it twice (new and
confirm); it is asked each time
you start the program.&lt;b&gt;Please, make
sure you remember it: without
it the diary cannot be opened
and there is no way to get it
back. To change or remove it,
type the current one first;
empty new fields remove it.&lt;/b&gt;</source>
        <extracomment>The help page &quot;Password&quot;. The program wraps the text to the screen itself: a single line break counts as a space, an empty line starts a new paragraph and &lt;br&gt; a new line; &lt;b&gt;...&lt;/b&gt; is bold, &lt;i&gt;...&lt;/i&gt; italic. Runs of spaces only pad the lines.</extracomment>
        <translation>You can use a password to protect your diary. Type it twice (new and confirm); it is asked for each time you start the program. &lt;b&gt;Please make sure you remember it: without it the diary cannot be opened, and there is no way to get it back. To change or remove it, type the current one first; empty new fields remove it.&lt;/b&gt;</translation>
    </message>
    <message>
        <source>In this screen you can set the main
options of the program.

Menstruation, days: the usual length
of your period, from 3 to 12 days.&lt;br&gt;Average cycle length: the usual
length of your cycle, from 23 to 35
days. Both are the starting point of
the prediction of your next periods.&lt;br&gt;Units: English (Fahrenheit, pounds,
feet) or metric (Celsius, kilograms,
metres) for temperature, weight and
the scale.&lt;br&gt;Week starts with: Sunday or Monday,
the first column of the calendars.&lt;br&gt;Date separator and date format: how
the lists write dates, with the day
or the month first.&lt;br&gt;Time format: 24 hours, or 12 hours
with AM and PM, for the alarms.&lt;br&gt;Skin: the pictures behind the charts,
the Cycle Bar, the scale and help.&lt;br&gt;Daylight saving time: Velmora follows
it by itself; the box changes nothing.&lt;br&gt;Sounds: the clicks of the buttons
and check boxes, on or off.

Tap OK to keep your changes: the
calendar and every screen you open
afterwards use them at once. Cancel
leaves the settings as they were.
A number outside its range is
refused and the screen stays open.</source>
        <extracomment>The help page &quot;Program Settings&quot;. The program wraps the text to the screen itself: a single line break counts as a space, an empty line starts a new paragraph and &lt;br&gt; a new line; &lt;b&gt;...&lt;/b&gt; is bold, &lt;i&gt;...&lt;/i&gt; italic. Runs of spaces only pad the lines.</extracomment>
        <translation>On this screen you can set the main options of the program.

Menstruation, days: the usual length of your period, from 3 to 12 days.&lt;br&gt;Average cycle length: the usual length of your cycle, from 23 to 35 days. Both are the starting point for predicting your next periods.&lt;br&gt;Units: English (Fahrenheit, pounds, feet) or metric (Celsius, kilograms, metres) for temperature, weight and the scale.&lt;br&gt;Week starts with: Sunday or Monday, the first column of the calendars.&lt;br&gt;Date separator and date format: how the lists write dates, with the day or the month first.&lt;br&gt;Time format: 24 hours, or 12 hours with AM and PM, for the alarms.&lt;br&gt;Skin: the pictures behind the charts, the Cycle Bar, the scale and the help.&lt;br&gt;Daylight saving time: Velmora follows it by itself; the box changes nothing.&lt;br&gt;Sounds: the clicks of the buttons and check boxes, on or off.

Tap OK to keep your changes: the calendar and every screen you open afterwards use them at once. Cancel leaves the settings as they were. A number outside its range is refused, and the screen stays open.</translation>
    </message>
    <message>
        <source>A  tabular  view  of your temperature
entries: each day with a temperature
is listed with its date and reading.
Select an entry and tap &lt;b&gt;Chart &lt;/b&gt;to
open the &lt;b&gt;Temperature Chart &lt;/b&gt;of
its month. With button &lt;b&gt;View &lt;/b&gt;you
open the &lt;b&gt;Day View &lt;/b&gt;of that day
to see or change it.
By tapping on button &lt;b&gt;Delete&lt;/b&gt; you&apos;ll
delete the temperature of the
selected day; with button
&lt;b&gt;Delete All&lt;/b&gt; you&apos;ll delete
all temperatures entered so far.
You are asked to confirm before
anything is deleted. The list shows
degrees Celsius or Fahrenheit, as set
in Program Settings.</source>
        <extracomment>The help page &quot;Temperature History&quot;. The program wraps the text to the screen itself: a single line break counts as a space, an empty line starts a new paragraph and &lt;br&gt; a new line; &lt;b&gt;...&lt;/b&gt; is bold, &lt;i&gt;...&lt;/i&gt; italic. Runs of spaces only pad the lines.</extracomment>
        <translation>A table of your temperature entries: each day with a temperature is listed with its date and reading. Select an entry and tap &lt;b&gt;Chart&lt;/b&gt; to open the &lt;b&gt;Temperature Chart&lt;/b&gt; of its month. With &lt;b&gt;View&lt;/b&gt; you open the &lt;b&gt;Day View&lt;/b&gt; of that day to see or change it. Tap &lt;b&gt;Delete&lt;/b&gt; to delete the temperature of the selected day; tap &lt;b&gt;Delete All&lt;/b&gt; to delete all the temperatures entered so far. You are asked to confirm before anything is deleted. The list shows degrees Celsius or Fahrenheit, as set in Program Settings.</translation>
    </message>
    <message>
        <source>This  screen  represents  a  chart of
the weights entered in one month,
in kilograms or pounds as chosen in
Program Settings. The days of the
month run along the bottom. A day
with a weight has a bar, and a line
joins them, so you can follow your
weight through the cycle. Choose the
month and the year in the lists at
the bottom, or step with the arrows.</source>
        <extracomment>The help page &quot;Weight Chart&quot;. The program wraps the text to the screen itself: a single line break counts as a space, an empty line starts a new paragraph and &lt;br&gt; a new line; &lt;b&gt;...&lt;/b&gt; is bold, &lt;i&gt;...&lt;/i&gt; italic. Runs of spaces only pad the lines.</extracomment>
        <translation>This screen shows a chart of the weights entered in one month, in kilograms or pounds as chosen in Program Settings. The days of the month run along the bottom. A day with a weight has a bar, and a line joins them, so you can follow your weight through the cycle. Choose the month and the year in the lists at the bottom, or step with the arrows.</translation>
    </message>
    <message>
        <source>This  screen  shows  you  a   tabular
view of your weight entries: each day
with a weight is listed with its date.
Select an entry and tap &lt;b&gt;Chart &lt;/b&gt;to
open the &lt;b&gt;Weight Chart&lt;/b&gt; of its
month. With button &lt;b&gt;View &lt;/b&gt;you
open the &lt;b&gt;Day View  &lt;/b&gt;of that day
to see or change it.
By tapping on button &lt;b&gt;Delete&lt;/b&gt; you&apos;ll
delete the weight of the selected
day; with button
&lt;b&gt;Delete All&lt;/b&gt; you&apos;ll delete
all weights entered so far.
You are asked to confirm before
anything is deleted. The list shows
kilograms or pounds, as set in
Program Settings.</source>
        <extracomment>The help page &quot;Weight History&quot;. The program wraps the text to the screen itself: a single line break counts as a space, an empty line starts a new paragraph and &lt;br&gt; a new line; &lt;b&gt;...&lt;/b&gt; is bold, &lt;i&gt;...&lt;/i&gt; italic. Runs of spaces only pad the lines.</extracomment>
        <translation>This screen shows a table of your weight entries: each day with a weight is listed with its date. Select an entry and tap &lt;b&gt;Chart&lt;/b&gt; to open the &lt;b&gt;Weight Chart&lt;/b&gt; of its month. With &lt;b&gt;View&lt;/b&gt; you open the &lt;b&gt;Day View&lt;/b&gt; of that day to see or change it. Tap &lt;b&gt;Delete&lt;/b&gt; to delete the weight of the selected day; tap &lt;b&gt;Delete All&lt;/b&gt; to delete all the weights entered so far. You are asked to confirm before anything is deleted. The list shows kilograms or pounds, as set in Program Settings.</translation>
    </message>
    <message>
        <source>Here you are  able  to calculate your
ideal weight from your height, or the
ideal height for your weight. Tap the
wide button at the top to switch
between the two:&lt;b&gt; Calculate your
ideal weight/Calculate  your ideal
height&lt;/b&gt;. Type your height or weight
and tap Calculate. The units are
those of Program Settings.</source>
        <extracomment>The help page &quot;Weight | Height Scale&quot;. The program wraps the text to the screen itself: a single line break counts as a space, an empty line starts a new paragraph and &lt;br&gt; a new line; &lt;b&gt;...&lt;/b&gt; is bold, &lt;i&gt;...&lt;/i&gt; italic. Runs of spaces only pad the lines.</extracomment>
        <translation>Here you can calculate your ideal weight from your height, or the ideal height for your weight. Tap the wide button at the top to switch between the two: &lt;b&gt;Ideal weight&lt;/b&gt; / &lt;b&gt;Ideal height&lt;/b&gt;. Type your height or weight and tap Calculate. The units are those of Program Settings.</translation>
    </message>
    <message>
        <source>This screen  presents  a calendar for
half a year: six months, January to
June or July to December. The days
of menstruation, the predicted days
and the fertile days have colours of
their own, and so have the weekends.
Choose the year in the list at the
bottom. Two buttons switch between
the halves of the year; the other
two step a year forward or back:&lt;br&gt;&lt;b&gt;Next &lt;br&gt;Previous &lt;/b&gt;</source>
        <extracomment>The help page &quot;Year View&quot;. The program wraps the text to the screen itself: a single line break counts as a space, an empty line starts a new paragraph and &lt;br&gt; a new line; &lt;b&gt;...&lt;/b&gt; is bold, &lt;i&gt;...&lt;/i&gt; italic. Runs of spaces only pad the lines.</extracomment>
        <translation>This screen presents a calendar for half a year: six months, January to June or July to December. The days of menstruation, the predicted days and the fertile days have colours of their own, and so do the weekends. Choose the year in the list at the bottom. The &lt;b&gt;Jan-Jun&lt;/b&gt; and &lt;b&gt;Jul-Dec&lt;/b&gt; buttons switch between the halves of the year, and the two &lt;b&gt;Year&lt;/b&gt; buttons with arrows step a year back or forward.</translation>
    </message>
    <message>
        <source>Contents</source>
        <extracomment>The link at the bottom of each help page back to the list of pages.</extracomment>
        <translation>Contents</translation>
    </message>
    <message>
        <source>Page %d/%d</source>
        <extracomment>Under each help page: the page&apos;s number and the number of pages, each for a %d.</extracomment>
        <translation>Page %d/%d</translation>
    </message>
    <message>
        <source>&lt;b&gt;Keys&lt;/b&gt;&lt;br&gt;Arrows move the day cursor, also into the month before or after; Enter or Space opens its day. Page Up and Page Down show the month before and after, with Ctrl the year. Home comes back to today. On every screen F1 opens its help, Escape closes it, Enter confirms where there is an OK, and Tab moves between the fields.</source>
        <extracomment>The keys of a screen, at the end of its help page; wrapped like the pages.</extracomment>
        <translation>&lt;b&gt;Keys&lt;/b&gt;&lt;br&gt;Arrows move the day cursor, also into the month before or after; Enter or Space opens its day. Page Up and Page Down show the month before and after, with Ctrl the year. Home comes back to today. On every screen F1 opens its help, Escape closes it, Enter confirms where there is an OK, and Tab moves between the fields.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Keys&lt;/b&gt;&lt;br&gt;Alt+Left and Alt+Right go to the day before and after, as the arrows do. Enter saves the day, Escape closes the screen without saving.</source>
        <translation>&lt;b&gt;Keys&lt;/b&gt;&lt;br&gt;Alt+Left and Alt+Right go to the day before and after, as the arrows do. Enter saves the day, Escape closes the screen without saving.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Keys&lt;/b&gt;&lt;br&gt;Left and Right do what the arrow buttons do.</source>
        <translation>&lt;b&gt;Keys&lt;/b&gt;&lt;br&gt;Left and Right do what the arrow buttons do.</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistics</translation>
    </message>
    <message>
        <source>A chart of all your daily temperature
readings of one month. The scale on
the left is in degrees Celsius or
Fahrenheit, as chosen in Program
Settings; the days of the month run
along the bottom. Each day with a
temperature has a bar, and a line
joins the days, so the rise after
ovulation is easy to see. Choose the
month and the year in the lists at
the bottom, or step with the arrows.

The box &lt;b&gt;Shift &lt;/b&gt;at the bottom (Alt+S)
shows the month&apos;s first temperature
shift: three days in a row, each
warmer than all of the six days
before them, the third at least 0.20
degrees Celsius above the highest of
the six. A dashed green coverline
stands at that highest temperature,
and a green ring marks the third
higher day. A day without a reading
breaks the run. The shift is
information only: it is not a method
of contraception and cannot tell
safe days.</source>
        <extracomment>The help page &quot;Temperature Chart&quot;. The program wraps the text to the screen itself: a single line break counts as a space, an empty line starts a new paragraph and &lt;br&gt; a new line; &lt;b&gt;...&lt;/b&gt; is bold, &lt;i&gt;...&lt;/i&gt; italic. Runs of spaces only pad the lines.</extracomment>
        <translation>A chart of all your daily temperature readings in one month. The scale on the left is in degrees Celsius or Fahrenheit, as chosen in Program Settings; the days of the month run along the bottom. Each day with a temperature has a bar, and a line joins the days, so the rise after ovulation is easy to see. Choose the month and the year in the lists at the bottom, or step with the arrows.

The &lt;b&gt;Shift&lt;/b&gt; box at the bottom (Alt+S) shows the month&apos;s first temperature shift: three days in a row, each warmer than all of the six days before them, the third at least 0.20 degrees Celsius above the highest of the six. A dashed green coverline stands at that highest temperature, and a green ring marks the third higher day. A day without a reading breaks the run. The shift is information only: it is not a method of contraception and cannot tell safe days.</translation>
    </message>
    <message>
        <source>Your cycles and periods in numbers.
A cycle runs from the first day of a
period to the day before the next
period begins; a period is a run of
days marked as menstruation.
&lt;b&gt;Lengths&lt;/b&gt;
For cycles and for periods, over the
whole diary (All) and over the last
half year (1/2 year: today and the
180 days before it), in days:
Used - how many were counted;
Mean - the average length;
Median - the middle length: half of
them were shorter, half longer;
Std. dev. - how much the lengths
vary around the mean: the smaller,
the more regular;
Shortest and Longest.
The bars show how many counted
cycles of the whole diary had each
length.
&lt;b&gt;Forecast&lt;/b&gt;
The next three periods as the
calendar predicts them, a whole
average cycle of the last half year
apart. With three cycles or more in
the half year each start is a range:
one day either side when the cycles
vary by less than one and a half
days, else two. The ranges are a
guide, not a promise. With fewer
cycles only the day is shown.
&lt;b&gt;Left out&lt;/b&gt;
A cycle shorter than half the usual
cycle length of Program Settings,
or longer than one and a half times
it, is left out of every figure, as
the calendar leaves it out of its
predictions; a period likewise by
the usual period length. Such a
cycle often hides a period that was
not recorded. A period still going
today is not counted yet.</source>
        <extracomment>The help page &quot;Statistics&quot;. The program wraps the text to the screen itself: a single line break counts as a space, an empty line starts a new paragraph and &lt;br&gt; a new line; &lt;b&gt;...&lt;/b&gt; is bold, &lt;i&gt;...&lt;/i&gt; italic. &quot;1/2 year&quot; is the column the screen heads with its own short word for the half year.</extracomment>
        <translation>Your cycles and periods in numbers. A cycle runs from the first day of a period to the day before the next period begins; a period is a run of days marked as menstruation.

&lt;b&gt;Lengths&lt;/b&gt;&lt;br&gt;For cycles and for periods, over the whole diary (All) and over the last half year (1/2 year: today and the 180 days before it), in days:&lt;br&gt;Used - how many were counted;&lt;br&gt;Mean - the average length;&lt;br&gt;Median - the middle length: half of them were shorter, half longer;&lt;br&gt;Std. dev. - how much the lengths vary around the mean: the smaller, the more regular;&lt;br&gt;Shortest and Longest.&lt;br&gt;The bars show how many counted cycles of the whole diary had each length.

&lt;b&gt;Forecast&lt;/b&gt;&lt;br&gt;The next three periods as the calendar predicts them, a whole average cycle of the last half year apart. With three cycles or more in the half year each start is a range: one day either side when the cycles vary by less than one and a half days, else two. The ranges are a guide, not a promise. With fewer cycles only the day is shown.

&lt;b&gt;Left out&lt;/b&gt;&lt;br&gt;A cycle shorter than half the usual cycle length of Program Settings, or longer than one and a half times it, is left out of every figure, as the calendar leaves it out of its predictions; a period likewise by the usual period length. Such a cycle often hides a period that was not recorded. A period still going today is not counted yet.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Keys&lt;/b&gt;&lt;br&gt;Left and Right turn the tabs while the tabs have the keyboard; Ctrl+Tab does it anywhere on the screen.</source>
        <translation>&lt;b&gt;Keys&lt;/b&gt;&lt;br&gt;Left and Right turn the tabs while the tabs have the keyboard; Ctrl+Tab does it anywhere on the screen.</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Password not correct!</source>
        <translation>Incorrect password!</translation>
    </message>
    <message>
        <source>Sorry</source>
        <translation>Sorry</translation>
    </message>
    <message>
        <source>To change password you must type current password!</source>
        <translation>To change the password, you must enter the current password!</translation>
    </message>
    <message>
        <source>&quot;New Password&quot; and &quot;Confirm Passowrd&quot; must be same!</source>
        <translation>&quot;New password&quot; and &quot;Confirm password&quot; must match!</translation>
    </message>
    <message>
        <source>The maximum number of notes for this day is reached. You are not able to enter more than 4 items for a day!</source>
        <translation>The maximum number of notes for this day has been reached. You cannot enter more than 4 items per day!</translation>
    </message>
    <message>
        <source>Delete Record Error!</source>
        <translation>Error deleting the record!</translation>
    </message>
    <message>
        <source>Add Record Error!</source>
        <translation>Error adding the record!</translation>
    </message>
    <message>
        <source>Can not initialize graphic buffer!</source>
        <translation>Cannot initialize the graphics buffer!</translation>
    </message>
    <message>
        <source>Data for years prior to 1995 can not be entered!</source>
        <translation>Data for years before 1995 cannot be entered!</translation>
    </message>
    <message>
        <source>At present it is not allowed to enter data for the forthcoming years!</source>
        <translation>Data for future years cannot be entered yet!</translation>
    </message>
    <message>
        <source>Data for years prior to 1995 cannot be entered</source>
        <translation>Data for years before 1995 cannot be entered</translation>
    </message>
    <message>
        <source>At present you are not allowed to enter data for the forthcoming years!</source>
        <translation>You cannot enter data for future years yet!</translation>
    </message>
    <message>
        <source>Delete Record Error</source>
        <translation>Error deleting the record</translation>
    </message>
    <message>
        <source>Add Record Error</source>
        <translation>Error adding the record</translation>
    </message>
    <message>
        <source>Add record Error!</source>
        <translation>Error adding the record!</translation>
    </message>
    <message>
        <source>Please enter a number.</source>
        <translation>Please enter a number.</translation>
    </message>
    <message>
        <source>Weight should be between 40 and 150 kg</source>
        <translation>Weight should be between 40 and 150 kg</translation>
    </message>
    <message>
        <source>Weight should be between 80 and 330 lb</source>
        <translation>Weight should be between 80 and 330 lb</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Yes</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;No</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Retry</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Abort</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Ignore</translation>
    </message>
    <message>
        <source>You should select an item from the list!</source>
        <translation>Please select an item from the list!</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this note?</source>
        <translation>Are you sure you want to delete this note?</translation>
    </message>
    <message>
        <source>Atention</source>
        <translation>Attention</translation>
    </message>
    <message>
        <source>Are you sure you want to delete all notes?</source>
        <translation>Are you sure you want to delete all notes?</translation>
    </message>
    <message>
        <source>Height must be between 1 and 2.1 meters</source>
        <translation>Height must be between 1 and 2.1 meters</translation>
    </message>
    <message>
        <source>Height must be between 3.3 and 6.8 feet</source>
        <translation>Height must be between 3.3 and 6.8 feet</translation>
    </message>
    <message>
        <source>Weight must be between 18 and 99 kilograms</source>
        <translation>Weight must be between 18 and 99 kilograms</translation>
    </message>
    <message>
        <source>Weight must be between 40 and 218 pounds</source>
        <translation>Weight must be between 40 and 218 pounds</translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation>Please enter an integer.</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation>Please enter an integer between %1 and %2.</translation>
    </message>
    <message>
        <source>Do you really want to delete this alarm?</source>
        <translation>Do you really want to delete this alarm?</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirm</translation>
    </message>
    <message>
        <source>Do you really want to delete all alarms?</source>
        <translation>Do you really want to delete all alarms?</translation>
    </message>
    <message>
        <source>There is no information for this year!</source>
        <translation>There is no data for this year!</translation>
    </message>
    <message>
        <source>CANNOT DELETE</source>
        <translation>Cannot delete the record.</translation>
    </message>
    <message>
        <source>CANNOT ADD</source>
        <translation>Cannot add the record.</translation>
    </message>
    <message>
        <source>Do you really want to delete all records?</source>
        <translation>Do you really want to delete all records?</translation>
    </message>
    <message>
        <source>There is no data for this month</source>
        <translation>There is no data for this month</translation>
    </message>
    <message>
        <source>Do you really want to delete the record?</source>
        <translation>Do you really want to delete the record?</translation>
    </message>
    <message>
        <source>Do you really want to delete this record?</source>
        <translation>Do you really want to delete this record?</translation>
    </message>
    <message>
        <source>A database already exists with the specified name.</source>
        <translation>A database with the specified name already exists.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>A parameter was invalid.</source>
        <translation>A parameter was invalid.</translation>
    </message>
    <message>
        <source>The destination source does not contain enough space to create the new database.</source>
        <translation>There is not enough space at the destination to create the new database.</translation>
    </message>
    <message>
        <source>No memory was available to allocate a database handle.</source>
        <translation>Not enough memory to allocate a database handle.</translation>
    </message>
    <message>
        <source>There is no open database associated with handle.</source>
        <translation>No open database is associated with the handle.</translation>
    </message>
    <message>
        <source>Attention</source>
        <translation>Attention</translation>
    </message>
    <message>
        <source>Error in CCeDatabase::ReadCurrRecord</source>
        <translation>Error in CCeDatabase::ReadCurrRecord</translation>
    </message>
    <message>
        <source>Fatal Error</source>
        <translation>Fatal Error</translation>
    </message>
    <message>
        <source>There is no free memory!</source>
        <translation>There is no free memory!</translation>
    </message>
    <message>
        <source>No free memory</source>
        <translation>No free memory</translation>
    </message>
    <message>
        <source>Can not write in prop-A</source>
        <translation>Cannot write the property (A)</translation>
    </message>
    <message>
        <source>Can not write in the prop!</source>
        <translation>Cannot write the property!</translation>
    </message>
    <message>
        <source>Disk is full!</source>
        <translation>The disk is full!</translation>
    </message>
    <message>
        <source>Invalid parameter!</source>
        <translation>Invalid parameter!</translation>
    </message>
    <message>
        <source>There is no open database!</source>
        <translation>There is no open database!</translation>
    </message>
    <message>
        <source>The file is in use.</source>
        <translation>The file is in use.</translation>
    </message>
    <message>
        <source>Very long string??</source>
        <translation>The text is too long!</translation>
    </message>
    <message>
        <source>Open Database Error!</source>
        <translation>Error opening the database!</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>it cannot be read</translation>
    </message>
    <message>
        <source>The diary file
%1
cannot be used: %2.
Velmora leaves the file unchanged. To start a new diary, move the file to another folder.</source>
        <translation>The diary file
%1
cannot be used: %2.
Velmora leaves the file unchanged. To start a new diary, move the file to another folder.</translation>
    </message>
    <message>
        <source>The diary file
%1
cannot be used: %2 (%3).
Velmora leaves the file unchanged. To start a new diary, move the file to another folder.</source>
        <translation>The diary file
%1
cannot be used: %2 (%3).
Velmora leaves the file unchanged. To start a new diary, move the file to another folder.</translation>
    </message>
    <message>
        <source>it cannot be opened</source>
        <translation>it cannot be opened</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>it is not a regular file</translation>
    </message>
    <message>
        <source>it is empty</source>
        <translation>it is empty</translation>
    </message>
    <message>
        <source>it is not a Velmora diary</source>
        <translation>it is not a Velmora diary</translation>
    </message>
    <message>
        <source>it is damaged</source>
        <translation>it is damaged</translation>
    </message>
    <message>
        <source>cut short</source>
        <translation>cut short</translation>
    </message>
    <message>
        <source>The diary folder
%1
cannot be created: %2.</source>
        <translation>The diary folder
%1
cannot be created: %2.</translation>
    </message>
    <message>
        <source>it was written by a newer version of Velmora</source>
        <translation>it was written by a newer version of Velmora</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Alarm</translation>
    </message>
    <message>
        <source>Reminder at  %1 
%2</source>
        <translation>Reminder at %1
%2</translation>
    </message>
    <message>
        <source>NEPRAVILEN RAZMER NA KOMPRESIRANIQT FILE</source>
        <translation>Invalid size of the compressed file</translation>
    </message>
    <message>
        <source>The password cannot be set: there is not enough memory.</source>
        <translation>The password cannot be set: there is not enough memory.</translation>
    </message>
    <message>
        <source>Replace the diary by the backup %1?

The diary as it is now is kept as a backup first.</source>
        <translation>Replace the diary by the backup %1?

The diary as it is now is kept as a backup first.</translation>
    </message>
    <message>
        <source>Velmora backups (*.sqlite)</source>
        <translation>Velmora backups (*.sqlite)</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV files (*.csv)</translation>
    </message>
    <message>
        <source>JSON files (*.json)</source>
        <translation>JSON files (*.json)</translation>
    </message>
    <message>
        <source>Velmora or drip exports (*.csv *.json)</source>
        <translation>Velmora or drip exports (*.csv *.json)</translation>
    </message>
    <message>
        <source>The diary is exported to %1.</source>
        <translation>The diary is exported to %1.</translation>
    </message>
    <message>
        <source>it cannot be written</source>
        <translation>it cannot be written</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>the disk is full</translation>
    </message>
    <message>
        <source>it is the diary itself</source>
        <translation>it is the diary itself</translation>
    </message>
    <message>
        <source>it is open in another program or was not closed properly</source>
        <translation>it is open in another program or was not closed properly</translation>
    </message>
    <message>
        <source>The diary was backed up to
%1.</source>
        <translation>The diary was backed up to
%1.</translation>
    </message>
    <message>
        <source>There is no diary to back up yet: no day has been recorded.</source>
        <translation>There is no diary to back up yet: no day has been recorded.</translation>
    </message>
    <message>
        <source>The diary was restored from
%1.</source>
        <translation>The diary was restored from
%1.</translation>
    </message>
    <message>
        <source>The diary was restored from
%1.
The diary as it was before is kept in
%2.</source>
        <translation>The diary was restored from
%1.
The diary as it was before is kept in
%2.</translation>
    </message>
    <message>
        <source>The diary file
%1
cannot be backed up: %2%3.</source>
        <translation>The diary file
%1
cannot be backed up: %2%3.</translation>
    </message>
    <message>
        <source>The backup
%1
cannot be written: %2%3.
Nothing was changed.</source>
        <translation>The backup
%1
cannot be written: %2%3.
Nothing was changed.</translation>
    </message>
    <message>
        <source>The file
%1
cannot be restored: %2%3.
Your diary is unchanged.</source>
        <translation>The file
%1
cannot be restored: %2%3.
Your diary is unchanged.</translation>
    </message>
    <message>
        <source>A copy of the diary as it is cannot be kept in
%1
(%2%3), so it was not restored.
Your diary is unchanged.</source>
        <translation>A copy of the diary as it is cannot be kept in
%1
(%2%3), so it was not restored.
Your diary is unchanged.</translation>
    </message>
    <message>
        <source>The diary cannot be restored from
%1: %2%3.
Your diary is unchanged.</source>
        <translation>The diary cannot be restored from
%1: %2%3.
Your diary is unchanged.</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>All files (*)</translation>
    </message>
    <message>
        <source>The diary file
%1
has file format %2, written by a newer version of Velmora; this version reads formats up to %3.
Velmora leaves the file unchanged. Use a newer version of Velmora to open it.</source>
        <translation>The diary file
%1
has file format %2, which a newer version of Velmora wrote; this version reads formats up to %3.
Velmora leaves the file unchanged. Open it with a newer version of Velmora.</translation>
    </message>
    <message>
        <source>Calendar files (*.ics)</source>
        <translation>Calendar files (*.ics)</translation>
    </message>
    <message>
        <source>The predictions are exported to %1.</source>
        <translation>The predictions are exported to %1.</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF files (*.pdf)</translation>
    </message>
    <message>
        <source>The report is saved to %1.</source>
        <translation>The report is saved to %1.</translation>
    </message>
    <message>
        <source>The report is sent to %1.</source>
        <translation>The report is sent to %1.</translation>
    </message>
    <message>
        <source>The report cannot be printed on %1.</source>
        <translation>The report cannot be printed on %1.</translation>
    </message>
</context>
<context>
    <name>Names</name>
    <message>
        <source>Нет</source>
        <translation>None</translation>
    </message>
    <message>
        <source>Встреча</source>
        <translation>Appointment</translation>
    </message>
    <message>
        <source>Годовщина</source>
        <translation>Anniversary</translation>
    </message>
    <message>
        <source>Дата</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>День Р.</source>
        <translation>Birthday</translation>
    </message>
    <message>
        <source>Пати</source>
        <translation>Party</translation>
    </message>
    <message>
        <source>Концерт</source>
        <translation>Concert</translation>
    </message>
    <message>
        <source>Табл.</source>
        <translation>Pill</translation>
    </message>
    <message>
        <source>Покупки</source>
        <translation>Shopping</translation>
    </message>
    <message>
        <source>Сигн.</source>
        <translation>Alarm</translation>
    </message>
    <message>
        <source>Плавание </source>
        <translation>Swimming</translation>
    </message>
    <message>
        <source>Фитнесс</source>
        <translation>Fitness</translation>
    </message>
    <message>
        <source>Йога</source>
        <translation>Yoga</translation>
    </message>
    <message>
        <source>Теннис</source>
        <translation>Tennis</translation>
    </message>
    <message>
        <source>Волейбол</source>
        <translation>Volleyball</translation>
    </message>
    <message>
        <source>Баскетбол</source>
        <translation>Basketball</translation>
    </message>
    <message>
        <source>Другое</source>
        <translation>Other</translation>
    </message>
    <message>
        <source>Зубн.боль</source>
        <translation>Toothache</translation>
    </message>
    <message>
        <source>Боль в жив.</source>
        <translation>Stomach</translation>
    </message>
    <message>
        <source>Головная</source>
        <translation>Headache</translation>
    </message>
    <message>
        <source>Слабые</source>
        <translation>Light</translation>
    </message>
    <message>
        <source>Нормальные</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Обильные</source>
        <translation>Heavy</translation>
    </message>
    <message>
        <source>Межменструальн.</source>
        <translation>Spotting</translation>
    </message>
    <message>
        <source>Мутные, Липкие</source>
        <translation>Cloudy, sticky</translation>
    </message>
    <message>
        <source>Тянущиеся,Белые</source>
        <translation>Stretchy, white</translation>
    </message>
    <message>
        <source>Парикмахер</source>
        <translation>Hairdresser</translation>
    </message>
    <message>
        <source>Косметолог</source>
        <translation>Beautician</translation>
    </message>
    <message>
        <source>Маникюрша</source>
        <translation>Manicure</translation>
    </message>
    <message>
        <source>Фитнес</source>
        <translation>Fitness</translation>
    </message>
    <message>
        <source>Доктор</source>
        <translation>Doctor</translation>
    </message>
    <message>
        <source>Проч.</source>
        <translation>Other</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Imperial</translation>
    </message>
    <message>
        <source>Метрич.</source>
        <translation>Metric</translation>
    </message>
    <message>
        <source>Воскр.</source>
        <translation>Sunday</translation>
    </message>
    <message>
        <source>Понед.</source>
        <translation>Monday</translation>
    </message>
    <message>
        <source>ДД/ММ/ГГГГ</source>
        <translation>DD/MM/YYYY</translation>
    </message>
    <message>
        <source>ММ/ДД/ГГГГ</source>
        <translation>MM/DD/YYYY</translation>
    </message>
    <message>
        <source>24 часа</source>
        <translation>24-hour</translation>
    </message>
    <message>
        <source>12 часов (AM/PM)</source>
        <translation>12-hour</translation>
    </message>
    <message>
        <source>Animals</source>
        <translation>Animals</translation>
    </message>
    <message>
        <source>Cartoon</source>
        <translation>Cartoon</translation>
    </message>
    <message>
        <source>Cities</source>
        <translation>Cities</translation>
    </message>
    <message>
        <source>Floral</source>
        <translation>Floral</translation>
    </message>
    <message>
        <source>Jewels</source>
        <translation>Jewels</translation>
    </message>
    <message>
        <source>Men</source>
        <translation>Men</translation>
    </message>
    <message>
        <source>Nature</source>
        <translation>Nature</translation>
    </message>
    <message>
        <source>Jan</source>
        <translation>Jan</translation>
    </message>
    <message>
        <source>Feb</source>
        <translation>Feb</translation>
    </message>
    <message>
        <source>Mar</source>
        <translation>Mar</translation>
    </message>
    <message>
        <source>Apr</source>
        <translation>Apr</translation>
    </message>
    <message>
        <source>May</source>
        <translation>May</translation>
    </message>
    <message>
        <source>Jun</source>
        <translation>Jun</translation>
    </message>
    <message>
        <source>Jul</source>
        <translation>Jul</translation>
    </message>
    <message>
        <source>Aug</source>
        <translation>Aug</translation>
    </message>
    <message>
        <source>Sep</source>
        <translation>Sep</translation>
    </message>
    <message>
        <source>Oct</source>
        <translation>Oct</translation>
    </message>
    <message>
        <source>Nov</source>
        <translation>Nov</translation>
    </message>
    <message>
        <source>Dec</source>
        <translation>Dec</translation>
    </message>
    <message>
        <source>January</source>
        <translation>January</translation>
    </message>
    <message>
        <source>February</source>
        <translation>February</translation>
    </message>
    <message>
        <source>March</source>
        <translation>March</translation>
    </message>
    <message>
        <source>April</source>
        <translation>April</translation>
    </message>
    <message>
        <source>June</source>
        <translation>June</translation>
    </message>
    <message>
        <source>July</source>
        <translation>July</translation>
    </message>
    <message>
        <source>August</source>
        <translation>August</translation>
    </message>
    <message>
        <source>September</source>
        <translation>September</translation>
    </message>
    <message>
        <source>October</source>
        <translation>October</translation>
    </message>
    <message>
        <source>November</source>
        <translation>November</translation>
    </message>
    <message>
        <source>December</source>
        <translation>December</translation>
    </message>
    <message>
        <source>None</source>
        <translation>None</translation>
    </message>
    <message>
        <source>Appointment</source>
        <translation>Appointment</translation>
    </message>
    <message>
        <source>Anniversary</source>
        <translation>Anniversary</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Birthday</source>
        <translation>Birthday</translation>
    </message>
    <message>
        <source>Party</source>
        <translation>Party</translation>
    </message>
    <message>
        <source>Concert</source>
        <translation>Concert</translation>
    </message>
    <message>
        <source>Pill</source>
        <translation>Pill</translation>
    </message>
    <message>
        <source>Shopping</source>
        <translation>Shopping</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Alarm</translation>
    </message>
</context>
<context>
    <name>Title</name>
    <message>
        <source>Calendar View</source>
        <translation>Calendar View</translation>
    </message>
    <message>
        <source>Day View</source>
        <translation>Day View</translation>
    </message>
    <message>
        <source>My Diary</source>
        <translation>My Diary</translation>
    </message>
    <message>
        <source>Cycle Bar</source>
        <translation>Cycle Bar</translation>
    </message>
    <message>
        <source>Cycles Chart</source>
        <translation>Cycles Chart</translation>
    </message>
    <message>
        <source>Cycles History</source>
        <translation>Cycles History</translation>
    </message>
    <message>
        <source>Year View</source>
        <translation>Year View</translation>
    </message>
    <message>
        <source>Temperature Chart</source>
        <translation>Temperature Chart</translation>
    </message>
    <message>
        <source>Weight Chart</source>
        <translation>Weight Chart</translation>
    </message>
    <message>
        <source>Temperature History</source>
        <translation>Temperature History</translation>
    </message>
    <message>
        <source>Weight History</source>
        <translation>Weight History</translation>
    </message>
    <message>
        <source>Alarm History</source>
        <translation>Alarm History</translation>
    </message>
    <message>
        <source>Program Settings</source>
        <translation>Program Settings</translation>
    </message>
    <message>
        <source>Weight|Height Scale</source>
        <translation>Weight | Height Scale</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Mirror</source>
        <translation>Mirror</translation>
    </message>
    <message>
        <source>Пароль</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>Alarms History</source>
        <translation>Alarm History</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Import</translation>
    </message>
    <message>
        <source>Back Up</source>
        <translation>Back Up</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restore</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistics</translation>
    </message>
    <message>
        <source>Report for the Doctor</source>
        <translation>Report for the Doctor</translation>
    </message>
    <message>
        <source>Predictions</source>
        <translation>Predictions</translation>
    </message>
</context>
<context>
    <name>velmora::CAboutDlg</name>
    <message>
        <source>О программе</source>
        <translation>About</translation>
    </message>
</context>
<context>
    <name>velmora::CAddNoteDlg</name>
    <message>
        <source>Добавить запись</source>
        <translation>Add Note</translation>
    </message>
    <message>
        <source>Дата:</source>
        <translation>Date:</translation>
    </message>
    <message>
        <source>Запись:</source>
        <translation>Note:</translation>
    </message>
</context>
<context>
    <name>velmora::CAlarmHistoryDlg</name>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>View</source>
        <translation>View</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Delete All</source>
        <translation>Delete All</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
</context>
<context>
    <name>velmora::CAlarmSetupDlg</name>
    <message>
        <source>Будильники</source>
        <translation>Alarms</translation>
    </message>
    <message>
        <source>Типы будильников</source>
        <translation>Alarm types</translation>
    </message>
    <message>
        <source>Время срабатывания:</source>
        <translation>Alarm time:</translation>
    </message>
</context>
<context>
    <name>velmora::CChartDlg</name>
    <message>
        <source>Previous</source>
        <translation>Previous</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Next</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
</context>
<context>
    <name>velmora::CCycleBar</name>
    <message>
        <source>Previous</source>
        <translation>Previous</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Next</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>There is not enough information!</source>
        <translation>There is not enough information!</translation>
    </message>
    <message>
        <source>Start Menstruation (%1)</source>
        <translation>Start of period (%1)</translation>
    </message>
    <message>
        <source>End Menstruation (%1)</source>
        <translation>End of period (%1)</translation>
    </message>
    <message>
        <source>This is an abnormal cycle!</source>
        <translation>This is an abnormal cycle!</translation>
    </message>
    <message>
        <source>End Cycle (%1)</source>
        <translation>End of cycle (%1)</translation>
    </message>
    <message>
        <source>Start Ovulation (%1)</source>
        <translation>Start of ovulation (%1)</translation>
    </message>
    <message>
        <source>End Ovulation (%1)</source>
        <translation>End of ovulation (%1)</translation>
    </message>
</context>
<context>
    <name>velmora::CCycleChartDlg</name>
    <message>
        <source>day</source>
        <translation>day</translation>
    </message>
    <message>
        <source>JFMAMJJASOND</source>
        <extracomment>The first letters of the twelve months, January to December: exactly twelve letters.</extracomment>
        <translation>JFMAMJJASOND</translation>
    </message>
    <message>
        <source>%1: %2 days</source>
        <translation>%1: %2 days</translation>
    </message>
    <message>
        <source>no cycles</source>
        <translation>no cycles</translation>
    </message>
</context>
<context>
    <name>velmora::CCycleHistoryDlg</name>
    <message>
        <source>View</source>
        <translation>View</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Start Date</source>
        <translation>Start Date</translation>
    </message>
    <message>
        <source>Start Ovulation</source>
        <translation>Ovulation Start</translation>
    </message>
    <message>
        <source>Lenght</source>
        <translation>Length</translation>
    </message>
    <message>
        <source>N/A</source>
        <translation>N/A</translation>
    </message>
    <message>
        <source>Average cycle lenght:%1</source>
        <translation>Average cycle length: %1</translation>
    </message>
    <message>
        <source>Cycle History</source>
        <translation>Cycles History</translation>
    </message>
</context>
<context>
    <name>velmora::CDayViewDlg</name>
    <message>
        <source>Просмотр дня</source>
        <translation>Day View</translation>
    </message>
    <message>
        <source>Fluids  </source>
        <translation>Fluids</translation>
    </message>
    <message>
        <source>Note   </source>
        <translation>Note</translation>
    </message>
    <message>
        <source>My Diary </source>
        <translation>My Diary</translation>
    </message>
    <message>
        <source>Секс</source>
        <translation>Sex</translation>
    </message>
    <message>
        <source>Вздутие живота</source>
        <translation>Bloating</translation>
    </message>
    <message>
        <source>У доктора</source>
        <translation>Doctor visit</translation>
    </message>
    <message>
        <source>Предохр.</source>
        <translation>Protection</translation>
    </message>
    <message>
        <source>Предменстр. синдром</source>
        <translation>PMS</translation>
    </message>
    <message>
        <source>Спазмы</source>
        <translation>Cramps</translation>
    </message>
    <message>
        <source>Правка</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>Save and close</source>
        <translation>Save and close</translation>
    </message>
    <message>
        <source>Clear the day</source>
        <translation>Clear the day</translation>
    </message>
    <message>
        <source>Close without saving</source>
        <translation>Close without saving</translation>
    </message>
</context>
<context>
    <name>velmora::CDoctorReport</name>
    <message>
        <source>From %1 to %2</source>
        <translation>From %1 to %2</translation>
    </message>
    <message numerus="yes">
        <source>%n complete cycle(s) and the cycle running now</source>
        <translation>
            <numerusform>%n complete cycle and the cycle running now</numerusform>
            <numerusform>%n complete cycles and the cycle running now</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n complete cycle(s)</source>
        <translation>
            <numerusform>%n complete cycle</numerusform>
            <numerusform>%n complete cycles</numerusform>
        </translation>
    </message>
    <message>
        <source>Usual cycle %1 days, usual period %2 days (as set in the program)</source>
        <translation>Usual cycle %1 days, usual period %2 days (as set in the program)</translation>
    </message>
    <message>
        <source>Made on %1</source>
        <translation>Made on %1</translation>
    </message>
    <message>
        <source>Cycles</source>
        <translation>Cycles</translation>
    </message>
    <message>
        <source>No bleeding was recorded in this period.</source>
        <translation>No bleeding was recorded in this period.</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Period, days</source>
        <translation>Period, days</translation>
    </message>
    <message>
        <source>Cycle, days</source>
        <translation>Cycle, days</translation>
    </message>
    <message>
        <source>Left out of the statistics</source>
        <translation>Left out of the statistics</translation>
    </message>
    <message>
        <source>cycle too short</source>
        <translation>cycle too short</translation>
    </message>
    <message>
        <source>cycle too long</source>
        <translation>cycle too long</translation>
    </message>
    <message>
        <source>period too short</source>
        <translation>period too short</translation>
    </message>
    <message>
        <source>period too long</source>
        <translation>period too long</translation>
    </message>
    <message>
        <source>running, day %1</source>
        <translation>running, day %1</translation>
    </message>
    <message>
        <source>running</source>
        <translation>running</translation>
    </message>
    <message>
        <source>not complete yet</source>
        <translation>not complete yet</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistics</translation>
    </message>
    <message>
        <source>Length in days</source>
        <translation>Length in days</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Number</translation>
    </message>
    <message>
        <source>Mean</source>
        <translation>Mean</translation>
    </message>
    <message>
        <source>Median</source>
        <translation>Median</translation>
    </message>
    <message>
        <source>SD</source>
        <translation>SD</translation>
    </message>
    <message>
        <source>Shortest</source>
        <translation>Shortest</translation>
    </message>
    <message>
        <source>Longest</source>
        <translation>Longest</translation>
    </message>
    <message>
        <source>Cycles of this report</source>
        <translation>Cycles of this report</translation>
    </message>
    <message>
        <source>Cycles of the whole diary</source>
        <translation>Cycles of the whole diary</translation>
    </message>
    <message>
        <source>Periods of this report</source>
        <translation>Periods of this report</translation>
    </message>
    <message>
        <source>Periods of the whole diary</source>
        <translation>Periods of the whole diary</translation>
    </message>
    <message>
        <source>Cycles and periods left out (see above) are not counted. SD: sample standard deviation.</source>
        <translation>Cycles and periods left out (see above) are not counted. SD: sample standard deviation.</translation>
    </message>
    <message>
        <source>Predicted starts</source>
        <translation>Predicted starts</translation>
    </message>
    <message>
        <source>No start can be predicted yet.</source>
        <translation>No start can be predicted yet.</translation>
    </message>
    <message>
        <source>%1 to %2 (most likely %3)</source>
        <translation>%1 to %2 (most likely %3)</translation>
    </message>
    <message>
        <source>Ranges need at least three counted cycles in the last half year.</source>
        <translation>Ranges need at least three counted cycles in the last half year.</translation>
    </message>
    <message>
        <source>Temperature and weight</source>
        <translation>Temperature and weight</translation>
    </message>
    <message>
        <source>No temperature or weight was recorded in this month.</source>
        <translation>No temperature or weight was recorded in this month.</translation>
    </message>
    <message>
        <source>No temperature was recorded in this month.</source>
        <translation>No temperature was recorded in this month.</translation>
    </message>
    <message>
        <source>No weight was recorded in this month.</source>
        <translation>No weight was recorded in this month.</translation>
    </message>
    <message>
        <source>Day by day</source>
        <translation>Day by day</translation>
    </message>
    <message>
        <source>Nothing was recorded in this period.</source>
        <translation>Nothing was recorded in this period.</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Flow</source>
        <translation>Flow</translation>
    </message>
    <message>
        <source>Temperature, %1</source>
        <translation>Temperature, %1</translation>
    </message>
    <message>
        <source>Weight, %1</source>
        <translation>Weight, %1</translation>
    </message>
    <message>
        <source>Symptoms</source>
        <translation>Symptoms</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notes</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Page %1 of %2</translation>
    </message>
    <message>
        <source>The report cannot be written to %1: %2</source>
        <translation>The report cannot be written to %1: %2</translation>
    </message>
</context>
<context>
    <name>velmora::CDoctorReportDlg</name>
    <message>
        <source>The report lists the last cycles and the one running now, their statistics, the predicted starts, each month&apos;s temperature and weight, and every day with an entry.</source>
        <translation>The report lists the last cycles and the one running now, their statistics, the predicted starts, each month&apos;s temperature and weight, and every day with an entry.</translation>
    </message>
    <message>
        <source>Cycles:</source>
        <translation>Cycles:</translation>
    </message>
    <message numerus="yes">
        <source>the last %n</source>
        <translation>
            <numerusform>the last %n</numerusform>
            <numerusform>the last %n</numerusform>
        </translation>
    </message>
    <message>
        <source>Save PDF…</source>
        <translation>Save PDF…</translation>
    </message>
    <message>
        <source>Print…</source>
        <translation>Print…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>velmora::CFluidsTempWeightPage</name>
    <message>
        <source>Выделения:</source>
        <translation>Fluids:</translation>
    </message>
    <message>
        <source>Температура:</source>
        <translation>Temperature:</translation>
    </message>
    <message>
        <source>Вес:</source>
        <translation>Weight:</translation>
    </message>
    <message>
        <source>°C</source>
        <translation>°C</translation>
    </message>
    <message>
        <source>°F</source>
        <translation>°F</translation>
    </message>
    <message>
        <source>kg</source>
        <translation>kg</translation>
    </message>
    <message>
        <source>lb</source>
        <translation>lb</translation>
    </message>
</context>
<context>
    <name>velmora::CImageButton</name>
    <message>
        <source>Add</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Calculate</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Delete all</source>
        <translation>Delete all</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Down</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Up</translation>
    </message>
    <message>
        <source>Ideal height</source>
        <translation>Ideal height</translation>
    </message>
    <message>
        <source>Ideal weight</source>
        <translation>Ideal weight</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Previous</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Next</translation>
    </message>
    <message>
        <source>View</source>
        <translation>View</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>velmora::CImportDlg</name>
    <message>
        <source>File: %1</source>
        <translation>File: %1</translation>
    </message>
    <message>
        <source>Problems (nothing can be imported until they are mended):</source>
        <translation>Problems (nothing can be imported until they are fixed):</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Line %1: %2</translation>
    </message>
    <message>
        <source>Where a day differs from the diary:</source>
        <translation>Where a day differs from the diary:</translation>
    </message>
    <message>
        <source>Keep the diary&apos;s values</source>
        <translation>Keep the diary&apos;s values</translation>
    </message>
    <message>
        <source>Take the imported day</source>
        <translation>Take the imported day</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Import</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>velmora::CMainFrame</name>
    <message>
        <source>Мой дневник</source>
        <translation>My Diary</translation>
    </message>
    <message>
        <source>Панель циклов</source>
        <translation>Cycle Bar</translation>
    </message>
    <message>
        <source>График циклов</source>
        <translation>Cycles Chart</translation>
    </message>
    <message>
        <source>История циклов</source>
        <translation>Cycles History</translation>
    </message>
    <message>
        <source>График температуры</source>
        <translation>Temperature Chart</translation>
    </message>
    <message>
        <source>История температуры</source>
        <translation>Temperature History</translation>
    </message>
    <message>
        <source>График веса</source>
        <translation>Weight Chart</translation>
    </message>
    <message>
        <source>История веса</source>
        <translation>Weight History</translation>
    </message>
    <message>
        <source>История сигналов</source>
        <translation>Alarm History</translation>
    </message>
    <message>
        <source>Go To Today</source>
        <translation>Go To Today</translation>
    </message>
    <message>
        <source>Выход </source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Календарь</source>
        <translation>Year View</translation>
    </message>
    <message>
        <source>Настройки программы</source>
        <translation>Program Settings</translation>
    </message>
    <message>
        <source>Шкала Вес | Рост</source>
        <translation>Weight | Height Scale</translation>
    </message>
    <message>
        <source>Зеркало</source>
        <translation>Mirror</translation>
    </message>
    <message>
        <source>Пароль</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>Помощь</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>О программе</source>
        <translation>About</translation>
    </message>
    <message>
        <source>&amp;Главное</source>
        <translation>&amp;Main</translation>
    </message>
    <message>
        <source>&amp;Сервис</source>
        <translation>&amp;Tools</translation>
    </message>
    <message>
        <source>Previous month</source>
        <translation>Previous month</translation>
    </message>
    <message>
        <source>Next month</source>
        <translation>Next month</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>&amp;Zoom</source>
        <translation>&amp;Zoom</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automatic</translation>
    </message>
    <message>
        <source>Экспорт…</source>
        <translation>Export…</translation>
    </message>
    <message>
        <source>Импорт…</source>
        <translation>Import…</translation>
    </message>
    <message>
        <source>Back up now…</source>
        <translation>Back Up Now…</translation>
    </message>
    <message>
        <source>Restore…</source>
        <translation>Restore…</translation>
    </message>
    <message>
        <source>Статистика</source>
        <translation>Statistics</translation>
    </message>
    <message>
        <source>Отчёт для врача…</source>
        <translation>Report for the Doctor…</translation>
    </message>
    <message>
        <source>Прогноз в календарь…</source>
        <translation>Predictions to a Calendar…</translation>
    </message>
</context>
<context>
    <name>velmora::CMeasureChartDlg</name>
    <message>
        <source>T</source>
        <translation>T</translation>
    </message>
    <message>
        <source>Kg.</source>
        <translation>kg</translation>
    </message>
    <message>
        <source>Lb.</source>
        <translation>lb</translation>
    </message>
    <message>
        <source>day %1: %2</source>
        <translation>day %1: %2</translation>
    </message>
    <message>
        <source>no values</source>
        <translation>no values</translation>
    </message>
    <message>
        <source>&amp;Shift</source>
        <translation>&amp;Shift</translation>
    </message>
    <message>
        <source>Show the temperature shift: information only, not contraception</source>
        <translation>Show the temperature shift: for information only, not a method of contraception</translation>
    </message>
    <message>
        <source>Shift: information only, not contraception</source>
        <translation>Shift: information only, not contraception</translation>
    </message>
    <message>
        <source>temperature shift: coverline %1, third higher day %2</source>
        <translation>temperature shift: coverline %1, third higher day %2</translation>
    </message>
</context>
<context>
    <name>velmora::CMeasureHistoryDlg</name>
    <message>
        <source>Temperature °C</source>
        <translation>Temperature °C</translation>
    </message>
    <message>
        <source>Temperature °F</source>
        <translation>Temperature °F</translation>
    </message>
    <message>
        <source>Weight, kg</source>
        <translation>Weight, kg</translation>
    </message>
    <message>
        <source>Weight, lb</source>
        <translation>Weight, lb</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Chart</source>
        <translation>Chart</translation>
    </message>
    <message>
        <source>View</source>
        <translation>View</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Delete All</source>
        <translation>Delete All</translation>
    </message>
</context>
<context>
    <name>velmora::CMyDiaryDlg</name>
    <message>
        <source>Мой дневник</source>
        <translation>My Diary</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Key</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
</context>
<context>
    <name>velmora::CPasswordDlg</name>
    <message>
        <source>Пароль:</source>
        <translation>Password:</translation>
    </message>
    <message>
        <source>Введите ваш пароль</source>
        <translation>Enter your password</translation>
    </message>
    <message>
        <source>Пароль</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>Старый пароль:</source>
        <translation>Old password:</translation>
    </message>
    <message>
        <source>Новый пароль:</source>
        <translation>New password:</translation>
    </message>
    <message>
        <source>Подтвердите пароль:</source>
        <translation>Confirm password:</translation>
    </message>
    <message>
        <source>Too many wrong passwords: wait %1 s.</source>
        <translation>Too many wrong passwords: wait %1 s.</translation>
    </message>
</context>
<context>
    <name>velmora::CScaleDlg</name>
    <message>
        <source>Calculate your ideal weight on the base of your height</source>
        <translation>Calculate your ideal weight based on your height</translation>
    </message>
    <message>
        <source>Calculate your ideal height on the base of your weight</source>
        <translation>Calculate your ideal height based on your weight</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>Height:</translation>
    </message>
    <message>
        <source>Weight:</source>
        <translation>Weight:</translation>
    </message>
    <message>
        <source>m</source>
        <translation>m</translation>
    </message>
    <message>
        <source>ft</source>
        <translation>ft</translation>
    </message>
    <message>
        <source>kg</source>
        <translation>kg</translation>
    </message>
    <message>
        <source>lb</source>
        <translation>lb</translation>
    </message>
</context>
<context>
    <name>velmora::CSettingsDlg</name>
    <message>
        <source>Опции</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Менструация, дней:</source>
        <translation>Period length, days:</translation>
    </message>
    <message>
        <source>Средняя длительность циклов:</source>
        <translation>Average cycle length:</translation>
    </message>
    <message>
        <source>Единицы измерения:</source>
        <translation>Units:</translation>
    </message>
    <message>
        <source>Неделя начинается с:</source>
        <translation>Week starts on:</translation>
    </message>
    <message>
        <source>Разделитель дней:</source>
        <translation>Date separator:</translation>
    </message>
    <message>
        <source>Формат дней:</source>
        <translation>Date format:</translation>
    </message>
    <message>
        <source>Формат времени:</source>
        <translation>Time format:</translation>
    </message>
    <message>
        <source>Скин:</source>
        <translation>Skin:</translation>
    </message>
    <message>
        <source>Летнее время</source>
        <translation>Daylight saving time</translation>
    </message>
    <message>
        <source>Звуки вкл/выкл</source>
        <translation>Sounds on/off</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>System</source>
        <translation>System</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Language:</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automatic</translation>
    </message>
    <message>
        <source>Zoom:</source>
        <translation>Zoom:</translation>
    </message>
</context>
<context>
    <name>velmora::CStatisticsDlg</name>
    <message>
        <source>Lengths</source>
        <translation>Lengths</translation>
    </message>
    <message>
        <source>Forecast</source>
        <translation>Forecast</translation>
    </message>
    <message>
        <source>Left out</source>
        <translation>Left out</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Cycles</source>
        <translation>Cycles</translation>
    </message>
    <message>
        <source>Periods</source>
        <translation>Periods</translation>
    </message>
    <message>
        <source>All</source>
        <translation>All</translation>
    </message>
    <message>
        <source>½ year</source>
        <translation>½ year</translation>
    </message>
    <message>
        <source>Used</source>
        <translation>Used</translation>
    </message>
    <message>
        <source>Mean</source>
        <translation>Mean</translation>
    </message>
    <message>
        <source>Median</source>
        <translation>Median</translation>
    </message>
    <message>
        <source>Std. dev.</source>
        <translation>Std. dev.</translation>
    </message>
    <message>
        <source>Shortest</source>
        <translation>Shortest</translation>
    </message>
    <message>
        <source>Longest</source>
        <translation>Longest</translation>
    </message>
    <message>
        <source>N/A</source>
        <translation>N/A</translation>
    </message>
    <message>
        <source>%1, %2, %3</source>
        <extracomment>What a screen reader says for one figure: the measure, cycles or periods, and the whole diary or the half year.</extracomment>
        <translation>%1, %2, %3</translation>
    </message>
    <message>
        <source>Cycle lengths in the whole diary</source>
        <translation>Cycle lengths in the whole diary</translation>
    </message>
    <message>
        <source>No counted cycles yet.</source>
        <translation>No counted cycles yet.</translation>
    </message>
    <message numerus="yes">
        <source>Length %1: %n cycle(s)</source>
        <extracomment>One bar of the histogram for a screen reader: a cycle length in days and how many cycles had it.</extracomment>
        <translation>
            <numerusform>Length %1: %n cycle</numerusform>
            <numerusform>Length %1: %n cycles</numerusform>
        </translation>
    </message>
    <message>
        <source>Next periods</source>
        <translation>Next periods</translation>
    </message>
    <message>
        <source>%1 – %2</source>
        <extracomment>A predicted start as a range: the earliest and the latest day.</extracomment>
        <translation>%1 – %2</translation>
    </message>
    <message>
        <source>No bleeding in the last half year: nothing to predict.</source>
        <translation>No bleeding in the last half year: nothing to predict.</translation>
    </message>
    <message>
        <source>Too few cycles for a range.</source>
        <translation>Too few cycles for a range.</translation>
    </message>
    <message numerus="yes">
        <source>Each range is the expected day ± %n day(s): a guide, not a promise.</source>
        <translation>
            <numerusform>Each range is the expected day ± %n day: a guide, not a promise.</numerusform>
            <numerusform>Each range is the expected day ± %n days: a guide, not a promise.</numerusform>
        </translation>
    </message>
    <message>
        <source>Usual lengths in days (Program Settings): cycle %1, period %2.</source>
        <translation>Usual lengths in days (Program Settings): cycle %1, period %2.</translation>
    </message>
    <message>
        <source>shorter than half the usual length</source>
        <translation>shorter than half the usual length</translation>
    </message>
    <message>
        <source>longer than one and a half times the usual length</source>
        <translation>longer than one and a half times the usual length</translation>
    </message>
    <message numerus="yes">
        <source>Cycle from %1, %n day(s)</source>
        <translation>
            <numerusform>Cycle from %1, %n day</numerusform>
            <numerusform>Cycle from %1, %n days</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Period from %1, %n day(s)</source>
        <translation>
            <numerusform>Period from %1, %n day</numerusform>
            <numerusform>Period from %1, %n days</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing is left out.</source>
        <translation>Nothing is left out.</translation>
    </message>
</context>
<context>
    <name>velmora::CVelmoraMFCView</name>
    <message>
        <source>today</source>
        <translation>today</translation>
    </message>
    <message>
        <source>light flow</source>
        <translation>light flow</translation>
    </message>
    <message>
        <source>normal flow</source>
        <translation>normal flow</translation>
    </message>
    <message>
        <source>heavy flow</source>
        <translation>heavy flow</translation>
    </message>
    <message>
        <source>spotting</source>
        <translation>spotting</translation>
    </message>
    <message>
        <source>expected period</source>
        <translation>expected period</translation>
    </message>
    <message>
        <source>fertile day</source>
        <translation>fertile day</translation>
    </message>
    <message>
        <source>alarm</source>
        <translation>alarm</translation>
    </message>
    <message>
        <source>sport</source>
        <translation>sport</translation>
    </message>
    <message>
        <source>sex</source>
        <translation>sex</translation>
    </message>
    <message>
        <source>bloating</source>
        <translation>bloating</translation>
    </message>
    <message>
        <source>doctor</source>
        <translation>doctor</translation>
    </message>
    <message>
        <source>protection</source>
        <translation>protection</translation>
    </message>
    <message>
        <source>PMS</source>
        <translation>PMS</translation>
    </message>
    <message>
        <source>cramps</source>
        <translation>cramps</translation>
    </message>
    <message>
        <source>ache</source>
        <translation>ache</translation>
    </message>
    <message>
        <source>note</source>
        <translation>note</translation>
    </message>
    <message>
        <source>diary</source>
        <translation>diary</translation>
    </message>
    <message>
        <source>Calendar, %1</source>
        <translation>Calendar, %1</translation>
    </message>
</context>
<context>
    <name>velmora::CYearViewDlg</name>
    <message>
        <source>Previous year</source>
        <translation>Previous year</translation>
    </message>
    <message>
        <source>January - June</source>
        <translation>January - June</translation>
    </message>
    <message>
        <source>July - December</source>
        <translation>July - December</translation>
    </message>
    <message>
        <source>Next year</source>
        <translation>Next year</translation>
    </message>
</context>
<context>
    <name>velmora::DesktopNotifier</name>
    <message>
        <source>Open</source>
        <translation>Open</translation>
    </message>
</context>
</TS>
