// A person's first weeks with the program, end to end: an empty diary, the cycle set up,
// a period entered day by day, a temperature, a weight and an alarm; the
// calendar looked at; a temperature deleted; the skin and units changed; a password set; the
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
#include "platform/backup.h"
#include "platform/datapaths.h"
#include "platform/objectstore.h"
#include "reports/measurehistorydlg.h"
#include "store/password.h"
#include "tests/app/journey.h"
#include "tests/store/diarydays.h"
#include "tests/support/refimage.h"
#include "ui/alarmsetupdlg.h"
#include "ui/kit/reporttable.h"

namespace velmora {
namespace {

using test::Control;
using test::Press;

using JourneyTest = test::JourneyTest;

TEST_F(JourneyTest, FromAnEmptyDiaryThroughEveryScreenToARestartBehindThePassword) {
    Step("an empty diary opens on this month");
    Start();
    EXPECT_FALSE(test::FileExists(DataPaths::StoreFile()));
    EXPECT_EQ(SelectedMonth(), 12);

    Step("four days of bleeding in a cycle of thirty, set in Program Settings");
    SetCycle(4, 30);

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
        EXPECT_EQ(test::Stored(2026, 11, d)->m_fluid, 2) << d;
    }
    EXPECT_EQ(test::Stored(2026, 11, 16)->m_temperature, 36.6);
    EXPECT_EQ(test::Stored(2026, 11, 17)->m_weight, 62.5);
    EXPECT_EQ(test::Stored(2026, 11, 21), nullptr);

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
    auto alarmDay = test::Stored(2026, 12, 8);
    ASSERT_NE(alarmDay, nullptr);
    EXPECT_TRUE(alarmDay->m_alarm);
    EXPECT_EQ(alarmDay->m_alarmType, (std::array<uint16_t, 4>{0, 7, 0, 0}));
    EXPECT_EQ(alarmDay->m_alarmTime[1], CTime(2026, 12, 8, 18, 45, 0));
    EXPECT_EQ(boxes.Count(), 0u) << boxes.Texts()[0];

    // November: the five days in their bleeding cells with the flow icon. December: the next
    // period predicted thirty days after the last one began, 16 to 20 December.
    Step("the calendar shows the period and the prediction");
    StepTo(11, 2026);
    View().DrawMonth();
    test::ExpectMatchesReference(View().grab().toImage(), "app/data/journey-2026-11.png");
    StepTo(12, 2026);
    for (int d = 14; d <= 22; ++d) {
        EXPECT_EQ(GetFlowClass(View().Marks()[d - 1]) == kFlowPredicted, d >= 16 && d <= 20) << d;
    }

    Step("the temperature of 16 November deleted in its history; the day keeps its flow");
    OpenFromMenu(
        kCmdTemperatureHistory, "История температуры", "Temperature History", [&](QDialog& d) {
            auto& history = dynamic_cast<CTemperatureHistoryDlg&>(d);
            ASSERT_EQ(history.Table()->TextsAt(0).mid(0, 2), (QStringList{"16.11.2026", "36.60"}));
            history.Table()->SelectRow(0);
            boxes.Script({IDYES});
            Control<QToolButton>(&d, kCmdHistoryDelete)->click();
            ASSERT_EQ(history.Table()->RowCount(), 1);
            EXPECT_EQ(history.Table()->TextsAt(0).value(0), "04.12.2026");
        });
    ASSERT_EQ(boxes.Count(), 1u);
    EXPECT_EQ(boxes.Boxes()[0].buttons, MbButtons::YesNo);
    boxes.Clear();
    EXPECT_EQ(test::Stored(2026, 11, 16)->m_temperature, 0.0);
    EXPECT_EQ(test::Stored(2026, 11, 16)->m_fluid, 2);
    EXPECT_EQ(test::Stored(2026, 12, 4)->m_temperature, 36.9);

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
    EXPECT_EQ(test::StoredDaysOf(BackupDir() + "/daily-2026-12-06.sqlite"), test::StoredDays());
    ASSERT_EQ(scheduler->calls.size(), 1u);
    EXPECT_FALSE(scheduler->calls[0].withdraw);
    EXPECT_EQ(scheduler->calls[0].when, CTime(2026, 12, 8, 18, 45, 0));
    const std::pair<const char*, std::string> written[] = {
        {"AlarmType", "7"},
        {"PasswordHash", AppSettings.PasswordHash},
        {"CycleLength", "30"},
        {"MenstrualDays", "4"}};
    for (const auto& [entry, value] : written) {
        EXPECT_EQ(profile->Raw("Velmora", entry), value) << entry;
    }

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
    EXPECT_EQ(GetFlowClass(View().Marks()[15]), kFlowPredicted);
    EXPECT_NE(View().Marks()[7].events & kEventAlarm, 0);
    OpenFromMenu(kCmdTemperatureHistory, "История температуры", "Temperature History",
                 [](QDialog& d) {
                     const CReportTable& left = *dynamic_cast<CTemperatureHistoryDlg&>(d).Table();
                     ASSERT_EQ(left.RowCount(), 1);
                     EXPECT_EQ(left.TextsAt(0).value(1), "36.90");
                 });
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
