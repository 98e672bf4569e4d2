<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>CommandLine</name>
    <message>
        <source>The format is csv or json, not &quot;%1&quot;.</source>
        <translation>Формат — csv или json, а не «%1».</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not understood here.</source>
        <translation>«%1» здесь непонятно.</translation>
    </message>
    <message>
        <source>Which file? Name it after &quot;%1&quot;.</source>
        <translation>Какой файл? Укажите его после «%1».</translation>
    </message>
    <message>
        <source>The diary is exported to %1.</source>
        <translation>Дневник экспортирован в %1.</translation>
    </message>
    <message>
        <source>Nothing was imported.</source>
        <translation>Ничего не импортировано.</translation>
    </message>
    <message>
        <source>Too many wrong passwords: try again in %1 seconds.</source>
        <translation>Слишком много неверных паролей: попробуйте снова через %1 с.</translation>
    </message>
    <message>
        <source>Password: </source>
        <translation>Пароль: </translation>
    </message>
    <message>
        <source>The password is wrong.</source>
        <translation>Неверный пароль.</translation>
    </message>
    <message>
        <source>Velmora is running with this diary. Close it, then try again.</source>
        <translation>Velmora уже открыта с этим дневником. Закройте её и попробуйте снова.</translation>
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
        <translation>Использование:
  velmora                                     открыть дневник
  velmora export [--format csv|json] FILE    записать все дни дневника в FILE
  velmora import [--replace] [--dry-run] FILE
                                              внести дни из FILE (CSV или JSON Velmora
                                              либо CSV из drip); --dry-run только
                                              показывает, что изменится, --replace берёт
                                              день из файла, где он есть в обоих
  velmora export-ics FILE                     записать три ожидаемых начала месячных и
                                              фертильные дни в FILE для календаря
                                              (iCalendar)
  velmora backup FILE                         записать проверенную копию дневника в FILE
  velmora restore FILE                        заменить дневник резервной копией FILE
  velmora --help | --version</translation>
    </message>
    <message>
        <source>The predictions are exported to %1.</source>
        <translation>Прогноз выгружен в %1.</translation>
    </message>
</context>
<context>
    <name>Exchange</name>
    <message numerus="yes">
        <source>%n day(s) imported</source>
        <translation>
            <numerusform>Импортирован %n день</numerusform>
            <numerusform>Импортировано %n дня</numerusform>
            <numerusform>Импортировано %n дней</numerusform>
        </translation>
    </message>
    <message>
        <source>Not a date (YYYY-MM-DD): %1</source>
        <translation>Не дата (ГГГГ-ММ-ДД): %1</translation>
    </message>
    <message>
        <source>The date is outside the years %1 to %2</source>
        <translation>Дата вне лет с %1 по %2</translation>
    </message>
    <message>
        <source>The day %1 is in the file more than once (first on line %2)</source>
        <translation>День %1 встречается в файле несколько раз (впервые в строке %2)</translation>
    </message>
    <message>
        <source>Not a number: %1</source>
        <translation>Не число: %1</translation>
    </message>
    <message>
        <source>Out of range: %1</source>
        <translation>Вне допустимых значений: %1</translation>
    </message>
    <message>
        <source>Unknown value: %1</source>
        <translation>Неизвестное значение: %1</translation>
    </message>
    <message>
        <source>The text is too long for the diary (%1 characters, at most %2)</source>
        <translation>Текст слишком длинный для дневника (%1 знаков, не больше %2)</translation>
    </message>
    <message>
        <source>The text is not valid UTF-8</source>
        <translation>Текст не в кодировке UTF-8</translation>
    </message>
    <message>
        <source>Not a date and time (YYYY-MM-DDTHH:MM): %1</source>
        <translation>Не дата и время (ГГГГ-ММ-ДДTЧЧ:ММ): %1</translation>
    </message>
    <message>
        <source>An alarm needs both a type and a time</source>
        <translation>Сигналу нужны и тип, и время</translation>
    </message>
    <message>
        <source>A value is missing</source>
        <translation>Не хватает значения</translation>
    </message>
    <message>
        <source>The value has the wrong type</source>
        <translation>Значение неверного типа</translation>
    </message>
    <message>
        <source>Slot %1 is in the day more than once</source>
        <translation>Ячейка %1 встречается в дне несколько раз</translation>
    </message>
    <message>
        <source>A quoted field is not closed</source>
        <translation>Поле в кавычках не закрыто</translation>
    </message>
    <message>
        <source>A quote in the middle of a field</source>
        <translation>Кавычка посреди поля</translation>
    </message>
    <message>
        <source>The row has %1 fields, the header has %2</source>
        <translation>В строке %1 полей, в заголовке %2</translation>
    </message>
    <message>
        <source>The column %1 is in the header more than once</source>
        <translation>Столбец %1 встречается в заголовке несколько раз</translation>
    </message>
    <message>
        <source>This is neither a Velmora export (CSV or JSON) nor a drip CSV export</source>
        <translation>Это не экспорт Velmora (CSV или JSON) и не экспорт CSV из drip</translation>
    </message>
    <message>
        <source>The JSON text is not valid: %1</source>
        <translation>Ошибка в тексте JSON: %1</translation>
    </message>
    <message>
        <source>The file was written by a newer Velmora (format version %1)</source>
        <translation>Файл записан более новой версией Velmora (версия формата %1)</translation>
    </message>
    <message>
        <source>The file %1 cannot be read: %2</source>
        <translation>Не удаётся прочитать файл %1: %2</translation>
    </message>
    <message numerus="yes">
        <source>%1: %n day(s) had values Velmora has no place for</source>
        <translation>
            <numerusform>%1: %n день со значениями, которым в Velmora нет места</numerusform>
            <numerusform>%1: %n дня со значениями, которым в Velmora нет места</numerusform>
            <numerusform>%1: %n дней со значениями, которым в Velmora нет места</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: not a column Velmora knows, ignored (%n day(s) had values)</source>
        <translation>
            <numerusform>%1: неизвестный Velmora столбец, пропущен (значения в %n дне)</numerusform>
            <numerusform>%1: неизвестный Velmora столбец, пропущен (значения в %n днях)</numerusform>
            <numerusform>%1: неизвестный Velmora столбец, пропущен (значения в %n днях)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %n day(s) marked as excluded; Velmora has no exclusion and keeps the value</source>
        <translation>
            <numerusform>%1: %n день помечен как исключённый; в Velmora нет исключений, значение сохранено</numerusform>
            <numerusform>%1: %n дня помечены как исключённые; в Velmora нет исключений, значения сохранены</numerusform>
            <numerusform>%1: %n дней помечены как исключённые; в Velmora нет исключений, значения сохранены</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %n day(s) had other pains beside a headache; Velmora keeps the headache</source>
        <translation>
            <numerusform>%1: в %n дне были другие боли помимо головной; Velmora сохраняет головную</numerusform>
            <numerusform>%1: в %n днях были другие боли помимо головной; Velmora сохраняет головную</numerusform>
            <numerusform>%1: в %n днях были другие боли помимо головной; Velmora сохраняет головную</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1: %n day(s) had cervical mucus beside bleeding; Velmora keeps the bleeding</source>
        <translation>
            <numerusform>%1: в %n дне была цервикальная слизь вместе с кровотечением; Velmora сохраняет кровотечение</numerusform>
            <numerusform>%1: в %n днях была цервикальная слизь вместе с кровотечением; Velmora сохраняет кровотечение</numerusform>
            <numerusform>%1: в %n днях была цервикальная слизь вместе с кровотечением; Velmora сохраняет кровотечение</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n day(s) had nothing Velmora has a place for and are left out</source>
        <translation>
            <numerusform>%n день без данных, которые может хранить Velmora, пропущен</numerusform>
            <numerusform>%n дня без данных, которые может хранить Velmora, пропущены</numerusform>
            <numerusform>%n дней без данных, которые может хранить Velmora, пропущены</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n new day(s)</source>
        <translation>
            <numerusform>%n новый день</numerusform>
            <numerusform>%n новых дня</numerusform>
            <numerusform>%n новых дней</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n changed day(s)</source>
        <translation>
            <numerusform>%n изменённый день</numerusform>
            <numerusform>%n изменённых дня</numerusform>
            <numerusform>%n изменённых дней</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n day(s) already in the diary as they are</source>
        <translation>
            <numerusform>%n день уже есть в дневнике без изменений</numerusform>
            <numerusform>%n дня уже есть в дневнике без изменений</numerusform>
            <numerusform>%n дней уже есть в дневнике без изменений</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n day(s) with values that differ from the diary&apos;s</source>
        <translation>
            <numerusform>%n день со значениями, отличными от дневника</numerusform>
            <numerusform>%n дня со значениями, отличными от дневника</numerusform>
            <numerusform>%n дней со значениями, отличными от дневника</numerusform>
        </translation>
    </message>
    <message>
        <source>The diary cannot be read completely</source>
        <translation>Дневник не удаётся прочитать полностью</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: %2</source>
        <translation>Не удаётся записать файл %1: %2</translation>
    </message>
    <message>
        <source>The file has problems; nothing was imported</source>
        <translation>В файле есть ошибки; ничего не импортировано</translation>
    </message>
    <message>
        <source>The backup before the import failed; nothing was imported</source>
        <translation>Не удалось создать резервную копию перед импортом; ничего не импортировано</translation>
    </message>
    <message>
        <source>The disk is full; nothing was imported</source>
        <translation>Диск заполнен; ничего не импортировано</translation>
    </message>
    <message>
        <source>The diary cannot be written; nothing was imported</source>
        <translation>Не удаётся записать дневник; ничего не импортировано</translation>
    </message>
    <message>
        <source>Expected period (Velmora)</source>
        <translation>Ожидаемые месячные (Velmora)</translation>
    </message>
    <message>
        <source>Fertile window (Velmora)</source>
        <translation>Фертильные дни (Velmora)</translation>
    </message>
    <message>
        <source>Predicted by Velmora from your average cycle (%1 days) and period (%2 days). The real dates may differ.</source>
        <translation>Прогноз Velmora по вашему среднему циклу (%1 дн.) и средней длительности месячных (%2 дн.). Настоящие даты могут отличаться.</translation>
    </message>
    <message>
        <source>Predicted by Velmora from your average cycle (%1 days): the six days before the expected ovulation. Not a method of contraception.</source>
        <translation>Прогноз Velmora по вашему среднему циклу (%1 дн.): шесть дней перед ожидаемой овуляцией. Это не метод контрацепции.</translation>
    </message>
    <message>
        <source>No period is recorded in the last %1 days, so there is nothing to predict.</source>
        <translation>За последние %1 дн. месячные не отмечены, поэтому прогнозировать нечего.</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>Alarm History</source>
        <extracomment>An entry of the help&apos;s contents, and the heading of its page.</extracomment>
        <translation>История сигналов</translation>
    </message>
    <message>
        <source>Calendar View</source>
        <translation>Календарь (месяц)</translation>
    </message>
    <message>
        <source>Cycle Bar</source>
        <translation>Панель циклов</translation>
    </message>
    <message>
        <source>Cycle Chart</source>
        <translation>График циклов</translation>
    </message>
    <message>
        <source>Cycle History</source>
        <translation>История циклов</translation>
    </message>
    <message>
        <source>Day View</source>
        <translation>Просмотр дня</translation>
    </message>
    <message>
        <source>My Diary</source>
        <translation>Мой дневник</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Пароль</translation>
    </message>
    <message>
        <source>Program Settings</source>
        <translation>Настройки программы</translation>
    </message>
    <message>
        <source>Temperature Chart</source>
        <translation>График температуры</translation>
    </message>
    <message>
        <source>Temperature History</source>
        <translation>История температуры</translation>
    </message>
    <message>
        <source>Weight Chart</source>
        <translation>График веса</translation>
    </message>
    <message>
        <source>Weight History</source>
        <translation>История веса</translation>
    </message>
    <message>
        <source>Weight | Height Scale</source>
        <translation>Шкала Вес | Рост</translation>
    </message>
    <message>
        <source>Year View</source>
        <translation>Календарь</translation>
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
        <translation>На этом экране в виде таблицы показаны все будильники, заданные в программе. Выберите строку в списке и нажмите &lt;b&gt;Открыть&lt;/b&gt;, чтобы увидеть все будильники, установленные на выбранную дату. Выберите будильник и нажмите &lt;b&gt;Удалить&lt;/b&gt;, чтобы удалить выбранную запись из базы данных программы. Кнопка &lt;b&gt;Очистить&lt;/b&gt; удаляет все будильники, заданные до сих пор.</translation>
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
        <translation>Это главное окно программы и первый экран, который вы видите. Он показывает один месяц в виде календаря. Записанные дни менструации и мажущих выделений, а также предсказанные дни следующих менструаций отмечены своими цветами, как и фертильные дни вокруг каждой овуляции. Маленькие значки в клетке дня показывают, что вы записали для него: выделения, симптомы, заметку, запись дневника или будильник.

