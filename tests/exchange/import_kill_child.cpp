// Imports a file into the diary (Replace), printing "begin" when the writing starts and
// "done" once it is committed. The kill test kills it in between; XDG_DATA_HOME is the
// test's own.

#include <cstdio>

#include "exchange/exchange.h"
#include "platform/messagebox.h"

int main(int argc, char** argv) {
    using namespace velmora;
    if (argc < 2) {
        return 2;
    }
    // Any message box is a failure the parent must see.
    SetMessageBoxHandler([](const MessageBoxRequest& r) {
        std::fprintf(stderr, "BOX %s\n", r.text.c_str());
        std::fflush(stderr);
        return DefaultAnswer(r.buttons);
    });
    const ImportPlan plan = PlanImportFile(argv[1]);
    ExchangeError error;
    const bool ok = ApplyImport(
        plan, ImportMode::Replace,
        [](ExchangeError&) {
            std::printf("begin\n");
            std::fflush(stdout);
            return true;
        },
        error);
    if (!ok) {
        std::fprintf(stderr, "%s\n", error.Text().c_str());
        return 1;
    }
    std::printf("done\n");
    std::fflush(stdout);
    return 0;
}
