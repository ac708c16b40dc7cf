#include "foundation/Textzeilen.h"

#include <gtest/gtest.h>

namespace {

TEST(Textzeilen, SplitterTakesFieldsFromTheFront) {
    struct Fall {
        std::string text, feld, rest;
    } faelle[] = {
        {"12/-1/", "12", "-1/"}, {"7", "7", ""}, {"", "", ""}, {"/x", "", "x"}, {"a//b", "a", "/b"}};
    for (const auto& f : faelle) {
        std::string text = f.text, feld = "alt";
        FFU_Slashteil_entnehmen(text, feld);
        EXPECT_EQ(feld, f.feld) << f.text;
        EXPECT_EQ(text, f.rest) << f.text;
        EXPECT_EQ(FFU_Slashteil(f.text), f.feld) << f.text;
    }
}

TEST(Textzeilen, TeilNrCountsEmptyFields) {
    const std::string t = "a b  c";
    EXPECT_EQ(FFU_Teil_Nr(t, ' ', 0), "a");
    EXPECT_EQ(FFU_Teil_Nr(t, ' ', 1), "b");
    EXPECT_EQ(FFU_Teil_Nr(t, ' ', 2), "");
    EXPECT_EQ(FFU_Teil_Nr(t, ' ', 3), "c");
    EXPECT_EQ(FFU_Teil_Nr(t, ' ', 4), "");
    EXPECT_EQ(FFU_Teil_Nr(t, ' ', -1), "");
}

}  // namespace
