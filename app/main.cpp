// Velmora: a personal cycle diary.

#include <QApplication>
#include <QIcon>

#include "app/velmoraapp.h"
#include "res/programresources.h"

int main(int argc, char** argv) {
    QApplication qt(argc, argv);
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
