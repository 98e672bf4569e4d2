#include "ui/kit/help.h"

namespace velmora {

namespace {
std::function<void(IMainFrame*, int, int)>& Opener() {
    static std::function<void(IMainFrame*, int, int)> opener;
    return opener;
}
}  // namespace

void OpenHelp(IMainFrame* frame, int screenCode, int page) {
    if (Opener()) {
        Opener()(frame, screenCode, page);
    }
}

void SetHelpOpener(std::function<void(IMainFrame*, int, int)> opener) {
    Opener() = std::move(opener);
}

}  // namespace velmora
