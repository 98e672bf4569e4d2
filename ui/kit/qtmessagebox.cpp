#include "ui/kit/qtmessagebox.h"

#include <QApplication>
#include <QMessageBox>
#include <QMetaObject>
#include <QPointer>
#include <QPushButton>
#include <QThread>
#include <algorithm>
#include <vector>

#include "platform/messagebox.h"

namespace velmora {

namespace {

QMessageBox::Icon ToQt(MbIcon icon) {
    switch (icon) {
        case MbIcon::Stop:
            return QMessageBox::Critical;
        case MbIcon::Information:
            return QMessageBox::Information;
        case MbIcon::Warning:
            return QMessageBox::Warning;
        case MbIcon::Question:
            return QMessageBox::Question;
        case MbIcon::None:
            break;
    }
    return QMessageBox::NoIcon;
}

struct ButtonMap {
    QMessageBox::StandardButton qt;
    int result;
};

// The buttons' words (Qt's own), translated like the messages.
const char* ButtonText(QMessageBox::StandardButton button) {
    switch (button) {
        case QMessageBox::Ok:
            return QT_TRANSLATE_NOOP("Message", "OK");
        case QMessageBox::Cancel:
            return QT_TRANSLATE_NOOP("Message", "Cancel");
        case QMessageBox::Yes:
            return QT_TRANSLATE_NOOP("Message", "&Yes");
        case QMessageBox::No:
            return QT_TRANSLATE_NOOP("Message", "&No");
        case QMessageBox::Retry:
            return QT_TRANSLATE_NOOP("Message", "Retry");
        case QMessageBox::Abort:
            return QT_TRANSLATE_NOOP("Message", "Abort");
        case QMessageBox::Ignore:
            return QT_TRANSLATE_NOOP("Message", "Ignore");
        default:
            break;
    }
    return nullptr;
}

QString TranslatedMessage(const std::string& source) {
    return QCoreApplication::translate("Message", source.c_str());
}

std::vector<ButtonMap> Buttons(MbButtons b) {
    switch (b) {
        case MbButtons::Ok:
            return {{QMessageBox::Ok, IDOK}};
        case MbButtons::OkCancel:
            return {{QMessageBox::Ok, IDOK}, {QMessageBox::Cancel, IDCANCEL}};
        case MbButtons::YesNo:
            return {{QMessageBox::Yes, IDYES}, {QMessageBox::No, IDNO}};
        case MbButtons::YesNoCancel:
            return {{QMessageBox::Yes, IDYES},
                    {QMessageBox::No, IDNO},
                    {QMessageBox::Cancel, IDCANCEL}};
        case MbButtons::RetryCancel:
            return {{QMessageBox::Retry, IDRETRY}, {QMessageBox::Cancel, IDCANCEL}};
        case MbButtons::AbortRetryIgnore:
            return {{QMessageBox::Abort, IDABORT},
                    {QMessageBox::Retry, IDRETRY},
                    {QMessageBox::Ignore, IDIGNORE}};
    }
    return {{QMessageBox::Ok, IDOK}};
}

QWidget* Owner(WindowRef owner) {
    if (owner == kNoOwner) {
        return nullptr;
    }
    if (owner == kForegroundWindow) {
        return QApplication::activeWindow();
    }
    return const_cast<QWidget*>(static_cast<const QWidget*>(owner));
}

std::vector<QPointer<QMessageBox>>& Posted() {
    static std::vector<QPointer<QMessageBox>> boxes;
    return boxes;
}

QMessageBox* MakeBox(const MessageBoxRequest& r) {
    auto* box = new QMessageBox(ToQt(r.icon), TranslatedMessageCaption(r), TranslatedMessageText(r),
                                QMessageBox::NoButton, Owner(r.owner));
    QMessageBox::StandardButtons set;
    for (const auto& b : Buttons(r.buttons)) {
        set |= b.qt;
    }
    box->setStandardButtons(set);
    for (const auto& b : Buttons(r.buttons)) {
        if (const char* text = ButtonText(b.qt)) {
            box->button(b.qt)->setText(QCoreApplication::translate("Message", text));
        }
    }
    if (r.topmost) {
        box->setWindowFlag(Qt::WindowStaysOnTopHint, true);
    }
    return box;
}

int ShowOnThisThread(const MessageBoxRequest& r) {
    std::unique_ptr<QMessageBox> box(MakeBox(r));
    const auto pressed = static_cast<QMessageBox::StandardButton>(box->exec());
    for (const auto& b : Buttons(r.buttons)) {
        if (b.qt == pressed) {
            return b.result;
        }
    }
    // Closed with the window's close button: the box's cancel, else its first answer.
    const auto all = Buttons(r.buttons);
    for (const auto& b : all) {
        if (b.result == IDCANCEL || b.result == IDNO) {
            return b.result;
        }
    }
    return all.front().result;
}

}  // namespace

QString TranslatedMessageCaption(const MessageBoxRequest& r) {
    return TranslatedMessage(r.caption);
}

// A fixed text is translated as a whole; a filled-in one pattern first, then each part (a
// part nobody translates, such as a path, stays as it is).
QString TranslatedMessageText(const MessageBoxRequest& r) {
    if (r.pattern.empty()) {
        return TranslatedMessage(r.text);
    }
    std::vector<std::string> parts;
    for (const std::string& part : r.parts) {
        // A part is a message's own word or a name (an alarm type, a month).
        QString text = TranslatedMessage(part);
        if (text == QString::fromStdString(part)) {
            text = QCoreApplication::translate("Names", part.c_str());
        }
        parts.push_back(text.toStdString());
    }
    return QString::fromStdString(FillPattern(TranslatedMessage(r.pattern).toStdString(), parts));
}

void InstallQtMessageBoxes() {
    SetMessageBoxHandler([](const MessageBoxRequest& r) {
        QCoreApplication* app = QCoreApplication::instance();
        if (!app || QThread::currentThread() == app->thread()) {
            return ShowOnThisThread(r);
        }
        int result = DefaultAnswer(r.buttons);
        QMetaObject::invokeMethod(
            app, [&] { result = ShowOnThisThread(r); }, Qt::BlockingQueuedConnection);
        return result;
    });
    SetPostedMessageBoxHandler([](const MessageBoxRequest& r) {
        QCoreApplication* app = QCoreApplication::instance();
        if (!app) {
            return;
        }
        QMetaObject::invokeMethod(app, [r] {
            QMessageBox* box = MakeBox(r);
            box->setAttribute(Qt::WA_DeleteOnClose);
            auto& posted = Posted();
            posted.erase(std::remove(posted.begin(), posted.end(), nullptr), posted.end());
            posted.emplace_back(box);
            box->setModal(false);
            box->show();
            box->raise();
            box->activateWindow();
        });
    });
}

void ClosePostedMessageBoxes() {
    for (auto& box : Posted()) {
        if (box) {
            box->close();
        }
    }
    Posted().clear();
}

int OpenPostedMessageBoxes() {
    int open = 0;
    for (const auto& box : Posted()) {
        open += box && box->isVisible();
    }
    return open;
}

}  // namespace velmora
