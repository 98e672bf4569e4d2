// The password: the prompt at start and the change-password screen, driven as a person would.

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "app/passworddlg.h"
#include "app/qsettingsprofile.h"
#include "store/password.h"
#include "tests/app/apptest.h"
#include "tests/support/screentest.h"

namespace velmora {
namespace {

using test::Control;
using test::Press;

class PasswordTest : public test::AppTest {
protected:
    // The program made but not started, over settings that hold `password`.
    void MakeApp(const std::string& password) {
        profile->WriteProfileString("Velmora", "PasswordHash", HashPassword(password));
        app = std::make_unique<CVelmoraMFCApp>(*qApp, TestOptions());
    }

    // At the prompt: types `text` and presses OK.
    void TypeAtPrompt(const QString& text) {
        QueueModalHook([text](QDialog& d) {
            Control<QLineEdit>(&d, kPromptPasswordEditId)->setText(text);
            Press(&d, IDOK);
        });
    }

    // The change screen through its menu command, with `fill` run while it is open.
    void ChangePassword(const std::function<void(QDialog&)>& fill) {
        QueueModalHook([fill](QDialog& d) {
            fill(d);
            if (d.isVisible()) {
                d.reject();
            }
        });
        app->OnCommand(kCmdPassword);
    }

    static void Fill(QDialog& d, const QString& old, const QString& fresh, const QString& again) {
        Control<QLineEdit>(&d, kOldPasswordEditId)->setText(old);
        Control<QLineEdit>(&d, kNewPasswordEditId)->setText(fresh);
        Control<QLineEdit>(&d, kConfirmPasswordEditId)->setText(again);
    }

