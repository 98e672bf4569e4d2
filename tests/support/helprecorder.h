#pragma once

// Opens help the way the program does, with the real help browser, and records for each
// opening the screen code, the page and the main window's title while help shows; each
// browser is closed again at once.

#include <QDialog>
#include <QString>
#include <memory>
#include <vector>

#include "help/helpdialog.h"
#include "ui/kit/help.h"
#include "ui/kit/mainframe.h"
#include "ui/kit/modal.h"

namespace velmora::test {

class HelpRecorder {
public:
    struct Call {
        int code = 0;
        int page = 0;
        QString title;  // the main window's title while help was open
        bool operator==(const Call&) const = default;
    };

    HelpRecorder() {
        auto calls = m_calls;
        SetHelpOpener([calls](IMainFrame* frame, int code, int page) {
            calls->push_back({code, page, QString()});
            QueueModalHook([calls, frame](QDialog& dialog) {
                calls->back().title = frame ? frame->Title() : QString();
                dialog.reject();
            });
            OpenHelpBrowser(frame, code, page);
        });
    }
    ~HelpRecorder() { SetHelpOpener({}); }
    HelpRecorder(const HelpRecorder&) = delete;
    HelpRecorder& operator=(const HelpRecorder&) = delete;

    const std::vector<Call>& Calls() const { return *m_calls; }

private:
    std::shared_ptr<std::vector<Call>> m_calls = std::make_shared<std::vector<Call>>();
};

}  // namespace velmora::test
