// Pictures with words: each has a Russian drawing of its size, and the picture language
// picks the drawing wherever the screens load pictures, strips and button bitmaps.

#include <gtest/gtest.h>

#include <QImage>
#include <algorithm>
#include <vector>

#include "gfx/pictures.h"
#include "gfx/resourceimages.h"
#include "platform/resources.h"
#include "res/programresources.h"
#include "ui/calendarpainter.h"

namespace velmora {
namespace {

class WordedPictureTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { RegisterProgramResources(); }
    void TearDown() override { SetPictureLanguage(PictureLanguage::Own); }
};

// Picture `id` as the screens load it, in `language`.
std::vector<Pixel> Loaded(PictureLanguage language, int id, uint16_t w, uint16_t h) {
    SetPictureLanguage(language);
    CFastBitmap b;
    EXPECT_TRUE(b.Load(id, w, h)) << id;
    const Pixel* p = b.Surface()->Row(0);
    return std::vector<Pixel>(p, p + size_t{w} * h);
}

QImage Decoded(std::string_view type, int id, std::string_view name = {}) {
    const ResourceEntry* e = name.empty() ? FindResource(type, id) : FindResource(type, name);
    return e ? QImage::fromData(e->data, static_cast<int>(e->size), "PNG") : QImage();
}

TEST_F(WordedPictureTest, TheLanguagePicksTheDrawingOfEveryPictureStripAndButton) {
    for (const PictureSize& p : kWordedPictures) {
        const auto own = Loaded(PictureLanguage::Own, p.id, p.width, p.height);
        const auto russian = Loaded(PictureLanguage::Russian, p.id, p.width, p.height);
        EXPECT_NE(own, russian) << p.id;
        EXPECT_EQ(russian,
                  Loaded(PictureLanguage::Own, p.id + kRussianPictureOffset, p.width, p.height))
            << p.id;
    }
    for (const PictureSize& p : kWordedToolbars) {
        SetPictureLanguage(PictureLanguage::Own);
        const QImage own = ToolbarResource(p.id);
        SetPictureLanguage(PictureLanguage::Russian);
        EXPECT_EQ(own, Decoded("TOOLBAR", p.id)) << p.id;
        EXPECT_EQ(ToolbarResource(p.id), Decoded("TOOLBAR", p.id + kRussianPictureOffset)) << p.id;
        EXPECT_NE(ToolbarResource(p.id), own) << p.id;
    }
    for (const NamedPictureSize& b : kWordedBitmaps) {
        const std::string ru = std::string(b.name) + std::string(kRussianBitmapSuffix);
        SetPictureLanguage(PictureLanguage::Own);
        EXPECT_EQ(BitmapResource(b.name), Decoded("BITMAP", -1, b.name)) << b.name;
        SetPictureLanguage(PictureLanguage::Russian);
        // Image buttons ask by their caption, in any case.
        const QImage asked = BitmapResource(
            QString::fromLatin1(b.name.data(), b.name.size()).toLower().toStdString());
        EXPECT_EQ(asked, Decoded("BITMAP", -1, ru)) << b.name;
        EXPECT_NE(asked, Decoded("BITMAP", -1, b.name)) << b.name;
    }
    // OK has one drawing for both languages.
    EXPECT_EQ(BitmapResource("OKU"), Decoded("BITMAP", -1, "OKU"));
}

// The calendar in Russian is the calendar in the program's own words with the Russian week
// header over it: no other pixel changes, also when one picture cache serves both.
TEST_F(WordedPictureTest, TheRussianCalendarDiffersOnlyByItsWeekHeader) {
    for (bool mondayFirst : {false, true}) {
        const CalendarMonth month{3, 2025, mondayFirst, 14};
        PictureCache cache;
        GraphicBuffer own(240, 268), russian(240, 268);
        SetPictureLanguage(PictureLanguage::Own);
        DrawCalendarMonth(own, DayMarks{}, month, cache);
        SetPictureLanguage(PictureLanguage::Russian);
        DrawCalendarMonth(russian, DayMarks{}, month, cache);
        const int header = (mondayFirst ? kPicWeekMonday : kPicWeekSunday) + kRussianPictureOffset;
        const auto heading = Loaded(PictureLanguage::Own, header, 230, 12);
        const std::vector<Pixel> ownPixels(own.Pixels(), own.Pixels() + 240 * 268);
        for (int y = 0; y < 12; ++y) {
            std::copy_n(heading.begin() + y * 230, 230, own.Row(y + 3) + 3);
        }
        EXPECT_TRUE(std::equal(own.Pixels(), own.Pixels() + 240 * 268, russian.Pixels()));
        EXPECT_FALSE(std::equal(ownPixels.begin(), ownPixels.end(), russian.Pixels()));
    }
}

}  // namespace
}  // namespace velmora
