#include "ui/resource_bitmap.h"

#include "ui/scoped_gdi.h"

#include <algorithm>
#include <vector>

HFONT createPixelFont(const char* face, int pixelHeight, bool bold) {
    return CreateFontA(-pixelHeight, 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE,
                       DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY,
                       DEFAULT_PITCH | FF_DONTCARE, face);
}

HBITMAP loadPictureOnWhite(int resourceId, int width, int height) {
    ScopedBitmap source(
        static_cast<HBITMAP>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(resourceId),
                                        IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
    DIBSECTION dib{};
    if (!source || GetObjectW(source.get(), sizeof dib, &dib) != sizeof dib ||
        dib.dsBm.bmBitsPixel != 32 || !dib.dsBm.bmBits || width <= 0 || height <= 0)
        return nullptr;
    const int sw = dib.dsBm.bmWidth;
    const int sh = dib.dsBm.bmHeight;
    const auto* src = static_cast<const BYTE*>(dib.dsBm.bmBits);
    const bool bottomUp = dib.dsBmih.biHeight > 0;

    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height; // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP result = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!result)
        return nullptr;
    auto* out = static_cast<BYTE*>(bits);

    // Each target pixel averages its source area with alpha weighting, then meets white.
    for (int y = 0; y < height; ++y) {
        const int y0 = y * sh / height, y1 = std::max(y0 + 1, (y + 1) * sh / height);
        for (int x = 0; x < width; ++x) {
            const int x0 = x * sw / width, x1 = std::max(x0 + 1, (x + 1) * sw / width);
            double b = 0, g = 0, r = 0, a = 0;
            int count = 0;
            for (int sy = y0; sy < y1; ++sy) {
                const int row = bottomUp ? sh - 1 - sy : sy;
                const BYTE* line = src + static_cast<size_t>(row) * dib.dsBm.bmWidthBytes;
                for (int sx = x0; sx < x1; ++sx) {
                    const BYTE* p = line + sx * 4;
                    const double alpha = p[3] / 255.0;
                    b += p[0] * alpha;
                    g += p[1] * alpha;
                    r += p[2] * alpha;
                    a += alpha;
                    ++count;
                }
            }
            const double coverage = a / count;
            BYTE* o = out + (static_cast<size_t>(y) * width + x) * 4;
            o[0] = static_cast<BYTE>(b / count + 255.0 * (1 - coverage) + 0.5);
            o[1] = static_cast<BYTE>(g / count + 255.0 * (1 - coverage) + 0.5);
            o[2] = static_cast<BYTE>(r / count + 255.0 * (1 - coverage) + 0.5);
            o[3] = 255;
        }
    }
    return result;
}
