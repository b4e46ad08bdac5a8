// Memory over a long session, as a host uses the component for a working
// day: the committed memory, sampled every 1,000 rounds, of
//  - a control loop: a plain window of this program with the same kinds of
//    controls as the checker window (labels, an edit box, buttons, a list,
//    a tool tip), created, shown and destroyed;
//  - Spelling objects created, their window shown (or loaded hidden) and
//    closed, released;
//  - checks of a misspelt word on one shown window.
// Growth in the component's curve beyond the control loop's is the
// component's own.
//   soak.exe [rounds] [curves: p plain, s shown, h hidden, c checks]
#include <initguid.h>
#include <windows.h>
#include <commctrl.h>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>
#include "../tests/support/automation.h"
#include "../tests/support/dll.h"
#include "measure.h"
#include "vestrel_h.h"

namespace {

using namespace bench;

constexpr int kEvery = 1000;
constexpr int kWarmUp = 200;

void CloseForms() {
    for (HWND form = FindWindowW(L"VestrelForm", nullptr); form; form = FindWindowW(L"VestrelForm", nullptr))
        SendMessageW(form, WM_CLOSE, 0, 0);
    Pump();
}

LRESULT CALLBACK PassOn(int code, WPARAM wParam, LPARAM lParam) { return CallNextHookEx(nullptr, code, wParam, lParam); }
LRESULT CALLBACK Subclassed(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR) {
    if (message == WM_NCDESTROY) RemoveWindowSubclass(window, Subclassed, 0);
    return DefSubclassProc(window, message, wParam, lParam);
}

// A window like the checker's, made of the system's own controls and
// objects of the same kinds: a message hook for the thread, subclassed
// controls with a font each, a tool tip with a tool, a timer, an icon, a
// window region and a pattern brush.
void PlainWindowRound() {
    HHOOK hook = SetWindowsHookExW(WH_GETMESSAGE, PassOn, nullptr, GetCurrentThreadId());
    HWND window = CreateWindowExW(WS_EX_APPWINDOW, L"SoakPlain", L"Vestrel", WS_POPUP | WS_CLIPCHILDREN, 100, 100,
                                  323, 263, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    const struct {
        const wchar_t* type;
        DWORD style;
    } kControls[] = {{L"Static", 0}, {L"Static", 0}, {L"Static", 0}, {L"Static", 0}, {L"Static", 0},
                     {L"Static", 0}, {L"Edit", ES_AUTOHSCROLL}, {L"Button", BS_PUSHBUTTON},
                     {L"Button", BS_OWNERDRAW}, {L"ListBox", LBS_NOTIFY | WS_VSCROLL}};
    std::vector<HFONT> fonts;
    int y = 0;
    for (const auto& control : kControls) {
        HWND child = CreateWindowExW(0, control.type, L"", WS_CHILD | WS_VISIBLE | control.style, 10, y += 20, 150,
                                     18, window, nullptr, GetModuleHandleW(nullptr), nullptr);
        SetWindowSubclass(child, Subclassed, 0, 0);
        fonts.push_back(CreateFontW(-13, 0, 0, 0, FW_BOLD, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"Tahoma"));
        SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(fonts.back()), FALSE);
    }
    HWND tips = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP, 0, 0, 0, 0, window,
                                nullptr, GetModuleHandleW(nullptr), nullptr);
    TOOLINFOW tool{};
    tool.cbSize = TTTOOLINFOW_V2_SIZE;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = window;
    tool.uId = reinterpret_cast<UINT_PTR>(GetWindow(window, GW_CHILD));
    tool.lpszText = const_cast<wchar_t*>(L"Ayuda");
    SendMessageW(tips, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    SetTimer(window, 1, 10, nullptr);
    HICON icon = static_cast<HICON>(LoadImageW(nullptr, IDI_APPLICATION, IMAGE_ICON, 32, 32, LR_SHARED));
    SendMessageW(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
    SetWindowRgn(window, CreateRoundRectRgn(0, 0, 323, 263, 8, 8), FALSE);
    HDC screen = GetDC(window);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, 323, 263);
    ReleaseDC(window, screen);
    HBRUSH brush = CreatePatternBrush(bitmap);
    ShowWindow(window, SW_SHOW);
    Pump();
    KillTimer(window, 1);
    DestroyWindow(window);
    for (HFONT font : fonts) DeleteObject(font);
    DeleteObject(brush);
    DeleteObject(bitmap);
    UnhookWindowsHookEx(hook);
    Pump();
}

// Runs round rounds times after a warm-up, the committed memory every kEvery.
std::vector<size_t> Curve(int rounds, const std::function<void()>& round) {
    for (int i = 0; i < kWarmUp; ++i) round();
    std::vector<size_t> samples{CommittedKiB()};
    for (int i = 1; i <= rounds; ++i) {
        round();
        if (i % kEvery == 0) samples.push_back(CommittedKiB());
    }
    return samples;
}

// A round that failed ends the soak with what the component said.
[[noreturn]] void Failed(HRESULT hr, const std::wstring& description) {
    std::printf("soak: a round failed with 0x%08lX: %ls\n", static_cast<unsigned long>(hr), description.c_str());
    std::fflush(stdout);
    std::exit(1);
}

void Print(const char* what, const std::vector<size_t>& samples) {
    std::printf("%-34s", what);
    for (size_t kib : samples) std::printf(" %7zu", kib);
    const double perThousand = samples.size() > 1 ? (static_cast<double>(samples.back()) - samples.front()) * kEvery /
                                                         (static_cast<double>(samples.size() - 1) * kEvery)
                                                   : 0;
    std::printf("   %+.0f KiB / 1,000\n", perThousand);
    std::fflush(stdout);
}

}  // namespace