Выберите месяц и год в списках внизу или листайте месяцы кнопками со стрелками рядом с ними. Команда меню «Сегодня» возвращает к текущему месяцу.

Нажмите на день, и для него откроется &lt;b&gt;Просмотр дня&lt;/b&gt;: там вы записываете, что произошло в этот день. Когда вы вернётесь, прогноз будет рассчитан заново. Через меню открываются остальные экраны.</translation>
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
        <translation>Этот экран показывает ваши менструальные циклы по одному, в виде столбца дней: сначала дни менструации, затем остальная часть цикла до следующей менструации. Шесть фертильных дней вокруг овуляции тоже отмечены. Рядом со столбцом указаны даты начала и конца менструации, начала и конца фертильного окна и конца цикла.

Кнопками со стрелками внизу переходите к предыдущему или следующему циклу. Для будущих циклов показан прогноз программы.</translation>
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
        <translation>График циклов показывает длительность ваших циклов за год в виде столбиков. Столбик стоит в том месяце, в котором началась следующая менструация; его высота — длительность цикла в днях. Выберите год в списке внизу или листайте стрелками.</translation>
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
        <translation>На этом экране в виде таблицы показаны ваши циклы за последние два года: день начала каждого цикла, начало его фертильного окна и его длительность в днях, а в конце — средняя длительность ваших циклов. Выберите цикл и нажмите &lt;b&gt;Откр.&lt;/b&gt;, чтобы увидеть его на &lt;b&gt;Панели циклов&lt;/b&gt; со всеми датами.</translation>
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
        <translation>Это главный экран ввода данных программы: здесь вы записываете один день. Дата показана вверху; стрелки рядом с ней сохраняют день и переходят к предыдущему или следующему дню.

&lt;b&gt;Вкладка «Выделения»&lt;/b&gt;&lt;br&gt;На этой вкладке вы вводите &lt;i&gt;цервикальную слизь&lt;/i&gt;, &lt;i&gt;базальную температуру&lt;/i&gt; и &lt;i&gt;вес&lt;/i&gt;. Выберите вид выделений, чтобы отметить день; первые три отмечают дни менструации. Списки температуры и веса используют единицы измерения, выбранные в окне «Опции». Под вкладками находятся флажки дня, каждый со своим значком:&lt;br&gt;&lt;icon=221&gt;Секс&lt;br&gt;&lt;icon=214&gt;Вздутие живота&lt;br&gt;&lt;icon=223&gt;У доктора&lt;br&gt;&lt;icon=222&gt;Предохранение&lt;br&gt;&lt;icon=238&gt;Предменструальный синдром&lt;br&gt;&lt;icon=220&gt;Спазмы&lt;br&gt;&lt;icon=215&gt;Спорт&lt;br&gt;&lt;icon=218&gt;Боль&lt;br&gt;Для флажков «Спорт» и «Боль» выберите вид в их собственном списке. Всё, что показывает &lt;b&gt;Просмотр дня&lt;/b&gt;, сохраняется, когда вы сохраняете день командной панелью внизу или когда стрелки переходят к другому дню. Панель также позволяет очистить весь день или закрыть экран без сохранения.

До четырёх будильников могут напомнить вам о встречах, днях рождения, приёме таблеток и других делах этого дня. У каждого будильника есть тип и время; когда время наступает, программа показывает напоминание со звуком. Чтобы задать будильники, отметьте флажок рядом со значком будильника. Откроется окно «Будильники» с четырьмя будильниками: задайте каждому тип и время, затем нажмите &lt;b&gt;OK&lt;/b&gt;, чтобы сохранить их, или &lt;b&gt;Отмена&lt;/b&gt;, чтобы оставить всё как было. Флажок будильника остаётся отмеченным, пока на этот день задан хотя бы один будильник.

После закрытия этого экрана вы вернётесь в &lt;b&gt;Календарь&lt;/b&gt;, где сразу видны ваши изменения и новый прогноз.

&lt;b&gt;Вкладка «Заметка»&lt;/b&gt;&lt;br&gt;Здесь можно написать произвольную заметку о дне: как вы себя чувствуете, что делали или что хотите запомнить. Она сохраняется вместе с днём.

&lt;b&gt;Вкладка «Мой дневник»&lt;/b&gt;&lt;br&gt;На один день можно сделать до четырёх записей дневника. Для каждой выберите вид (парикмахер, доктор, фитнес и другие) и напишите текст. Все записи одного вида собраны вместе, новые сначала; добавлять, просматривать и удалять их можно на экране меню &lt;b&gt;Мой дневник&lt;/b&gt;.</translation>
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
        <translation>На этом экране в виде таблицы показаны записи вашего дневника. Выберите вид записей в списке внизу: парикмахер, косметолог, маникюрша, фитнес, доктор или другое. Записи этого вида перечислены с датами, новые сначала.

Нажмите &lt;b&gt;Доб.&lt;/b&gt;, чтобы добавить новую запись этого вида. Откроется небольшое окно, где вы выбираете дату и вводите текст (на один день — не больше четырёх записей). Когда закончите, нажмите &lt;b&gt;OK&lt;/b&gt;, чтобы сохранить запись, или &lt;b&gt;Отмена&lt;/b&gt;, чтобы закрыть окно без сохранения.

Выберите запись и нажмите &lt;b&gt;Откр.&lt;/b&gt;, чтобы открыть её день в окне &lt;b&gt;Просмотр дня&lt;/b&gt;: там её можно прочитать и изменить вместе с остальными данными этого дня.

Эти записи — те же записи дневника, что и на третьей вкладке окна «Просмотр дня»: запись, добавленная здесь, появится и там, и наоборот. Чтобы удалить запись, выберите её и нажмите &lt;b&gt;Удалить&lt;/b&gt;. Чтобы сразу удалить все записи этого вида, нажмите &lt;b&gt;Удалить всё&lt;/b&gt;; это действие нельзя отменить, поэтому будьте осторожны.</translation>
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
        <translation>Вы можете защитить свой дневник паролем. Введите его дважды (новый пароль и подтверждение); он будет запрашиваться при каждом запуске программы. &lt;b&gt;Обязательно запомните его: без пароля дневник не открыть, и восстановить пароль невозможно. Чтобы изменить или снять пароль, сначала введите текущий; если оставить поля нового пароля пустыми, пароль будет снят.&lt;/b&gt;</translation>
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
        <translation>В окне «Опции» задаются основные параметры программы.

