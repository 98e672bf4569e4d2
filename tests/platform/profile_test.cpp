#include <gtest/gtest.h>

#include "platform/profile.h"

namespace velmora {
namespace {

TEST(ProfileTest, ParsesWholeIntegersOnly) {
    const std::pair<const char*, std::optional<int>> cases[] = {
        {"7", 7},           {" -3 ", -3}, {"+12", 12},   {"2147483647", 2147483647},
        {"2147483648", {}}, {"", {}},     {"12abc", {}}, {"0x10", {}},
    };
    for (const auto& [text, want] : cases) {
        EXPECT_EQ(ParseProfileInt(text), want) << text;
    }
}

}  // namespace
}  // namespace velmora
