#pragma once
#include <windows.h>

// Owns one GDI object and deletes it once; not copyable.
template <typename Handle> class GdiObject {
public:
    GdiObject() = default;
    explicit GdiObject(Handle handle) : handle_(handle) {}
    ~GdiObject() { reset(); }
    GdiObject(const GdiObject&) = delete;
    GdiObject& operator=(const GdiObject&) = delete;
    GdiObject(GdiObject&& other) noexcept : handle_(other.handle_) { other.handle_ = nullptr; }
    GdiObject& operator=(GdiObject&& other) noexcept {
        if (this != &other) {
            reset();
            handle_ = other.handle_;
            other.handle_ = nullptr;
        }
        return *this;
    }
    void reset(Handle handle = nullptr) {
        if (handle_)
            DeleteObject(handle_);
        handle_ = handle;
    }
    Handle get() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr; }

private:
    Handle handle_ = nullptr;
};

using ScopedFont = GdiObject<HFONT>;
using ScopedBitmap = GdiObject<HBITMAP>;
using ScopedBrush = GdiObject<HBRUSH>;

// A memory device context for one drawing, with the bitmap selected into it.
class MemoryDc {
public:
    MemoryDc(HDC like, HBITMAP bitmap) : dc_(CreateCompatibleDC(like)) {
        if (dc_)
            old_ = SelectObject(dc_, bitmap);
    }
    ~MemoryDc() {
        if (dc_) {
            SelectObject(dc_, old_);
            DeleteDC(dc_);
        }
    }
    MemoryDc(const MemoryDc&) = delete;
    MemoryDc& operator=(const MemoryDc&) = delete;
    HDC get() const { return dc_; }

private:
    HDC dc_ = nullptr;
    HGDIOBJ old_ = nullptr;
};

// A window's paint session.
class PaintSession {
public:
    explicit PaintSession(HWND window) : window_(window) { dc_ = BeginPaint(window, &paint_); }
    ~PaintSession() { EndPaint(window_, &paint_); }
    PaintSession(const PaintSession&) = delete;
    PaintSession& operator=(const PaintSession&) = delete;
    HDC dc() const { return dc_; }

private:
    HWND window_;
    PAINTSTRUCT paint_{};
    HDC dc_ = nullptr;
};

// 12-pixel characters of the given face, normal or bold.
HFONT createPixelFont(const char* face, int pixelHeight, bool bold);