Менструация, дней: обычная длительность менструации, от 3 до 12 дней.&lt;br&gt;Средняя длительность циклов: обычная длительность вашего цикла, от 23 до 35 дней. Оба значения — отправная точка прогноза следующих менструаций.&lt;br&gt;Единицы измерения: английские (градусы Фаренгейта, фунты, футы) или метрические (градусы Цельсия, килограммы, метры) для температуры, веса и шкалы.&lt;br&gt;Неделя начинается с: воскресенья или понедельника — это первый столбец календарей.&lt;br&gt;Разделитель дней и формат дней: как в списках записываются даты, сначала день или сначала месяц.&lt;br&gt;Формат времени: 24 часа или 12 часов (AM и PM) для будильников.&lt;br&gt;Скин: картинки на фоне графиков, панели циклов, шкалы и помощи.&lt;br&gt;Летнее время: Velmora учитывает его сама, флажок ничего не меняет.&lt;br&gt;Звуки вкл/выкл: щелчки кнопок и флажков.

Нажмите OK, чтобы сохранить изменения: календарь и все экраны, которые вы откроете после этого, сразу их используют. Отмена оставляет настройки без изменений. Число вне допустимого диапазона не принимается, и окно остаётся открытым.</translation>
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
        <translation>Таблица ваших записей температуры: каждый день с температурой указан с датой и значением. Выберите запись и нажмите &lt;b&gt;График&lt;/b&gt;, чтобы открыть &lt;b&gt;График температуры&lt;/b&gt; за её месяц. Кнопка &lt;b&gt;Открыть&lt;/b&gt; открывает этот день в окне &lt;b&gt;Просмотр дня&lt;/b&gt;, где его можно посмотреть или изменить. Кнопка &lt;b&gt;Удалить&lt;/b&gt; удаляет температуру выбранного дня, а &lt;b&gt;Очистить&lt;/b&gt; — все температуры, введённые до сих пор. Перед удалением программа просит подтверждения. Температура в списке показана в градусах Цельсия или Фаренгейта, как задано в окне «Опции».</translation>
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
        <translation>На этом экране показан график веса, введённого за месяц, в килограммах или фунтах, как выбрано в окне «Опции». Внизу идут дни месяца. У каждого дня с весом есть столбик, а линия соединяет их, так что можно следить за весом на протяжении цикла. Выберите месяц и год в списках внизу или листайте стрелками.</translation>
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
        <translation>На этом экране в виде таблицы показаны ваши записи веса: каждый день с весом указан со своей датой. Выберите запись и нажмите &lt;b&gt;График&lt;/b&gt;, чтобы открыть &lt;b&gt;График веса&lt;/b&gt; за её месяц. Кнопка &lt;b&gt;Открыть&lt;/b&gt; открывает этот день в окне &lt;b&gt;Просмотр дня&lt;/b&gt;, где его можно посмотреть или изменить. Кнопка &lt;b&gt;Удалить&lt;/b&gt; удаляет вес выбранного дня, а &lt;b&gt;Очистить&lt;/b&gt; — все значения веса, введённые до сих пор. Перед удалением программа просит подтверждения. Вес в списке показан в килограммах или фунтах, как задано в окне «Опции».</translation>
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
        <translation>Здесь можно рассчитать идеальный вес по вашему росту или идеальный рост для вашего веса. Широкая кнопка вверху переключает эти режимы: &lt;b&gt;Идеальный вес&lt;/b&gt; / &lt;b&gt;Идеальный рост&lt;/b&gt;. Введите рост или вес и нажмите «Рассчитать». Единицы измерения — те, что выбраны в окне «Опции».</translation>
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
        <translation>Этот экран показывает календарь на полгода: шесть месяцев, с января по июнь или с июля по декабрь. Дни менструации, предсказанные дни и фертильные дни выделены своими цветами, как и выходные. Выберите год в списке внизу. Кнопки &lt;b&gt;Янв-Июн&lt;/b&gt; и &lt;b&gt;Июл-Дек&lt;/b&gt; переключают половины года, а две кнопки &lt;b&gt;Год&lt;/b&gt; со стрелками переходят на год назад или вперёд.</translation>
    </message>
    <message>
        <source>Contents</source>
        <extracomment>The link at the bottom of each help page back to the list of pages.</extracomment>
        <translation>Содержание</translation>
    </message>
    <message>
        <source>Page %d/%d</source>
        <extracomment>Under each help page: the page&apos;s number and the number of pages, each for a %d.</extracomment>
        <translation>Стр. %d/%d</translation>
    </message>
    <message>
        <source>&lt;b&gt;Keys&lt;/b&gt;&lt;br&gt;Arrows move the day cursor, also into the month before or after; Enter or Space opens its day. Page Up and Page Down show the month before and after, with Ctrl the year. Home comes back to today. On every screen F1 opens its help, Escape closes it, Enter confirms where there is an OK, and Tab moves between the fields.</source>
        <extracomment>The keys of a screen, at the end of its help page; wrapped like the pages.</extracomment>
        <translation>&lt;b&gt;Клавиши&lt;/b&gt;&lt;br&gt;Стрелки передвигают курсор дня, в том числе в предыдущий или следующий месяц; Enter или пробел открывают этот день. Page Up и Page Down показывают предыдущий и следующий месяц, вместе с Ctrl — год. Home возвращает к сегодняшнему дню. На любом экране F1 открывает справку, Escape закрывает экран, Enter подтверждает там, где есть OK, а Tab переходит между полями.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Keys&lt;/b&gt;&lt;br&gt;Alt+Left and Alt+Right go to the day before and after, as the arrows do. Enter saves the day, Escape closes the screen without saving.</source>
        <translation>&lt;b&gt;Клавиши&lt;/b&gt;&lt;br&gt;Alt+Влево и Alt+Вправо переходят к предыдущему и следующему дню, как стрелки. Enter сохраняет день, Escape закрывает экран без сохранения.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Keys&lt;/b&gt;&lt;br&gt;Left and Right do what the arrow buttons do.</source>
        <translation>&lt;b&gt;Клавиши&lt;/b&gt;&lt;br&gt;Влево и Вправо делают то же, что кнопки со стрелками.</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Статистика</translation>
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
        <translation>График всех ваших ежедневных измерений температуры за месяц. Шкала слева — в градусах Цельсия или Фаренгейта, как выбрано в окне «Опции»; внизу идут дни месяца. У каждого дня с температурой есть столбик, а линия соединяет дни, так что подъём температуры после овуляции хорошо виден. Выберите месяц и год в списках внизу или листайте стрелками.

Флажок &lt;b&gt;Сдвиг&lt;/b&gt; внизу (Alt+С) показывает первый температурный сдвиг месяца: три дня подряд, каждый теплее всех шести дней перед ними, причём третий — не меньше чем на 0,20 градуса Цельсия выше самого высокого из шести. Зелёная пунктирная покровная линия стоит на этой самой высокой температуре, а зелёное кольцо отмечает третий повышенный день. День без измерения прерывает ряд. Сдвиг — только для сведения: это не метод контрацепции, и он не указывает безопасные дни.</translation>
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
        <translation>Ваши циклы и месячные в цифрах. Цикл длится от первого дня месячных до дня перед началом следующих; месячные — это подряд идущие дни, отмеченные как менструация.

&lt;b&gt;Длительность&lt;/b&gt;&lt;br&gt;Для циклов и для месячных, по всему дневнику («Всё») и за последние полгода («½ года»: сегодня и 180 дней до него), в днях:&lt;br&gt;Учтено — сколько вошло в расчёт;&lt;br&gt;Среднее — средняя длительность;&lt;br&gt;Медиана — срединная длительность: половина короче, половина длиннее;&lt;br&gt;Ст. откл. — насколько длительность колеблется вокруг среднего: чем меньше, тем регулярнее;&lt;br&gt;Мин. и Макс. — самая короткая и самая длинная.&lt;br&gt;Столбики показывают, сколько учтённых циклов всего дневника имели каждую длину.

&lt;b&gt;Прогноз&lt;/b&gt;&lt;br&gt;Следующие трое месячных, как их предсказывает календарь, с шагом в средний цикл последних полугода. Если за полгода три цикла или больше, каждое начало дано диапазоном: по одному дню в обе стороны, когда циклы колеблются меньше чем на полтора дня, иначе по два. Диапазоны — ориентир, а не обещание. При меньшем числе циклов показан только день.

