#include "core/split_non_empty.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {
struct SplitCase {
    const char* name;
    std::string text;
    std::string separator;
    int maxCount;
    std::vector<std::string> pieces;
};

class SplitNonEmpty : public testing::TestWithParam<SplitCase> {};

TEST_P(SplitNonEmpty, KeepsTheNonEmptyPiecesInOrder) {
    const SplitCase& c = GetParam();
    std::string separator = c.separator;
    std::vector<std::string> out{"left over from before"};
    const int count = splitNonEmpty(c.text, separator, c.maxCount, out);
    EXPECT_EQ(out, c.pieces);
    EXPECT_EQ(count, static_cast<int>(c.pieces.size()));
}

// "\xB0\x0D" is not a character of code page 936 text on its own, but 0xB0 opens a
// two-byte character, so the CR byte inside it is never a separator.
INSTANTIATE_TEST_SUITE_P(
    Cases, SplitNonEmpty,
    testing::Values(
        SplitCase{"empty_pieces_and_trailing_separator",
                  "C:\\a\r\n\r\nC:\\b\r\n",
                  "\r\n",
                  0,
                  {"C:\\a", "C:\\b"}},
        SplitCase{"no_separator_is_one_piece", "C:\\only", "\r\n", 0, {"C:\\only"}},
        SplitCase{"empty_text", "", "\r\n", 0, {}},
        SplitCase{"leading_separator", "\r\nC:\\a", "\r\n", 0, {"C:\\a"}},
        SplitCase{"lone_cr_and_lf_stay_in_pieces", "a\rb\nc\r\nd", "\r\n", 0, {"a\rb\nc", "d"}},
        SplitCase{"max_count_cuts_the_rest", "a,b,c,d", ",", 2, {"a", "b"}},
        SplitCase{"max_count_counts_empty_pieces", "a,,b", ",", 2, {"a"}},
        SplitCase{"negative_max_count_gives_none", "a,b", ",", -1, {}},
        SplitCase{"separator_inside_a_character_never_matches",
                  "\xB0\r\n\r\nx",
                  "\r\n",
                  0,
                  {"\xB0\r\n", "x"}},
        SplitCase{"trail_byte_that_looks_like_separator",
                  "\x81\x2C"
                  "a,b",
                  ",",
                  0,
                  {"\x81\x2C"
                   "a",
                   "b"}},
        SplitCase{"lead_byte_at_the_very_end", "a,\xB0", ",", 0, {"a", "\xB0"}},
        SplitCase{"multi_byte_separator", "x\xD7\xF3y\xD7\xF3z", "\xD7\xF3", 0, {"x", "y", "z"}}),
    [](const testing::TestParamInfo<SplitCase>& info) { return std::string(info.param.name); });

TEST(SplitNonEmptySeparator, EmptySeparatorBecomesCommaForTheCaller) {
    std::string separator;
    std::vector<std::string> out;
    EXPECT_EQ(splitNonEmpty("a,b", separator, 0, out), 2);
    EXPECT_EQ(separator, ",");
    EXPECT_EQ(out, (std::vector<std::string>{"a", "b"}));
}
} // namespace
