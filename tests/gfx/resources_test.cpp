// The resources compiled into the program against their sources: every line of
// res/resources.manifest is found by type and id (or name), at its size, and every picture
// decodes to exactly its PNG's pixels in RGB565.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <tuple>
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

TEST_F(ProgramResourcesTest, EveryResourceIsItsSourceAtItsSize) {
    int pictures = 0;
    for (const Line& l : lines) {
        SCOPED_TRACE(l.type + " " + l.name);
        const ResourceEntry* e = Find(l);
        ASSERT_NE(e, nullptr);
        ASSERT_GT(e->size, 0u);
        EXPECT_EQ(e->width, l.width);
        EXPECT_EQ(e->height, l.height);
        if (l.type == "WAVE") {
            EXPECT_EQ(std::string(reinterpret_cast<const char*>(e->data), e->size),
                      test::ReadFileBytes(Source(l)));
            continue;
        }
        png::Image image;
        std::string error;
        ASSERT_TRUE(png::ReadPng(Source(l), image, error)) << error;
        EXPECT_EQ(image.width, l.width);
        EXPECT_EQ(image.height, l.height);
        if (l.type != "PCT") {  // bitmaps and tool-bar strips are their files
            EXPECT_TRUE(std::string(reinterpret_cast<const char*>(e->data), e->size) ==
                        test::ReadFileBytes(Source(l)));
            continue;
        }
        // A picture decodes to exactly its PNG's pixels in RGB565, with two fills (every byte
        // is written) and twice (the same bytes each time).
        ++pictures;
        std::vector<uint8_t> expected;
        for (size_t i = 0; i < image.rgb.size(); i += 3) {
            const unsigned v =
                (image.rgb[i] >> 3) << 11 | (image.rgb[i + 1] >> 2) << 5 | image.rgb[i + 2] >> 3;
            expected.insert(expected.end(), {uint8_t(v), uint8_t(v >> 8)});
        }
        const std::u16string name(l.name.begin(), l.name.end());
        for (uint8_t fill : {0x00, 0xFF, 0x00}) {
            std::vector<uint8_t> got(expected.size(), fill);
            ASSERT_TRUE(Lz77LoadPicture(name, got.data(), static_cast<uint32_t>(got.size())));
            ASSERT_TRUE(got == expected) << "fill " << int(fill);
        }
    }
    EXPECT_GT(pictures, 0);
    EXPECT_EQ(boxes.Count(), 0u);
}

TEST_F(ProgramResourcesTest, TheCompileTimeListIsTheManifest) {
    ASSERT_EQ(kProgramResourceMeta.size(), lines.size());
    for (size_t i = 0; i < lines.size(); ++i) {
        const Line& l = lines[i];
        const ProgramResourceMeta& m = kProgramResourceMeta[i];
        SCOPED_TRACE(l.name);
        using Meta = std::tuple<std::string_view, int, std::string_view, int, int>;
        EXPECT_EQ(Meta(m.type, m.id, m.name, m.width, m.height),
                  Meta(l.type, l.id, l.id >= 0 ? std::string_view() : l.name, l.width, l.height));
        if (l.id >= 0) {
            EXPECT_TRUE(HasProgramResource(l.type, l.id, l.width, l.height));
            EXPECT_FALSE(HasProgramResource(l.type, l.id, l.width + 1, l.height));
        } else {
            EXPECT_TRUE(HasProgramResource(l.type, l.name, l.width, l.height));
            EXPECT_FALSE(HasProgramResource(l.type, l.name, l.width, l.height + 1));
        }
    }
    EXPECT_FALSE(HasProgramResource("PCT", 99999, 1, 1));
    EXPECT_FALSE(HasProgramResource("BITMAP", "NOSUCHBITMAPU", 1, 1));
}

}  // namespace
}  // namespace velmora
