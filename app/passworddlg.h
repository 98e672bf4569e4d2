#pragma once

#include <QDialog>

#include "app/velmoraapp.h"

class QLabel;
class QLineEdit;

namespace velmora {

class CImageButton;
struct VelmoraSettings;

// Dialog ids of the password screens: the start-up prompt and the change screen.
inline constexpr int kPasswordPromptTemplateId = 226;
inline constexpr int kPasswordTemplateId = 225;
// Control ids of the password screens.
inline constexpr int kPromptPasswordEditId = 1073;
inline constexpr int kOldPasswordEditId = 1071;
inline constexpr int kOldPasswordLabelId = 1072;
inline constexpr int kNewPasswordEditId = 1039;
inline constexpr int kConfirmPasswordEditId = 1041;
inline constexpr int kPromptWaitLabelId = 1074;
// Longest password the change screen takes.
inline constexpr int kMaxPasswordLength = 10;

// The start-up prompt: asks once for the password of `settings` and tells how it went (a
// wrong entry has been told to the user already). Closing it counts as Cancel. After
// kFreePasswordAnswers wrong answers in a row it takes the next answer only after the wait
// (store/password.h), showing it; the count and the wait are kept in `settings`.
PasswordPrompt AskForPassword(VelmoraSettings& settings);

// Setting, changing or removing the password. The old password is asked for only when one
// is set; the new one is typed twice; both new fields empty remove the protection. Closing
// the window counts as OK.
class CPasswordDlg : public QDialog {
    Q_OBJECT

public:
    explicit CPasswordDlg(VelmoraSettings& settings, QWidget* parent = nullptr);

    // OK: takes the three fields; stays open (with a message) when they do not fit.
    void OnOK();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    VelmoraSettings& m_settings;
    QLabel* m_oldLabel;
    QLineEdit* m_old;
    QLineEdit* m_new;
    QLineEdit* m_confirm;
    CImageButton* m_okImage;
    CImageButton* m_cancelImage;
};

}  // namespace velmora
