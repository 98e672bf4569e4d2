// A person's first weeks with the program, end to end: an empty diary, the cycle set up,
// a period entered day by day, a temperature, a weight, an alarm and a diary note; every
// report looked at; a temperature deleted; the skin and units changed; a password set; the
// program ended and started again behind its password. Everything goes through the
// program's own windows; the store is read only to check what they left in it.

#include <QCheckBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <map>
#include <tuple>

#include "app/importdlg.h"
#include "app/passworddlg.h"
#include "cycle/monthmodel.h"
#include "gfx/pictures.h"
#include "gfx/screenbuffer.h"
#include "platform/backup.h"
#include "platform/datapaths.h"
#include "platform/objectstore.h"
#include "reports/alarmhistorydlg.h"
#include "reports/cyclebar.h"
#include "reports/cyclechartdlg.h"
#include "reports/cyclehistorydlg.h"
#include "reports/measurechartdlg.h"
#include "reports/measurehistorydlg.h"
#include "reports/yearviewdlg.h"
#include "store/password.h"
#include "tests/app/journey.h"
#include "ui/addnotedlg.h"
#include "ui/alarmsetupdlg.h"
#include "ui/kit/reporttable.h"
#include "ui/mydiarydlg.h"

namespace velmora {
namespace {

using test::Control;
using test::Decoded;
using test::Press;
using test::Shows;
using test::ShowsRows;

using Rows = std::vector<QStringList>;

Rows RowsOf(const CReportTable& table) {
    Rows rows;
    for (int i = 0; i < table.RowCount(); ++i) {
        rows.push_back(table.TextsAt(i));
    }
    return rows;
}

// How many pixels of `shown` (a window surface) are the pixels of picture `pic`.
int SamePixels(const QImage& shown, const CFastBitmap& pic) {
    const GraphicBuffer& s = *pic.Surface();
    int same = 0;
    for (int y = 0; y < static_cast<int>(s.Height()); ++y) {
        for (int x = 0; x < static_cast<int>(s.Width()); ++x) {
            const QColor c = shown.pixelColor(x, y);
            same += Rgb565(c.red(), c.green(), c.blue()) == s.GetPixel(x, y);
        }
    }
    return same;
}

class JourneyTest : public test::JourneyTest {
protected:
    // What the temperature chart shows for the month on show: its surface and labels.
    struct ChartView {
        QImage surface;
        QStringList labels;
        std::optional<int> point;
    };
    ChartView LookAtChart(int command, const QString& item, const QString& title, int day) {
        ChartView view;
        OpenFromMenu(command, item, title, [&](QDialog& d) {
            auto& chart = dynamic_cast<CMeasureChartDlg&>(d);
            EXPECT_EQ(chart.ShownMonth(), 12);
            EXPECT_EQ(chart.ShownYear(), 2026);
            view.surface = chart.Screen().WindowSurface().copy();
            view.labels = chart.ScaleLabels();
            view.point = chart.PointY(day);
        });
        return view;
    }
};

TEST_F(JourneyTest, FromAnEmptyDiaryThroughEveryScreenToARestartBehindThePassword) {
    const std::string storeFile = DataPaths::StoreFile();
    Start();
    EXPECT_FALSE(test::FileExists(storeFile));
    EXPECT_EQ(SelectedMonth(), 12);

    // --- The cycle: four days of bleeding in a cycle of thirty.
    SetCycle(4, 30);
    EXPECT_EQ(AppSettings.MenstrualDays, 4);
    EXPECT_EQ(AppSettings.CycleLength, 30);

    // --- A period of five days from Monday 16 November, entered with Next; a temperature
    // on its first day and a weight on its second.
    RecordPeriod(2026, 11, 16, 5, 2, [](CDayViewDlg& s, int i) {
        const QString expected = QString::asprintf("%02d.11.2026", 16 + i);
        EXPECT_EQ(s.DateText(), expected);
        if (i == 0) {
            Control<QComboBox>(&s, kDayViewCelsiusId)->setCurrentIndex(13);  // 36.60
        } else if (i == 1) {
            Control<QLineEdit>(&s, kDayViewWeightId)->setText("62.5");
        }
    });
    for (int d = 16; d <= 20; ++d) {
        auto day = Stored(2026, 11, d);
        ASSERT_NE(day, nullptr) << d;
        EXPECT_EQ(day->m_fluid, 2) << d;
        EXPECT_EQ(day->m_date, CTime(2026, 11, d, 12, 0, 0));
    }
    EXPECT_EQ(Stored(2026, 11, 16)->m_temperature, 36.6);
    EXPECT_EQ(Stored(2026, 11, 17)->m_weight, 62.5);
    EXPECT_EQ(Stored(2026, 11, 21), nullptr);

    // --- December: a temperature and a weight on the 4th, an alarm on the 8th.
    StepTo(12, 2026);
    TapDay(4, [](CDayViewDlg& s) {
        Control<QComboBox>(&s, kDayViewCelsiusId)->setCurrentIndex(19);  // 36.90
        Control<QLineEdit>(&s, kDayViewWeightId)->setText("61");
        s.CommandBar()->ToolButton(kCmdDayViewSave)->click();
    });
    TapDay(8, [](CDayViewDlg& s) {
        QueueModalHook([](QDialog& setup) {
            EXPECT_EQ(setup.objectName(), QString::number(kAlarmSetupTemplateId));
            Control<QComboBox>(&setup, kAlarmTypeListIds[1])->setCurrentIndex(7);
            Control<QDateTimeEdit>(&setup, kAlarmTimePickerIds[1])->setTime(QTime(18, 45));
            Press(&setup, IDOK);
        });
        Control<QCheckBox>(&s, kDayViewAlarmId)->click();
        EXPECT_TRUE(Control<QCheckBox>(&s, kDayViewAlarmId)->isChecked());
        s.CommandBar()->ToolButton(kCmdDayViewSave)->click();
    });
    auto alarmDay = Stored(2026, 12, 8);
    ASSERT_NE(alarmDay, nullptr);
    EXPECT_TRUE(alarmDay->m_alarm);
    EXPECT_EQ(alarmDay->m_alarmType, (std::array<uint16_t, 4>{0, 7, 0, 0}));
    EXPECT_EQ(alarmDay->m_alarmTime[1], CTime(2026, 12, 8, 18, 45, 0));

    // --- A fitness note for the 3rd, added in My Diary.
    OpenFromMenu(kCmdMyDiary, "Мой дневник", "My Diary", [](QDialog& d) {
        auto& diary = dynamic_cast<CMyDiaryDlg&>(d);
        Control<QComboBox>(&d, kMyDiaryKindId)->setCurrentIndex(3);
        EXPECT_EQ(Control<QComboBox>(&d, kMyDiaryKindId)->currentText(), "Фитнес");
        QueueModalHook([](QDialog& note) {
            Control<QDateEdit>(&note, kAddNoteDateId)->setDate(QDate(2026, 12, 3));
            Control<QPlainTextEdit>(&note, kAddNoteTextId)->setPlainText("бассейн 1 км");
            Press(&note, IDOK);
        });
        Press(&d, kMyDiaryAddId);
        EXPECT_EQ(RowsOf(*diary.List()), (Rows{{"03.12.2026", "бассейн 1 км", "20261203"}}));
    });
    auto noteDay = Stored(2026, 12, 3);
    ASSERT_NE(noteDay, nullptr);
    EXPECT_EQ(noteDay->m_diaryType[0], 4);
    EXPECT_EQ(noteDay->m_diaryText[0], u"бассейн 1 км");
    EXPECT_EQ(boxes.Count(), 0u) << boxes.Texts()[0];
    // Eight days were touched, each stored once under its own date.
    std::map<std::tuple<int, int, int>, int> records;
    CVelmoraMFCDoc walk;
    walk.ForEachDay([&](CVelmoraMFCDoc& d) {
        const LocalTime t = d.m_date.Local();
        ++records[{t.year, t.month, t.day}];
        return true;
    });
    EXPECT_EQ(records, (std::map<std::tuple<int, int, int>, int>{{{2026, 11, 16}, 1},
                                                                 {{2026, 11, 17}, 1},
                                                                 {{2026, 11, 18}, 1},
                                                                 {{2026, 11, 19}, 1},
                                                                 {{2026, 11, 20}, 1},
                                                                 {{2026, 12, 3}, 1},
                                                                 {{2026, 12, 4}, 1},
                                                                 {{2026, 12, 8}, 1}}));

    // --- The calendar. November: the five days in their bleeding cells with the flow icon.
    StepTo(11, 2026);
    {
        const GraphicBuffer& b = Drawn();
        const auto bleeding = Decoded(kPicCellMenstruation, 32, 48);
        const auto normal = Decoded(kIconNormalFlow, 10, 10);
        for (int d = 15; d <= 21; ++d) {
            const QPoint c = CellCorner(2026, 11, d);
            const bool period = d >= 16 && d <= 20;
            EXPECT_EQ(ShowsRows(b, *bleeding, c.x() + 3, c.y() + 18, 44, 47), period) << d;
            EXPECT_EQ(Shows(b, *normal, c.x() + kCalendarIconSlots[0].dx,
                            c.y() + kCalendarIconSlots[0].dy, true),
                      period)
                << d;
        }
    }
    // December: the alarm and the note in their slots, and the next period predicted thirty
    // days after the last one began: 16 to 20 December.
    StepTo(12, 2026);
    {
        const GraphicBuffer& b = Drawn();
        const QPoint eighth = CellCorner(2026, 12, 8);
        EXPECT_TRUE(Shows(b, *Decoded(kIconAlarm, 10, 10), eighth.x() + kCalendarIconSlots[1].dx,
                          eighth.y() + kCalendarIconSlots[1].dy, true));
        const QPoint third = CellCorner(2026, 12, 3);
        const auto diary = Decoded(kIconDiary, 10, 10);
        int diaryIcons = 0;
        for (const IconSlot& slot : kCalendarIconSlots) {
            diaryIcons += Shows(b, *diary, third.x() + slot.dx, third.y() + slot.dy, true);
        }
        EXPECT_EQ(diaryIcons, 1);
        const auto predicted = Decoded(kIconPredictedFlow, 10, 10);
        for (int d = 14; d <= 22; ++d) {
            const QPoint c = CellCorner(2026, 12, d);
            const bool expected = d >= 16 && d <= 20;
            EXPECT_EQ(GetFlowClass(View().Marks()[d - 1]) == kFlowPredicted, expected) << d;
            EXPECT_EQ(Shows(b, *predicted, c.x() + kCalendarIconSlots[0].dx,
                            c.y() + kCalendarIconSlots[0].dy, true),
                      expected)
                << d;
        }
    }

    // --- Every report from the menus, one fact each.
    OpenFromMenu(kCmdCycleBar, "Панель циклов", "Cycle Bar", [](QDialog& d) {
        // From the 1st of this month the bar finds the next bleeding, the predicted one;
        // Previous goes back to the recorded one, which the predicted one ends.
        auto& bar = dynamic_cast<CCycleBar&>(d);
        auto labels = [&bar] {
            QStringList texts;
            for (const CCycleBar::Label& l : bar.Labels()) {
                texts << l.text;
            }
            return texts;
        };
        ASSERT_FALSE(bar.Labels().empty());
        EXPECT_EQ(labels().value(0), "Start Menstruation (Dec, 16 2026)");
        bar.CommandBar()->ToolButton(kCmdCycleBarPrevious)->click();
        EXPECT_EQ(labels().value(0), "Start Menstruation (Nov, 16 2026)");
        EXPECT_TRUE(labels().contains("End Menstruation (Nov, 20 2026)"))
            << labels().join("|").toStdString();
        EXPECT_TRUE(labels().contains("End Cycle (Dec, 16 2026)"))
            << labels().join("|").toStdString();
        EXPECT_TRUE(bar.Marked(11, 15));   // 16 November
        EXPECT_FALSE(bar.Marked(11, 20));  // 21 November
    });
    OpenFromMenu(kCmdCycleHistory, "История циклов", "Cycles History", [](QDialog& d) {
        auto& history = dynamic_cast<CCycleHistoryDlg&>(d);
        ASSERT_EQ(history.Table()->RowCount(), 1);
        EXPECT_EQ(history.Table()->TextsAt(0).mid(0, 3), (QStringList{"16.11.2026", "N/A", "N/A"}));
        EXPECT_EQ(history.AverageText(), "Average cycle lenght:N/A");
    });
    OpenFromMenu(kCmdCycleChart, "График циклов", "Cycles Chart", [](QDialog& d) {
        // One cycle that has not ended: its days are read, but no bar stands yet.
        auto& chart = dynamic_cast<CCycleChartDlg&>(d);
        EXPECT_EQ(chart.ShownYear(), 2026);
        EXPECT_TRUE(chart.Marked(11, 16));
        EXPECT_TRUE(chart.Marked(11, 20));
        EXPECT_FALSE(chart.Marked(11, 21));
        EXPECT_TRUE(chart.Bars().empty());
    });
    const ChartView celsius =
        LookAtChart(kCmdTemperatureChart, "График температуры", "Temperature Chart", 4);
    EXPECT_EQ(celsius.point, CMeasureChartDlg::TemperatureY(36.9));
    ASSERT_FALSE(celsius.labels.empty());
    EXPECT_EQ(celsius.labels.front(), "38.00");
    const ChartView kilograms = LookAtChart(kCmdWeightChart, "График веса", "Weight Chart", 4);
    EXPECT_EQ(kilograms.point, CMeasureChartDlg::WeightY(61));
    ASSERT_FALSE(kilograms.labels.empty());
    EXPECT_EQ(kilograms.labels.front(), "150");
    OpenFromMenu(kCmdWeightHistory, "История веса", "Weight History", [](QDialog& d) {
        auto& history = dynamic_cast<CWeightHistoryDlg&>(d);
        const Rows rows = RowsOf(*history.Table());
        ASSERT_EQ(rows.size(), 2u);
        EXPECT_EQ(rows[0].mid(0, 2), (QStringList{"17.11.2026", "62.50"}));
        EXPECT_EQ(rows[1].mid(0, 2), (QStringList{"04.12.2026", "61.00"}));
    });
    OpenFromMenu(kCmdAlarmHistory, "История сигналов", "Alarm History", [](QDialog& d) {
        auto& history = dynamic_cast<CAlarmHistoryDlg&>(d);
        ASSERT_EQ(history.Table()->RowCount(), 1);
        EXPECT_EQ(history.Table()->TextsAt(0).mid(0, 3),
                  (QStringList{"08.12.2026", "Pill", "18:45"}));
    });
    OpenFromMenu(kCmdYearView, "Календарь", "Year View", [](QDialog& d) {
        auto& year = dynamic_cast<CYearViewDlg&>(d);
        EXPECT_EQ(year.Year(), 2026);
        // Row 11 is November, row 12 December; columns are days from 0.
        EXPECT_EQ(year.DayFlags(11, 15) & (CYearViewDlg::kMenstruation | CYearViewDlg::kPredicted),
                  CYearViewDlg::kMenstruation);
        EXPECT_EQ(year.DayFlags(12, 15) & (CYearViewDlg::kMenstruation | CYearViewDlg::kPredicted),
                  CYearViewDlg::kMenstruation | CYearViewDlg::kPredicted);
        EXPECT_EQ(year.DayFlags(12, 14) & CYearViewDlg::kMenstruation, 0);
    });

    // --- The temperature of 16 November deleted in its history; the day keeps its flow.
    OpenFromMenu(kCmdTemperatureHistory, "История температуры", "Temperature History",
                 [&](QDialog& d) {
                     auto& history = dynamic_cast<CTemperatureHistoryDlg&>(d);
                     const Rows before = RowsOf(*history.Table());
                     ASSERT_EQ(before.size(), 2u);
                     EXPECT_EQ(before[0].mid(0, 2), (QStringList{"16.11.2026", "36.60"}));
                     EXPECT_EQ(before[1].mid(0, 2), (QStringList{"04.12.2026", "36.90"}));
                     history.Table()->SelectRow(0);
                     boxes.Script({IDYES});
                     Control<QToolButton>(&d, kCmdHistoryDelete)->click();
                     ASSERT_EQ(history.Table()->RowCount(), 1);
                     EXPECT_EQ(history.Table()->TextsAt(0).value(0), "04.12.2026");
                 });
    ASSERT_EQ(boxes.Count(), 1u);
    EXPECT_EQ(boxes.Boxes()[0].buttons, MbButtons::YesNo);
    boxes.Clear();
    EXPECT_EQ(Stored(2026, 11, 16)->m_temperature, 0.0);
    EXPECT_EQ(Stored(2026, 11, 16)->m_fluid, 2);
    EXPECT_EQ(Stored(2026, 12, 4)->m_temperature, 36.9);

    // --- Another skin and English units: the charts change their backgrounds and scales.
    OpenFromMenu(kCmdSettings, "Настройки программы", "Program Settings", [](QDialog& d) {
        Control<QComboBox>(&d, kSettingsSkinId)->setCurrentIndex(0);   // Animals
        Control<QComboBox>(&d, kSettingsUnitsId)->setCurrentIndex(0);  // English
        Press(&d, IDOK);
    });
    EXPECT_EQ(AppSettings.Skin, 0);
    EXPECT_EQ(AppSettings.UnitsFormat, 0);
    const ChartView fahrenheit =
        LookAtChart(kCmdTemperatureChart, "График температуры", "Temperature Chart", 4);
    const auto floral = Decoded(SkinBackgroundId(SkinnedScreen::TemperatureChart, 3), 240, 268);
    const auto animals = Decoded(SkinBackgroundId(SkinnedScreen::TemperatureChart, 0), 240, 268);
    // Most of a chart is its background; the frame and labels cover the rest.
    const int whole = 240 * 268;
    EXPECT_GT(SamePixels(celsius.surface, *floral), whole / 2);
    EXPECT_LT(SamePixels(celsius.surface, *animals), whole / 4);
    EXPECT_GT(SamePixels(fahrenheit.surface, *animals), whole / 2);
    EXPECT_LT(SamePixels(fahrenheit.surface, *floral), whole / 4);
    ASSERT_FALSE(fahrenheit.labels.empty());
    EXPECT_EQ(fahrenheit.labels.front(), "100.40");
    EXPECT_EQ(fahrenheit.point, celsius.point);  // the value stands where it stood
    const ChartView pounds = LookAtChart(kCmdWeightChart, "График веса", "Weight Chart", 4);
    ASSERT_FALSE(pounds.labels.empty());
    EXPECT_EQ(pounds.labels.front(), "331");
    const auto weightAnimals = Decoded(SkinBackgroundId(SkinnedScreen::WeightChart, 0), 240, 268);
    EXPECT_GT(SamePixels(pounds.surface, *weightAnimals), whole / 2);
    OpenFromMenu(kCmdWeightHistory, "История веса", "Weight History", [](QDialog& d) {
        auto& history = dynamic_cast<CWeightHistoryDlg&>(d);
        EXPECT_EQ(history.Table()->headerItem()->text(1), "Weight, lb");
        EXPECT_EQ(history.Table()->TextsAt(1).value(1), "134.7");  // 61 kg at 0.453 kg a pound
    });
    EXPECT_EQ(Stored(2026, 12, 4)->m_weight, 61.0);  // still stored in kilograms

    // --- A password, set on its screen.
    OpenFromMenu(kCmdPassword, "Пароль", "Пароль", [](QDialog& d) {
        Control<QLineEdit>(&d, kNewPasswordEditId)->setText("Mimosa7");
        Control<QLineEdit>(&d, kConfirmPasswordEditId)->setText("Mimosa7");
        Press(&d, IDOK);
        EXPECT_FALSE(d.isVisible());
    });
    EXPECT_TRUE(PasswordMatches(AppSettings.PasswordHash, "Mimosa7"));
    EXPECT_EQ(boxes.Count(), 0u) << boxes.Texts()[0];

    // --- "Выход ": the window closes, and the exit routine runs once the loop ends.
    Menu(kCmdExit, "Выход ");
    EXPECT_FALSE(Frame().isVisible());
    app.reset();
    ASSERT_EQ(scheduler->calls.size(), 1u);
    EXPECT_FALSE(scheduler->calls[0].withdraw);
    EXPECT_EQ(scheduler->calls[0].when, CTime(2026, 12, 8, 18, 45, 0));
    EXPECT_EQ(profile->Raw("Velmora", "AlarmType"), "7");
    EXPECT_EQ(profile->Raw("Velmora", "PasswordHash"), AppSettings.PasswordHash);
    EXPECT_EQ(profile->Raw("Velmora", "CycleLength"), "30");
    EXPECT_EQ(profile->Raw("Velmora", "MenstrualDays"), "4");
    EXPECT_EQ(profile->Raw("Velmora", "Skin"), "0");
    EXPECT_EQ(profile->Raw("Velmora", "UnitsFormat"), "0");
    EXPECT_EQ(profile->Raw("Velmora", "MyDiaryType"), "3");

    // --- The next start, as a new process would find things: the settings from the store,
    // the password asked for, once wrong and then right.
    ObjectStore::CloseThreadConnection();
    AppSettings = VelmoraSettings();
    QStringList prompts;
    bool windowBeforePassword = false;
    for (const char* typed : {"mimosa7", "Mimosa7"}) {
        QueueModalHook([&, typed](QDialog& d) {
            prompts << d.windowTitle();
            windowBeforePassword |= app && app->MainFrame() != nullptr;
            Control<QLineEdit>(&d, kPromptPasswordEditId)->setText(QString::fromUtf8(typed));
            Press(&d, IDOK);
        });
    }
    Start();
    EXPECT_EQ(PendingModalHooks(), 0);
    EXPECT_EQ(prompts, QStringList(2, "Введите ваш пароль"));
    EXPECT_FALSE(windowBeforePassword);
    EXPECT_EQ(app->PasswordPromptResult(), kPromptAccepted);
    EXPECT_EQ(boxes.Texts(), std::vector<std::string>{"Password not correct!"});
    EXPECT_EQ(AppSettings.CycleLength, 30);
    EXPECT_EQ(AppSettings.Skin, 0);
    EXPECT_EQ(AppSettings.UnitsFormat, 0);
    // The diary is as it was left: the prediction stands, the deleted temperature is gone.
    EXPECT_EQ(GetFlowClass(View().Marks()[15]), kFlowPredicted);
    EXPECT_NE(View().Marks()[7].events & kEventAlarm, 0);
    OpenFromMenu(kCmdTemperatureHistory, "История температуры", "Temperature History",
                 [](QDialog& d) {
                     auto& history = dynamic_cast<CTemperatureHistoryDlg&>(d);
                     ASSERT_EQ(history.Table()->RowCount(), 1);
                     EXPECT_EQ(history.Table()->TextsAt(0).value(1), "98.4");  // 36.9 °C
                 });
    app.reset();
    ASSERT_EQ(scheduler->calls.size(), 2u);
    EXPECT_EQ(scheduler->calls[1].when, CTime(2026, 12, 8, 18, 45, 0));
}

// The diary out and back in through the menus: export, import with its preview (a file
// with a problem cannot be imported, a good one replaces a changed day), back up now, and
// restore after a question.
TEST_F(JourneyTest, TheDiaryGoesOutAndComesBackThroughTheMenus) {
    Start();
    auto save = [](int d, int16_t fluid) {
        CVelmoraMFCDoc day;
        day.OpenDay(2026, 12, d);
        day.m_fluid = fluid;
        ASSERT_EQ(day.SaveDay(), SaveDayResult::Saved);
    };
    save(1, 2);
    const QString folder = QString::fromStdString(home->Root());
    // A file screen (Qt's own): the name typed, then Enter.
    // `next` drives the screen the file opens, when there is one.
    auto choose = [](const QString& path, ModalHook next = {}) {
        return [path, next](QDialog& d) {
            if (next) {
                QueueModalHook(next);
            }
            d.findChild<QLineEdit*>("fileNameEdit")->setText(path);
            QTest::keyClick(d.findChild<QLineEdit*>("fileNameEdit"), Qt::Key_Return);
        };
    };
    OpenFromMenu(kCmdExport, "Экспорт…", "Export", choose(folder + "/out.csv"));
    const std::string exported = test::ReadFileBytes(home->Root() + "/out.csv");
    ASSERT_NE(exported.find("2026-12-01"), std::string::npos)
        << testing::PrintToString(boxes.Texts());
    // The predictions from the bleeding of 1 December, for another calendar.
    OpenFromMenu(kCmdExportPredictions, "Прогноз в календарь…", "Predictions",
                 choose(folder + "/next.ics"));
    EXPECT_EQ(boxes.Texts().back(),
              "The predictions are exported to " + home->Root() + "/next.ics.");
    EXPECT_NE(
        test::ReadFileBytes(home->Root() + "/next.ics").find("UID:velmora-period-2026-12-01-1"),
        std::string::npos);

    test::WriteFileBytes(home->Root() + "/bad.csv", "date,bleeding.value\n2026-12-02,9\n");
    std::string bad = exported;
    bad.replace(bad.find("2026-12-01"), 10, "2026-12-03");  // one more day
    test::WriteFileBytes(home->Root() + "/more.csv", exported + bad.substr(bad.find("\r\n") + 2));
    struct Case {
        const char* file;
        const char* report;  // a line of the preview
        bool canImport;
    };
    for (const Case& c : {Case{"bad.csv", "Line 2: 2026-12-02, bleeding.value", false},
                          Case{"more.csv", "1 new day", true}}) {
        SCOPED_TRACE(c.file);
        auto preview = [&](QDialog& preview) {
            const QString report =
                preview.findChild<QPlainTextEdit*>(QString::number(kImportReportId))->toPlainText();
            EXPECT_TRUE(report.contains(c.report)) << report.toStdString();
            auto* import = preview.findChild<QPushButton*>(QString::number(IDOK));
            EXPECT_EQ(import->isEnabled(), c.canImport);
            preview.findChild<QRadioButton*>(QString::number(kImportReplaceId))->setChecked(true);
            import->click();
            if (preview.isVisible()) {
                preview.reject();  // nothing to import: Cancel
            }
        };
        OpenFromMenu(kCmdImport, "Импорт…", "Import", choose(folder + "/" + c.file, preview));
    }
    EXPECT_EQ(boxes.Texts().back(), "1 day imported");
    CVelmoraMFCDoc doc;
    EXPECT_TRUE(doc.OpenDay(2026, 12, 3));
    EXPECT_EQ(doc.m_fluid, 2);
    EXPECT_EQ(test::FileExists(BackupDir()), true);  // the copy the import took first

    OpenFromMenu(kCmdBackupNow, "Back up now…", "Back Up", choose(folder + "/copy.sqlite"));
    DiaryFileProblem why;
    EXPECT_TRUE(CheckDiaryFile(home->Root() + "/copy.sqlite", why));
    save(5, 3);
    boxes.Script({IDYES});
    OpenFromMenu(kCmdRestore, "Restore…", "Restore", choose(folder + "/copy.sqlite"));
    EXPECT_FALSE(doc.OpenDay(2026, 12, 5)) << "the day saved after the backup is gone";
    EXPECT_TRUE(doc.OpenDay(2026, 12, 3));
}

}  // namespace
}  // namespace velmora
