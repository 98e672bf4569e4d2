#include "platform/messagebox.h"

#include <cstdio>
#include <mutex>

namespace velmora {

namespace {
std::mutex g_handlerMutex;
MessageBoxHandler g_handler;
PostedMessageBoxHandler g_postedHandler;

MessageBoxRequest MakeRequest(std::string_view text, std::string_view caption, MbIcon icon,
                              MbButtons buttons, WindowRef owner, bool topmost) {
    MessageBoxRequest request;
    request.text = std::string(text);
    request.caption = caption.empty() ? std::string(kProgramName) : std::string(caption);
    request.icon = icon;
    request.buttons = buttons;
    request.owner = owner;
    request.topmost = topmost;
    return request;
}

const char* IconName(MbIcon icon) {
    switch (icon) {
        case MbIcon::Stop:
            return "stop";
        case MbIcon::Information:
            return "information";
        case MbIcon::Warning:
            return "warning";
        case MbIcon::Question:
            return "question";
        case MbIcon::None:
            break;
    }
    return "none";
}
}  // namespace

const WindowRef kForegroundWindow = reinterpret_cast<WindowRef>(&kForegroundWindow);

int DefaultAnswer(MbButtons buttons) {
    switch (buttons) {
        case MbButtons::Ok:
        case MbButtons::OkCancel:
            return IDOK;
        case MbButtons::YesNo:
        case MbButtons::YesNoCancel:
            return IDYES;
        case MbButtons::RetryCancel:
            return IDRETRY;
        case MbButtons::AbortRetryIgnore:
            return IDABORT;
    }
    return IDOK;
}

namespace {
// A copy of the handler in `slot`, so that it runs without the lock held.
template <typename Handler>
Handler Current(const Handler& slot) {
    std::lock_guard lock(g_handlerMutex);
    return slot;
}

// Without a handler (no window side) the message goes to stderr.
void WriteToStderr(const MessageBoxRequest& request, MbIcon icon) {
    std::fprintf(stderr, "[%s] (%s) %s\n", request.caption.c_str(), IconName(icon),
                 request.text.c_str());
    std::fflush(stderr);
}
}  // namespace

int ShowMessageBox(std::string_view text, std::string_view caption, MbIcon icon, MbButtons buttons,
                   WindowRef owner, bool topmost) {
    const MessageBoxRequest request = MakeRequest(text, caption, icon, buttons, owner, topmost);
    if (const MessageBoxHandler handler = Current(g_handler)) {
        return handler(request);
    }
    WriteToStderr(request, icon);
    return DefaultAnswer(buttons);
}

void PostMessageBox(std::string_view text, std::string_view caption, MbIcon icon, MbButtons buttons,
                    WindowRef owner, bool topmost) {
    const MessageBoxRequest request = MakeRequest(text, caption, icon, buttons, owner, topmost);
    if (const PostedMessageBoxHandler handler = Current(g_postedHandler)) {
        handler(request);
        return;
    }
    WriteToStderr(request, icon);
}

PostedMessageBoxHandler SetPostedMessageBoxHandler(PostedMessageBoxHandler handler) {
    std::lock_guard lock(g_handlerMutex);
    PostedMessageBoxHandler previous = std::move(g_postedHandler);
    g_postedHandler = std::move(handler);
    return previous;
}

MessageBoxHandler SetMessageBoxHandler(MessageBoxHandler handler) {
    std::lock_guard lock(g_handlerMutex);
    MessageBoxHandler previous = std::move(g_handler);
    g_handler = std::move(handler);
    return previous;
}

}  // namespace velmora
