#pragma once

#include <QString>
#include <functional>

class QDialog;

namespace velmora {

class IMainFrame;

// Every modal screen runs through here: it opens over the main window at its position and
// size, with the window title the main window shows for it.
int RunModal(QDialog& dialog, IMainFrame* frame, const QString& title);
// Places `dialog` over the main window and titles it, without running it.
void PlaceOverMainWindow(QDialog& dialog, IMainFrame* frame, const QString& title);

// Test hook: while a hook is queued, each modal run takes the next one and calls it once the
// screen is open and waiting, so a test can fill fields, press buttons and close it. Screens
// opened from inside a hook take the hooks queued after it.
using ModalHook = std::function<void(QDialog&)>;
void QueueModalHook(ModalHook hook);
void ClearModalHooks();
int PendingModalHooks();

}  // namespace velmora
