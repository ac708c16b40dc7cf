#include <gtest/gtest.h>

#include "platform/base/Text1252.h"
#include "platform/base/Zufall.h"

namespace {

TEST(Zufall, FollowsTheLinearCongruentialRule) {
    RandSeed = 0;
    // seed 1 after one step; high 32 bits of 1 * 100 are 0.
    EXPECT_EQ(Random(100), 0);
    EXPECT_EQ(RandSeed, 1u);
    // next seed = 134775814; (134775814 * 1000) >> 32 = 31.
    EXPECT_EQ(Random(1000), 31);
    EXPECT_EQ(RandSeed, 134775814u);
    RandSeed = 0xFFFFFFFFu;
    EXPECT_EQ(Random(10),
              static_cast<int>((static_cast<std::uint64_t>(0xFFFFFFFFu * 134775813u + 1u) * 10) >> 32));
    EXPECT_EQ(Random(0), 0);
}

TEST(Zufall, SameSeedSameSequence) {
    RandSeed = 4711;
    std::vector<int> a, b;
    for (int i = 0; i < 50; ++i) a.push_back(Random(256));
    RandSeed = 4711;
    for (int i = 0; i < 50; ++i) b.push_back(Random(256));
    EXPECT_EQ(a, b);
    for (int v : a) EXPECT_TRUE(v >= 0 && v < 256);
}

TEST(Text1252, ConvertsBothWaysAndAtCompileTime) {
    static_assert("Grüß"_w == std::string_view("Gr\xFC\xDF"));
    EXPECT_EQ(W("Grüße €"), std::string("Gr\xFC\xDF\x65 \x80"));
    EXPECT_EQ(utf8_zu_1252("ÄÖÜäöüß´"), std::string("\xC4\xD6\xDC\xE4\xF6\xFC\xDF\xB4"));
    EXPECT_EQ(cp1252_zu_utf8("\xC4\x80"), "Ä€");
    EXPECT_EQ(utf8_zu_1252("日"), "?");
    EXPECT_TRUE(cp1252_gleich_ohne_fall("Fensterh\xF6he", "FENSTERH\xD6HE"));
    EXPECT_FALSE(cp1252_gleich_ohne_fall("a", "ab"));
}

}  // namespace