&lt;b&gt;Не учтено&lt;/b&gt;&lt;br&gt;Цикл короче половины обычной длины цикла из окна «Опции» или длиннее полуторной её величины не входит ни в одну цифру — так же календарь не учитывает его в прогнозе; месячные — так же по обычной длительности месячных. За таким циклом часто скрываются неотмеченные месячные. Месячные, которые идут сегодня, пока не учитываются.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Keys&lt;/b&gt;&lt;br&gt;Left and Right turn the tabs while the tabs have the keyboard; Ctrl+Tab does it anywhere on the screen.</source>
        <translation>&lt;b&gt;Клавиши&lt;/b&gt;&lt;br&gt;Стрелки влево и вправо переключают вкладки, когда фокус на вкладках; Ctrl+Tab — в любом месте экрана.</translation>
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
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Password not correct!</source>
        <translation>Неверный пароль!</translation>
    </message>
    <message>
        <source>Sorry</source>
        <translation>Извините</translation>
    </message>
    <message>
        <source>To change password you must type current password!</source>
        <translation>Чтобы изменить пароль, введите текущий пароль!</translation>
    </message>
    <message>
        <source>&quot;New Password&quot; and &quot;Confirm Passowrd&quot; must be same!</source>
        <translation>«Новый пароль» и «Подтвердите пароль» должны совпадать!</translation>
    </message>
    <message>
        <source>The maximum number of notes for this day is reached. You are not able to enter more than 4 items for a day!</source>
        <translation>Достигнуто максимальное число записей за этот день. Нельзя ввести больше 4 записей за день!</translation>
    </message>
    <message>
        <source>Delete Record Error!</source>
        <translation>Ошибка удаления записи!</translation>
    </message>
    <message>
        <source>Add Record Error!</source>
        <translation>Ошибка добавления записи!</translation>
    </message>
    <message>
        <source>Can not initialize graphic buffer!</source>
        <translation>Не удаётся инициализировать графический буфер!</translation>
    </message>
    <message>
        <source>Data for years prior to 1995 can not be entered!</source>
        <translation>Нельзя вводить данные за годы до 1995!</translation>
    </message>
    <message>
        <source>At present it is not allowed to enter data for the forthcoming years!</source>
        <translation>Пока нельзя вводить данные за будущие годы!</translation>
    </message>
    <message>
        <source>Data for years prior to 1995 cannot be entered</source>
        <translation>Нельзя вводить данные за годы до 1995</translation>
    </message>
    <message>
        <source>At present you are not allowed to enter data for the forthcoming years!</source>
        <translation>Пока нельзя вводить данные за будущие годы!</translation>
    </message>
    <message>
        <source>Delete Record Error</source>
        <translation>Ошибка удаления записи</translation>
    </message>
    <message>
        <source>Add Record Error</source>
        <translation>Ошибка добавления записи</translation>
    </message>
    <message>
        <source>Add record Error!</source>
        <translation>Ошибка добавления записи!</translation>
    </message>
    <message>
        <source>Please enter a number.</source>
        <translation>Введите число.</translation>
    </message>
    <message>
        <source>Weight should be between 40 and 150 kg</source>
        <translation>Вес должен быть от 40 до 150 кг</translation>
    </message>
    <message>
        <source>Weight should be between 80 and 330 lb</source>
        <translation>Вес должен быть от 80 до 330 фунтов</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Да</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Нет</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>Повторить</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Прервать</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Пропустить</translation>
    </message>
    <message>
        <source>You should select an item from the list!</source>
        <translation>Выберите элемент из списка!</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Предупреждение</translation>
    </message>
    <message>
        <source>Are you sure you want to delete this note?</source>
        <translation>Вы действительно хотите удалить эту запись?</translation>
    </message>
    <message>
        <source>Atention</source>
        <translation>Внимание</translation>
    </message>
    <message>
        <source>Are you sure you want to delete all notes?</source>
        <translation>Вы действительно хотите удалить все записи?</translation>
    </message>
    <message>
        <source>Height must be between 1 and 2.1 meters</source>
        <translation>Рост должен быть от 1 до 2,1 м</translation>
    </message>
    <message>
        <source>Height must be between 3.3 and 6.8 feet</source>
        <translation>Рост должен быть от 3,3 до 6,8 фута</translation>
    </message>
    <message>
        <source>Weight must be between 18 and 99 kilograms</source>
        <translation>Вес должен быть от 18 до 99 кг</translation>
    </message>
    <message>
        <source>Weight must be between 40 and 218 pounds</source>
        <translation>Вес должен быть от 40 до 218 фунтов</translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation>Введите целое число.</translation>
    </message>
    <message>
        <source>Please enter an integer between %1 and %2.</source>
        <translation>Введите целое число от %1 до %2.</translation>
    </message>
    <message>
        <source>Do you really want to delete this alarm?</source>
        <translation>Вы действительно хотите удалить этот будильник?</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Подтверждение</translation>
    </message>
    <message>
        <source>Do you really want to delete all alarms?</source>
        <translation>Вы действительно хотите удалить все будильники?</translation>
    </message>
    <message>
        <source>There is no information for this year!</source>
        <translation>Нет данных за этот год!</translation>
    </message>
    <message>
        <source>CANNOT DELETE</source>
        <translation>Не удалось удалить запись.</translation>
    </message>
    <message>
        <source>CANNOT ADD</source>
        <translation>Не удалось добавить запись.</translation>
    </message>
    <message>
        <source>Do you really want to delete all records?</source>
        <translation>Вы действительно хотите удалить все записи?</translation>
    </message>
    <message>
        <source>There is no data for this month</source>
        <translation>Нет данных за этот месяц</translation>
    </message>
    <message>
        <source>Do you really want to delete the record?</source>
        <translation>Вы действительно хотите удалить запись?</translation>
    </message>
    <message>
        <source>Do you really want to delete this record?</source>
        <translation>Вы действительно хотите удалить эту запись?</translation>
    </message>
    <message>
        <source>A database already exists with the specified name.</source>
        <translation>База данных с таким именем уже существует.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>A parameter was invalid.</source>
        <translation>Недопустимый параметр.</translation>
    </message>
    <message>
        <source>The destination source does not contain enough space to create the new database.</source>
        <translation>Недостаточно места для создания новой базы данных.</translation>
    </message>
    <message>
        <source>No memory was available to allocate a database handle.</source>
        <translation>Недостаточно памяти для дескриптора базы данных.</translation>
    </message>
    <message>
        <source>There is no open database associated with handle.</source>
        <translation>С дескриптором не связана открытая база данных.</translation>
    </message>
    <message>
        <source>Attention</source>
        <translation>Внимание</translation>
    </message>
    <message>
        <source>Error in CCeDatabase::ReadCurrRecord</source>
        <translation>Ошибка в CCeDatabase::ReadCurrRecord</translation>
    </message>
    <message>
        <source>Fatal Error</source>
        <translation>Критическая ошибка</translation>
    </message>
    <message>
        <source>There is no free memory!</source>
        <translation>Недостаточно памяти!</translation>
    </message>
    <message>
        <source>No free memory</source>
        <translation>Нет свободной памяти</translation>
    </message>
    <message>
        <source>Can not write in prop-A</source>
        <translation>Не удаётся записать свойство (A)</translation>
    </message>
    <message>
        <source>Can not write in the prop!</source>
        <translation>Не удаётся записать свойство!</translation>
    </message>
    <message>
        <source>Disk is full!</source>
        <translation>Диск заполнен!</translation>
    </message>
    <message>
        <source>Invalid parameter!</source>
        <translation>Недопустимый параметр!</translation>
    </message>
    <message>
        <source>There is no open database!</source>
        <translation>Нет открытой базы данных!</translation>
    </message>
    <message>
        <source>The file is in use.</source>
        <translation>Файл уже используется.</translation>
    </message>
    <message>
        <source>Very long string??</source>
        <translation>Слишком длинный текст!</translation>
    </message>
    <message>
        <source>Open Database Error!</source>
        <translation>Ошибка открытия базы данных!</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>его не удаётся прочитать</translation>
    </message>
    <message>
        <source>The diary file
%1
cannot be used: %2.
Velmora leaves the file unchanged. To start a new diary, move the file to another folder.</source>
        <translation>Файл дневника
%1
нельзя использовать: %2.
Velmora не изменяет этот файл. Чтобы начать новый дневник, переместите файл в другую папку.</translation>
    </message>
    <message>
        <source>The diary file
%1
cannot be used: %2 (%3).
Velmora leaves the file unchanged. To start a new diary, move the file to another folder.</source>
        <translation>Файл дневника
%1
нельзя использовать: %2 (%3).
Velmora не изменяет этот файл. Чтобы начать новый дневник, переместите файл в другую папку.</translation>
    </message>
    <message>
        <source>it cannot be opened</source>
        <translation>его не удаётся открыть</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>это не обычный файл</translation>
    </message>
    <message>
        <source>it is empty</source>
        <translation>он пуст</translation>
    </message>
    <message>
        <source>it is not a Velmora diary</source>
        <translation>это не дневник Velmora</translation>
    </message>
    <message>
        <source>it is damaged</source>
        <translation>он повреждён</translation>
    </message>
    <message>
        <source>cut short</source>
        <translation>обрезан</translation>
    </message>
    <message>
        <source>The diary folder
%1
cannot be created: %2.</source>
        <translation>Папку дневника
%1
не удаётся создать: %2.</translation>
    </message>
    <message>
        <source>it was written by a newer version of Velmora</source>
        <translation>он записан более новой версией Velmora</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Будильник</translation>
    </message>
    <message>
        <source>Reminder at  %1 
%2</source>
        <translation>Напоминание на %1
%2</translation>
    </message>
    <message>
        <source>NEPRAVILEN RAZMER NA KOMPRESIRANIQT FILE</source>
        <translation>Неверный размер сжатого файла</translation>
    </message>
    <message>
        <source>The password cannot be set: there is not enough memory.</source>
        <translation>Не удаётся задать пароль: не хватает памяти.</translation>
    </message>
    <message>
        <source>Replace the diary by the backup %1?

The diary as it is now is kept as a backup first.</source>
        <translation>Заменить дневник резервной копией %1?

Текущий дневник сначала будет сохранён в резервной копии.</translation>
    </message>
    <message>
        <source>Velmora backups (*.sqlite)</source>
        <translation>Резервные копии Velmora (*.sqlite)</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Файлы CSV (*.csv)</translation>
    </message>
    <message>
        <source>JSON files (*.json)</source>
        <translation>Файлы JSON (*.json)</translation>
    </message>
    <message>
        <source>Velmora or drip exports (*.csv *.json)</source>
        <translation>Экспорт Velmora или drip (*.csv *.json)</translation>
    </message>
    <message>
        <source>The diary is exported to %1.</source>
        <translation>Дневник экспортирован в %1.</translation>
    </message>
    <message>
        <source>it cannot be written</source>
        <translation>его не удаётся записать</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>диск заполнен</translation>
    </message>
    <message>
        <source>it is the diary itself</source>
        <translation>это сам дневник</translation>
    </message>
    <message>
        <source>it is open in another program or was not closed properly</source>
        <translation>он открыт в другой программе или не был правильно закрыт</translation>
    </message>
    <message>
        <source>The diary was backed up to
%1.</source>
        <translation>Резервная копия дневника записана в
