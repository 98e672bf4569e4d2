#include "ui/kit/zoom.h"

#include <QtGui/private/qhighdpiscaling_p.h>
#include <QApplication>
#include <QPointer>
#include <QScreen>
#include <QWidget>
#include <algorithm>
#include <cmath>
#include <vector>

namespace velmora {

namespace {

// The user's own QT_SCALE_FACTOR: part of what the program found on the screen.
double UserFactor() {
    bool ok = false;
    const double env = qEnvironmentVariable("QT_SCALE_FACTOR").toDouble(&ok);
    return ok && env > 0 ? env : 1.0;
}

// Qt's global scale factor as the program last set it; at first the user's own.
double& GlobalFactor() {
    static double factor = UserFactor();
    return factor;
}

const QScreen* ScreenOrPrimary(const QScreen* screen) {
    return screen ? screen : QGuiApplication::primaryScreen();
}

}  // namespace

int FittingZoom(int availableDeviceHeight, double screenRatio, int logicalHeight) {
    int zoom = kMinZoom;
    while (zoom < kMaxZoom &&
           static_cast<double>(logicalHeight) * (zoom + 1) <= 0.6 * availableDeviceHeight) {
        ++zoom;
    }
    const int floor = static_cast<int>(std::ceil(screenRatio - 1e-9));
    return std::clamp(std::max(zoom, floor), kMinZoom, kMaxZoom);
}

int LargestFittingZoom(int availableDeviceHeight, int logicalHeight) {
    constexpr int kTitleBar = 32;  // device pixels a window manager's title may take
    return std::clamp((availableDeviceHeight - kTitleBar) / logicalHeight, kMinZoom, kMaxZoom);
}

int ResolveZoom(int setting, const QScreen* screen) {
    screen = ScreenOrPrimary(screen);
    if (!screen) {
        return setting >= kMinZoom && setting <= kMaxZoom ? setting : kMinZoom;
    }
    const double ratio = screen->devicePixelRatio();
    const int deviceHeight =
        static_cast<int>(std::lround(screen->availableGeometry().height() * ratio));
    if (setting >= kMinZoom && setting <= kMaxZoom) {
        return std::min(setting, LargestFittingZoom(deviceHeight));
    }
    // The screen as it was before the program's own zoom: its ratio with the user's factor.
    const double ownRatio = ratio / GlobalFactor() * UserFactor();
    return FittingZoom(deviceHeight, ownRatio);
}

int CurrentZoom() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? std::max(kMinZoom, static_cast<int>(std::lround(screen->devicePixelRatio())))
                  : kMinZoom;
}

QString ZoomName(int zoom) {
    return QString::number(zoom) + QChar(0x00D7);
}

bool ApplyZoom(int zoom) {
    zoom = std::clamp(zoom, kMinZoom, kMaxZoom);
    const QScreen* primary = QGuiApplication::primaryScreen();
    if (!primary || std::abs(primary->devicePixelRatio() - zoom) < 1e-6) {
        return false;
    }
    // A window keeps the device size it was shown with: every window is taken down and put
    // up again, placed anew, at the new scale.
    struct Shown {
        QPointer<QWidget> widget;
        QPoint position;
    };
    std::vector<Shown> shown;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->isVisible()) {
            shown.push_back({widget, widget->pos()});
            widget->hide();
        }
    }
    const double factor = GlobalFactor() * zoom / primary->devicePixelRatio();
    {
        // Qt warns that windows exist; they do, hidden, and are placed again below.
        static QtMessageHandler previous = nullptr;
        previous = qInstallMessageHandler(
            [](QtMsgType type, const QMessageLogContext& context, const QString& message) {
                if (previous &&
                    !message.contains(QLatin1String("Should only be called when no windows"))) {
                    previous(type, context, message);
                }
            });
        QHighDpiScaling::setGlobalFactor(factor);
        qInstallMessageHandler(previous);
    }
    GlobalFactor() = factor;
    for (const Shown& s : shown) {
        if (!s.widget) {
            continue;
        }
        // Kept on the screen: the screen is smaller in the screens' pixels now.
        const QScreen* screen = QGuiApplication::screenAt(s.position);
        const QRect area = (screen ? screen : primary)->availableGeometry();
        const QSize size = s.widget->frameGeometry().size();
        const int x = std::clamp(s.position.x(), area.left(),
                                 std::max(area.left(), area.right() + 1 - size.width()));
        const int y = std::clamp(s.position.y(), area.top(),
                                 std::max(area.top(), area.bottom() + 1 - size.height()));
        s.widget->move(x, y);
        s.widget->show();
    }
    return true;
}

}  // namespace velmora
