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

    // At the prompt: types `text` and presses OK; records what the prompt looked like.
    void TypeAtPrompt(const QString& text) {
        QueueModalHook([this, text](QDialog& d) {
            promptTitles << d.windowTitle();
            windowExisted |= app->MainFrame() != nullptr;
            Control<QLineEdit>(&d, kPromptPasswordEditId)->setText(text);
            Press(&d, IDOK);
        });
    }

    // The change screen through its menu command, with `fill` run while it is open.
    void ChangePassword(const std::function<void(QDialog&)>& fill) {
        QueueModalHook([this, fill](QDialog& d) {
            titleWhileOpen = Frame().Title();
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

    QStringList promptTitles;
    bool windowExisted = false;
    QString titleWhileOpen;
};

TEST_F(PasswordTest, AWrongPasswordIsRefusedAndAskedAgainLetterCaseCounts) {
    MakeApp("Secret7");
    TypeAtPrompt("secret7");  // another letter case
    TypeAtPrompt("Secret");   // the beginning only
    TypeAtPrompt("Secret7");
    ASSERT_TRUE(app->InitInstance());
    EXPECT_EQ(PendingModalHooks(), 0);
    EXPECT_EQ(app->PasswordPromptResult(), kPromptAccepted);
    EXPECT_EQ(promptTitles, QStringList(3, "Введите ваш пароль"));
    EXPECT_FALSE(windowExisted);  // nothing of the diary before the password
    ASSERT_EQ(boxes.Count(), 2u);
    for (const MessageBoxRequest& box : boxes.Boxes()) {
        EXPECT_EQ(box.text, "Password not correct!");
        EXPECT_EQ(box.caption, "Sorry");
        EXPECT_EQ(box.icon, MbIcon::Information);
    }
    ASSERT_NE(app->MainFrame(), nullptr);
    EXPECT_TRUE(test::PumpUntil([&] { return View().IsStarted(); }));
}

TEST_F(PasswordTest, CancelEndsTheStartWithoutAWindowAndTheSettingsAreStillWritten) {
    MakeApp("Secret7");
    TypeAtPrompt("wrong");
    QueueModalHook([](QDialog& d) { Press(&d, IDCANCEL); });
    EXPECT_FALSE(app->InitInstance());
    EXPECT_EQ(app->PasswordPromptResult(), kPromptCancelled);
    EXPECT_EQ(app->MainFrame(), nullptr);
    for (QWidget* w : QApplication::topLevelWidgets()) {
        EXPECT_FALSE(w->isVisible()) << w->objectName().toStdString();
    }
    EXPECT_EQ(boxes.CountText("Password not correct!"), 1u);
    profile->ClearWriteLog();
    app.reset();  // the exit routine
    EXPECT_EQ(profile->WriteLog().size(), 15u);
    EXPECT_TRUE(Stored("Secret7"));
}

TEST_F(PasswordTest, ClosingThePromptWindowCancelsToo) {
    MakeApp("Secret7");
    QueueModalHook([](QDialog& d) { d.close(); });
    EXPECT_FALSE(app->InitInstance());
    EXPECT_EQ(app->PasswordPromptResult(), kPromptCancelled);
    EXPECT_EQ(boxes.Count(), 0u);
}

TEST_F(PasswordTest, WithoutAPasswordThereIsNoPromptAndNoOldPasswordField) {
    Start();
    EXPECT_EQ(app->PasswordPromptResult(), kPromptNone);
    bool oldShown = true;
    ChangePassword([&](QDialog& d) {
        oldShown = !Control<QLineEdit>(&d, kOldPasswordEditId)->isHidden() ||
                   !Control<QWidget>(&d, kOldPasswordLabelId)->isHidden();
    });
    EXPECT_FALSE(oldShown);
    EXPECT_EQ(titleWhileOpen, "Calendar View");  // the main window's title stays
    EXPECT_EQ(AppSettings.PasswordHash, "");
}

TEST_F(PasswordTest, ATenCharacterPasswordIsTakenByBothScreens) {
    Start();
    ChangePassword([](QDialog& d) {
        // An eleventh character does not go in.
        Fill(d, "", "Abcdefghijk", "Abcdefghijk");
        Press(&d, IDOK);
    });
    EXPECT_TRUE(PasswordMatches(AppSettings.PasswordHash, "Abcdefghij"));
    EXPECT_EQ(boxes.Count(), 0u);
    app.reset();
    EXPECT_TRUE(Stored("Abcdefghij"));

    // The next start asks for it and takes it.
    AppSettings = VelmoraSettings();
    app = std::make_unique<CVelmoraMFCApp>(*qApp, TestOptions());
    TypeAtPrompt("Abcdefghij");
    ASSERT_TRUE(app->InitInstance());
    EXPECT_EQ(app->PasswordPromptResult(), kPromptAccepted);
    EXPECT_EQ(boxes.Count(), 0u);
}

TEST_F(PasswordTest, ALongerPasswordOfAnEarlierVersionCanStillBeTyped) {
    profile->WriteProfileString("Velmora", "Password", "a-much-longer-password");
    app = std::make_unique<CVelmoraMFCApp>(*qApp, TestOptions());
    TypeAtPrompt("a-much-longer-password");
    ASSERT_TRUE(app->InitInstance());
    EXPECT_EQ(app->PasswordPromptResult(), kPromptAccepted);
    // And it can be changed: the old one is typed in full.
    ChangePassword([](QDialog& d) {
        Fill(d, "a-much-longer-password", "short", "short");
        Press(&d, IDOK);
    });
    EXPECT_TRUE(PasswordMatches(AppSettings.PasswordHash, "short"));
}

TEST_F(PasswordTest, AWrongOldPasswordChangesNothingWhateverTheNewFieldsHold) {
    Start();
    const std::string old = AppSettings.PasswordHash = HashPassword("Old-one");
    bool stayedOpen = false;
    ChangePassword([&](QDialog& d) {
        Fill(d, "old-one", "new", "new");
        Press(&d, IDOK);
        Fill(d, "", "", "");  // would remove it
        Press(&d, IDOK);
        stayedOpen = d.isVisible();
    });
    EXPECT_TRUE(stayedOpen);
    EXPECT_EQ(AppSettings.PasswordHash, old);
    ASSERT_EQ(boxes.Count(), 2u);
    EXPECT_EQ(boxes.Boxes()[0].text, "To change password you must type current password!");
    EXPECT_EQ(boxes.Boxes()[0].caption, "Velmora Plus");
}

TEST_F(PasswordTest, NewAndConfirmationMustAgreeAndBothEmptyRemoveThePassword) {
    Start();
    const std::string old = AppSettings.PasswordHash = HashPassword("Old-one");
    ChangePassword([](QDialog& d) {
        Fill(d, "Old-one", "first", "First");
        Press(&d, IDOK);
        // Closing the window counts as OK: it stays open while the fields disagree.
        d.close();
        EXPECT_TRUE(d.isVisible());
    });
    EXPECT_EQ(AppSettings.PasswordHash, old);
    EXPECT_EQ(boxes.CountText("\"New Password\" and \"Confirm Passowrd\" must be same!"), 2u);

    ChangePassword([](QDialog& d) {
        Fill(d, "Old-one", "", "");
        d.close();
    });
    EXPECT_EQ(AppSettings.PasswordHash, "");
    app.reset();
    EXPECT_EQ(profile->Raw("Velmora", "PasswordHash"), "");
}

TEST_F(PasswordTest, CancelLeavesThePasswordAsItWas) {
    Start();
    const std::string old = AppSettings.PasswordHash = HashPassword("Old-one");
    ChangePassword([](QDialog& d) {
        Fill(d, "Old-one", "new", "new");
        Press(&d, IDCANCEL);
    });
    EXPECT_EQ(AppSettings.PasswordHash, old);
    EXPECT_EQ(boxes.Count(), 0u);
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
