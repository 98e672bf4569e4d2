#pragma once

#include <QString>

class QScreen;

namespace velmora {

// The whole-number zoom of every window: each of the screens' pixels becomes zoom x zoom
// device pixels. Pictures and the digit font are copied pixel for pixel; text, lines and
// Qt's own controls are drawn at the device's resolution, so they stay sharp. Layout, hit
// areas and taps keep their logical coordinates, so a tap lands on the same day at every
// zoom.
inline constexpr int kMinZoom = 1;
inline constexpr int kMaxZoom = 4;
// The main window's height in the screens' pixels, what the automatic zoom fits.
inline constexpr int kZoomFitHeight = 294;

// The automatic zoom: the largest at which a window `logicalHeight` pixels tall takes at
// most 60% of `availableDeviceHeight` device pixels, and never less than the screen's own
// device pixel ratio `screenRatio` (rounded up), within kMinZoom..kMaxZoom.
int FittingZoom(int availableDeviceHeight, double screenRatio, int logicalHeight = kZoomFitHeight);

// The largest zoom at which a window `logicalHeight` pixels tall fits
// `availableDeviceHeight` device pixels with its title bar (1 when none does).
int LargestFittingZoom(int availableDeviceHeight, int logicalHeight = kZoomFitHeight);

// The zoom for the Zoom setting (kZoomAutomatic or 1-4) on `screen` (the primary screen
// when null), as the screen was before the program zoomed anything. A zoom chosen larger
// than the screen holds is the largest it holds.
int ResolveZoom(int setting, const QScreen* screen = nullptr);

// Makes every window show at `zoom` on the primary screen. Windows that exist are taken
// down and put up again at the new scale, at the same place, kept on the screen; call it
// when no dialog is running its own event loop. True when the zoom changed.
bool ApplyZoom(int zoom);
// The zoom applied (1 before any).
int CurrentZoom();
// How a zoom is named in the lists and menus: "2×".
QString ZoomName(int zoom);

}  // namespace velmora