int main(int argc, char** argv) {
    const int rounds = argc > 1 ? std::atoi(argv[1]) : 10000;
    // Which curves: p plain window, s shown and closed, h loaded hidden and
    // closed, c checks (all by default).
    const std::string curves = argc > 2 ? argv[2] : "pshc";
    CoInitialize(nullptr);
    SetEnvironmentVariableW(L"VESTREL_ENGINE", L"builtin");
    WNDCLASSW plain{};
    plain.lpfnWndProc = DefWindowProcW;
    plain.hInstance = GetModuleHandleW(nullptr);
    plain.lpszClassName = L"SoakPlain";
    RegisterClassW(&plain);
    HMODULE dll = LoadLibraryW(ComponentPath().c_str());
    auto getClassObject = reinterpret_cast<HRESULT(STDAPICALLTYPE*)(REFCLSID, REFIID, void**)>(
        (void*)GetProcAddress(dll, "DllGetClassObject"));
    IClassFactory* factory = nullptr;
    if (!getClassObject || FAILED(getClassObject(CLSID_Spelling, IID_IClassFactory, reinterpret_cast<void**>(&factory)))) {
        std::printf("soak: the component did not load\n");
        return 1;
    }

    std::printf("committed KiB after the warm-up, then every %d rounds:\n", kEvery);
    if (curves.find('p') != std::string::npos) Print("plain window with its controls", Curve(rounds, PlainWindowRound));
    for (const bool shown : {true, false}) {
        if (curves.find(shown ? 's' : 'h') == std::string::npos) continue;
        Print(shown ? "Spelling created, shown, closed" : "Spelling created, loaded hidden, closed", Curve(rounds, [&] {
                  IDispatch* spelling = nullptr;
                  const HRESULT made = factory->CreateInstance(nullptr, IID_IDispatch, reinterpret_cast<void**>(&spelling));
                  if (made != S_OK) Failed(made, L"CreateInstance");
                  const CallResult loaded = shown ? Call(spelling, L"Show") : Get(spelling, L"Visible");
                  if (loaded.hr != S_OK) Failed(loaded.hr, loaded.description);
                  Pump();
                  CloseForms();
                  spelling->Release();
              }));
    }
    if (curves.find('c') == std::string::npos) {
        factory->Release();
        return 0;
    }
    IDispatch* spelling = nullptr;
    factory->CreateInstance(nullptr, IID_IDispatch, reinterpret_cast<void**>(&spelling));
    Call(spelling, L"Show");
    CallResult box = Call(spelling, L"SendToForm");
    Put(box.Object(), L"Text", Str(L"ortografia"));
    Print("check of a misspelt word", Curve(rounds, [&] {
              const CallResult checked = Call(spelling, L"Spelling");
              if (checked.hr != S_OK) Failed(checked.hr, checked.description);
              Pump();
          }));
    CloseForms();
    spelling->Release();
    factory->Release();
    return 0;
}
