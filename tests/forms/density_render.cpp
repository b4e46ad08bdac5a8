// Shows the checker window after a check, and the about window the check
// shows, each alone at the top left of the screen, and writes what the
// screen shows of each (FOLDER\NAME-checker.bmp, -about.bmp) with the
// geometry of each window (.txt: the window, its region's bounds, then
// each child's class, whether it shows text, and its place). The check
// button carries a picture a host made: 16 by 10 magenta pixels at the
// screen's density when it was made.
//
//   density_render FOLDER NAME [DPI]
//     with DPI, each window is told first that it moved to a monitor of that
//     density (WM_DPICHANGED), as Windows tells a host aware of each
//     monitor's density.
#include <initguid.h>
#include <windows.h>
#include <olectl.h>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>
#include <wrl/client.h>
#include "automation.h"
#include "dll.h"
#include "vestrel_h.h"

namespace {

HWND Top(const wchar_t* caption) {
    HWND found = nullptr;
    for (HWND w = GetTopWindow(nullptr); w; w = GetWindow(w, GW_HWNDNEXT)) {
        wchar_t type[32] = {}, text[64] = {};
        GetClassNameW(w, type, 32);
        GetWindowTextW(w, text, 64);
        if (wcscmp(type, L"VestrelForm") == 0 && wcscmp(text, caption) == 0) found = w;
    }
    return found;
}

// Everything queued, then every paint, twice over: the screen shows the
// window as it stands.
void Settle(HWND window) {
    for (int i = 0; i < 2; ++i) {
        Pump();
        RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        GdiFlush();
    }
}

bool WriteBmp(const std::wstring& path, HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    const int width = r.right - r.left, height = r.bottom - r.top;
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, height, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HDC screen = GetDC(nullptr);
    HBITMAP shot = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HDC memory = CreateCompatibleDC(screen);
    HGDIOBJ old = SelectObject(memory, shot);
    BitBlt(memory, 0, 0, width, height, screen, r.left, r.top, SRCCOPY);
    GdiFlush();
    const DWORD stride = (static_cast<DWORD>(width) * 3 + 3) & ~3u, size = stride * static_cast<DWORD>(height);
    constexpr DWORD kHeaders = sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER);
    BITMAPFILEHEADER file{0x4D42, kHeaders + size, 0, 0, kHeaders};
    std::ofstream out(std::filesystem::path(path), std::ios::binary);
    out.write(reinterpret_cast<const char*>(&file), sizeof(file));
    out.write(reinterpret_cast<const char*>(&info.bmiHeader), sizeof(info.bmiHeader));
    out.write(static_cast<const char*>(bits), size);
    SelectObject(memory, old);
    DeleteDC(memory);
    DeleteObject(shot);
    ReleaseDC(nullptr, screen);
    return static_cast<bool>(out);
}

bool WriteGeometry(const std::wstring& path, HWND window) {
    std::ofstream out{std::filesystem::path(path)};
    RECT r{}, bounds{};
    GetWindowRect(window, &r);
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    std::vector<char> parts;
    if (GetWindowRgn(window, region) != ERROR) {
        GetRgnBox(region, &bounds);
        parts.resize(GetRegionData(region, 0, nullptr));
        if (!parts.empty()) GetRegionData(region, static_cast<DWORD>(parts.size()), reinterpret_cast<RGNDATA*>(parts.data()));
    }
    DeleteObject(region);
    out << "window\t0\t0\t0\t" << r.right - r.left << '\t' << r.bottom - r.top << '\n';
    out << "region\t0\t" << bounds.left << '\t' << bounds.top << '\t' << bounds.right << '\t' << bounds.bottom << '\n';
    // The rectangles the region is made of.
    if (!parts.empty()) {
        const auto* data = reinterpret_cast<const RGNDATA*>(parts.data());
        const auto* rects = reinterpret_cast<const RECT*>(data->Buffer);
        for (DWORD i = 0; i < data->rdh.nCount; ++i)
            out << "part\t0\t" << rects[i].left << '\t' << rects[i].top << '\t' << rects[i].right << '\t'
                << rects[i].bottom << '\n';
    }
    for (HWND c = GetWindow(window, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
        if (!IsWindowVisible(c)) continue;
        char type[32] = {};
        GetClassNameA(c, type, 32);
        RECT child{};
        GetWindowRect(c, &child);
        MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&child), 2);
        // Anything that draws letters: a caption, or a control made of text.
        const bool text = GetWindowTextLengthW(c) > 0 || _stricmp(type, "ListBox") == 0 || _stricmp(type, "Edit") == 0 ||
                          GetWindow(c, GW_CHILD) != nullptr;
        out << type << '\t' << text << '\t' << child.left << '\t' << child.top << '\t' << child.right << '\t'
            << child.bottom << '\n';
    }
    return static_cast<bool>(out);
}