%1.</translation>
    </message>
    <message>
        <source>There is no diary to back up yet: no day has been recorded.</source>
        <translation>Копировать пока нечего: в дневнике нет ни одного дня.</translation>
    </message>
    <message>
        <source>The diary was restored from
%1.</source>
        <translation>Дневник восстановлен из
%1.</translation>
    </message>
    <message>
        <source>The diary was restored from
%1.
The diary as it was before is kept in
%2.</source>
        <translation>Дневник восстановлен из
%1.
Прежний дневник сохранён в
%2.</translation>
    </message>
    <message>
        <source>The diary file
%1
cannot be backed up: %2%3.</source>
        <translation>Файл дневника
%1
не удаётся скопировать: %2%3.</translation>
    </message>
    <message>
        <source>The backup
%1
cannot be written: %2%3.
Nothing was changed.</source>
        <translation>Резервную копию
%1
не удаётся записать: %2%3.
Ничего не изменено.</translation>
    </message>
    <message>
        <source>The file
%1
cannot be restored: %2%3.
Your diary is unchanged.</source>
        <translation>Из файла
%1
нельзя восстановить: %2%3.
Дневник не изменён.</translation>
    </message>
    <message>
        <source>A copy of the diary as it is cannot be kept in
%1
(%2%3), so it was not restored.
Your diary is unchanged.</source>
        <translation>Не удаётся сохранить копию текущего дневника в
%1
(%2%3), поэтому восстановление не выполнено.
Дневник не изменён.</translation>
    </message>
    <message>
        <source>The diary cannot be restored from
%1: %2%3.
Your diary is unchanged.</source>
        <translation>Не удаётся восстановить дневник из
%1: %2%3.
Дневник не изменён.</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Все файлы (*)</translation>
    </message>
    <message>
        <source>The diary file
%1
has file format %2, written by a newer version of Velmora; this version reads formats up to %3.
Velmora leaves the file unchanged. Use a newer version of Velmora to open it.</source>
        <translation>Файл дневника
%1
имеет формат %2: его записала более новая версия Velmora, а эта версия читает форматы до %3.
Velmora оставляет файл без изменений. Откройте его более новой версией Velmora.</translation>
    </message>
    <message>
        <source>Calendar files (*.ics)</source>
        <translation>Файлы календаря (*.ics)</translation>
    </message>
    <message>
        <source>The predictions are exported to %1.</source>
        <translation>Прогноз выгружен в %1.</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Файлы PDF (*.pdf)</translation>
    </message>
    <message>
        <source>The report is saved to %1.</source>
        <translation>Отчёт сохранён в %1.</translation>
    </message>
    <message>
        <source>The report is sent to %1.</source>
        <translation>Отчёт отправлен на %1.</translation>
    </message>
    <message>
        <source>The report cannot be printed on %1.</source>
        <translation>Отчёт не удаётся напечатать на %1.</translation>
    </message>
</context>
<context>
    <name>Names</name>
    <message>
        <source>Нет</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source>Встреча</source>
        <translation>Встреча</translation>
    </message>
    <message>
        <source>Годовщина</source>
        <translation>Годовщина</translation>
    </message>
    <message>
        <source>Дата</source>
        <translation>Свидание</translation>
    </message>
    <message>
        <source>День Р.</source>
        <translation>День Р.</translation>
    </message>
    <message>
        <source>Пати</source>
        <translation>Пати</translation>
    </message>
    <message>
        <source>Концерт</source>
        <translation>Концерт</translation>
    </message>
    <message>
        <source>Табл.</source>
        <translation>Табл.</translation>
    </message>
    <message>
        <source>Покупки</source>
        <translation>Покупки</translation>
    </message>
    <message>
        <source>Сигн.</source>
        <translation>Сигн.</translation>
    </message>
    <message>
        <source>Плавание </source>
        <translation>Плавание</translation>
    </message>
    <message>
        <source>Фитнесс</source>
        <translation>Фитнес</translation>
    </message>
    <message>
        <source>Йога</source>
        <translation>Йога</translation>
    </message>
    <message>
        <source>Теннис</source>
        <translation>Теннис</translation>
    </message>
    <message>
        <source>Волейбол</source>
        <translation>Волейбол</translation>
    </message>
    <message>
        <source>Баскетбол</source>
        <translation>Баскетбол</translation>
    </message>
    <message>
        <source>Другое</source>
        <translation>Другое</translation>
    </message>
    <message>
        <source>Зубн.боль</source>
        <translation>Зубн.боль</translation>
    </message>
    <message>
        <source>Боль в жив.</source>
        <translation>Живот</translation>
    </message>
    <message>
        <source>Головная</source>
        <translation>Головная</translation>
    </message>
    <message>
        <source>Слабые</source>
        <translation>Слабые</translation>
    </message>
    <message>
        <source>Нормальные</source>
        <translation>Нормальные</translation>
    </message>
    <message>
        <source>Обильные</source>
        <translation>Обильные</translation>
    </message>
    <message>
        <source>Межменструальн.</source>
        <translation>Мажущие</translation>
    </message>
    <message>
        <source>Мутные, Липкие</source>
        <translation>Мутные, липкие</translation>
    </message>
    <message>
        <source>Тянущиеся,Белые</source>
        <translation>Тянущ., белые</translation>
    </message>
    <message>
        <source>Парикмахер</source>
        <translation>Парикм.</translation>
    </message>
    <message>
        <source>Косметолог</source>
        <translation>Космет.</translation>
    </message>
    <message>
        <source>Маникюрша</source>
        <translation>Маникюр</translation>
    </message>
    <message>
        <source>Фитнес</source>
        <translation>Фитнес</translation>
    </message>
    <message>
        <source>Доктор</source>
        <translation>Доктор</translation>
    </message>
    <message>
        <source>Проч.</source>
        <translation>Проч.</translation>
    </message>
    <message>
        <source>English</source>
        <translation>Имперские</translation>
    </message>
    <message>
        <source>Метрич.</source>
        <translation>Метрич.</translation>
    </message>
    <message>
        <source>Воскр.</source>
        <translation>Воскр.</translation>
    </message>
    <message>
        <source>Понед.</source>
        <translation>Понед.</translation>
    </message>
    <message>
        <source>ДД/ММ/ГГГГ</source>
        <translation>ДД/ММ/ГГГГ</translation>
    </message>
    <message>
        <source>ММ/ДД/ГГГГ</source>
        <translation>ММ/ДД/ГГГГ</translation>
    </message>
    <message>
        <source>24 часа</source>
        <translation>24 часа</translation>
    </message>
    <message>
        <source>12 часов (AM/PM)</source>
        <translation>12 часов</translation>
    </message>
    <message>
        <source>Animals</source>
        <translation>Животные</translation>
    </message>
    <message>
        <source>Cartoon</source>
        <translation>Мультфильм</translation>
    </message>
    <message>
        <source>Cities</source>
        <translation>Города</translation>
    </message>
    <message>
        <source>Floral</source>
        <translation>Цветы</translation>
    </message>
    <message>
        <source>Jewels</source>
        <translation>Самоцветы</translation>
    </message>
    <message>
        <source>Men</source>
        <translation>Мужчины</translation>
    </message>
    <message>
        <source>Nature</source>
        <translation>Природа</translation>
    </message>
    <message>
        <source>Jan</source>
        <translation>Янв</translation>
    </message>
    <message>
        <source>Feb</source>
        <translation>Фев</translation>
    </message>
    <message>
        <source>Mar</source>
        <translation>Мар</translation>
    </message>
    <message>
        <source>Apr</source>
        <translation>Апр</translation>
    </message>
    <message>
        <source>May</source>
        <translation>Май</translation>
    </message>
    <message>
        <source>Jun</source>
        <translation>Июн</translation>
    </message>
    <message>
        <source>Jul</source>
        <translation>Июл</translation>
    </message>
    <message>
        <source>Aug</source>
        <translation>Авг</translation>
    </message>
    <message>
        <source>Sep</source>
        <translation>Сен</translation>
    </message>
    <message>
        <source>Oct</source>
        <translation>Окт</translation>
    </message>
    <message>
        <source>Nov</source>
        <translation>Ноя</translation>
    </message>
    <message>
        <source>Dec</source>
        <translation>Дек</translation>
    </message>
    <message>
        <source>January</source>
        <translation>Январь</translation>
    </message>
    <message>
        <source>February</source>
        <translation>Февраль</translation>
    </message>
    <message>
        <source>March</source>
        <translation>Март</translation>
    </message>
    <message>
        <source>April</source>
        <translation>Апрель</translation>
    </message>
    <message>
        <source>June</source>
        <translation>Июнь</translation>
    </message>
    <message>
        <source>July</source>
        <translation>Июль</translation>
    </message>
    <message>
        <source>August</source>
        <translation>Август</translation>
    </message>
    <message>
        <source>September</source>
        <translation>Сентябрь</translation>
    </message>
    <message>
        <source>October</source>
        <translation>Октябрь</translation>
    </message>
    <message>
        <source>November</source>
        <translation>Ноябрь</translation>
    </message>
    <message>
        <source>December</source>
        <translation>Декабрь</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source>Appointment</source>
        <translation>Встреча</translation>
    </message>
    <message>
        <source>Anniversary</source>
        <translation>Годовщина</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Свидание</translation>
    </message>
    <message>
        <source>Birthday</source>
        <translation>День Р.</translation>
    </message>
    <message>
        <source>Party</source>
        <translation>Пати</translation>
    </message>
    <message>
        <source>Concert</source>
        <translation>Концерт</translation>
    </message>
    <message>
        <source>Pill</source>
        <translation>Табл.</translation>
    </message>
    <message>
        <source>Shopping</source>
        <translation>Покупки</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Сигн.</translation>
    </message>
