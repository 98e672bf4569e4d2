#pragma once

#include <QString>
#include <functional>

class QDialog;
class QWidget;

namespace velmora {

class CMainFrame;
class CVelmoraMFCApp;

// What the screenshot tool offers each area's pictures.
struct ShotContext {
    CVelmoraMFCApp& app;
    CMainFrame& frame;

    // Writes a picture of `widget` as OUTDIR/name.png.
    void Save(QWidget& widget, const QString& name);
    // Runs the event loop for `ms` milliseconds.
    static void Pump(int ms);
    // Runs `command`; once its screen is open, `before` may fill it, then it is
    // photographed as `name` and closed.
    void ShotOfCommand(int command, const QString& name, std::function<void(QDialog&)> before = {});
    // The same for a screen that another screen opens: `open` runs in the outer screen,
    // the next modal screen is photographed.
    void ShotOfNextScreen(const std::function<void()>& open, const QString& name,
                          std::function<void(QDialog&)> before = {});
};

// Each area photographs its screens (the calendar, About and Mirror are in shots.cpp).
void ShootEntryScreens(ShotContext& shots);
void ShootCycleScreens(ShotContext& shots);
void ShootChartScreens(ShotContext& shots);
void ShootToolScreens(ShotContext& shots);

}  // namespace velmora
