// What the tests read back of the screen: the pixels a window or the
// desktop shows, as the user sees them.
#pragma once
#include <windows.h>
#include <vector>

// The pixels of a device context from (x, y), 0x00RRGGBB, top row first.
inline std::vector<DWORD> Pixels(HDC source, int width, int height, int x = 0, int y = 0) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HDC dc = CreateCompatibleDC(source);
    HBITMAP dib = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(dc, dib);
    BitBlt(dc, 0, 0, width, height, source, x, y, SRCCOPY);
    GdiFlush();
    std::vector<DWORD> pixels(static_cast<const DWORD*>(bits), static_cast<const DWORD*>(bits) + width * height);
    for (DWORD& p : pixels) p &= 0xFFFFFF;
    SelectObject(dc, old);
    DeleteObject(dib);
    DeleteDC(dc);
    return pixels;
}

// A window's client area as drawn, after a redraw.
inline std::vector<DWORD> WindowPixels(HWND window, int width, int height) {
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    HDC dc = GetDC(window);
    std::vector<DWORD> pixels = Pixels(dc, width, height);
    ReleaseDC(window, dc);
    return pixels;
}

// One pixel of the screen (window nullptr) or of a window, COLORREF order.
inline COLORREF PixelOf(HWND window, int x, int y) {
    HDC dc = GetDC(window);
    const DWORD rgb = Pixels(dc, 1, 1, x, y)[0];
    ReleaseDC(window, dc);
    return RGB((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
}
