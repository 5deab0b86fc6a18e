#pragma once
// Every text the user sees, as code page 936 bytes (the program is ANSI).

namespace texts {
inline constexpr char letsBegin[] = "\xBF\xAA\xCA\xBC\xB0\xC9";       // 开始吧
inline constexpr char uhOh[] = "\xB0\xA1\xC5\xB6";                    // 啊哦
inline constexpr char noFiles[] = "\xD4\xDD\xCE\xDE\xCE\xC4\xBC\xFE"; // 暂无文件
inline constexpr char exportSucceeded[] = "\xB5\xBC\xB3\xF6\xB3\xC9\xB9\xA6\xA3\xA1"; // 导出成功！
inline constexpr char exportFailed[] = "\xB5\xBC\xB3\xF6\xCA\xA7\xB0\xDC\xA3\xA1"; // 导出失败！
// 还有未处理的文件，确定关闭吗？
inline constexpr char closeWithPending[] =
    "\xBB\xB9\xD3\xD0\xCE\xB4\xB4\xA6\xC0\xED\xB5\xC4\xCE\xC4"
    "\xBC\xFE\xA3\xAC\xC8\xB7\xB6\xA8\xB9\xD8\xB1\xD5\xC2\xF0"
    "\xA3\xBF";
inline constexpr char closeTitle[] = "Velmora";
// Velmora 待删除文件列表 v1.0
inline constexpr char listWindowTitle[] =
    "Velmora \xB4\xFD\xC9\xBE\xB3\xFD\xCE\xC4\xBC\xFE\xC1\xD0\xB1\xED v1.0";
inline constexpr char stagingBox[] = "\xD4\xDD\xB4\xE6\xCF\xE4";        // 暂存箱
inline constexpr char fontYaHei[] = "\xCE\xA2\xC8\xED\xD1\xC5\xBA\xDA"; // 微软雅黑
inline constexpr char dockTop[] = "\xC9\xCF";                           // 上
inline constexpr char dockLeft[] = "\xD7\xF3";                          // 左
inline constexpr char dockRight[] = "\xD3\xD2";                         // 右
} // namespace texts
