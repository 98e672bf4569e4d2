// Velmora: a personal cycle diary.

#include <QApplication>
#include <QIcon>

#include "app/commandline.h"
#include "app/velmoraapp.h"
#include "res/programresources.h"

namespace {
QStringList Arguments(int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments << QString::fromLocal8Bit(argv[i]);
    }
    return arguments;
}
}  // namespace

int main(int argc, char** argv) {
    // The verbs for scripts run without a window, and without a display.
    if (const QStringList arguments = Arguments(argc, argv);
        velmora::IsCommandLineCall(arguments)) {
        QCoreApplication core(argc, argv);
        QCoreApplication::setApplicationName("Velmora Plus");
        QCoreApplication::setOrganizationName("Tessaryn");
        QCoreApplication::setApplicationVersion(VELMORA_VERSION);
        return velmora::RunCommandLineInUsersLanguage(arguments);
    }
    QApplication qt(argc, argv);
    QCoreApplication::setApplicationVersion(VELMORA_VERSION);
    QApplication::setApplicationName("Velmora Plus");
    QApplication::setOrganizationName("Tessaryn");
    QGuiApplication::setDesktopFileName("velmora");
    QIcon own;
    for (int size : {48, 64, 128, 256}) {
        own.addFile(QStringLiteral(":/icons/velmora-%1.png").arg(size));
    }
    QApplication::setWindowIcon(QIcon::fromTheme("velmora", own));
    QApplication::setQuitOnLastWindowClosed(false);  // the exit routine decides
    velmora::RegisterProgramResources();
    velmora::CVelmoraMFCApp app(qt, velmora::AppOptions::FromEnvironment());
    return app.Run();
}
