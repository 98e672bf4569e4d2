#include "app/passworddlg.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFont>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "gfx/imagebutton.h"
#include "platform/clock.h"
#include "platform/messagebox.h"
#include "store/password.h"
#include "store/settings.h"
#include "ui/kit/fonts.h"
#include "ui/kit/modal.h"
#include "ui/kit/okcancel.h"

namespace velmora {

namespace {

constexpr int kWindowWidth = 240;
constexpr int kWindowHeight = 294;

// The dialogs' colour; the start-up prompt comes before the program sets it for all of them.
void UseDialogColours(QDialog& dialog) {
    QPalette palette = dialog.palette();
    palette.setColor(QPalette::Window, QColor(255, 242, 223));
    palette.setColor(QPalette::WindowText, Qt::black);
    dialog.setPalette(palette);
    dialog.setAutoFillBackground(true);
}

QLineEdit* PasswordEdit(int id, int maxLength, QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::number(id));
    edit->setEchoMode(QLineEdit::Password);
    edit->setMaxLength(maxLength);
    edit->setFixedWidth(100);
    return edit;
}

// The fields that take the current password take any length: the hash does not tell it, and
// one set by other means (an earlier version's settings file) may be longer than the limit.
constexpr int kAnyLength = 32767;

// How often the prompt looks at the clock while it waits.
constexpr int kWaitTickMs = 250;

}  // namespace

PasswordPrompt AskForPassword(VelmoraSettings& settings) {
    QDialog dialog;
    dialog.setObjectName(QString::number(kPasswordPromptTemplateId));
    dialog.setFont(DialogFont());
    dialog.resize(kWindowWidth, kWindowHeight);
    UseDialogColours(dialog);

    auto* layout = new QVBoxLayout(&dialog);
    layout->setContentsMargins(20, 40, 20, 20);
    layout->setSpacing(8);
    auto* label = new QLabel(CPasswordDlg::tr("Пароль:"), &dialog);
    layout->addWidget(label);
    QLineEdit* edit = PasswordEdit(kPromptPasswordEditId, kAnyLength, &dialog);
    edit->setFixedWidth(200);
    layout->addWidget(edit);
    auto* wait = new QLabel(&dialog);
    wait->setObjectName(QString::number(kPromptWaitLabelId));
    wait->setWordWrap(true);
    layout->addWidget(wait);
    auto* buttons = new QHBoxLayout;
    auto* ok = new QPushButton(QCoreApplication::translate("Message", "OK"), &dialog);
    ok->setObjectName(QString::number(IDOK));
    ok->setDefault(true);
    auto* cancel = new QPushButton(QCoreApplication::translate("Message", "Cancel"), &dialog);
    cancel->setObjectName(QString::number(IDCANCEL));
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);
    layout->addStretch(1);

    // After too many wrong answers: OK waits, and the prompt says for how long.
    QTimer clock;
    clock.setInterval(kWaitTickMs);
    auto showWait = [&] {
        const int64_t left = PasswordWaitLeft(settings, Clock::Now());
        ok->setEnabled(left == 0);
        wait->setVisible(left > 0);
        if (left > 0) {
            wait->setText(CPasswordDlg::tr("Too many wrong passwords: wait %1 s.")
                              .arg(QString::number(left)));
        } else {
            clock.stop();
        }
    };
    QObject::connect(&clock, &QTimer::timeout, &dialog, showWait);
    if (PasswordWaitLeft(settings, Clock::Now()) > 0) {
        clock.start();
    }
    showWait();

    // Anything but OK (Cancel, Escape, closing the window) cancels.
    PasswordPrompt result = kPromptCancelled;
    QObject::connect(ok, &QPushButton::clicked, &dialog, [&] {
        if (PasswordWaitLeft(settings, Clock::Now()) > 0) {
            return;
        }
        // The whole text against the whole password, letter case and all.
        if (PasswordMatches(settings.PasswordHash, edit->text().toStdString())) {
            CountRightPassword(settings);
            result = kPromptAccepted;
        } else {
            CountWrongPassword(settings, Clock::Now());
            ShowMessageBox(QT_TRANSLATE_NOOP("Message", "Password not correct!"),
                           QT_TRANSLATE_NOOP("Message", "Sorry"), MbIcon::Information,
                           MbButtons::Ok, kNoOwner);
            result = kPromptWrong;
        }
        dialog.done(IDOK);
    });
    QObject::connect(cancel, &QPushButton::clicked, &dialog, [&] {
        result = kPromptCancelled;
        dialog.done(IDCANCEL);
    });
    edit->setFocus();
    RunModal(dialog, nullptr, CPasswordDlg::tr("Введите ваш пароль"));
    return result;
}

