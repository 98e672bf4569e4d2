#include <gtest/gtest.h>

#include "platform/profile.h"

namespace velmora {
namespace {

TEST(ProfileTest, ParsesWholeIntegersOnly) {
    EXPECT_EQ(ParseProfileInt("7"), 7);
    EXPECT_EQ(ParseProfileInt(" -3 "), -3);
    EXPECT_EQ(ParseProfileInt("+12"), 12);
    EXPECT_EQ(ParseProfileInt("2147483647"), 2147483647);
    EXPECT_EQ(ParseProfileInt("2147483648"), std::nullopt);
    EXPECT_EQ(ParseProfileInt(""), std::nullopt);
    EXPECT_EQ(ParseProfileInt("12abc"), std::nullopt);
    EXPECT_EQ(ParseProfileInt("0x10"), std::nullopt);
}

TEST(ProfileTest, MemoryStoreKeepsSectionsApart) {
    MemoryProfileStore p;
    EXPECT_EQ(p.GetProfileInt("Velmora", "Skin", 3), 3);
    p.WriteProfileInt("Velmora", "Skin", 5);
    p.WriteProfileInt("Other", "Skin", 1);
    p.WriteProfileString("Velmora", "Password", "abc");
    EXPECT_EQ(p.GetProfileInt("Velmora", "Skin", 3), 5);
    EXPECT_EQ(p.GetProfileInt("Other", "Skin", 3), 1);
    EXPECT_EQ(p.GetProfileString("Velmora", "Password", ""), "abc");
    // A string that is not a number reads as the default integer.
    EXPECT_EQ(p.GetProfileInt("Velmora", "Password", 9), 9);
    EXPECT_EQ(p.WriteLog(),
              (std::vector<std::string>{"Velmora/Skin", "Other/Skin", "Velmora/Password"}));
}

}  // namespace
}  // namespace velmora
