// Calendar day cells (32 x 48), the calendar's week headers (230 x 12) and the Year View's
// weekday strips (112 x 10), the headers and strips in English and in Russian.
//
// A cell sits on the calendar's white page. The day number goes into its top-left corner
// and up to ten 10 x 10 icons fill the rest down to row 44, so the cells stay light and
// keep their distinguishing marks to the border, a faint texture and the bottom band
// (rows 44-46), which no icon covers. Each kind differs in pattern as well as colour:
// ordinary is plain, menstruation has drops and a solid band, fertile has dots and a
// dotted band, intermenstrual bleeding has stripes and a striped band.
#include <functional>

#include "art.h"
#include "canvas.h"

namespace artgen {

namespace {

constexpr int kCellW = 32;
constexpr int kCellH = 48;

struct CellStyle {
    QColor fill, border;
    // Texture of the inside; returns the colour at (x, y) or an invalid colour for fill.
    std::function<QColor(int, int)> texture;
    // Colour of the bottom band at (x, y) (y from 0 to 2), invalid for fill.
    std::function<QColor(int, int)> band;
};

QImage cell(const CellStyle& s) {
    QImage img(kCellW, kCellH, QImage::Format_RGB32);
    for (int y = 0; y < kCellH; ++y) {
        for (int x = 0; x < kCellW; ++x) {
            QColor c = s.fill;
            if (s.texture) {
                const QColor t = s.texture(x, y);
                if (t.isValid())
                    c = t;
            }
            if (y >= 44 && y <= 46 && s.band) {
                const QColor b = s.band(x, y - 44);
                if (b.isValid())
                    c = b;
            }
            if (x == 0 || y == 0 || x == kCellW - 1 || y == kCellH - 1)
                c = s.border;
            img.setPixelColor(x, y, c);
        }
    }
    // Rounded corners: the page's white shows through.
    const QColor page(255, 255, 255);
    const QColor soft = mix(s.border, page, 0.55);
    for (auto [cx, cy, dx, dy] :
         {std::tuple{0, 0, 1, 1}, std::tuple{kCellW - 1, 0, -1, 1},
          std::tuple{0, kCellH - 1, 1, -1}, std::tuple{kCellW - 1, kCellH - 1, -1, -1}}) {
        img.setPixelColor(cx, cy, page);
        img.setPixelColor(cx + dx, cy, soft);
        img.setPixelColor(cx, cy + dy, soft);
        img.setPixelColor(cx + dx, cy + dy, s.border);
    }
    return img;
}

// A 3 x 4 drop for the menstruation texture.
bool inSmallDrop(int x, int y) {
    static const char* kDrop[] = {".#.", "###", "###", ".#."};
    if (x < 0 || y < 0 || x > 2 || y > 3)
        return false;
    return kDrop[y][x] == '#';
}

void drawWeekHeader(QImage& img, const QStringList& names, bool mondayFirst) {
    QPainter p(&img);
    smooth(p);
    p.setFont(sansFont(9, true));
    const QColor weekday(0x7A, 0x4A, 0x78), weekend(0xC8, 0x45, 0x6E);
    for (int c = 0; c < 7; ++c) {
        const bool isWeekend = mondayFirst ? (c >= 5) : (c == 0 || c == 6);
        // The header goes 3 pixels in from the left, exactly like the cells, so column c
        // sits over the cell at 33c .. 33c + 31.
        const QRectF pill(33 * c + 0.5, 0.5, 31, 11);
        p.setPen(Qt::NoPen);
        p.setBrush(isWeekend ? weekend : weekday);
        p.drawRoundedRect(pill, 4, 4);
        p.setPen(QColor(0xF4, 0xF0, 0xF4));
        p.drawText(QRectF(33 * c, 0, 32, 12), Qt::AlignCenter, names[c]);
    }
}

void drawYearStrip(QImage& img, const QStringList& names, bool mondayFirst) {
    QPainter p(&img);
    smooth(p);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xF6, 0xE4, 0xEC));
    p.drawRoundedRect(QRectF(0, 0, 112, 10), 3, 3);
    p.setFont(sansFont(9));
    const QColor weekday(0x4A, 0x24, 0x48), weekend(17, 113, 159);
    for (int c = 0; c < 7; ++c) {
        const bool isWeekend = mondayFirst ? (c >= 5) : (c == 0 || c == 6);
        p.setPen(isWeekend ? weekend : weekday);
        // Day numbers start at the column's left edge; the names centre over a two-digit
        // number rather than over the whole 16-pixel column.
        p.drawText(QRectF(16 * c - 2, -1, 17, 12), Qt::AlignCenter, names[c]);
    }
}

}  // namespace