CPasswordDlg::CPasswordDlg(VelmoraSettings& settings, QWidget* parent)
    : QDialog(parent), m_settings(settings) {
    setObjectName(QString::number(kPasswordTemplateId));
    setWindowTitle(tr("Пароль"));
    setFont(DialogFont());

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 24, 10, 12);
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(10);
    m_oldLabel = new QLabel(tr("Старый пароль:"), this);
    m_oldLabel->setObjectName(QString::number(kOldPasswordLabelId));
    m_old = PasswordEdit(kOldPasswordEditId, kAnyLength, this);
    m_new = PasswordEdit(kNewPasswordEditId, kMaxPasswordLength, this);
    m_confirm = PasswordEdit(kConfirmPasswordEditId, kMaxPasswordLength, this);
    grid->addWidget(m_oldLabel, 0, 0);
    grid->addWidget(m_old, 0, 1);
    grid->addWidget(new QLabel(tr("Новый пароль:"), this), 1, 0);
    grid->addWidget(m_new, 1, 1);
    grid->addWidget(new QLabel(tr("Подтвердите пароль:"), this), 2, 0);
    grid->addWidget(m_confirm, 2, 1);
    layout->addLayout(grid);
    layout->addSpacing(16);

    auto* buttons = new QHBoxLayout;
    std::array<CImageButton*, 2> images{};
    const auto [ok, cancel] = AddOkCancelRow(this, this, buttons, images);
    m_okImage = images[0];
    m_cancelImage = images[1];
    layout->addLayout(buttons);
    layout->addStretch(1);
    connect(ok, &QPushButton::clicked, this, [this] { OnOK(); });
    connect(cancel, &QPushButton::clicked, this, [this] { reject(); });

    // Without a password there is no old one to ask for.
    if (m_settings.PasswordHash.empty()) {
        m_oldLabel->hide();
        m_old->hide();
        m_new->setFocus();
    } else {
        m_old->setFocus();
    }
}

void CPasswordDlg::OnOK() {
    const std::string oldText = m_old->text().toStdString();
    if (m_settings.PasswordHash.empty()) {
        if (!oldText.empty()) {
            return;
        }
    } else if (!PasswordMatches(m_settings.PasswordHash, oldText)) {
        ShowMessageBox(
            QT_TRANSLATE_NOOP("Message", "To change password you must type current password!"));
        m_old->setFocus();
        return;
    }
    if (m_new->text() != m_confirm->text()) {
        ShowMessageBox(QT_TRANSLATE_NOOP(
            "Message", "\"New Password\" and \"Confirm Passowrd\" must be same!"));
        m_confirm->setFocus();
        return;
    }
    // Both empty: no password any more.
    const std::string fresh = m_new->text().toStdString();
    std::string hash;
    if (!fresh.empty() && (hash = HashPassword(fresh)).empty()) {
        ShowMessageBox(QT_TRANSLATE_NOOP(
            "Message", "The password cannot be set: there is not enough memory."));
        return;
    }
    m_settings.PasswordHash = std::move(hash);
    accept();
}

void CPasswordDlg::closeEvent(QCloseEvent* event) {
    // Closing the window is OK: it closes only when the fields fit.
    event->ignore();
    OnOK();
}

}  // namespace velmora
