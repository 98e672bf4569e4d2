#include "ui/kit/modal.h"

#include <QDialog>
#include <QTimer>
#include <deque>

#include "ui/kit/keys.h"
#include "ui/kit/mainframe.h"

namespace velmora {

namespace {
std::deque<ModalHook>& Hooks() {
    static std::deque<ModalHook> hooks;
    return hooks;
}
}  // namespace

void QueueModalHook(ModalHook hook) {
    Hooks().push_back(std::move(hook));
}

void ClearModalHooks() {
    Hooks().clear();
}

int PendingModalHooks() {
    return static_cast<int>(Hooks().size());
}

void PlaceOverMainWindow(QDialog& dialog, IMainFrame* frame, const QString& title) {
    dialog.setWindowTitle(title);
    if (frame && frame->Window()) {
        const QWidget* main = frame->Window();
        dialog.setGeometry(main->geometry());
    }
}

int RunModal(QDialog& dialog, IMainFrame* frame, const QString& title) {
    PlaceOverMainWindow(dialog, frame, title);
    OrderTabsByReading(&dialog);
    if (!Hooks().empty()) {
        ModalHook hook = std::move(Hooks().front());
        Hooks().pop_front();
        QDialog* target = &dialog;
        // Runs once exec() has started its loop and the screen is showing.
        QTimer::singleShot(0, target, [target, hook = std::move(hook)] { hook(*target); });
    }
    return dialog.exec();
}

}  // namespace velmora