</context>
<context>
    <name>Title</name>
    <message>
        <source>Calendar View</source>
        <translation>Календарь (месяц)</translation>
    </message>
    <message>
        <source>Day View</source>
        <translation>Просмотр дня</translation>
    </message>
    <message>
        <source>My Diary</source>
        <translation>Мой дневник</translation>
    </message>
    <message>
        <source>Cycle Bar</source>
        <translation>Панель циклов</translation>
    </message>
    <message>
        <source>Cycles Chart</source>
        <translation>График циклов</translation>
    </message>
    <message>
        <source>Cycles History</source>
        <translation>История циклов</translation>
    </message>
    <message>
        <source>Year View</source>
        <translation>Календарь</translation>
    </message>
    <message>
        <source>Temperature Chart</source>
        <translation>График температуры</translation>
    </message>
    <message>
        <source>Weight Chart</source>
        <translation>График веса</translation>
    </message>
    <message>
        <source>Temperature History</source>
        <translation>История температуры</translation>
    </message>
    <message>
        <source>Weight History</source>
        <translation>История веса</translation>
    </message>
    <message>
        <source>Alarm History</source>
        <translation>История сигналов</translation>
    </message>
    <message>
        <source>Program Settings</source>
        <translation>Настройки программы</translation>
    </message>
    <message>
        <source>Weight|Height Scale</source>
        <translation>Шкала Вес | Рост</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Помощь</translation>
    </message>
    <message>
        <source>Mirror</source>
        <translation>Зеркало</translation>
    </message>
    <message>
        <source>Пароль</source>
        <translation>Пароль</translation>
    </message>
    <message>
        <source>Alarms History</source>
        <translation>История сигналов</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Экспорт</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Импорт</translation>
    </message>
    <message>
        <source>Back Up</source>
        <translation>Резервная копия</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Восстановление</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Статистика</translation>
    </message>
    <message>
        <source>Report for the Doctor</source>
        <translation>Отчёт для врача</translation>
    </message>
    <message>
        <source>Predictions</source>
        <translation>Прогноз</translation>
    </message>
</context>
<context>
    <name>velmora::CAboutDlg</name>
    <message>
        <source>О программе</source>
        <translation>О программе</translation>
    </message>
</context>
<context>
    <name>velmora::CAddNoteDlg</name>
    <message>
        <source>Добавить запись</source>
        <translation>Добавить запись</translation>
    </message>
    <message>
        <source>Дата:</source>
        <translation>Дата:</translation>
    </message>
    <message>
        <source>Запись:</source>
        <translation>Запись:</translation>
    </message>
</context>
<context>
    <name>velmora::CAlarmHistoryDlg</name>
    <message>
        <source>Date</source>
        <translation>Дата</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Тип</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Время</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Открыть</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Delete All</source>
        <translation>Очистить</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Справка</translation>
    </message>
</context>
<context>
    <name>velmora::CAlarmSetupDlg</name>
    <message>
        <source>Будильники</source>
        <translation>Будильники</translation>
    </message>
    <message>
        <source>Типы будильников</source>
        <translation>Типы будильников</translation>
    </message>
    <message>
        <source>Время срабатывания:</source>
        <translation>Время срабатывания:</translation>
    </message>
</context>
<context>
    <name>velmora::CChartDlg</name>
    <message>
        <source>Previous</source>
        <translation>Назад</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Вперёд</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Помощь</translation>
    </message>
</context>
<context>
    <name>velmora::CCycleBar</name>
    <message>
        <source>Previous</source>
        <translation>Назад</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Вперёд</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Помощь</translation>
    </message>
    <message>
        <source>There is not enough information!</source>
        <translation>Недостаточно данных!</translation>
    </message>
    <message>
        <source>Start Menstruation (%1)</source>
        <translation>Начало менструации (%1)</translation>
    </message>
    <message>
        <source>End Menstruation (%1)</source>
        <translation>Конец менструации (%1)</translation>
    </message>
    <message>
        <source>This is an abnormal cycle!</source>
        <translation>Это аномальный цикл!</translation>
    </message>
    <message>
        <source>End Cycle (%1)</source>
        <translation>Конец цикла (%1)</translation>
    </message>
    <message>
        <source>Start Ovulation (%1)</source>
        <translation>Начало овуляции (%1)</translation>
    </message>
    <message>
        <source>End Ovulation (%1)</source>
        <translation>Конец овуляции (%1)</translation>
    </message>
</context>
<context>
    <name>velmora::CCycleChartDlg</name>
    <message>
        <source>day</source>
        <translation>дн.</translation>
    </message>
    <message>
        <source>JFMAMJJASOND</source>
        <extracomment>The first letters of the twelve months, January to December: exactly twelve letters.</extracomment>
        <translation>ЯФМАМИИАСОНД</translation>
    </message>
    <message>
        <source>%1: %2 days</source>
        <translation>%1: %2 дн.</translation>
    </message>
    <message>
        <source>no cycles</source>
        <translation>нет циклов</translation>
    </message>
</context>
<context>
    <name>velmora::CCycleHistoryDlg</name>
    <message>
        <source>View</source>
        <translation>Открыть</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Помощь</translation>
    </message>
    <message>
        <source>Start Date</source>
        <translation>Начало</translation>
    </message>
    <message>
        <source>Start Ovulation</source>
        <translation>Нач. овуляции</translation>
    </message>
    <message>
        <source>Lenght</source>
        <translation>Длина</translation>
    </message>
    <message>
        <source>N/A</source>
        <translation>Н/Д</translation>
    </message>
    <message>
        <source>Average cycle lenght:%1</source>
        <translation>Средняя длина цикла: %1</translation>
    </message>
    <message>
        <source>Cycle History</source>
        <translation>История циклов</translation>
    </message>
</context>
<context>
    <name>velmora::CDayViewDlg</name>
    <message>
        <source>Просмотр дня</source>
        <translation>Просмотр дня</translation>
    </message>
    <message>
        <source>Fluids  </source>
        <translation>Выделения</translation>
    </message>
    <message>
        <source>Note   </source>
        <translation>Заметка</translation>
    </message>
    <message>
        <source>My Diary </source>
        <translation>Дневник</translation>
    </message>
    <message>
        <source>Секс</source>
        <translation>Секс</translation>
    </message>
    <message>
        <source>Вздутие живота</source>
        <translation>Вздутие живота</translation>
    </message>
    <message>
        <source>У доктора</source>
        <translation>У доктора</translation>
    </message>
    <message>
        <source>Предохр.</source>
        <translation>Предохр.</translation>
    </message>
    <message>
        <source>Предменстр. синдром</source>
        <translation>ПМС</translation>
    </message>
    <message>
        <source>Спазмы</source>
        <translation>Спазмы</translation>
    </message>
    <message>
        <source>Правка</source>
        <translation>Правка</translation>
    </message>
    <message>
        <source>Save and close</source>
        <translation>Сохранить и закрыть</translation>
    </message>
    <message>
        <source>Clear the day</source>
        <translation>Очистить день</translation>
    </message>
    <message>
        <source>Close without saving</source>
        <translation>Закрыть без сохранения</translation>
    </message>
</context>
<context>
    <name>velmora::CDoctorReport</name>
    <message>
        <source>From %1 to %2</source>
        <translation>С %1 по %2</translation>
    </message>
    <message numerus="yes">
        <source>%n complete cycle(s) and the cycle running now</source>
        <translation>
            <numerusform>%n полный цикл и текущий цикл</numerusform>
            <numerusform>%n полных цикла и текущий цикл</numerusform>
            <numerusform>%n полных циклов и текущий цикл</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n complete cycle(s)</source>
        <translation>
            <numerusform>%n полный цикл</numerusform>
            <numerusform>%n полных цикла</numerusform>
            <numerusform>%n полных циклов</numerusform>
        </translation>
    </message>
    <message>
        <source>Usual cycle %1 days, usual period %2 days (as set in the program)</source>
        <translation>Обычный цикл %1 дн., обычные месячные %2 дн. (как задано в программе)</translation>
    </message>
    <message>
        <source>Made on %1</source>
        <translation>Составлен %1</translation>
    </message>
    <message>
        <source>Cycles</source>
        <translation>Циклы</translation>
    </message>
    <message>
        <source>No bleeding was recorded in this period.</source>
        <translation>За этот период кровотечения не отмечены.</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Начало</translation>
    </message>
    <message>
        <source>Period, days</source>
        <translation>Месячные, дн.</translation>
    </message>
    <message>
        <source>Cycle, days</source>
        <translation>Цикл, дн.</translation>
    </message>
    <message>
        <source>Left out of the statistics</source>
        <translation>Не учтено в статистике</translation>
    </message>
    <message>
        <source>cycle too short</source>
        <translation>цикл слишком короткий</translation>
    </message>
    <message>
        <source>cycle too long</source>
        <translation>цикл слишком длинный</translation>
    </message>
    <message>
        <source>period too short</source>
        <translation>месячные слишком короткие</translation>
    </message>
    <message>
        <source>period too long</source>
        <translation>месячные слишком длинные</translation>
    </message>
    <message>
        <source>running, day %1</source>
        <translation>идёт, день %1</translation>
    </message>
    <message>
        <source>running</source>
        <translation>идут</translation>
    </message>
    <message>
        <source>not complete yet</source>
        <translation>ещё не завершён</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Статистика</translation>
    </message>
    <message>
        <source>Length in days</source>
        <translation>Длительность в днях</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Число</translation>
    </message>
    <message>
        <source>Mean</source>
        <translation>Среднее</translation>
    </message>
    <message>
        <source>Median</source>
        <translation>Медиана</translation>
    </message>
    <message>
        <source>SD</source>
        <translation>СО</translation>
    </message>
    <message>
        <source>Shortest</source>
        <translation>Мин.</translation>
    </message>
    <message>
        <source>Longest</source>
        <translation>Макс.</translation>
    </message>
    <message>
        <source>Cycles of this report</source>
        <translation>Циклы этого отчёта</translation>
    </message>
    <message>
        <source>Cycles of the whole diary</source>
        <translation>Циклы всего дневника</translation>
    </message>
    <message>
        <source>Periods of this report</source>
        <translation>Месячные этого отчёта</translation>
    </message>
    <message>
        <source>Periods of the whole diary</source>
        <translation>Месячные всего дневника</translation>
    </message>
    <message>
        <source>Cycles and periods left out (see above) are not counted. SD: sample standard deviation.</source>
        <translation>Неучтённые циклы и месячные (см. выше) не входят в расчёт. СО: выборочное стандартное отклонение.</translation>
    </message>
    <message>
        <source>Predicted starts</source>
        <translation>Ожидаемые начала месячных</translation>
    </message>
    <message>
        <source>No start can be predicted yet.</source>
        <translation>Начало пока нельзя предсказать.</translation>
    </message>
    <message>
        <source>%1 to %2 (most likely %3)</source>
        <translation>с %1 по %2 (вероятнее всего %3)</translation>
    </message>
    <message>
        <source>Ranges need at least three counted cycles in the last half year.</source>
        <translation>Для диапазонов нужно не менее трёх учтённых циклов за последние полгода.</translation>
    </message>
    <message>
        <source>Temperature and weight</source>
        <translation>Температура и вес</translation>
    </message>
    <message>
        <source>No temperature or weight was recorded in this month.</source>
        <translation>В этом месяце температура и вес не записаны.</translation>
    </message>
    <message>
        <source>No temperature was recorded in this month.</source>
        <translation>В этом месяце температура не записана.</translation>
    </message>
    <message>
        <source>No weight was recorded in this month.</source>
        <translation>В этом месяце вес не записан.</translation>
    </message>
    <message>
        <source>Day by day</source>
        <translation>По дням</translation>
    </message>
    <message>
        <source>Nothing was recorded in this period.</source>
        <translation>За этот период ничего не записано.</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Дата</translation>
    </message>
    <message>
        <source>Flow</source>
        <translation>Выделения</translation>
    </message>
    <message>
        <source>Temperature, %1</source>
        <translation>Температура, %1</translation>
    </message>
    <message>
        <source>Weight, %1</source>
        <translation>Вес, %1</translation>
    </message>
    <message>
        <source>Symptoms</source>
        <translation>Симптомы</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Заметки</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Страница %1 из %2</translation>
    </message>
    <message>
        <source>The report cannot be written to %1: %2</source>
        <translation>Не удаётся записать отчёт в %1: %2</translation>
    </message>
