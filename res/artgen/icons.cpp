// The small pictures, drawn pixel by pixel: 10 x 10 calendar icons, 14 x 14 Day View and
// help icons, the Cycle Bar's 14 x 8 day marks and the Day View's 16 x 15 tab icons. At
// these sizes a hand-placed pixel reads better than any smoothed curve.
#include <stdexcept>

#include "art.h"
#include "canvas.h"

namespace artgen {

namespace {

using Rows = std::vector<std::string>;

// One palette for every small icon, so they read as a family: a dark plum outline, light
// from the upper left, and never pure white (that is the transparent key).
const Palette& iconPalette() {
    static const Palette p = {
        {'k', QColor(0x4A, 0x2A, 0x3A)}, {'r', QColor(0xDC, 0x2C, 0x44)},
        {'R', QColor(0x9C, 0x18, 0x30)}, {'p', QColor(0xF4, 0x8C, 0xA4)},
        {'P', QColor(0xC0, 0x40, 0x68)}, {'w', QColor(0xF0, 0xF0, 0xF0)},
        {'y', QColor(0xF8, 0xC8, 0x30)}, {'Y', QColor(0xC0, 0x88, 0x18)},
        {'o', QColor(0xF0, 0x90, 0x38)}, {'O', QColor(0xB8, 0x5C, 0x18)},
        {'b', QColor(0x3C, 0x78, 0xD8)}, {'B', QColor(0x1E, 0x4A, 0x94)},
        {'c', QColor(0x9C, 0xCC, 0xF4)}, {'g', QColor(0x48, 0xA8, 0x50)},
        {'G', QColor(0x2A, 0x70, 0x34)}, {'h', QColor(0xA8, 0xDC, 0x98)},
        {'l', QColor(0xD4, 0xD4, 0xD4)}, {'e', QColor(0x9A, 0x9A, 0x9A)},
        {'E', QColor(0x5A, 0x5A, 0x5A)}, {'v', QColor(0xC4, 0x9C, 0xE8)},
        {'V', QColor(0x70, 0x48, 0xA8)}, {'s', QColor(0xF8, 0xC4, 0xA0)},
        {'S', QColor(0xD0, 0x8C, 0x64)}, {'n', QColor(0x8C, 0x5A, 0x3C)},
        {'m', QColor(0xF8, 0xF0, 0xD8)}, {'M', QColor(0xE0, 0xD4, 0xB0)},
        {'t', QColor(0xE8, 0xE0, 0xF0)},
    };
    return p;
}

QImage icon(int w, int h, const Rows& rows) {
    return sprite(w, h, kKey, rows, iconPalette());
}

// Layers sprites onto a key-coloured square, later ones in front.
QImage layered(int w, int h, const std::vector<std::tuple<int, int, Rows>>& layers) {
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(kKey);
    for (const auto& [x, y, rows] : layers)
        stamp(img, x, y, rows, iconPalette());
    return img;
}

// Every icon must keep its top-left pixel as the only key-coloured kind of pixel
// (after the 16-bit reduction) among the pixels meant to be seen.
void checkIcon(const QImage& img, const QString& what) {
    const uint16_t key = to565(img.pixel(0, 0));
    if (key != to565(kKey.rgb()))
        throw std::runtime_error(("top-left pixel is not the key: " + what).toStdString());
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            const QRgb c = img.pixel(x, y);
            if (c != kKey.rgb() && to565(c) == key)
                throw std::runtime_error(
                    ("a visible pixel matches the key: " + what).toStdString());
        }
}

// --- drops --------------------------------------------------------------------------

const Rows kDrop10 = {
    "..........", "....RR....", "...RrrR...", "...RrrR...", "..RrrrrR..",
    ".RrwrrrrR.", ".RrwrrrrR.", ".RrrrrrrR.", "..RrrrrR..", "...RRRR...",
};
const Rows kDropSmall = {"..R..", ".RrR.", ".RrR.", "RrrrR", "RwrrR", "RrrrR", ".RRR."};
const Rows kDropTiny = {"..R..", ".RrR.", "RwrrR", "RrrrR", ".RRR."};  // 5 x 5

QImage predictedDrop() {
    return icon(10, 10,
                {
                    "..........",
                    "....rr....",
                    "...rwwr...",
                    "...rwwr...",
                    "..rwwwwr..",
                    ".rwwwwwwr.",
                    ".rwwwwwwr.",
                    ".rwwwwwwr.",
                    "..rwwwwr..",
                    "...rrrr...",
                });
}

}  // namespace

