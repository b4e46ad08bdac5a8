// What the tests of the checker window's chrome, its right-button menu
// and the about window share: where the chrome lies, a probe of the popup
// menu's loop, mouse input and drags as a user gives them, and the fixture
// (a shown checker window, shell requests written to a log).
#pragma once
#include <cstdio>
#include <fstream>
#include <atomic>
#include <functional>
#include <sstream>
#include <thread>
#include "checker_fixture.h"
#include "screen.h"


// Where the chrome lies, in twips of the client area.
struct Spot {
    const wchar_t* name;
    float x, y;
};
constexpr Spot kHelp{L"BtnHelp", 3150, 3700}, kMinimise{L"BtnMinimizar", 3950, 3700},
    kMaximise{L"BtnMaximizar", 4190, 3700}, kClose{L"BtnCerrar", 4460, 3700}, kTitle{L"Label4", 3000, 250},
    kTitleBand{L"Label5", 1740, 135}, kLabel1{L"Label1", 300, 700}, kLabel2{L"Label2", 300, 1400},
    kWordBox{L"txtWord", 300, 950}, kList{L"lstSuggestions", 300, 1800}, kCheckButton{L"cmdCheck", 3300, 950},
    kBackground{L"background", 3750, 2250};

inline std::vector<DWORD> BitmapPixels(HMODULE dll, int id, int width, int height) {
    HBITMAP bitmap = static_cast<HBITMAP>(LoadImageW(dll, MAKEINTRESOURCEW(id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    EXPECT_NE(bitmap, nullptr) << "bitmap " << id;
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, bitmap);
    std::vector<DWORD> pixels = Pixels(dc, width, height);
    SelectObject(dc, old);
    DeleteDC(dc);
    DeleteObject(bitmap);
    return pixels;
}

// What a probe saw of the popup menu while its loop ran.
struct MenuSeen {
    bool opened = false;
    std::vector<std::wstring> captions;
    int defaultPosition = -1;
    RECT rect{};
};
inline MenuSeen seen;
inline wchar_t chooseKey = 0;
inline std::function<void()> duringMenu;

inline BOOL CALLBACK FindMenu(HWND w, LPARAM found) {
    wchar_t type[16] = {};
    GetClassNameW(w, type, 16);
    if (wcscmp(type, L"#32768") == 0 && IsWindowVisible(w)) *reinterpret_cast<HWND*>(found) = w;
    return TRUE;
}

// Runs inside the menu's modal loop: reads the menu, then dismisses it or
// picks an entry by its mnemonic, as a user would.
inline void CALLBACK MenuProbe(HWND, UINT, UINT_PTR, DWORD) {
    HWND menu = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), &FindMenu, reinterpret_cast<LPARAM>(&menu));
    if (!menu) return;
    if (!seen.opened) {
        seen.opened = true;
        GetWindowRect(menu, &seen.rect);
        HMENU items = reinterpret_cast<HMENU>(SendMessageW(menu, MN_GETHMENU, 0, 0));
        for (int i = 0; i < GetMenuItemCount(items); ++i) {
            wchar_t caption[64] = {};
            GetMenuStringW(items, i, caption, 64, MF_BYPOSITION);
            seen.captions.push_back((GetMenuState(items, i, MF_BYPOSITION) & MF_SEPARATOR) ? L"-" : caption);
        }
        seen.defaultPosition = static_cast<int>(GetMenuDefaultItem(items, TRUE, 0));
        if (duringMenu) duringMenu();
    }
    // Again at every tick while a menu is still open, in case a key came
    // before the menu could take it.
    if (chooseKey) PostMessageW(menu, WM_CHAR, chooseKey, 0);
    else EndMenu();
}