</context>
<context>
    <name>velmora::CDoctorReportDlg</name>
    <message>
        <source>The report lists the last cycles and the one running now, their statistics, the predicted starts, each month&apos;s temperature and weight, and every day with an entry.</source>
        <translation>В отчёте — последние циклы и текущий, их статистика, ожидаемые начала месячных, температура и вес за каждый месяц и все дни с записями.</translation>
    </message>
    <message>
        <source>Cycles:</source>
        <translation>Циклы:</translation>
    </message>
    <message numerus="yes">
        <source>the last %n</source>
        <translation>
            <numerusform>последний %n</numerusform>
            <numerusform>последние %n</numerusform>
            <numerusform>последние %n</numerusform>
        </translation>
    </message>
    <message>
        <source>Save PDF…</source>
        <translation>Сохранить PDF…</translation>
    </message>
    <message>
        <source>Print…</source>
        <translation>Печать…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
</context>
<context>
    <name>velmora::CFluidsTempWeightPage</name>
    <message>
        <source>Выделения:</source>
        <translation>Выделения:</translation>
    </message>
    <message>
        <source>Температура:</source>
        <translation>Температура:</translation>
    </message>
    <message>
        <source>Вес:</source>
        <translation>Вес:</translation>
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
        <translation>кг</translation>
    </message>
    <message>
        <source>lb</source>
        <translation>фнт</translation>
    </message>
</context>
<context>
    <name>velmora::CImageButton</name>
    <message>
        <source>Add</source>
        <translation>Добавить</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Рассчитать</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Delete all</source>
        <translation>Удалить всё</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Вниз</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Вверх</translation>
    </message>
    <message>
        <source>Ideal height</source>
        <translation>Идеальный рост</translation>
    </message>
    <message>
        <source>Ideal weight</source>
        <translation>Идеальный вес</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Справка</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Назад</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Вперёд</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Открыть</translation>
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
        <translation>Файл: %1</translation>
    </message>
    <message>
        <source>Problems (nothing can be imported until they are mended):</source>
        <translation>Ошибки (импорт невозможен, пока они не исправлены):</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Строка %1: %2</translation>
    </message>
    <message>
        <source>Where a day differs from the diary:</source>
        <translation>Если день отличается от дневника:</translation>
    </message>
    <message>
        <source>Keep the diary&apos;s values</source>
        <translation>Оставить значения дневника</translation>
    </message>
    <message>
        <source>Take the imported day</source>
        <translation>Взять день из файла</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Импорт</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>velmora::CMainFrame</name>
    <message>
        <source>Мой дневник</source>
        <translation>Мой дневник</translation>
    </message>
    <message>
        <source>Панель циклов</source>
        <translation>Панель циклов</translation>
    </message>
    <message>
        <source>График циклов</source>
        <translation>График циклов</translation>
    </message>
    <message>
        <source>История циклов</source>
        <translation>История циклов</translation>
    </message>
    <message>
        <source>График температуры</source>
        <translation>График температуры</translation>
    </message>
    <message>
        <source>История температуры</source>
        <translation>История температуры</translation>
    </message>
    <message>
        <source>График веса</source>
        <translation>График веса</translation>
    </message>
    <message>
        <source>История веса</source>
        <translation>История веса</translation>
    </message>
    <message>
        <source>История сигналов</source>
        <translation>История сигналов</translation>
    </message>
    <message>
        <source>Go To Today</source>
        <translation>Сегодня</translation>
    </message>
    <message>
        <source>Выход </source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>Календарь</source>
        <translation>Календарь</translation>
    </message>
    <message>
        <source>Настройки программы</source>
        <translation>Настройки программы</translation>
    </message>
    <message>
        <source>Шкала Вес | Рост</source>
        <translation>Шкала Вес | Рост</translation>
    </message>
    <message>
        <source>Зеркало</source>
        <translation>Зеркало</translation>
    </message>
    <message>
        <source>Пароль</source>
        <translation>Пароль</translation>
    </message>
    <message>
        <source>Помощь</source>
        <translation>Помощь</translation>
    </message>
    <message>
        <source>О программе</source>
        <translation>О программе</translation>
    </message>
    <message>
        <source>&amp;Главное</source>
        <translation>&amp;Главное</translation>
    </message>
    <message>
        <source>&amp;Сервис</source>
        <translation>&amp;Сервис</translation>
    </message>
    <message>
        <source>Previous month</source>
        <translation>Предыдущий месяц</translation>
    </message>
    <message>
        <source>Next month</source>
        <translation>Следующий месяц</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Помощь</translation>
    </message>
    <message>
        <source>&amp;Zoom</source>
        <translation>&amp;Масштаб</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Автоматически</translation>
    </message>
    <message>
        <source>Экспорт…</source>
        <translation>Экспорт…</translation>
    </message>
    <message>
        <source>Импорт…</source>
        <translation>Импорт…</translation>
    </message>
    <message>
        <source>Back up now…</source>
        <translation>Создать резервную копию…</translation>
    </message>
    <message>
        <source>Restore…</source>
        <translation>Восстановить…</translation>
    </message>
    <message>
        <source>Статистика</source>
        <translation>Статистика</translation>
    </message>
    <message>
        <source>Отчёт для врача…</source>
        <translation>Отчёт для врача…</translation>
    </message>
    <message>
        <source>Прогноз в календарь…</source>
        <translation>Прогноз в календарь…</translation>
    </message>
</context>
<context>
    <name>velmora::CMeasureChartDlg</name>
    <message>
        <source>T</source>
        <translation>Т</translation>
    </message>
    <message>
        <source>Kg.</source>
        <translation>кг</translation>
    </message>
    <message>
        <source>Lb.</source>
        <translation>фнт</translation>
    </message>
    <message>
        <source>day %1: %2</source>
        <translation>%1-е число: %2</translation>
    </message>
    <message>
        <source>no values</source>
        <translation>нет значений</translation>
    </message>
    <message>
        <source>&amp;Shift</source>
        <translation>&amp;Сдвиг</translation>
    </message>
    <message>
        <source>Show the temperature shift: information only, not contraception</source>
        <translation>Показать температурный сдвиг: только для сведения, не метод контрацепции</translation>
    </message>
    <message>
        <source>Shift: information only, not contraception</source>
        <translation>Сдвиг: для сведения, не контрацепция</translation>
    </message>
    <message>
        <source>temperature shift: coverline %1, third higher day %2</source>
        <translation>температурный сдвиг: покровная линия %1, третий повышенный день %2</translation>
    </message>
</context>
<context>
    <name>velmora::CMeasureHistoryDlg</name>
    <message>
        <source>Temperature °C</source>
        <translation>Температура °C</translation>
    </message>
    <message>
        <source>Temperature °F</source>
        <translation>Температура °F</translation>
    </message>
    <message>
        <source>Weight, kg</source>
        <translation>Вес, кг</translation>
    </message>
    <message>
        <source>Weight, lb</source>
        <translation>Вес, фнт</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Дата</translation>
    </message>
    <message>
        <source>Chart</source>
        <translation>График</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Открыть</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Delete All</source>
        <translation>Очистить</translation>
    </message>
