#include "core/ansi_text.h"
#include "core/code_page.h"

#include <windows.h>

#include <gtest/gtest.h>

namespace {
TEST(AnsiText, RunsInCodePage936) {
    EXPECT_EQ(GetACP(), 936u);
}

// A name the code page cannot hold must not turn into another real path.
TEST(AnsiText, CharactersOutsideTheCodePageBecomeQuestionMarksNotLookAlikes) {
    struct Case {
        std::u16string wide;
        std::string ansi;
    } cases[] = {
        {u"C:\\plain\\a.txt", "C:\\plain\\a.txt"},
        {u"C:\\\u5F00\u59CB.txt", "C:\\\xBF\xAA\xCA\xBC.txt"}, // 开始 is in the code page
        {u"C:\\a\u2215b", "C:\\a?b"},                          // division slash, not '/'
        {u"C:\\\u00C5ngstr\u00F6m", "C:\\?ngstr?m"},           // not "Angstrom"
        {u"C:\\\uFF0Fx", "C:\\\xA3\xAFx"},                     // the code page's own full-width '/'
        {u"C:\\\xD800x", "C:\\?x"},                            // a lone surrogate
    };
    for (const Case& c : cases)
        EXPECT_EQ(toAnsiExact(c.wide), c.ansi);
}

TEST(AnsiText, LeadBytesFollowTheSystemCodePage) {
    EXPECT_FALSE(isLeadByte('\r'));
    EXPECT_FALSE(isLeadByte(0x80));
    EXPECT_TRUE(isLeadByte(0x81));
    EXPECT_TRUE(isLeadByte(0xFE));
    EXPECT_FALSE(isLeadByte(0xFF));
}
} // namespace