class Chrome : public Checker {
protected:
    void SetUp() override {
        Checker::SetUp();
        wchar_t folder[MAX_PATH];
        GetTempPathW(MAX_PATH, folder);
        log_ = std::wstring(folder) + L"vestrel_shell.log";
        DeleteFileW(log_.c_str());
        SetEnvironmentVariableW(L"VESTREL_SHELL_LOG", log_.c_str());
        ASSERT_EQ(Call(spelling_.Get(), L"Show").hr, S_OK);
        Pump();
    }
    void TearDown() override {
        SetEnvironmentVariableW(L"VESTREL_SHELL_LOG", nullptr);
        DeleteFileW(log_.c_str());
        Checker::TearDown();
    }
    // What the component asked of the shell, a line each.
    std::vector<std::string> Requests() {
        std::vector<std::string> lines;
        FILE* file = _wfopen(log_.c_str(), L"rb");
        if (!file) return lines;
        std::string text;
        char buffer[512];
        for (size_t n; (n = fread(buffer, 1, sizeof(buffer), file)) > 0;) text.append(buffer, n);
        fclose(file);
        std::istringstream stream(text);
        for (std::string line; std::getline(stream, line);) lines.push_back(line);
        return lines;
    }
    HWND At(const Spot& spot) {
        HWND control = ControlAt(spot.x, spot.y);
        return control ? control : Window();
    }
    // A press and its release at a spot, with button 1, 2 or 4.
    void Press(const Spot& spot, int button) {
        HWND target = At(spot);
        POINT p{static_cast<LONG>(spot.x / 15), static_cast<LONG>(spot.y / 15)};
        MapWindowPoints(Window(), target, &p, 1);
        const UINT down = button == 1 ? WM_LBUTTONDOWN : button == 2 ? WM_RBUTTONDOWN : WM_MBUTTONDOWN;
        SendMessageW(target, down, button == 1 ? MK_LBUTTON : button == 2 ? MK_RBUTTON : MK_MBUTTON, MAKELPARAM(p.x, p.y));
    }
    void Release(HWND target, int button, int x = 5, int y = 5) {
        const UINT up = button == 1 ? WM_LBUTTONUP : button == 2 ? WM_RBUTTONUP : WM_MBUTTONUP;
        SendMessageW(target, up, 0, MAKELPARAM(x, y));
        Pump();
    }
    bool Shows(const Spot& spot, int bitmap) {
        const std::vector<DWORD> shown = WindowPixels(At(spot), 16, 14), wanted = BitmapPixels(Dll(), bitmap, 16, 14);
        return shown == wanted;
    }
    // Presses at a spot with the right button and reports the menu.
    MenuSeen RightPress(const Spot& spot, wchar_t choose = 0) {
        Pump();  // nothing of earlier input left to end the menu
        seen = {};
        chooseKey = choose;
        // The probe also ends a control's own context menu (the word box
        // has one), which a release may open.
        const UINT_PTR timer = SetTimer(nullptr, 0, 20, MenuProbe);
        // The menu's loop runs inside the press (and a control's own inside
        // the release); the probe has ended it when each returns.
        Press(spot, 2);
        Pump();
        Release(At(spot), 2);
        Pump();
        KillTimer(nullptr, timer);
        duringMenu = nullptr;
        return seen;
    }
    HWND About() { return FormWithCaption(L" Acerca del Vestrel"); }
    HWND Popup() { return FormWithCaption(L"PopupMenu"); }

    std::wstring log_;
};

// Mouse input as the hardware gives it: absolute moves, presses, releases.
inline void SendMouse(POINT at, DWORD flags) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = at.x * 65535 / (GetSystemMetrics(SM_CXSCREEN) - 1);
    input.mi.dy = at.y * 65535 / (GetSystemMetrics(SM_CYSCREEN) - 1);
    input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | flags;
    SendInput(1, &input, sizeof(input));
}

// What the window system's move loop looked like to another thread.
struct DragSeen {
    bool moving = false;
    HWND moved = nullptr;
    bool endedByRelease = false;
};

// Waits, on a thread that is not the windows' own, for what the window
// system shows of them (asked every 5 ms: nothing tells this thread of a
// change); false if it still does not hold after limit, which no healthy
// run comes near.
inline bool WaitFor(const std::function<bool()>& holds, DWORD limit = 10000) {
    for (const DWORD start = GetTickCount(); !holds(); Sleep(5))
        if (GetTickCount() - start > limit) return false;
    return true;
}

// Whether the thread runs the window system's move loop, and for which window.
inline bool InMoveLoop(DWORD thread, HWND* moved = nullptr) {
    GUITHREADINFO gui{};
    gui.cbSize = sizeof(gui);
    GetGUIThreadInfo(thread, &gui);
    if (moved) *moved = gui.hwndMoveSize;
    return (gui.flags & GUI_INMOVESIZE) != 0;
}

inline bool CursorAt(POINT at) {
    POINT now{};
    GetCursorPos(&now);
    return now.x == at.x && now.y == at.y;
}

// A user on another thread presses at start, moves and lets go (once
// letGo holds, when given), while the window system runs its move loop on
// this thread; each step waits for the one before to be seen (the cursor
// there, the move loop started or ended, or the window pressed gone).
inline DragSeen DragFrom(POINT start, const std::function<bool()>& letGo = {}) {
    const DWORD ui = GetCurrentThreadId();
    const HWND pressed = GetAncestor(WindowFromPoint(start), GA_ROOT);
    DragSeen drag;
    std::atomic<bool> done{false};
    std::thread user([&] {
        const POINT to{start.x + 30, start.y + 20};
        SendMouse(start, 0);
        WaitFor([&] { return CursorAt(start); });
        SendMouse(start, MOUSEEVENTF_LEFTDOWN);
        drag.moving = WaitFor([&] { return InMoveLoop(ui, &drag.moved) || !IsWindow(pressed); }) && IsWindow(pressed);
        SendMouse(to, 0);
        WaitFor([&] { return CursorAt(to); });
        if (letGo) WaitFor(letGo);
        SendMouse(to, MOUSEEVENTF_LEFTUP);
        drag.endedByRelease = WaitFor([&] { return !InMoveLoop(ui); });
        done = true;
    });
    while (!done) {
        Pump();
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
    }
    user.join();
    return drag;
}
