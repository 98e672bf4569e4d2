#include <gtest/gtest.h>

#include <QFile>
#include <QSettings>

#include "app/qsettingsprofile.h"
#include "platform/datapaths.h"
#include "store/password.h"
#include "store/settings.h"
#include "tests/support/testenv.h"

namespace velmora {
namespace {

class QSettingsProfileTest : public test::StoreTest {};

TEST_F(QSettingsProfileTest, SettingsSurviveARestartInAPrivateFile) {
    VelmoraSettings s;
    s.CycleLength = 30;
    s.Skin = 5;
    s.PasswordHash = HashPassword("пароль1");  // '$' and ',' in an INI value
    s.DaylightSavingTime = true;
    {
        QSettingsProfileStore p;
        ASSERT_TRUE(SaveSettings(p, s, false));
        EXPECT_EQ(p.FileName(), home->ConfigHome() + "/Tessaryn/VelmoraMFC.conf");
    }
    const std::string file = home->ConfigHome() + "/Tessaryn/VelmoraMFC.conf";
    EXPECT_EQ(test::FileMode(file), 0600);
    EXPECT_EQ(test::FileMode(home->ConfigHome() + "/Tessaryn"), 0700);

    QSettingsProfileStore p;
    VelmoraSettings back;
    bool sounds = true;
    LoadSettings(p, back, sounds);
    EXPECT_EQ(back, s);
    EXPECT_FALSE(sounds);
    EXPECT_TRUE(SaveAlarmType(p, 7));
    EXPECT_EQ(p.GetProfileInt("Velmora", "AlarmType", 0), 7);
}

TEST_F(QSettingsProfileTest, AHandEditedFileReadsAsDefaults) {
    const std::string file = home->ConfigHome() + "/Tessaryn/VelmoraMFC.conf";
    test::WriteFileBytes(file,
                         "[Velmora]\nCycleLength=abc\nSkin=99\nDateSeparator=7\n"
                         "MenstrualDays=-4\nSounds=0\nDaylightSavingTime=7\nWeekStarts=0\n");
    QSettingsProfileStore p;
    VelmoraSettings s;
    bool sounds = true;
    LoadSettings(p, s, sounds);
    EXPECT_EQ(s.CycleLength, 28);
    EXPECT_EQ(s.Skin, 3);
    EXPECT_EQ(s.DateSeparator, 0);
    EXPECT_EQ(s.MenstrualDays, 5);
    EXPECT_EQ(s.WeekStarts, 0);
    EXPECT_TRUE(s.DaylightSavingTime);
    EXPECT_FALSE(sounds);
}

}  // namespace
}  // namespace velmora
