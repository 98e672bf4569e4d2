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

}  // namespace
}  // namespace velmora
