// The resources compiled into the program against their sources: every line of
// res/resources.manifest is found by type and id (or name), at its size, and every picture
// decodes to exactly its PNG's pixels in RGB565.

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "gfx/lz77.h"
#include "platform/resources.h"
#include "res/programresources.h"
#include "tests/support/testenv.h"
#include "tools/pctpack/pngio.h"

namespace velmora {
namespace {

TEST(ProgramResourcesTest, EveryResourceIsItsSourceAtItsSize) {
    MessageBoxRecorder boxes;
    RegisterProgramResources();
    std::ifstream manifest(VELMORA_RES_MANIFEST);
    ASSERT_TRUE(manifest.good());
    int pictures = 0;
    // The manifest, read on its own terms: fields apart by blanks, '#' to the line's end.
    for (std::string text; std::getline(manifest, text);) {
        std::istringstream fields(text.substr(0, text.find('#')));
        std::string type, name, file;
        uint16_t width = 0, height = 0;
        if (!(fields >> type >> name >> file)) {
            continue;
        }
        if (type != "WAVE") {
            fields >> width >> height;
        }
        SCOPED_TRACE(type + " " + name);
        const bool numbered = name.find_first_not_of("0123456789") == std::string::npos;
        const ResourceEntry* e =
            numbered ? FindResource(type, std::stoi(name)) : FindResource(type, name);
        ASSERT_TRUE(e && e->size > 0);
        EXPECT_EQ(std::pair(e->width, e->height), std::pair(width, height));
        const std::string source = std::string(VELMORA_RES_DIR) + "/" + file;
        png::Image image;
        std::string error;
        if (type != "WAVE") {
            ASSERT_TRUE(png::ReadPng(source, image, error)) << error;
            EXPECT_EQ(std::pair(image.width, image.height),
                      (std::pair<uint32_t, uint32_t>(width, height)));
        }
        if (type != "PCT") {  // sounds, bitmaps and tool-bar strips are their files
            EXPECT_TRUE(std::string(reinterpret_cast<const char*>(e->data), e->size) ==
                        test::ReadFileBytes(source));
            continue;
        }
        // Exactly the PNG's pixels in RGB565, with two fills (every byte is written).
        ++pictures;
        std::vector<uint8_t> expected;
        for (size_t i = 0; i < image.rgb.size(); i += 3) {
            const unsigned v =
                (image.rgb[i] >> 3) << 11 | (image.rgb[i + 1] >> 2) << 5 | image.rgb[i + 2] >> 3;
            expected.insert(expected.end(), {uint8_t(v), uint8_t(v >> 8)});
        }
        for (uint8_t fill : {0x00, 0xFF}) {
            std::vector<uint8_t> got(expected.size(), fill);
            ASSERT_TRUE(Lz77LoadPicture(std::u16string(name.begin(), name.end()), got.data(),
                                        static_cast<uint32_t>(got.size())));
            ASSERT_TRUE(got == expected) << "fill " << int(fill);
        }
    }
    EXPECT_GT(pictures, 0);
    EXPECT_EQ(boxes.Count(), 0u);
}

}  // namespace
}  // namespace velmora