void makeCells(Catalogue& cat) {
    CellStyle ordinary{QColor(0xFB, 0xF8, 0xF4), QColor(0xC8, 0xBC, 0xCC), {}, {}};
    cat.addPicture(166, cell(ordinary), "calendar cell: ordinary day (plain)");

    const QColor rose(0xFA, 0xD8, 0xE0), roseInk(0xC8, 0x30, 0x4C), roseDrop(0xF2, 0xB8, 0xC6);
    CellStyle menses{rose, roseInk,
                     [=](int x, int y) {
                         // Staggered drops, kept out of the day number's corner.
                         if (y < 12 && x < 18)
                             return QColor();
                         const int row = (y - 1) / 9;
                         const int ox = (row % 2) ? 7 : 2;
                         const int dx = ((x - ox) % 10 + 10) % 10, dy = (y - 1) % 9;
                         return inSmallDrop(dx, dy - 3) ? roseDrop : QColor();
                     },
                     [=](int, int) { return roseInk; }};
    cat.addPicture(184, cell(menses), "calendar cell: menstruation day (drops, solid band)");

    const QColor mint(0xDE, 0xF2, 0xDA), mintInk(0x3E, 0x98, 0x56), mintDot(0xB0, 0xDC, 0xAC);
    CellStyle fertile{mint, mintInk,
                      [=](int x, int y) {
                          if (y < 12 && x < 18)
                              return QColor();
                          const bool dot = (y % 4 == 2) && ((x + (y / 4) * 2) % 4 == 1);
                          return dot ? mintDot : QColor();
                      },
                      [=](int x, int y) {
                          // A row of 2 x 2 dots.
                          return (y >= 1 && (x % 4) >= 1 && (x % 4) <= 2) ? mintInk : QColor();
                      }};
    cat.addPicture(207, cell(fertile), "calendar cell: fertile day (dots, dotted band)");

    const QColor peach(0xFD, 0xE8, 0xD0), peachInk(0xD8, 0x7C, 0x2C), peachStripe(0xF6, 0xD2, 0xAA);
    CellStyle spotting{peach, peachInk,
                       [=](int x, int y) {
                           if (y < 12 && x < 18)
                               return QColor();
                           return ((x + y) % 6 < 2) ? peachStripe : QColor();
                       },
                       [=](int x, int y) { return ((x + y) % 4 < 2) ? peachInk : QColor(); }};
    cat.addPicture(313, cell(spotting),
                   "calendar cell: intermenstrual bleeding (stripes, striped band)");

    const QColor mist(0xF0, 0xF0, 0xF2), mistInk(0xB4, 0xB4, 0xBE);
    CellStyle outside{mist,
                      mistInk,
                      [=](int x, int y) {
                          return ((x + y) % 8 == 0 || (x - y + 64) % 8 == 0) && y > 11
                                     ? QColor(0xE4, 0xE4, 0xEA)
                                     : QColor();
                      },
                      {}};
    cat.addPicture(183, cell(outside),
                   "spare calendar cell: a day outside the month (grey lattice)");

    const QStringList sunFirst = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
    const QStringList monFirst = {"Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"};
    QImage h185 = blank(230, 12, Qt::white);
    drawWeekHeader(h185, sunFirst, false);
    cat.addPicture(185, h185, "calendar week header, Sunday first");
    QImage h208 = blank(230, 12, Qt::white);
    drawWeekHeader(h208, monFirst, true);
    cat.addPicture(208, h208, "calendar week header, Monday first");

    const QStringList sunShort = {"Su", "Mo", "Tu", "We", "Th", "Fr", "Sa"};
    const QStringList monShort = {"Mo", "Tu", "We", "Th", "Fr", "Sa", "Su"};
    QImage y186 = blank(112, 10, Qt::white);
    drawYearStrip(y186, sunShort, false);
    cat.addPicture(186, y186, "Year View weekday strip, Sunday first");
    QImage y209 = blank(112, 10, Qt::white);
    drawYearStrip(y209, monShort, true);
    cat.addPicture(209, y209, "Year View weekday strip, Monday first");

    // The same four in Russian, where the week's two-letter names serve both the calendar
    // and the Year View. Each is its English picture's id plus 1000.
    const QStringList ruSunFirst = {"Вс", "Пн", "Вт", "Ср", "Чт", "Пт", "Сб"};
    const QStringList ruMonFirst = {"Пн", "Вт", "Ср", "Чт", "Пт", "Сб", "Вс"};
    QImage h1185 = blank(230, 12, Qt::white);
    drawWeekHeader(h1185, ruSunFirst, false);
    cat.addPicture(1185, h1185, "calendar week header, Sunday first, in Russian");
    QImage h1208 = blank(230, 12, Qt::white);
    drawWeekHeader(h1208, ruMonFirst, true);
    cat.addPicture(1208, h1208, "calendar week header, Monday first, in Russian");
    QImage y1186 = blank(112, 10, Qt::white);
    drawYearStrip(y1186, ruSunFirst, false);
    cat.addPicture(1186, y1186, "Year View weekday strip, Sunday first, in Russian");
    QImage y1209 = blank(112, 10, Qt::white);
    drawYearStrip(y1209, ruMonFirst, true);
    cat.addPicture(1209, y1209, "Year View weekday strip, Monday first, in Russian");
}

}  // namespace artgen
