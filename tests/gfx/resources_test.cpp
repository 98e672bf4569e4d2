// The resources compiled into the program against their sources: every line of
// res/resources.manifest is found by type and id (or name), at its size, and every picture
// decodes to exactly its PNG's pixels in RGB565.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "gfx/lz77.h"
#include "platform/resources.h"
#include "res/programresources.h"
#include "res/programresources_meta.h"
#include "tests/support/testenv.h"
#include "tools/pctpack/pngio.h"

namespace velmora {
namespace {

struct Line {
    std::string type;
    std::string name;
    std::string file;
    int id = -1;
    uint16_t width = 0;
    uint16_t height = 0;
};

// The manifest, read here on its own terms: fields apart by blanks, '#' to the line's end.
std::vector<Line> ReadManifest(const std::string& path) {
    std::vector<Line> lines;
    std::ifstream in(path);
    std::string text;
    while (std::getline(in, text)) {
        text = text.substr(0, text.find('#'));
        std::istringstream fields(text);
        Line l;
        if (!(fields >> l.type >> l.name >> l.file)) {
            continue;
        }
        if (l.type != "WAVE") {
            fields >> l.width >> l.height;
        }
        if (l.name.find_first_not_of("0123456789") == std::string::npos) {
            l.id = std::stoi(l.name);
        }
        lines.push_back(l);
    }
    return lines;
}

const ResourceEntry* Find(const Line& l) {
    return l.id >= 0 ? FindResource(l.type, l.id) : FindResource(l.type, l.name);
}

class ProgramResourcesTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(std::filesystem::exists(VELMORA_RES_MANIFEST));
        lines = ReadManifest(VELMORA_RES_MANIFEST);
        RegisterProgramResources();
    }
    static std::string Source(const Line& l) { return std::string(VELMORA_RES_DIR) + "/" + l.file; }

    MessageBoxRecorder boxes;
    std::vector<Line> lines;
};

TEST_F(ProgramResourcesTest, EveryPictureDecodesToItsSourcePixels) {
    int pictures = 0;
    for (const Line& l : lines) {
        if (l.type != "PCT") {
            continue;
        }
        ++pictures;
        const ResourceEntry* e = Find(l);
        ASSERT_NE(e, nullptr) << "PCT " << l.name;
        EXPECT_EQ(e->width, l.width) << "PCT " << l.name;
        EXPECT_EQ(e->height, l.height) << "PCT " << l.name;

        png::Image image;
        std::string error;
        ASSERT_TRUE(png::ReadPng(Source(l), image, error)) << error;
        ASSERT_EQ(image.width, l.width) << l.file;
        ASSERT_EQ(image.height, l.height) << l.file;
        std::vector<uint8_t> expected;
        for (size_t i = 0; i < image.rgb.size(); i += 3) {
            const unsigned v =
                (image.rgb[i] >> 3) << 11 | (image.rgb[i + 1] >> 2) << 5 | image.rgb[i + 2] >> 3;
            expected.push_back(static_cast<uint8_t>(v));
            expected.push_back(static_cast<uint8_t>(v >> 8));
        }

        // Two fills: every byte is written. Twice: the same bytes each time.
        const std::u16string name(l.name.begin(), l.name.end());
        const uint32_t size = static_cast<uint32_t>(expected.size());
        for (uint8_t fill : {0x00, 0xFF, 0x00}) {
            std::vector<uint8_t> got(size, fill);
            ASSERT_TRUE(Lz77LoadPicture(name, got.data(), size));
            ASSERT_TRUE(got == expected) << "PCT " << l.name << " fill " << int(fill);
        }
    }
    EXPECT_GT(pictures, 0);
    EXPECT_EQ(boxes.Count(), 0u);
}

TEST_F(ProgramResourcesTest, BitmapsAndSoundsAreTheirFiles) {
    for (const Line& l : lines) {
        if (l.type == "PCT") {
            continue;
        }
        const ResourceEntry* e = Find(l);
        ASSERT_NE(e, nullptr) << l.type << " " << l.name;
        const std::string bytes = test::ReadFileBytes(Source(l));
        ASSERT_FALSE(bytes.empty()) << l.file;
        EXPECT_TRUE(std::string(reinterpret_cast<const char*>(e->data), e->size) == bytes)
            << l.type << " " << l.name;
        EXPECT_EQ(e->width, l.width) << l.type << " " << l.name;
        EXPECT_EQ(e->height, l.height) << l.type << " " << l.name;
        if (l.type != "WAVE") {
            uint32_t w = 0;
            uint32_t h = 0;
            std::string error;
            ASSERT_TRUE(png::ReadPngSize(Source(l), w, h, error)) << error;
            EXPECT_EQ(w, l.width) << l.file;
            EXPECT_EQ(h, l.height) << l.file;
        }
    }
}

TEST_F(ProgramResourcesTest, TheCompileTimeListIsTheManifest) {
    ASSERT_EQ(kProgramResourceMeta.size(), lines.size());
    for (size_t i = 0; i < lines.size(); ++i) {
        const Line& l = lines[i];
        const ProgramResourceMeta& m = kProgramResourceMeta[i];
        EXPECT_EQ(m.type, l.type);
        EXPECT_EQ(m.id, l.id);
        EXPECT_EQ(m.name, l.id >= 0 ? "" : l.name);
        EXPECT_EQ(m.width, l.width);
        EXPECT_EQ(m.height, l.height);
        if (l.id >= 0) {
            EXPECT_TRUE(HasProgramResource(l.type, l.id, l.width, l.height)) << l.name;
            EXPECT_FALSE(HasProgramResource(l.type, l.id, l.width + 1, l.height)) << l.name;
        } else {
            EXPECT_TRUE(HasProgramResource(l.type, l.name, l.width, l.height)) << l.name;
            EXPECT_FALSE(HasProgramResource(l.type, l.name, l.width, l.height + 1)) << l.name;
        }
    }
    EXPECT_FALSE(HasProgramResource("PCT", 99999, 1, 1));
    EXPECT_FALSE(HasProgramResource("BITMAP", "NOSUCHBITMAPU", 1, 1));
}

}  // namespace
}  // namespace velmora
