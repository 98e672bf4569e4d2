#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "gfx/fastbitmap.h"

namespace velmora {

// Full-screen pictures fill the 240 x 268 client area.
inline constexpr uint16_t kScreenWidth = 240;
inline constexpr uint16_t kScreenHeight = 268;

// Pictures that do not depend on the skin.
enum PictureId : int {
    kPicStart = 204,  // 240 x 268, shown while the program starts
    kPicAbout1 = 249,
    kPicAbout2 = 250,
    // Calendar cells, 32 x 48, by cell class 1-4.
    kPicCellOrdinary = 166,
    kPicCellMenstruation = 184,
    kPicCellFertile = 207,
    kPicCellIntermenstrual = 313,
    // Calendar week headers, 230 x 12.
    kPicWeekSunday = 185,
    kPicWeekMonday = 208,
    // Year View week headers, 112 x 10.
    kPicYearWeekSunday = 186,
    kPicYearWeekMonday = 209,
    // Cycle Bar markers, 14 x 8.
    kPicMarker1 = 201,
    kPicMarker2 = 202,
    kPicMarker3 = 203,
    // Calendar cell icons, 10 x 10.
    kIconLightFlow = 225,
    kIconNormalFlow = 226,
    kIconAche = 227,
    kIconSport = 229,
    kIconHeavyFlow = 230,
    kIconCramps = 231,
    kIconProtection = 232,
    kIconDoctor = 233,
    kIconAlarm = 240,
    kIconPms = 241,
    kIconSex = 242,
    kIconBloating = 244,
    kIconPredictedFlow = 251,
    kIconDiary = 254,
    kIconNote = 255,
};

struct PictureSize {
    int id;
    uint16_t width;
    uint16_t height;
};

// Every picture the screens load, at the size they load it.
inline constexpr PictureSize kRequiredPictures[] = {
    {204, 240, 268}, {249, 240, 268}, {250, 240, 268}, {166, 32, 48},  {184, 32, 48},
    {207, 32, 48},   {313, 32, 48},   {185, 230, 12},  {208, 230, 12}, {186, 112, 10},
    {209, 112, 10},  {201, 14, 8},    {202, 14, 8},    {203, 14, 8},   {214, 14, 14},
    {215, 14, 14},   {216, 14, 14},   {218, 14, 14},   {220, 14, 14},  {221, 14, 14},
    {222, 14, 14},   {223, 14, 14},   {238, 14, 14},   {225, 10, 10},  {226, 10, 10},
    {227, 10, 10},   {229, 10, 10},   {230, 10, 10},   {231, 10, 10},  {232, 10, 10},
    {233, 10, 10},   {240, 10, 10},   {241, 10, 10},   {242, 10, 10},  {244, 10, 10},
    {251, 10, 10},   {254, 10, 10},   {255, 10, 10},
};

// Pictures with words in them are drawn in two languages: the program's own words and
// Russian. The Russian drawing of a picture or a tool-bar strip has the id of the one it
// stands for plus kRussianPictureOffset, the Russian drawing of a button bitmap its name
// plus "_RU"; each has the size of the one it stands for.
enum class PictureLanguage { Own, Russian };
inline constexpr int kRussianPictureOffset = 1000;

// Every picture with words, at its size.
inline constexpr PictureSize kWordedPictures[] = {
    {kPicWeekSunday, 230, 12},     {kPicWeekMonday, 230, 12}, {kPicYearWeekSunday, 112, 10},
    {kPicYearWeekMonday, 112, 10}, {kPicStart, 240, 268},     {kPicAbout1, 240, 268},
    {kPicAbout2, 240, 268},
};
// Every tool-bar strip with words, at its size (the strips of arrows and "?" have none).
inline constexpr PictureSize kWordedToolbars[] = {
    {324, 180, 18}, {193, 80, 16}, {189, 200, 16}, {210, 200, 16}, {155, 172, 18},
};
// Every button bitmap with words, at its size. OK reads the same in Russian and has one
// drawing.
struct NamedPictureSize {
    std::string_view name;
    uint16_t width;
    uint16_t height;
};
inline constexpr NamedPictureSize kWordedBitmaps[] = {
    {"ADDU", 31, 16},     {"CALCULATEU", 72, 16}, {"CANCEL1U", 72, 18},
    {"CANCELU", 72, 17},  {"DELETEALLU", 72, 16}, {"DELETEU", 54, 16},
    {"HEIGHTU", 170, 16}, {"VIEWU", 39, 16},      {"WEIGHTU", 170, 16},
};
inline constexpr std::string_view kRussianBitmapSuffix = "_RU";

namespace detail {
constexpr int DrawingIn(PictureLanguage language, int id, std::span<const PictureSize> worded) {
    if (language == PictureLanguage::Russian) {
        for (const PictureSize& p : worded) {
            if (p.id == id) {
                return id + kRussianPictureOffset;
            }
        }
    }
    return id;
}
}  // namespace detail

// The id of the drawing of picture `id` in `language`: its Russian drawing for a picture
// with words, else `id` itself.
constexpr int PictureIn(PictureLanguage language, int id) {
    return detail::DrawingIn(language, id, kWordedPictures);
}
// The same for tool-bar strip `id`.
constexpr int ToolbarIn(PictureLanguage language, int id) {
    return detail::DrawingIn(language, id, kWordedToolbars);
}
// The name of the drawing of button bitmap `name` (in any case) in `language`.
std::string BitmapIn(PictureLanguage language, std::string_view name);

// The language in which CFastBitmap::Load, BitmapResource and ToolbarResource give the
// pictures with words: Own until the screens' language is set to Russian.
void SetPictureLanguage(PictureLanguage language);
PictureLanguage CurrentPictureLanguage();

// The screens that show a background of the chosen skin.
enum class SkinnedScreen {
    CycleBar,
    CycleChart,
    TemperatureChart,
    HelpBrowser,
    WeightChart,
    WeightHeightScale
};
inline constexpr int kSkinnedScreenCount = 6;
inline constexpr int kSkinSets = 7;

// Backgrounds (240 x 268) by screen and skin: Animals, Cartoon, Cities, Floral, Jewels, Men,
// Nature.
inline constexpr int kSkinBackgrounds[kSkinnedScreenCount][kSkinSets] = {
    {267, 272, 277, 224, 282, 287, 292},  // Cycle Bar
    {268, 273, 278, 210, 283, 288, 293},  // Cycle Chart
    {269, 274, 279, 206, 284, 289, 294},  // Temperature Chart
    {270, 275, 280, 246, 285, 290, 295},  // Help browser
    {271, 276, 281, 205, 286, 291, 296},  // Weight Chart
    {297, 298, 299, 303, 300, 301, 302},  // Weight and height scale
};

// The background of `screen` for skin `skinIndex`, or -1 for a skin outside 0-6.
constexpr int SkinBackgroundId(SkinnedScreen screen, int skinIndex) {
    if (skinIndex < 0 || skinIndex >= kSkinSets) {
        return -1;
    }
    return kSkinBackgrounds[static_cast<int>(screen)][skinIndex];
}

// Loads the skin's background of `screen` into `picture` and draws it at (0, 0) of
// CurrentTarget. A skin outside 0-6 has no background: nothing is loaded or drawn (false).
bool DrawSkinBackground(CFastBitmap& picture, SkinnedScreen screen, int skinIndex);

}  // namespace velmora
