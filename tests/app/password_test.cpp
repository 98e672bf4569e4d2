// The password: the prompt at start and the change-password screen, driven as a person would.

#include <QApplication>
#include <QDialog>
#include <QLineEdit>

#include "app/passworddlg.h"
#include "tests/app/apptest.h"
#include "tests/support/screentest.h"

namespace velmora {
namespace {

using test::Control;
using test::Press;

class PasswordTest : public test::AppTest {
protected:
    // The program made but not started, over a store that holds `password`.
    void MakeApp(const std::string& password) {
        profile->WriteProfileString("Velmora", "Password", password);
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
    EXPECT_EQ(profile->WriteLog().size(), 14u);
    EXPECT_EQ(profile->Raw("Velmora", "Password"), "Secret7");
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
    EXPECT_EQ(AppSettings.Password, "");
}

TEST_F(PasswordTest, ATenCharacterPasswordIsTakenByBothScreens) {
    Start();
    ChangePassword([](QDialog& d) {
        // An eleventh character does not go in.
        Fill(d, "", "Abcdefghijk", "Abcdefghijk");
        Press(&d, IDOK);
    });
    EXPECT_EQ(AppSettings.Password, "Abcdefghij");
    EXPECT_EQ(boxes.Count(), 0u);
    app.reset();
    EXPECT_EQ(profile->Raw("Velmora", "Password"), "Abcdefghij");

    // The next start asks for it and takes it.
    AppSettings = VelmoraSettings();
    MakeApp("Abcdefghij");
    TypeAtPrompt("Abcdefghij");
    ASSERT_TRUE(app->InitInstance());
    EXPECT_EQ(app->PasswordPromptResult(), kPromptAccepted);
    EXPECT_EQ(boxes.Count(), 0u);
}

TEST_F(PasswordTest, ALongerPasswordStoredElsewhereCanStillBeTyped) {
    MakeApp("a-much-longer-password");
    TypeAtPrompt("a-much-longer-password");
    ASSERT_TRUE(app->InitInstance());
    EXPECT_EQ(app->PasswordPromptResult(), kPromptAccepted);
    // And it can be changed: the old one is typed in full.
    ChangePassword([](QDialog& d) {
        Fill(d, "a-much-longer-password", "short", "short");
        Press(&d, IDOK);
    });
    EXPECT_EQ(AppSettings.Password, "short");
}

TEST_F(PasswordTest, AWrongOldPasswordChangesNothingWhateverTheNewFieldsHold) {
    Start();
    AppSettings.Password = "Old-one";
    bool stayedOpen = false;
    ChangePassword([&](QDialog& d) {
        Fill(d, "old-one", "new", "new");
        Press(&d, IDOK);
        Fill(d, "", "", "");  // would remove it
        Press(&d, IDOK);
        stayedOpen = d.isVisible();
    });
    EXPECT_TRUE(stayedOpen);
    EXPECT_EQ(AppSettings.Password, "Old-one");
    ASSERT_EQ(boxes.Count(), 2u);
    EXPECT_EQ(boxes.Boxes()[0].text, "To change password you must type current password!");
    EXPECT_EQ(boxes.Boxes()[0].caption, "Velmora Plus");
}

TEST_F(PasswordTest, NewAndConfirmationMustAgreeAndBothEmptyRemoveThePassword) {
    Start();
    AppSettings.Password = "Old-one";
    ChangePassword([](QDialog& d) {
        Fill(d, "Old-one", "first", "First");
        Press(&d, IDOK);
        // Closing the window counts as OK: it stays open while the fields disagree.
        d.close();
        EXPECT_TRUE(d.isVisible());
    });
    EXPECT_EQ(AppSettings.Password, "Old-one");
    EXPECT_EQ(boxes.CountText("\"New Password\" and \"Confirm Passowrd\" must be same!"), 2u);

    ChangePassword([](QDialog& d) {
        Fill(d, "Old-one", "", "");
        d.close();
    });
    EXPECT_EQ(AppSettings.Password, "");
    app.reset();
    EXPECT_EQ(profile->Raw("Velmora", "Password"), "");
}

TEST_F(PasswordTest, CancelLeavesThePasswordAsItWas) {
    Start();
    AppSettings.Password = "Old-one";
    ChangePassword([](QDialog& d) {
        Fill(d, "Old-one", "new", "new");
        Press(&d, IDCANCEL);
    });
    EXPECT_EQ(AppSettings.Password, "Old-one");
    EXPECT_EQ(boxes.Count(), 0u);
}

}  // namespace
}  // namespace velmora
