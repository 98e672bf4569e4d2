// The families of artwork; each function adds its resources to the catalogue.
#pragma once

#include <QImage>

#include <QString>

#include "canvas.h"

namespace artgen {

void makeIcons(Catalogue& cat);    // 10 x 10, 14 x 14, Cycle Bar marks, tab icons
void makeCells(Catalogue& cat);    // calendar cells, week headers, Year View strips
void makeButtons(Catalogue& cat);  // image-button bitmaps and tool-bar strips
void makeSkins(Catalogue& cat);    // the seven skins' six backgrounds each
void makeScreens(Catalogue& cat);
// The program's icon for desktops and launchers, `size` pixels square, with transparency.
QImage appIcon(int size);  // start picture and About pages (needs icons and cells)
void makeSounds(Catalogue& cat);   // clicks and the alarm chime

// Contact sheet of everything listed in RESDIR/resources.manifest; `filter` (may be empty)
// is a regular expression that keeps only entries whose "TYPE NAME" it matches. Returns a process
// exit code.
int renderSheet(const QString& resDir, const QString& outPng, const QString& filter);

// The pictures put together the way the screens use them, with sample text and charts
// drawn over them, for judging how they read.
int renderMock(const QString& resDir, const QString& outPng);

}  // namespace artgen