    // Whether the settings hold the hash of `password`.
    bool Stored(const std::string& password) const {
        return PasswordMatches(profile->Raw("Velmora", "PasswordHash").value_or(""), password);
    }
};

// Cancel, or the prompt window's close: the start ends without a window, and the exit routine
// still writes the settings, the password among them.
TEST_F(PasswordTest, CancellingThePromptEndsTheStartWithoutAWindowAndTheSettingsAreStillWritten) {
    for (const bool closed : {false, true}) {
        SCOPED_TRACE(closed ? "closed" : "Cancel");
        boxes.Clear();
        MakeApp("Secret7");
        TypeAtPrompt("wrong");
        QueueModalHook(
            [closed](QDialog& d) { closed ? (void)d.close() : (void)Press(&d, IDCANCEL); });
        EXPECT_FALSE(app->InitInstance());
        EXPECT_EQ(app->PasswordPromptResult(), kPromptCancelled);
        EXPECT_EQ(app->MainFrame(), nullptr);
        for (QWidget* w : QApplication::topLevelWidgets()) {
            EXPECT_FALSE(w->isVisible()) << w->objectName().toStdString();
        }
        EXPECT_EQ(boxes.Texts(), std::vector<std::string>{"Password not correct!"});
        profile->WriteProfileString("Velmora", "PasswordHash", "");
        app.reset();  // the exit routine
        EXPECT_TRUE(Stored("Secret7"));
    }
}

// The change screen over the password "Old-one": a wrong old password changes nothing whatever
// the new fields hold, the new one and its confirmation must agree, Cancel keeps the old one,
// and both new fields empty remove it. The window's close counts as OK.
TEST_F(PasswordTest, TheChangeScreenTakesOnlyTheOldPasswordAndAgreeingNewOnes) {
    Start();
    const char* wrongOld = "To change password you must type current password!";
    const char* differ = "\"New Password\" and \"Confirm Passowrd\" must be same!";
    struct Case {
        const char *old, *fresh, *again;
        int leave;          // the button pressed, or 0 for the window's close
        const char* box;    // the refusal, which keeps the screen open; null for none
        const char* after;  // the password then; null when it is still "Old-one"
    };
    const Case cases[] = {
        {"old-one", "new", "new", IDOK, wrongOld, nullptr},
        {"", "", "", IDOK, wrongOld, nullptr},
        {"Old-one", "first", "First", IDOK, differ, nullptr},
        {"Old-one", "first", "First", 0, differ, nullptr},
        {"Old-one", "new", "new", IDCANCEL, nullptr, nullptr},
        {"Old-one", "", "", 0, nullptr, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << c.old << "/" << c.fresh << "/" << c.again << " " << c.leave);
        boxes.Clear();
        const std::string old = AppSettings.PasswordHash = HashPassword("Old-one");
        bool open = false;
        ChangePassword([&](QDialog& d) {
            Fill(d, c.old, c.fresh, c.again);
            c.leave ? (void)Press(&d, c.leave) : (void)d.close();
            open = d.isVisible();
        });
        EXPECT_EQ(open, c.box != nullptr);
        EXPECT_EQ(boxes.Texts(),
                  c.box ? std::vector<std::string>{c.box} : std::vector<std::string>{});
        EXPECT_EQ(AppSettings.PasswordHash, c.after ? c.after : old);
    }
    app.reset();
    EXPECT_EQ(profile->Raw("Velmora", "PasswordHash"), "");
}

// The program's own settings store, counting the writes of its file.
class CountingProfile : public QSettingsProfileStore {
public:
    bool Flush() override {
        ++flushes;
        return QSettingsProfileStore::Flush();
    }
    int flushes = 0;
};

TEST_F(PasswordTest, TheSettingsFileHoldsNoPasswordAndAPlainOneIsConvertedInOneWrite) {
    const std::string file = home->ConfigHome() + "/Tessaryn/VelmoraMFC.conf";
    test::WriteFileBytes(file, "[Velmora]\nSkin=2\nPassword=Secret7\n");
    auto settings = std::make_shared<CountingProfile>();
    TypeAtPrompt("Secret7");
    Start([&](AppOptions& o) { o.profile = settings; });
    EXPECT_EQ(settings->flushes, 1);
    std::string text = test::ReadFileBytes(file);
    EXPECT_EQ(text.find("Secret7"), std::string::npos) << text;
    EXPECT_EQ(text.find("Password="), std::string::npos) << text;
    EXPECT_NE(text.find("$argon2id$"), std::string::npos) << text;
    EXPECT_EQ(AppSettings.Skin, 2);
    ChangePassword([](QDialog& d) {
        Fill(d, "Secret7", "Mimosa7", "Mimosa7");
        Press(&d, IDOK);
    });
    app.reset();
    text = test::ReadFileBytes(file);
    EXPECT_EQ(text.find("Mimosa7"), std::string::npos) << text;
    EXPECT_EQ(text.find("Secret7"), std::string::npos) << text;
}

TEST_F(PasswordTest, AfterFiveWrongAnswersThePromptWaitsThirtySecondsAlsoAfterARestart) {
    MakeApp("Secret7");
    for (int i = 0; i < kFreePasswordAnswers; ++i) {
        TypeAtPrompt("wrong");
    }
    bool okEnabled = true;
    QString wait;
    QueueModalHook([&](QDialog& d) {
        okEnabled = Control<QPushButton>(&d, IDOK)->isEnabled();
        wait = Control<QLabel>(&d, kPromptWaitLabelId)->text();
        Control<QLineEdit>(&d, kPromptPasswordEditId)->setText("Secret7");
        Press(&d, IDOK);  // not taken while it waits
        EXPECT_TRUE(d.isVisible());
        Press(&d, IDCANCEL);
    });
    EXPECT_FALSE(app->InitInstance());
    EXPECT_FALSE(okEnabled);
    EXPECT_EQ(wait, "Too many wrong passwords: wait 30 s.");
    EXPECT_EQ(boxes.CountText("Password not correct!"), 5u);
    app.reset();

    // Started again ten seconds later: the rest of the wait, counted down by the clock.
    Clock::Advance(10);
    QStringList waits;
    QueueModalHook([&](QDialog& d) {
        auto* ok = Control<QPushButton>(&d, IDOK);
        auto* label = Control<QLabel>(&d, kPromptWaitLabelId);
        waits << label->text();
        Clock::Advance(19);
        EXPECT_TRUE(test::PumpUntil([&] { return label->text().contains(" 1 s."); }));
        EXPECT_FALSE(ok->isEnabled());
        Clock::Advance(1);
        EXPECT_TRUE(test::PumpUntil([&] { return ok->isEnabled(); }));
        EXPECT_FALSE(label->isVisible());
        Control<QLineEdit>(&d, kPromptPasswordEditId)->setText("Secret7");
        Press(&d, IDOK);
    });
    app = std::make_unique<CVelmoraMFCApp>(*qApp, TestOptions());
    ASSERT_TRUE(app->InitInstance());
    EXPECT_EQ(waits, QStringList{"Too many wrong passwords: wait 20 s."});
    EXPECT_EQ(profile->Raw("Velmora", "PasswordFailures"), "0");  // the count starts again
}

}  // namespace
}  // namespace velmora
