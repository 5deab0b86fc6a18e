#include "core/split_non_empty.h"

#include "core/code_page.h"

#include <cstring>

int splitNonEmpty(std::string_view text, std::string& separator, int maxCount,
                  std::vector<std::string>& out) {
    out.clear();
    if (separator.empty())
        separator.assign(1, ',');
    if (maxCount < 0)
        return 0;

    const size_t sepLen = separator.size();
    const char* sep = separator.data();
    size_t pieces = 0;
    auto takePiece = [&](size_t begin, size_t end) {
        ++pieces;
        if (end > begin)
            out.emplace_back(text.substr(begin, end - begin));
    };
    auto full = [&] { return maxCount > 0 && pieces >= static_cast<size_t>(maxCount); };

    size_t pieceStart = 0;
    size_t i = 0;
    while (i < text.size() && !full()) {
        if (text.size() - i >= sepLen && std::memcmp(text.data() + i, sep, sepLen) == 0) {
            takePiece(pieceStart, i);
            i += sepLen;
            pieceStart = i;
            continue;
        }
        // Step over a whole character so a separator byte inside it never matches.
        i += (isLeadByte(static_cast<unsigned char>(text[i])) && i + 1 < text.size()) ? 2 : 1;
    }
    if (!full() && pieceStart < text.size())
        takePiece(pieceStart, text.size());
    return static_cast<int>(out.size());
}
