#include "ui/picture_box.h"

#include "res/resource.h"
#include "ui/resource_bitmap.h"
#include "ui/scoped_gdi.h"
#include "ui/translucency.h"

namespace {
constexpr char pictureBoxClass[] = "VelmoraPictureBox";
// The 128 x 128 picture fits the box's height with its aspect kept, centred.
constexpr int pictureSide = 64;
constexpr int pictureLeft = 12;
constexpr int pictureTop = 0;
ScopedBitmap twoSheets;

LRESULT CALLBACK pictureBoxProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT: {
        PaintSession paint(window);
        RECT client;
        GetClientRect(window, &client);
        FillRect(paint.dc(), &client, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
        if (twoSheets) {
            MemoryDc source(paint.dc(), twoSheets.get());
            BitBlt(paint.dc(), pictureLeft, pictureTop, pictureSide, pictureSide, source.get(), 0,
                   0, SRCCOPY);
        }
        return 0;
    }
    case WM_ERASEBKGND:
        return 1;
    case WM_LBUTTONDBLCLK:
        onPictureDoubleClick();
        return 0;
    case WM_NCDESTROY:
        twoSheets.reset();
        break;
    default:
        break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}
} // namespace

HWND createPictureBox(HWND parent, ControlPlace place) {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    WNDCLASSA pictureClass{};
    pictureClass.style = CS_DBLCLKS;
    pictureClass.lpfnWndProc = pictureBoxProc;
    pictureClass.hInstance = instance;
    pictureClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    pictureClass.lpszClassName = pictureBoxClass;
    RegisterClassA(&pictureClass); // a second registration fails harmlessly
    twoSheets.reset(loadPictureOnWhite(IDB_TWO_SHEETS, pictureSide, pictureSide));
    return CreateWindowExA(0, pictureBoxClass, "", WS_CHILD | WS_VISIBLE, place.left, place.top,
                           place.width, place.height, parent, nullptr, instance, nullptr);
}