// window alone at the top left, told of a new density when dpi is set.
bool Render(HWND window, HWND other, const std::wstring& base, int dpi) {
    ShowWindow(other, SW_HIDE);
    SetWindowPos(window, HWND_TOP, 0, 0, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW | SWP_NOACTIVATE);
    if (dpi) {
        RECT r{};
        GetWindowRect(window, &r);
        SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&r));
    }
    Settle(window);
    return WriteBmp(base + L".bmp", window) && WriteGeometry(base + L".txt", window);
}

// A bitmap picture object, as a host's LoadPicture makes one: its size in
// inches is its pixels at the screen's density.
Microsoft::WRL::ComPtr<IPictureDisp> HostPicture() {
    HDC screen = GetDC(nullptr);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, 16, 10);
    HDC memory = CreateCompatibleDC(screen);
    HGDIOBJ old = SelectObject(memory, bitmap);
    RECT all{0, 0, 16, 10};
    HBRUSH magenta = CreateSolidBrush(RGB(255, 0, 255));
    FillRect(memory, &all, magenta);
    DeleteObject(magenta);
    SelectObject(memory, old);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    PICTDESC description{sizeof(PICTDESC), PICTYPE_BITMAP, {}};
    description.bmp.hbitmap = bitmap;
    Microsoft::WRL::ComPtr<IPictureDisp> picture;
    OleCreatePictureIndirect(&description, IID_IPictureDisp, TRUE, reinterpret_cast<void**>(picture.GetAddressOf()));
    return picture;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 3) {
        fwprintf(stderr, L"usage: density_render FOLDER NAME [DPI]\n");
        return 2;
    }
    const std::wstring base = std::wstring(argv[1]) + L"\\" + argv[2];
    const int dpi = argc > 3 ? _wtoi(argv[3]) : 0;
    SetEnvironmentVariableW(L"VESTREL_ENGINE", L"builtin");
    CoInitialize(nullptr);
    HMODULE dll = LoadLibraryW(ComponentPath().c_str());
    auto getClassObject = reinterpret_cast<HRESULT(STDAPICALLTYPE*)(REFCLSID, REFIID, void**)>(
        reinterpret_cast<void*>(GetProcAddress(dll, "DllGetClassObject")));
    Microsoft::WRL::ComPtr<IClassFactory> factory;
    Microsoft::WRL::ComPtr<IDispatch> spelling;
    if (!getClassObject || FAILED(getClassObject(CLSID_Spelling, IID_IClassFactory, &factory)) ||
        FAILED(factory->CreateInstance(nullptr, IID_IDispatch, &spelling))) {
        fwprintf(stderr, L"density_render: no Spelling object\n");
        return 1;
    }
    Call(spelling.Get(), L"Show");
    {
        CallResult box = Call(spelling.Get(), L"SendToForm");
        Put(box.Object(), L"Text", Str(L"ortografia"));
    }
    Call(spelling.Get(), L"Spelling");
    {
        Microsoft::WRL::ComPtr<IDispatch> check;
        Microsoft::WRL::ComPtr<IClassFactory> checkFactory;
        VARIANT picture;
        picture.vt = VT_DISPATCH;
        picture.pdispVal = HostPicture().Detach();
        if (FAILED(getClassObject(CLSID_Check, IID_IClassFactory, &checkFactory)) ||
            FAILED(checkFactory->CreateInstance(nullptr, IID_IDispatch, &check)) ||
            FAILED(Put(check.Get(), L"Picture", picture).hr)) {
            fwprintf(stderr, L"density_render: the check button took no picture\n");
            return 1;
        }
    }
    HWND checker = Top(L"Vestrel"), about = Top(L" Acerca del Vestrel");
    if (!checker || !about) {
        fwprintf(stderr, L"density_render: the windows are not there\n");
        return 1;
    }
    const bool written = Render(checker, about, base + L"-checker", dpi) && Render(about, checker, base + L"-about", dpi);
    SendMessageW(about, WM_CLOSE, 0, 0);
    SendMessageW(checker, WM_CLOSE, 0, 0);
    Pump();
    spelling.Reset();
    factory.Reset();
    CoUninitialize();
    return written ? 0 : 1;
}