</context>
<context>
    <name>velmora::CMyDiaryDlg</name>
    <message>
        <source>Мой дневник</source>
        <translation>Мой дневник</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Дата</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Запись</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Ключ</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Помощь</translation>
    </message>
</context>
<context>
    <name>velmora::CPasswordDlg</name>
    <message>
        <source>Пароль:</source>
        <translation>Пароль:</translation>
    </message>
    <message>
        <source>Введите ваш пароль</source>
        <translation>Введите ваш пароль</translation>
    </message>
    <message>
        <source>Пароль</source>
        <translation>Пароль</translation>
    </message>
    <message>
        <source>Старый пароль:</source>
        <translation>Старый пароль:</translation>
    </message>
    <message>
        <source>Новый пароль:</source>
        <translation>Новый пароль:</translation>
    </message>
    <message>
        <source>Подтвердите пароль:</source>
        <translation>Подтвердите пароль:</translation>
    </message>
    <message>
        <source>Too many wrong passwords: wait %1 s.</source>
        <translation>Слишком много неверных паролей: подождите %1 с.</translation>
    </message>
</context>
<context>
    <name>velmora::CScaleDlg</name>
    <message>
        <source>Calculate your ideal weight on the base of your height</source>
        <translation>Расчёт идеального веса по вашему росту</translation>
    </message>
    <message>
        <source>Calculate your ideal height on the base of your weight</source>
        <translation>Расчёт идеального роста по вашему весу</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Помощь</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>Рост:</translation>
    </message>
    <message>
        <source>Weight:</source>
        <translation>Вес:</translation>
    </message>
    <message>
        <source>m</source>
        <translation>м</translation>
    </message>
    <message>
        <source>ft</source>
        <translation>фт</translation>
    </message>
    <message>
        <source>kg</source>
        <translation>кг</translation>
    </message>
    <message>
        <source>lb</source>
        <translation>фнт</translation>
    </message>
</context>
<context>
    <name>velmora::CSettingsDlg</name>
    <message>
        <source>Опции</source>
        <translation>Опции</translation>
    </message>
    <message>
        <source>Менструация, дней:</source>
        <translation>Менструация, дней:</translation>
    </message>
    <message>
        <source>Средняя длительность циклов:</source>
        <translation>Средняя длительность циклов:</translation>
    </message>
    <message>
        <source>Единицы измерения:</source>
        <translation>Единицы измерения:</translation>
    </message>
    <message>
        <source>Неделя начинается с:</source>
        <translation>Неделя начинается с:</translation>
    </message>
    <message>
        <source>Разделитель дней:</source>
        <translation>Разделитель даты:</translation>
    </message>
    <message>
        <source>Формат дней:</source>
        <translation>Формат даты:</translation>
    </message>
    <message>
        <source>Формат времени:</source>
        <translation>Формат времени:</translation>
    </message>
    <message>
        <source>Скин:</source>
        <translation>Скин:</translation>
    </message>
    <message>
        <source>Летнее время</source>
        <translation>Летнее время</translation>
    </message>
    <message>
        <source>Звуки вкл/выкл</source>
        <translation>Звуки вкл/выкл</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Помощь</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Системный</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Язык:</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Автоматически</translation>
    </message>
    <message>
        <source>Zoom:</source>
        <translation>Масштаб:</translation>
    </message>
</context>
<context>
    <name>velmora::CStatisticsDlg</name>
    <message>
        <source>Lengths</source>
        <translation>Длительность</translation>
    </message>
    <message>
        <source>Forecast</source>
        <translation>Прогноз</translation>
    </message>
    <message>
        <source>Left out</source>
        <translation>Не учтено</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Помощь</translation>
    </message>
    <message>
        <source>Cycles</source>
        <translation>Циклы</translation>
    </message>
    <message>
        <source>Periods</source>
        <translation>Месячные</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Всё</translation>
    </message>
    <message>
        <source>½ year</source>
        <translation>½ года</translation>
    </message>
    <message>
        <source>Used</source>
        <translation>Учтено</translation>
    </message>
    <message>
        <source>Mean</source>
        <translation>Среднее</translation>
    </message>
    <message>
        <source>Median</source>
        <translation>Медиана</translation>
    </message>
    <message>
        <source>Std. dev.</source>
        <translation>Ст. откл.</translation>
    </message>
    <message>
        <source>Shortest</source>
        <translation>Мин.</translation>
    </message>
    <message>
        <source>Longest</source>
        <translation>Макс.</translation>
    </message>
    <message>
        <source>N/A</source>
        <translation>—</translation>
    </message>
    <message>
        <source>%1, %2, %3</source>
        <extracomment>What a screen reader says for one figure: the measure, cycles or periods, and the whole diary or the half year.</extracomment>
        <translation>%1, %2, %3</translation>
    </message>
    <message>
        <source>Cycle lengths in the whole diary</source>
        <translation>Длина циклов во всём дневнике</translation>
    </message>
    <message>
        <source>No counted cycles yet.</source>
        <translation>Учтённых циклов пока нет.</translation>
    </message>
    <message numerus="yes">
        <source>Length %1: %n cycle(s)</source>
        <extracomment>One bar of the histogram for a screen reader: a cycle length in days and how many cycles had it.</extracomment>
        <translation>
            <numerusform>Длина %1: %n цикл</numerusform>
            <numerusform>Длина %1: %n цикла</numerusform>
            <numerusform>Длина %1: %n циклов</numerusform>
        </translation>
    </message>
    <message>
        <source>Next periods</source>
        <translation>Следующие месячные</translation>
    </message>
    <message>
        <source>%1 – %2</source>
        <extracomment>A predicted start as a range: the earliest and the latest day.</extracomment>
        <translation>%1 – %2</translation>
    </message>
    <message>
        <source>No bleeding in the last half year: nothing to predict.</source>
        <translation>За последние полгода месячных не было: прогнозировать нечего.</translation>
    </message>
    <message>
        <source>Too few cycles for a range.</source>
        <translation>Слишком мало циклов для диапазона.</translation>
    </message>
    <message numerus="yes">
        <source>Each range is the expected day ± %n day(s): a guide, not a promise.</source>
        <translation>
            <numerusform>Каждый диапазон — ожидаемый день ± %n день: ориентир, а не обещание.</numerusform>
            <numerusform>Каждый диапазон — ожидаемый день ± %n дня: ориентир, а не обещание.</numerusform>
            <numerusform>Каждый диапазон — ожидаемый день ± %n дней: ориентир, а не обещание.</numerusform>
        </translation>
    </message>
    <message>
        <source>Usual lengths in days (Program Settings): cycle %1, period %2.</source>
        <translation>Обычная длительность в днях (Опции): цикл %1, месячные %2.</translation>
    </message>
    <message>
        <source>shorter than half the usual length</source>
        <translation>короче половины обычной длительности</translation>
    </message>
    <message>
        <source>longer than one and a half times the usual length</source>
        <translation>длиннее полуторной обычной длительности</translation>
    </message>
    <message numerus="yes">
        <source>Cycle from %1, %n day(s)</source>
        <translation>
            <numerusform>Цикл с %1, %n день</numerusform>
            <numerusform>Цикл с %1, %n дня</numerusform>
            <numerusform>Цикл с %1, %n дней</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Period from %1, %n day(s)</source>
        <translation>
            <numerusform>Месячные с %1, %n день</numerusform>
            <numerusform>Месячные с %1, %n дня</numerusform>
            <numerusform>Месячные с %1, %n дней</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing is left out.</source>
        <translation>Всё учтено.</translation>
    </message>
</context>
<context>
    <name>velmora::CVelmoraMFCView</name>
    <message>
        <source>today</source>
        <translation>сегодня</translation>
    </message>
    <message>
        <source>light flow</source>
        <translation>скудные выделения</translation>
    </message>
    <message>
        <source>normal flow</source>
        <translation>умеренные выделения</translation>
    </message>
    <message>
        <source>heavy flow</source>
        <translation>обильные выделения</translation>
    </message>
    <message>
        <source>spotting</source>
        <translation>мажущие выделения</translation>
    </message>
    <message>
        <source>expected period</source>
        <translation>ожидаемая менструация</translation>
    </message>
    <message>
        <source>fertile day</source>
        <translation>фертильный день</translation>
    </message>
    <message>
        <source>alarm</source>
        <translation>напоминание</translation>
    </message>
    <message>
        <source>sport</source>
        <translation>спорт</translation>
    </message>
    <message>
        <source>sex</source>
        <translation>секс</translation>
    </message>
    <message>
        <source>bloating</source>
        <translation>вздутие</translation>
    </message>
    <message>
        <source>doctor</source>
        <translation>врач</translation>
    </message>
    <message>
        <source>protection</source>
        <translation>защита</translation>
    </message>
    <message>
        <source>PMS</source>
        <translation>ПМС</translation>
    </message>
    <message>
        <source>cramps</source>
        <translation>спазмы</translation>
    </message>
    <message>
        <source>ache</source>
        <translation>боль</translation>
    </message>
    <message>
        <source>note</source>
        <translation>заметка</translation>
    </message>
    <message>
        <source>diary</source>
        <translation>дневник</translation>
    </message>
    <message>
        <source>Calendar, %1</source>
        <translation>Календарь, %1</translation>
    </message>
</context>
<context>
    <name>velmora::CYearViewDlg</name>
    <message>
        <source>Previous year</source>
        <translation>Предыдущий год</translation>
    </message>
    <message>
        <source>January - June</source>
        <translation>Январь - июнь</translation>
    </message>
    <message>
        <source>July - December</source>
        <translation>Июль - декабрь</translation>
    </message>
    <message>
        <source>Next year</source>
        <translation>Следующий год</translation>
    </message>
</context>
<context>
    <name>velmora::DesktopNotifier</name>
    <message>
        <source>Open</source>
        <translation>Открыть</translation>
    </message>
</context>
</TS>