void makeIcons(Catalogue& cat) {
    auto add10 = [&](int id, const QImage& img, const QString& about) {
        checkIcon(img, QString::number(id));
        cat.addPicture(id, img, about);
    };

    // Flow: one, two and three drops; the prediction is a hollow drop.
    add10(225, icon(10, 10, kDrop10), "calendar icon: light flow (one drop)");
    add10(226, layered(10, 10, {{5, 0, kDropSmall}, {0, 3, kDropSmall}}),
          "calendar icon: normal flow (two drops)");
    add10(230, layered(10, 10, {{2, 0, kDropTiny}, {0, 5, kDropTiny}, {5, 5, kDropTiny}}),
          "calendar icon: heavy flow (three drops)");
    add10(251, predictedDrop(), "calendar icon: predicted flow (hollow drop)");

    add10(240,
          icon(10, 10,
               {
                   "..........",
                   "....kk....",
                   "...kyyk...",
                   "..kwyyYk..",
                   "..kwyyYk..",
                   "..kyyyYk..",
                   ".kyyyyyYk.",
                   "kkkkkkkkkk",
                   "....kk....",
                   "..........",
               }),
          "calendar icon: alarm set (bell)");
    add10(229,
          icon(10, 10,
               {
                   "..........",
                   "..........",
                   ".kk....kk.",
                   "kcbk..kcbk",
                   "kcbkkkkcbk",
                   "kcbeeeecbk",
                   "kcbkkkkcbk",
                   "kcbk..kcbk",
                   ".kk....kk.",
                   "..........",
               }),
          "calendar icon: sport (dumbbell)");
    add10(242,
          layered(10, 10,
                  {{5, 0, {".P.P.", "PpPpP", "PwppP", ".PpP.", "..P.."}},
                   {0, 3, {".RR.RR.", "RrrRrrR", "RwrrrrR", ".RrrrR.", "..RrR..", "...R..."}}}),
          "calendar icon: sex (two hearts)");
    add10(244,
          icon(10, 10,
               {
                   "...kkkk...",
                   "..koooOk..",
                   ".kowoooOk.",
                   ".kwooooOk.",
                   ".koooooOk.",
                   ".kooooOOk.",
                   "..kooOOk..",
                   "...kkkk...",
                   "....kk....",
                   ".....k....",
               }),
          "calendar icon: bloating (round balloon)");
    add10(233,
          icon(10, 10,
               {
                   ".kkkkkkkk.",
                   "kwwwwwwwwk",
                   "kwwwrrwwwk",
                   "kwwwrrwwwk",
                   "kwrrrrrrwk",
                   "kwrrrrrrwk",
                   "kwwwrrwwwk",
                   "kwwwrrwwwk",
                   "kwwwwwwwwk",
                   ".kkkkkkkk.",
               }),
          "calendar icon: doctor's appointment (red cross)");
    add10(227,
          icon(10, 10,
               {
                   ".....kkkk.",
                   "....kyyyk.",
                   "...kyyyk..",
                   "..kyyyk...",
                   ".kyyyyykk.",
                   ".kkkyyyyk.",
                   "...kyyyk..",
                   "..kyyyk...",
                   "..kyyk....",
                   "..kkk.....",
               }),
          "calendar icon: ache (lightning bolt)");
    add10(232,
          icon(10, 10,
               {
                   ".kkkkkkkk.",
                   "kccccbbbbk",
                   "kcwccbbbbk",
                   "kcwccbbbbk",
                   "kccccbbbbk",
                   ".kcccbbbk.",
                   ".kcccbbbk.",
                   "..kccbbk..",
                   "...kcbk...",
                   "....kk....",
               }),
          "calendar icon: protection (shield)");
    add10(241,
          icon(10, 10,
               {
                   "..kkkkkk..",
                   ".kvvvvvvk.",
                   "kvkvvvvkvk",
                   "kvvkvvkvvk",
                   "kvkkvvkkvk",
                   "kvvvvvvvvk",
                   "kvvkkkkvvk",
                   "kvkvvvvkvk",
                   ".kvvvvvvk.",
                   "..kkkkkk..",
               }),
          "calendar icon: premenstrual syndrome (cross face)");
    add10(231,
          icon(10, 10,
               {
                   "..........",
                   "P........P",
                   "PP......PP",
                   ".PPPPPPPP.",
                   ".PwpppppP.",
                   ".PRpRpRpP.",
                   "..PRpRpP..",
                   "...PppP...",
                   "...PppP...",
                   "...PPPP...",
               }),
          "calendar icon: cramps (womb with a spasm line)");
    add10(255,
          icon(10, 10,
               {
                   ".kkkkkkkk.",
                   ".kyyyyyyk.",
                   ".kyYYYYyk.",
                   ".kyyyyyyk.",
                   ".kyYYYYyk.",
                   ".kyyyyyyk.",
                   ".kyYYYyyk.",
                   ".kyyyyykk.",
                   ".kyyyykk..",
                   ".kkkkkk...",
               }),
          "calendar icon: note (sticky note)");
    add10(254,
          icon(10, 10,
               {
                   ".kkkkkkkk.",
                   "kPppppppk.",
                   "kPpwwwwpk.",
                   "kPppppppk.",
                   "kPppppppk.",
                   "kPppppppk.",
                   "kPppppppk.",
                   "kPkkkkkkkk",
                   "kPmmmmmmMk",
                   ".kkkkkkkkk",
               }),
          "calendar icon: diary entry (closed book)");
    add10(228,
          icon(10, 10,
               {
                   "......kkk.",
                   ".....kbbck",
                   "....kbbbck",
                   "...kbbbbk.",
                   "..krkkbk..",
                   ".krrrkk...",
                   "kwrrrrk...",
                   "kwrrrk....",
                   "krrrk.....",
                   ".kkk......",
               }),
          "spare calendar icon: pill (capsule)");

    // 14 x 14: the Day View check boxes and the help pages.
    auto add14 = add10;
    add14(216,
          icon(14, 14,
               {
                   "..............",
                   "......kk......",
                   ".....kyyk.....",
                   "....kwyyyk....",
                   "...kwyyyyYk...",
                   "...kwyyyyYk...",
                   "...kyyyyyYk...",
                   "..kyyyyyyyYk..",
                   "..kyyyyyyyYk..",
                   ".kyyyyyyyyyYk.",
                   "kkkkkkkkkkkkkk",
                   ".....kYYk.....",
                   "......kk......",
                   "..............",
               }),
          "Day View icon: alarm (bell)");
    add14(215,
          icon(14, 14,
               {
                   "..............",
                   "..............",
                   "..............",
                   "..............",
                   ".kkk......kkk.",
                   "kkcbk....kcbkk",
                   "kecbkkkkkkcbek",
                   "kecbeeeeeecbek",
                   "kecbkkkkkkcbek",
                   "kkcbk....kcbkk",
                   ".kkk......kkk.",
                   "..............",
                   "..............",
                   "..............",
               }),
          "Day View icon: sport (dumbbell)");
    add14(221,
          layered(14, 14,
                  {{7, 1, {".PP.PP.", "PppPppP", "PwppppP", ".PpppP.", "..PpP..", "...P..."}},
                   {0,
                    5,
                    {".RRR.RRR.", "RrrrRrrrR", "RwrrrrrrR", "RwrrrrrrR", ".RrrrrrR.", "..RrrrR..",
                     "...RrR...", "....R...."}}}),
          "Day View icon: sex (two hearts)");
    add14(214,
          icon(14, 14,
               {
                   "....kkkkkk....",
                   "...koooooOk...",
                   "..kowwoooooOk.",
                   ".kowoooooooOk.",
                   ".kwoooooooOOk.",
                   ".koooooooooOk.",
                   ".koooooooooOk.",
                   "..kooooooOOk..",
                   "..kooooooOOk..",
                   "...kooooOOk...",
                   "....kkkkkk....",
                   "......kk......",
                   ".......k......",
                   "......k.......",
               }),
          "Day View icon: bloating (round balloon)");
    add14(223,
          icon(14, 14,
               {
                   ".kkkkkkkkkkkk.",
                   "kwwwwwwwwwwwwk",
                   "kwwwwrrrrwwwwk",
                   "kwwwwrrrrwwwwk",
                   "kwwwwrrrrwwwwk",
                   "kwrrrrrrrrrrwk",
                   "kwrrrrrrrrrrwk",
                   "kwrrrrrrrrrrwk",
                   "kwrrrrrrrrrrwk",
                   "kwwwwrrrrwwwwk",
                   "kwwwwrrrrwwwwk",
                   "kwwwwrrrrwwwwk",
                   "kwwwwwwwwwwwwk",
                   ".kkkkkkkkkkkk.",
               }),
          "Day View icon: doctor's appointment (red cross)");
    add14(218,
          icon(14, 14,
               {
                   ".......kkkkk..",
                   "......kyyyyk..",
                   ".....kyyyyk...",
                   "....kyyyyk....",
                   "...kyyyyk.....",
                   "..kyyyyyykkk..",
                   "..kkkkyyyyyk..",
                   ".....kyyyyk...",
                   "....kyyyyk....",
                   "...kyyyyk.....",
                   "...kyyyk......",
                   "..kyyyk.......",
                   "..kyyk........",
                   "..kkk.........",
               }),
          "Day View icon: ache (lightning bolt)");
    add14(222,
          icon(14, 14,
               {
                   ".kkkkkkkkkkkk.",
                   "kccccccbbbbbbk",
                   "kcwccccbbbbbbk",
                   "kcwccccbbbbbbk",
                   "kccccccbbbbbbk",
                   "kccccccbbbbbbk",
                   ".kcccccbbbbbk.",
                   ".kcccccbbbbbk.",
                   "..kccccbbbbk..",
                   "..kccccbbbbk..",
                   "...kcccbbbk...",
                   "....kccbbk....",
                   ".....kcbk.....",
                   "......kk......",
               }),
          "Day View icon: protection (shield)");
    add14(238,
          icon(14, 14,
               {
                   "....kkkkkk....",
                   "..kkvvvvvvkk..",
                   ".kvvvvvvvvvvk.",
                   ".kvkvvvvvvkvk.",
                   "kvvvkvvvvkvvvk",
                   "kvvkkvvvvkkvvk",
                   "kvvkkvvvvkkvvk",
                   "kvvvvvvvvvvvvk",
                   "kvvvvvvvvvvvvk",
                   "kvvvvkkkkvvvvk",
                   ".kvvkvvvvkvvk.",
                   ".kvvvvvvvvvvk.",
                   "..kkvvvvvvkk..",
                   "....kkkkkk....",
               }),
          "Day View icon: premenstrual syndrome (cross face)");
    add14(220,
          icon(14, 14,
               {
                   "..............",
                   "PP..........PP",
                   ".PP........PP.",
                   "..PPPPPPPPPP..",
                   "..PwpppppppP..",
                   "..PRpRpRpRpP..",
                   "..PpRpRpRpRP..",
                   "...PppppppP...",
                   "....PppppP....",
                   ".....PppP.....",
                   ".....PppP.....",
                   ".....PppP.....",
                   ".....PPPP.....",
                   "..............",
               }),
          "Day View icon: cramps (womb with a spasm line)");
    add14(217,
          icon(14, 14,
               {
                   "..kkkkkkkkkk..",
                   "..kyyyyyyyyk..",
                   "..kyYYYYYYyk..",
                   "..kyyyyyyyyk..",
                   "..kyYYYYYYyk..",
                   "..kyyyyyyyyk..",
                   "..kyYYYYYYyk..",
                   "..kyyyyyyyyk..",
                   "..kyYYYYyyyk..",
                   "..kyyyyyyykk..",
                   "..kyyyyyykk...",
                   "..kyyyyykk....",
                   "..kkkkkkk.....",
                   "..............",
               }),
          "spare Day View icon: note (sticky note)");
    add14(219,
          icon(14, 14,
               {
                   "..............",
                   ".kkkkkkkkkkk..",
                   "kPppppppppppk.",
                   "kPppwwwwwwppk.",
                   "kPppppppppppk.",
                   "kPpppppppppPk.",
                   "kPppppppppppk.",
                   "kPppppppppppk.",
                   "kPppppppppppk.",
                   "kPppppppppppk.",
                   "kPkkkkkkkkkkkk",
                   "kPmmmmmmmmmmMk",
                   ".kkkkkkkkkkkkk",
                   "..............",
               }),
          "spare Day View icon: diary (closed book)");

    // Cycle Bar day marks, drawn opaque one below the other; the white last row keeps
    // neighbours apart. Solid, dotted and hollow so they differ without colour too.
    cat.addPicture(201,
                   sprite(14, 8, kKey,
                          {".RRRRRRRRRRRR.", "RrrrrrrrrrrrrR", "RrpprrrrrrrrrR", "RrprrrrrrrrrrR",
                           "RrrrrrrrrrrrrR", ".RRRRRRRRRRRR.", "..............", ".............."},
                          iconPalette()),
                   "Cycle Bar mark: menstruation day (solid red)");
    cat.addPicture(202,
                   sprite(14, 8, kKey,
                          {".GGGGGGGGGGGG.", "GhhhhhhhhhhhhG", "GhgghhgghhgghG", "GhgghhgghhgghG",
                           "GhhhhhhhhhhhhG", ".GGGGGGGGGGGG.", "..............", ".............."},
                          iconPalette()),
                   "Cycle Bar mark: fertile day (green, dotted)");
    cat.addPicture(203,
                   sprite(14, 8, kKey,
                          {".eeeeeeeeeeee.", "ettttttttttttE", "ettttttttttttE", "ettttttttttttE",
                           "ettttttttttttE", ".EEEEEEEEEEEE.", "..............", ".............."},
                          iconPalette()),
                   "Cycle Bar mark: other day (pale, outlined)");

    // Day View tab icons: white is their mask colour.
    auto addTab = [&](int id, const QImage& img, const QString& about) {
        checkIcon(img, QString::number(id));
        cat.addBitmap(QString::number(id), img, about);
    };
    addTab(315,
           icon(16, 15,
                {
                    "....R...........",
                    "...RrR......kk..",
                    "...RrR.....kwwk.",
                    "..RrrrR....kwwk.",
                    "..RrrrR....kwwk.",
                    ".RrwrrrR...krrk.",
                    ".RwrrrrR...krrk.",
                    "RrwrrrrrR..krrk.",
                    "RrwrrrrrR..krrk.",
                    "RrrrrrrrR..krrk.",
                    ".RrrrrrR..krrrrk",
                    ".RRrrrRR..krrrrk",
                    "...RRRR...krrrrk",
                    "...........kkkk.",
                    "................",
                }),
           "Day View tab icon: fluids, temperature and weight (drop and thermometer)");
    addTab(316,
           icon(16, 15,
                {
                    "................",
                    "..kkkkkkkkk.....",
                    "..kmmmmmmmk..kk.",
                    "..kmeeeeemk.kyyk",
                    "..kmmmmmmmkkyyk.",
                    "..kmeeeeemkyyk..",
                    "..kmmmmmmkyyk...",
                    "..kmeeeeekyyk...",
                    "..kmmmmmkyyk....",
                    "..kmeeeekSSk....",
                    "..kmmmmmkSk.....",
                    "..kmeeemmkk.....",
                    "..kmmmmmmmk.....",
                    "..kkkkkkkkk.....",
                    "................",
                }),
           "Day View tab icon: note (page and pencil)");
    addTab(317,
           icon(16, 15,
                {
                    "................",
                    "..kkkkkkkkkkk...",
                    ".kPppppppppppk..",
                    ".kPppppppppppk..",
                    ".kPpkkkkkkpppk..",
                    ".kPpkmmmmkpppk..",
                    ".kPpkkkkkkpppk..",
                    ".kPppppppppppk..",
                    ".kPppprrprrppk..",
                    ".kPppprrrrrppk..",
                    ".kPpppprrrpppk..",
                    ".kPkkkkkkkkkkkk.",
                    ".kPmmmmmmmmmmMk.",
                    "..kkkkkkkkkkkkk.",
                    "................",
                }),
           "Day View tab icon: my diary (book with a heart)");
}

}  // namespace artgen
