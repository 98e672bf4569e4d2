#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/translatable.h"

namespace velmora {

// The program's name: the caption of every message box that gives none.
inline constexpr const char* kProgramName = "Velmora Plus";

enum class MbIcon { None, Stop, Information, Warning, Question };
enum class MbButtons { Ok, OkCancel, YesNo, YesNoCancel, RetryCancel, AbortRetryIgnore };

// Buttons, as returned by ShowMessageBox.
enum MbResult : int {
    IDOK = 1,
    IDCANCEL = 2,
    IDABORT = 3,
    IDRETRY = 4,
    IDIGNORE = 5,
    IDYES = 6,
    IDNO = 7,
};

// Owner of a box: none, the window in front (whatever it is at the time), or a window.
// Window handles are opaque here; the window layer knows what they point at.
using WindowRef = const void*;
inline const WindowRef kNoOwner = nullptr;
extern const WindowRef kForegroundWindow;

struct MessageBoxRequest {
    std::string text;     // UTF-8
    std::string caption;  // UTF-8, never empty: the program's name when none was given
    MbIcon icon = MbIcon::None;
    MbButtons buttons = MbButtons::Ok;
    WindowRef owner = kNoOwner;
    bool topmost = false;
    // For a text filled in from a pattern: the pattern, with %1, %2, ... where the parts go,
    // and the parts, so that the window layer can translate each. Empty for a fixed text.
    std::string pattern;
    std::vector<std::string> parts;
};

// `pattern` with %1 ... %9 replaced by `parts` (a number without a part stays as it is).
std::string FillPattern(std::string_view pattern, const std::vector<std::string>& parts);

// The one way every layer tells the user something. Blocks until answered and returns the
// button pressed. Safe to call from any thread: the installed handler decides where the box
// is shown (the window layer hands it to the GUI thread).
int ShowMessageBox(std::string_view text, std::string_view caption = {}, MbIcon icon = MbIcon::None,
                   MbButtons buttons = MbButtons::Ok, WindowRef owner = kNoOwner,
                   bool topmost = false);

// The same for a text filled in from `pattern` and `parts` (see FillPattern).
int ShowFilledMessageBox(std::string_view pattern, std::vector<std::string> parts,
                         std::string_view caption = {}, MbIcon icon = MbIcon::None,
                         MbButtons buttons = MbButtons::Ok, WindowRef owner = kNoOwner,
                         bool topmost = false);

using MessageBoxHandler = std::function<int(const MessageBoxRequest&)>;

// Installs the handler that shows boxes and returns the previous one. With no handler the
// box is written to standard error and answered with its first button.
MessageBoxHandler SetMessageBoxHandler(MessageBoxHandler handler);

// Shows a box without waiting for it: the caller goes on at once and nobody learns the
// answer (reminders use this, so that an open reminder never holds up the next one).
void PostMessageBox(std::string_view text, std::string_view caption = {},
                    MbIcon icon = MbIcon::None, MbButtons buttons = MbButtons::Ok,
                    WindowRef owner = kNoOwner, bool topmost = false);

void PostFilledMessageBox(std::string_view pattern, std::vector<std::string> parts,
                          std::string_view caption = {}, MbIcon icon = MbIcon::None,
                          MbButtons buttons = MbButtons::Ok, WindowRef owner = kNoOwner,
                          bool topmost = false);

using PostedMessageBoxHandler = std::function<void(const MessageBoxRequest&)>;

// Installs the handler for posted boxes and returns the previous one. With none, a posted
// box is written to standard error.
PostedMessageBoxHandler SetPostedMessageBoxHandler(PostedMessageBoxHandler handler);

// The first button of a set: what a box without a user answers.
int DefaultAnswer(MbButtons buttons);

}  // namespace velmora
