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

namespace {
int Show(const MessageBoxRequest& request) {
    if (const MessageBoxHandler handler = Current(g_handler)) {
        return handler(request);
    }
    WriteToStderr(request, request.icon);
    return DefaultAnswer(request.buttons);
}

void Post(const MessageBoxRequest& request) {
    if (const PostedMessageBoxHandler handler = Current(g_postedHandler)) {
        handler(request);
        return;
    }
    WriteToStderr(request, request.icon);
}

MessageBoxRequest FilledRequest(std::string_view pattern, std::vector<std::string> parts,
                                std::string_view caption, MbIcon icon, MbButtons buttons,
                                WindowRef owner, bool topmost) {
    MessageBoxRequest request =
        MakeRequest(FillPattern(pattern, parts), caption, icon, buttons, owner, topmost);
    request.pattern = std::string(pattern);
    request.parts = std::move(parts);
    return request;
}
}  // namespace

std::string FillPattern(std::string_view pattern, const std::vector<std::string>& parts) {
    std::string text;
    text.reserve(pattern.size());
    for (size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] == '%' && i + 1 < pattern.size() && pattern[i + 1] >= '1' &&
            pattern[i + 1] <= '9') {
            const size_t n = static_cast<size_t>(pattern[i + 1] - '1');
            if (n < parts.size()) {
                text += parts[n];
                ++i;
                continue;
            }
        }
        text += pattern[i];
    }
    return text;
}

int ShowMessageBox(std::string_view text, std::string_view caption, MbIcon icon, MbButtons buttons,
                   WindowRef owner, bool topmost) {
    return Show(MakeRequest(text, caption, icon, buttons, owner, topmost));
}

int ShowFilledMessageBox(std::string_view pattern, std::vector<std::string> parts,
                         std::string_view caption, MbIcon icon, MbButtons buttons, WindowRef owner,
                         bool topmost) {
    return Show(FilledRequest(pattern, std::move(parts), caption, icon, buttons, owner, topmost));
}

void PostMessageBox(std::string_view text, std::string_view caption, MbIcon icon, MbButtons buttons,
                    WindowRef owner, bool topmost) {
    Post(MakeRequest(text, caption, icon, buttons, owner, topmost));
}

void PostFilledMessageBox(std::string_view pattern, std::vector<std::string> parts,
                          std::string_view caption, MbIcon icon, MbButtons buttons, WindowRef owner,
                          bool topmost) {
    Post(FilledRequest(pattern, std::move(parts), caption, icon, buttons, owner, topmost));
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
