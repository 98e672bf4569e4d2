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
#include "tests/support/refimage.h"
#include "ui/addnotedlg.h"
#include "ui/alarmsetupdlg.h"
#include "ui/kit/reporttable.h"
#include "ui/mydiarydlg.h"

namespace velmora {
namespace {

using test::Control;
using test::Press;

using Rows = std::vector<QStringList>;

Rows RowsOf(const CReportTable& table) {
    Rows rows;
    for (int i = 0; i < table.RowCount(); ++i) {
        rows.push_back(table.TextsAt(i));
    }
    return rows;
}

// How many pixels of `shown` (a window surface) are those of the skin's background `id`.
int SamePixels(const QImage& shown, int id) {
    const auto pic = test::Decoded(id, 240, 268);
    int same = 0;
    for (int y = 0; y < 268; ++y) {
        for (int x = 0; x < 240; ++x) {
            const QColor c = shown.pixelColor(x, y);
            same += Rgb565(c.red(), c.green(), c.blue()) == pic->Surface()->GetPixel(x, y);
        }
    }
    return same;
}

class JourneyTest : public test::JourneyTest {
protected:
    // What a measurement chart shows for December 2026: its surface, labels and the
    // height of the value of `day`.
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
        EXPECT_FALSE(view.labels.empty());
        return view;
    }
    // The rows of a history screen opened from its menu item.
    template <class Screen>
    Rows History(int command, const QString& item, const QString& title) {
        Rows rows;
        OpenFromMenu(command, item, title,
                     [&](QDialog& d) { rows = RowsOf(*dynamic_cast<Screen&>(d).Table()); });
        return rows;
    }
};

TEST_F(JourneyTest, FromAnEmptyDiaryThroughEveryScreenToARestartBehindThePassword) {
    Step("an empty diary opens on this month");
    Start();
    EXPECT_FALSE(test::FileExists(DataPaths::StoreFile()));
    EXPECT_EQ(SelectedMonth(), 12);

    Step("four days of bleeding in a cycle of thirty, set in Program Settings");
    SetCycle(4, 30);
    EXPECT_EQ(AppSettings.MenstrualDays, 4);
    EXPECT_EQ(AppSettings.CycleLength, 30);

    Step("a period from Monday 16 November entered with Next, with a temperature and a weight");
    RecordPeriod(2026, 11, 16, 5, 2, [](CDayViewDlg& s, int i) {
        EXPECT_EQ(s.DateText(), QString::asprintf("%02d.11.2026", 16 + i));
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

    Step("a temperature and a weight on 4 December, an alarm on the 8th");
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

    Step("a fitness note for 3 December added in My Diary");
    OpenFromMenu(kCmdMyDiary, "Мой дневник", "My Diary", [](QDialog& d) {
        Control<QComboBox>(&d, kMyDiaryKindId)->setCurrentIndex(3);
        EXPECT_EQ(Control<QComboBox>(&d, kMyDiaryKindId)->currentText(), "Фитнес");
        QueueModalHook([](QDialog& note) {
            Control<QDateEdit>(&note, kAddNoteDateId)->setDate(QDate(2026, 12, 3));
            Control<QPlainTextEdit>(&note, kAddNoteTextId)->setPlainText("бассейн 1 км");
            Press(&note, IDOK);
        });
        Press(&d, kMyDiaryAddId);
        EXPECT_EQ(RowsOf(*dynamic_cast<CMyDiaryDlg&>(d).List()),
                  (Rows{{"03.12.2026", "бассейн 1 км", "20261203"}}));
    });
    auto noteDay = Stored(2026, 12, 3);
    ASSERT_NE(noteDay, nullptr);
    EXPECT_EQ(noteDay->m_diaryType[0], 4);
    EXPECT_EQ(noteDay->m_diaryText[0], u"бассейн 1 км");
    EXPECT_EQ(boxes.Count(), 0u) << boxes.Texts()[0];
    // Eight days were touched, each stored once under its own date.
    std::vector<CTime> records, touched;
    CVelmoraMFCDoc walk;
    walk.ForEachDay([&](CVelmoraMFCDoc& d) {
        records.push_back(d.m_date);
        return true;
    });
    std::sort(records.begin(), records.end());
    for (int d : {16, 17, 18, 19, 20}) {
        touched.push_back(CTime(2026, 11, d, 12, 0, 0));
    }
    for (int d : {3, 4, 8}) {
        touched.push_back(CTime(2026, 12, d, 12, 0, 0));
    }
    EXPECT_EQ(records, touched);

    // November: the five days in their bleeding cells with the flow icon. December: the alarm
    // and the note in their slots, and the next period predicted thirty days after the last
    // one began, 16 to 20 December.
    Step("the calendar shows the period, the alarm, the note and the prediction");
    for (int month : {11, 12}) {
        StepTo(month, 2026);
        View().DrawMonth();
        test::ExpectMatchesReference(View().grab().toImage(),
                                     "app/data/journey-2026-" + std::to_string(month) + ".png");
    }
    for (int d = 14; d <= 22; ++d) {
        EXPECT_EQ(GetFlowClass(View().Marks()[d - 1]) == kFlowPredicted, d >= 16 && d <= 20) << d;
    }

    Step("the cycle reports");
    OpenFromMenu(kCmdCycleBar, "Панель циклов", "Cycle Bar", [](QDialog& d) {
        // From the 1st of this month the bar finds the next bleeding, the predicted one;
        // Previous goes back to the recorded one, which the predicted one ends.
        auto& bar = dynamic_cast<CCycleBar&>(d);
        auto labels = [&bar] {
            QStringList texts;
            for (const CCycleBar::Label& l : bar.Labels()) {
                texts << l.text;
            }
            return texts.join("|").toStdString() + "|";
        };
        EXPECT_EQ(labels().rfind("Start Menstruation (Dec, 16 2026)|", 0), 0u) << labels();
        bar.CommandBar()->ToolButton(kCmdCycleBarPrevious)->click();
        EXPECT_EQ(labels().rfind("Start Menstruation (Nov, 16 2026)|", 0), 0u) << labels();
        EXPECT_NE(labels().find("|End Menstruation (Nov, 20 2026)|"), std::string::npos)
            << labels();
        EXPECT_NE(labels().find("|End Cycle (Dec, 16 2026)|"), std::string::npos) << labels();
        EXPECT_TRUE(bar.Marked(11, 15));   // 16 November
        EXPECT_FALSE(bar.Marked(11, 20));  // 21 November
    });
    OpenFromMenu(kCmdCycleHistory, "История циклов", "Cycles History", [](QDialog& d) {
        auto& history = dynamic_cast<CCycleHistoryDlg&>(d);
        EXPECT_EQ(RowsOf(*history.Table()), (Rows{{"16.11.2026", "N/A", "N/A"}}));
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
    OpenFromMenu(kCmdYearView, "Календарь", "Year View", [](QDialog& d) {
        auto& year = dynamic_cast<CYearViewDlg&>(d);
        EXPECT_EQ(year.Year(), 2026);
        // Row 11 is November, row 12 December; columns are days from 0.
        const int both = CYearViewDlg::kMenstruation | CYearViewDlg::kPredicted;
        EXPECT_EQ(year.DayFlags(11, 15) & both, CYearViewDlg::kMenstruation);
        EXPECT_EQ(year.DayFlags(12, 15) & both, both);
        EXPECT_EQ(year.DayFlags(12, 14) & CYearViewDlg::kMenstruation, 0);
    });

    Step("the measurement reports");
    const ChartView celsius =
        LookAtChart(kCmdTemperatureChart, "График температуры", "Temperature Chart", 4);
    EXPECT_EQ(celsius.point, CMeasureChartDlg::TemperatureY(36.9));
    EXPECT_EQ(celsius.labels.value(0), "38.00");
    const ChartView kilograms = LookAtChart(kCmdWeightChart, "График веса", "Weight Chart", 4);
    EXPECT_EQ(kilograms.point, CMeasureChartDlg::WeightY(61));
    EXPECT_EQ(kilograms.labels.value(0), "150");
    const Rows weights =
        History<CWeightHistoryDlg>(kCmdWeightHistory, "История веса", "Weight History");
    ASSERT_EQ(weights.size(), 2u);
    EXPECT_EQ(weights[0].mid(0, 2), (QStringList{"17.11.2026", "62.50"}));
    EXPECT_EQ(weights[1].mid(0, 2), (QStringList{"04.12.2026", "61.00"}));
    const Rows alarms =
        History<CAlarmHistoryDlg>(kCmdAlarmHistory, "История сигналов", "Alarm History");
    ASSERT_EQ(alarms.size(), 1u);
    EXPECT_EQ(alarms[0].mid(0, 3), (QStringList{"08.12.2026", "Pill", "18:45"}));

    Step("the temperature of 16 November deleted in its history; the day keeps its flow");
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

    Step("another skin and English units change the charts' backgrounds and scales");
    OpenFromMenu(kCmdSettings, "Настройки программы", "Program Settings", [](QDialog& d) {
        Control<QComboBox>(&d, kSettingsSkinId)->setCurrentIndex(0);   // Animals
        Control<QComboBox>(&d, kSettingsUnitsId)->setCurrentIndex(0);  // English
        Press(&d, IDOK);
    });
    EXPECT_EQ(AppSettings.Skin, 0);
    EXPECT_EQ(AppSettings.UnitsFormat, 0);
    const ChartView fahrenheit =
        LookAtChart(kCmdTemperatureChart, "График температуры", "Temperature Chart", 4);
    const int floral = SkinBackgroundId(SkinnedScreen::TemperatureChart, 3);
    const int animals = SkinBackgroundId(SkinnedScreen::TemperatureChart, 0);
    // Most of a chart is its background; the frame and labels cover the rest.
    const int whole = 240 * 268;
    EXPECT_GT(SamePixels(celsius.surface, floral), whole / 2);
    EXPECT_LT(SamePixels(celsius.surface, animals), whole / 4);
    EXPECT_GT(SamePixels(fahrenheit.surface, animals), whole / 2);
    EXPECT_LT(SamePixels(fahrenheit.surface, floral), whole / 4);
    EXPECT_EQ(fahrenheit.labels.value(0), "100.40");
    EXPECT_EQ(fahrenheit.point, celsius.point);  // the value stands where it stood
    const ChartView pounds = LookAtChart(kCmdWeightChart, "График веса", "Weight Chart", 4);
    EXPECT_EQ(pounds.labels.value(0), "331");
    EXPECT_GT(SamePixels(pounds.surface, SkinBackgroundId(SkinnedScreen::WeightChart, 0)),
              whole / 2);
    OpenFromMenu(kCmdWeightHistory, "История веса", "Weight History", [](QDialog& d) {
        auto& history = dynamic_cast<CWeightHistoryDlg&>(d);
        EXPECT_EQ(history.Table()->headerItem()->text(1), "Weight, lb");
        EXPECT_EQ(history.Table()->TextsAt(1).value(1), "134.7");  // 61 kg at 0.453 kg a pound
    });
    EXPECT_EQ(Stored(2026, 12, 4)->m_weight, 61.0);  // still stored in kilograms

    Step("a password set on its screen");
    OpenFromMenu(kCmdPassword, "Пароль", "Пароль", [](QDialog& d) {
        Control<QLineEdit>(&d, kNewPasswordEditId)->setText("Mimosa7");
        Control<QLineEdit>(&d, kConfirmPasswordEditId)->setText("Mimosa7");
        Press(&d, IDOK);
        EXPECT_FALSE(d.isVisible());
    });
    EXPECT_TRUE(PasswordMatches(AppSettings.PasswordHash, "Mimosa7"));
    EXPECT_EQ(boxes.Count(), 0u) << boxes.Texts()[0];

    Step("\"Выход \" closes the window, and the exit routine runs once the loop ends");
    Menu(kCmdExit, "Выход ");
    EXPECT_FALSE(Frame().isVisible());
    app.reset();
    ASSERT_EQ(scheduler->calls.size(), 1u);
    EXPECT_FALSE(scheduler->calls[0].withdraw);
    EXPECT_EQ(scheduler->calls[0].when, CTime(2026, 12, 8, 18, 45, 0));
    const std::pair<const char*, std::string> written[] = {
        {"AlarmType", "7"},    {"PasswordHash", AppSettings.PasswordHash},
        {"CycleLength", "30"}, {"MenstrualDays", "4"},
        {"Skin", "0"},         {"UnitsFormat", "0"},
        {"MyDiaryType", "3"}};
    for (const auto& [entry, value] : written) {
        EXPECT_EQ(profile->Raw("Velmora", entry), value) << entry;
    }

    // As a new process would find things: the settings from the store, the password asked
    // for, once wrong and then right, and the diary as it was left.
    Step("the next start asks for the password");
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
    EXPECT_EQ(GetFlowClass(View().Marks()[15]), kFlowPredicted);
    EXPECT_NE(View().Marks()[7].events & kEventAlarm, 0);
    const Rows left = History<CTemperatureHistoryDlg>(kCmdTemperatureHistory, "История температуры",
                                                      "Temperature History");
    ASSERT_EQ(left.size(), 1u);
    EXPECT_EQ(left[0].value(1), "98.4");  // 36.9 °C
    app.reset();
    ASSERT_EQ(scheduler->calls.size(), 2u);
    EXPECT_EQ(scheduler->calls[1].when, CTime(2026, 12, 8, 18, 45, 0));
}

// The diary out and back in through the menus: export, import with its preview (a file
// with a problem cannot be imported, a good one replaces a changed day), back up now, and
// restore after a question.
TEST_F(JourneyTest, TheDiaryGoesOutAndComesBackThroughTheMenus) {
    auto save = [](int d, int16_t fluid) {
        test::SaveDay(2026, 12, d, [fluid](CVelmoraMFCDoc& day) { day.m_fluid = fluid; });
    };
    const std::string root = home->Root();
    const QString folder = QString::fromStdString(root);
    // A file screen (Qt's own): the name typed, then Enter. `next` drives the screen the
    // file opens, when there is one.
    auto choose = [&](const char* name, ModalHook next = {}) {
        return [path = folder + "/" + name, next](QDialog& d) {
            if (next) {
                QueueModalHook(next);
            }
            d.findChild<QLineEdit*>("fileNameEdit")->setText(path);
            QTest::keyClick(d.findChild<QLineEdit*>("fileNameEdit"), Qt::Key_Return);
        };
    };
    Step("the diary exported");
    Start();
    save(1, 2);
    OpenFromMenu(kCmdExport, "Экспорт…", "Export", choose("out.csv"));
    const std::string exported = test::ReadFileBytes(root + "/out.csv");
    ASSERT_NE(exported.find("2026-12-01"), std::string::npos)
        << testing::PrintToString(boxes.Texts());

    Step("the predictions from the bleeding of 1 December exported for another calendar");
    OpenFromMenu(kCmdExportPredictions, "Прогноз в календарь…", "Predictions", choose("next.ics"));
    EXPECT_EQ(boxes.Texts().back(), "The predictions are exported to " + root + "/next.ics.");
    EXPECT_NE(test::ReadFileBytes(root + "/next.ics").find("UID:velmora-period-2026-12-01-1"),
              std::string::npos);

    Step("a bad file refused in the import's preview, a good one imported");
    test::WriteFileBytes(root + "/bad.csv", "date,bleeding.value\n2026-12-02,9\n");
    std::string more = exported;
    more.replace(more.find("2026-12-01"), 10, "2026-12-03");  // one more day
    test::WriteFileBytes(root + "/more.csv", exported + more.substr(more.find("\r\n") + 2));
    struct Case {
        const char* file;
        const char* report;  // a line of the preview
        bool canImport;
    };
    for (const Case& c : {Case{"bad.csv", "Line 2: 2026-12-02, bleeding.value", false},
                          Case{"more.csv", "1 new day", true}}) {
        SCOPED_TRACE(c.file);
        auto preview = [c](QDialog& preview) {
            const QString report =
                Control<QPlainTextEdit>(&preview, kImportReportId)->toPlainText();
            EXPECT_TRUE(report.contains(c.report)) << report.toStdString();
            auto* import = Control<QPushButton>(&preview, IDOK);
            EXPECT_EQ(import->isEnabled(), c.canImport);
            Control<QRadioButton>(&preview, kImportReplaceId)->setChecked(true);
            import->click();
            if (preview.isVisible()) {
                preview.reject();  // nothing to import: Cancel
            }
        };
        OpenFromMenu(kCmdImport, "Импорт…", "Import", choose(c.file, preview));
    }
    EXPECT_EQ(boxes.Texts().back(), "1 day imported");
    CVelmoraMFCDoc doc;
    EXPECT_TRUE(doc.OpenDay(2026, 12, 3));
    EXPECT_EQ(doc.m_fluid, 2);
    EXPECT_EQ(test::FileExists(BackupDir()), true);  // the copy the import took first

    Step("a backup made now, and restored after a question");
    OpenFromMenu(kCmdBackupNow, "Back up now…", "Back Up", choose("copy.sqlite"));
    DiaryFileProblem why;
    EXPECT_TRUE(CheckDiaryFile(root + "/copy.sqlite", why));
    save(5, 3);
    boxes.Script({IDYES});
    OpenFromMenu(kCmdRestore, "Restore…", "Restore", choose("copy.sqlite"));
    EXPECT_FALSE(doc.OpenDay(2026, 12, 5)) << "the day saved after the backup is gone";
    EXPECT_TRUE(doc.OpenDay(2026, 12, 3));
}

}  // namespace
}  // namespace velmora
