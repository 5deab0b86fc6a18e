#include "core/program_texts.h"

#include <gtest/gtest.h>

#include <iconv.h>

#include <string>

namespace {
// The program's texts must be exactly the code page 936 bytes of what the user reads.
std::string toCodePage936(const std::string& utf8) {
    iconv_t convert = iconv_open("CP936", "UTF-8");
    EXPECT_NE(convert, reinterpret_cast<iconv_t>(-1));
    std::string in = utf8;
    std::string out(in.size() * 2 + 4, '\0');
    char* inPtr = in.data();
    char* outPtr = out.data();
    size_t inLeft = in.size(), outLeft = out.size();
    EXPECT_NE(iconv(convert, &inPtr, &inLeft, &outPtr, &outLeft), static_cast<size_t>(-1));
    iconv_close(convert);
    out.resize(out.size() - outLeft);
    return out;
}

TEST(ProgramTexts, AreTheCodePage936BytesOfTheirWords) {
    const std::pair<const char*, const char*> cases[] = {
        {texts::letsBegin, "开始吧"},
        {texts::uhOh, "啊哦"},
        {texts::noFiles, "暂无文件"},
        {texts::exportSucceeded, "导出成功！"},
        {texts::exportFailed, "导出失败！"},
        {texts::closeWithPending, "还有未处理的文件，确定关闭吗？"},
        {texts::listWindowTitle, "Velmora 待删除文件列表 v1.0"},
        {texts::stagingBox, "暂存箱"},
        {texts::fontYaHei, "微软雅黑"},
        {texts::dockTop, "上"},
        {texts::dockLeft, "左"},
        {texts::dockRight, "右"},
        {texts::closeTitle, "Velmora"},
    };
    for (const auto& [bytes, words] : cases)
        EXPECT_EQ(std::string(bytes), toCodePage936(words)) << words;
}
} // namespace
