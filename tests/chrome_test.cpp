// The checker window's own frame, its right-button menu and the about
// window, driven with real mouse, keyboard and timer messages.
#include <cstdio>
#include <fstream>
#include <functional>
#include <sstream>
#include <thread>
#include "checker_fixture.h"
#include "screen.h"

namespace {

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

std::vector<DWORD> BitmapPixels(HMODULE dll, int id, int width, int height) {
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
MenuSeen seen;
wchar_t chooseKey = 0;
std::function<void()> duringMenu;

BOOL CALLBACK FindMenu(HWND w, LPARAM found) {
    wchar_t type[16] = {};
    GetClassNameW(w, type, 16);
    if (wcscmp(type, L"#32768") == 0 && IsWindowVisible(w)) *reinterpret_cast<HWND*>(found) = w;
    return TRUE;
}

// Runs inside the menu's modal loop: reads the menu, then dismisses it or
// picks an entry by its mnemonic, as a user would.
void CALLBACK MenuProbe(HWND, UINT, UINT_PTR, DWORD) {
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
        Pump(50);  // nothing of earlier input left to end the menu
        seen = {};
        chooseKey = choose;
        // The probe also ends a control's own context menu (the word box
        // has one), which a release may open.
        const UINT_PTR timer = SetTimer(nullptr, 0, 20, MenuProbe);
        Press(spot, 2);
        Pump(100);
        Release(At(spot), 2);
        Pump(100);
        KillTimer(nullptr, timer);
        duringMenu = nullptr;
        return seen;
    }
    HWND About() { return FormWithCaption(L" Acerca del Vestrel"); }
    HWND Popup() { return FormWithCaption(L"PopupMenu"); }

    std::wstring log_;
};

TEST_F(Chrome, LoadCutsTheOutlineAndShowsTheImagesAtRest) {
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    ASSERT_NE(GetWindowRgn(Window(), region), ERROR);
    const POINT table[27] = {{115, 6},   {317, 6},   {318, 7},   {319, 7},  {322, 10},  {323, 13},  {323, 255},
                             {322, 256}, {322, 257}, {319, 260}, {316, 261}, {11, 261}, {10, 260},  {9, 260},
                             {6, 257},   {5, 254},   {5, 36},    {6, 35},   {6, 34},    {9, 31},    {12, 30},
                             {108, 30},  {109, 29},  {109, 12},  {110, 11}, {110, 10},  {113, 7}};
    HRGN expected = CreatePolygonRgn(table, 27, ALTERNATE);
    EXPECT_TRUE(EqualRgn(region, expected)) << "the test screen has 96 dpi";
    DeleteObject(region);
    DeleteObject(expected);

    EXPECT_TRUE(Shows(kClose, 1));
    EXPECT_TRUE(Shows(kMinimise, 3));
    EXPECT_TRUE(Shows(kHelp, 5));
    EXPECT_TRUE(Shows(kMaximise, 7));

}

// The painted frame runs along the cut: on the screen, the pixels of the
// region's edge that no control covers show the frame's black line, and
// just outside the region the screen shows what lies behind the window.
TEST_F(Chrome, PaintedFrameFollowsTheOutline) {
    SetWindowPos(Window(), HWND_TOP, 40, 40, 0, 0, SWP_NOSIZE);
    Pump(100);
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    ASSERT_NE(GetWindowRgn(Window(), region), ERROR);
    RedrawWindow(Window(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    Pump(50);
    // The screen around the window, with a margin, as the user sees it.
    HDC screen = GetDC(nullptr);
    std::vector<DWORD> pixels = Pixels(screen, 340, 280, 40 - 8, 40 - 8);
    ReleaseDC(nullptr, screen);
    auto kept = [&](int x, int y) { return PtInRegion(region, x, y) != FALSE; };
    auto covered = [&](int x, int y) {
        for (HWND c = GetWindow(Window(), GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
            RECT r{};
            GetWindowRect(c, &r);
            MapWindowPoints(nullptr, Window(), reinterpret_cast<POINT*>(&r), 2);
            if (IsWindowVisible(c) && x >= r.left - 1 && x <= r.right && y >= r.top - 1 && y <= r.bottom) return true;
        }
        return false;
    };
    int edge = 0, black = 0, outside = 0, behind = 0;
    const DWORD backdrop = pixels[0];
    for (int y = 0; y < 266; ++y) {
        for (int x = 0; x < 324; ++x) {
            const DWORD shown = pixels[static_cast<size_t>((y + 8) * 340 + x + 8)];
            const bool onEdge = kept(x, y) && (!kept(x - 1, y) || !kept(x + 1, y) || !kept(x, y - 1) || !kept(x, y + 1));
            if (onEdge && !covered(x, y)) {
                ++edge;
                black += shown == 0x000000;
            }
            if (!kept(x, y) && kept(x + 1, y) + kept(x - 1, y) + kept(x, y + 1) + kept(x, y - 1) > 0) {
                ++outside;
                behind += shown == backdrop;
            }
        }
    }
    DeleteObject(region);
    EXPECT_GT(edge, 600);
    EXPECT_GE(black * 100, edge * 95) << black << " of " << edge << " edge pixels are the frame line";
    EXPECT_EQ(behind, outside) << "the window shows nothing beyond its outline";
}

TEST_F(Chrome, OnlyTheLeftButtonShowsThePressedPictureAndAnyReleaseActs) {
    struct Case {
        int button;
        bool pressedLook;
    };
    for (Case c : {Case{1, true}, Case{2, false}, Case{4, false}}) {
        SCOPED_TRACE(c.button);
        // Minimise: the pressed picture, the mouse kept by the image, then
        // the release off the image restores the picture and minimises.
        Press(kMinimise, c.button);
        EXPECT_EQ(Shows(kMinimise, 4), c.pressedLook);
        EXPECT_TRUE(Shows(kMinimise, 3) != c.pressedLook);
        EXPECT_EQ(GetCapture(), At(kMinimise));
        Release(At(kMinimise), c.button, -40, -40);
        EXPECT_NE(GetCapture(), At(kMinimise));
        EXPECT_TRUE(IsIconic(Window()));
        ASSERT_EQ(Call(spelling_.Get(), L"Show").hr, S_OK);
        Pump();
        EXPECT_FALSE(IsIconic(Window()));
        EXPECT_TRUE(Shows(kMinimise, 3));

        // Help with no path set: the picture comes back and the user is told.
        boxes_->Clear();
        Press(kHelp, c.button);
        EXPECT_EQ(Shows(kHelp, 6), c.pressedLook);
        Release(At(kHelp), c.button);
        EXPECT_TRUE(Shows(kHelp, 5));
        ASSERT_EQ(boxes_->Boxes().size(), 1u);
        EXPECT_EQ(boxes_->Boxes()[0].text, L"No se ha indicado ningún archivo de ayuda.");

        // The greyed maximise image never changes.
        Press(kMaximise, c.button);
        EXPECT_TRUE(Shows(kMaximise, 7));
        Release(At(kMaximise), c.button);
        EXPECT_TRUE(Shows(kMaximise, 7));
        EXPECT_FALSE(IsIconic(Window()));

        // Close: the window and the about window go.
        ASSERT_EQ(Check(), S_OK);
        ASSERT_NE(About(), nullptr);
        Press(kClose, c.button);
        EXPECT_EQ(Shows(kClose, 2), c.pressedLook);
        const HWND closed = Window();
        Release(At(kClose), c.button, 300, 300);
        EXPECT_FALSE(IsWindow(closed));
        EXPECT_EQ(About(), nullptr);
        ASSERT_EQ(Call(spelling_.Get(), L"Show").hr, S_OK);
        Pump();
    }
}

TEST_F(Chrome, HelpOpensThePathTheHostSetWithTheKeywordCommand) {
    wchar_t folder[MAX_PATH];
    GetTempPathW(MAX_PATH, folder);
    struct Case {
        const wchar_t* file;
        const char* viewer;
    };
    for (Case c : {Case{L"ayuda.hlp", "winhelp"}, Case{L"Ayuda.CHM", "htmlhelp"}, Case{L"léame.txt", "shell"}}) {
        const std::wstring path = std::wstring(folder) + c.file;
        FILE* file = _wfopen(path.c_str(), L"wb");
        ASSERT_NE(file, nullptr);
        fputs("ayuda", file);
        fclose(file);
        auto buttons = NewObject(CLSID_BarButtons);
        ASSERT_EQ(Put(buttons.Get(), L"HelpFilePath", Str(path)).hr, S_OK);
        EXPECT_EQ(Get(buttons.Get(), L"HelpFilePath").Text(), path);
        Press(kHelp, 1);
        Release(At(kHelp), 1);
        std::vector<std::string> requests = Requests();
        ASSERT_FALSE(requests.empty()) << c.viewer;
        EXPECT_EQ(requests.back().rfind(std::string("help|") + c.viewer + "|257|", 0), 0u) << requests.back();
        DeleteFileW(path.c_str());
    }
    // A path that names no file is told to the user, not handed on.
    auto buttons = NewObject(CLSID_BarButtons);
    ASSERT_EQ(Put(buttons.Get(), L"HelpFilePath", Str(L"C:\\no\\existe.hlp")).hr, S_OK);
    const size_t before = Requests().size();
    Press(kHelp, 1);
    Release(At(kHelp), 1);
    EXPECT_EQ(Requests().size(), before);
    ASSERT_FALSE(boxes_->Boxes().empty());
    EXPECT_EQ(boxes_->Boxes().back().text, L"No se encontró el archivo de ayuda \"C:\\no\\existe.hlp\".");
    // Paths refused before any file is looked for, and files that would run
    // rather than show: the user is told, nothing is handed on.
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    const std::wstring program = std::wstring(temp) + L"ayuda.bat";
    FILE* file = _wfopen(program.c_str(), L"wb");
    ASSERT_NE(file, nullptr);
    fclose(file);
    struct Refused {
        std::wstring path;
        const wchar_t* told;  // the start of the message
    };
    const Refused refused[] = {
        {L"C:\\" + std::wstring(1 << 20, L'a') + L".hlp", L"La ruta del archivo de ayuda es demasiado larga (1048583 caracteres"},
        {L"C:\\" + std::wstring(300, L'a') + L".chm", L"La ruta del archivo de ayuda es demasiado larga (307 caracteres; como mucho 259)."},
        {L"C:\\ayuda\n.hlp", L"La ruta del archivo de ayuda no es válida"},
        {L"C:\\*.hlp", L"La ruta del archivo de ayuda no es válida"},
        {L"C:\\a|calc.chm", L"La ruta del archivo de ayuda no es válida"},
        {L"C:\\a:b.hlp", L"La ruta del archivo de ayuda no es válida"},
        {std::wstring(L"C:\\ayuda.hlp\0.exe", 16), L"La ruta del archivo de ayuda no es válida"},
        {program, L"El archivo de ayuda \""},
    };
    for (const Refused& r : refused) {
        SCOPED_TRACE(r.path.size());
        ASSERT_EQ(Put(buttons.Get(), L"HelpFilePath", Str(r.path)).hr, S_OK);
        boxes_->Clear();
        Press(kHelp, 1);
        Release(At(kHelp), 1);
        EXPECT_EQ(Requests().size(), before);
        ASSERT_EQ(boxes_->Boxes().size(), 1u);
        EXPECT_EQ(boxes_->Boxes()[0].text.rfind(r.told, 0), 0u) << boxes_->Boxes()[0].text.substr(0, 200);
        EXPECT_LT(boxes_->Boxes()[0].text.size(), 400u);
        EXPECT_TRUE(boxes_->Boxes()[0].warningIcon);
    }
    DeleteFileW(program.c_str());
    // The path lives in the window: a fresh window has none.
    SendMessageW(CloseButton(), BM_CLICK, 0, 0);
    Pump();
    EXPECT_EQ(Get(buttons.Get(), L"HelpFilePath").Text(), L"");
}

// Mouse input as the hardware gives it: absolute moves, presses, releases.
void SendMouse(POINT at, DWORD flags) {
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

// A user on another thread presses at start, moves and lets go, while the
// window system runs its move loop on this thread.
DragSeen DragFrom(POINT start) {
    const DWORD ui = GetCurrentThreadId();
    DragSeen drag;
    std::thread user([start, ui, &drag] {
        SendMouse(start, 0);
        Sleep(100);
        SendMouse(start, MOUSEEVENTF_LEFTDOWN);
        Sleep(200);
        GUITHREADINFO gui{};
        gui.cbSize = sizeof(gui);
        GetGUIThreadInfo(ui, &gui);
        drag.moving = (gui.flags & GUI_INMOVESIZE) != 0;
        drag.moved = gui.hwndMoveSize;
        SendMouse({start.x + 30, start.y + 20}, 0);
        Sleep(100);
        SendMouse({start.x + 30, start.y + 20}, MOUSEEVENTF_LEFTUP);
        Sleep(200);
        GetGUIThreadInfo(ui, &gui);
        drag.endedByRelease = (gui.flags & GUI_INMOVESIZE) == 0;
    });
    for (int i = 0; i < 16; ++i) Pump(50);
    user.join();
    return drag;
}

TEST_F(Chrome, PressingTheTitleOrItsBandHandsTheWindowToTheMoveLoop) {
    for (const Spot& spot : {kTitle, kTitleBand}) {
        SCOPED_TRACE(spot.name);
        SetWindowPos(Window(), HWND_TOP, 100, 100, 0, 0, SWP_NOSIZE);
        SetForegroundWindow(Window());
        Pump(100);
        POINT start{static_cast<LONG>(spot.x / 15), static_cast<LONG>(spot.y / 15)};
        ClientToScreen(Window(), &start);
        DragSeen drag = DragFrom(start);
        EXPECT_TRUE(drag.moving);
        EXPECT_EQ(drag.moved, Window());
        EXPECT_TRUE(drag.endedByRelease);
        EXPECT_TRUE(IsWindow(Window()));
    }
}

TEST_F(Chrome, RightPressOpensTheMenuOnlyOnTheBackgroundAndTheContentLabels) {
    const std::vector<std::wstring> kMenu{L"&Verificar Ortografía", L"-", L"Ay&uda", L"-", L"&Minimizar ventana",
                                          L"&Cerrar el corrector"};
    for (const Spot& spot : {kBackground, kLabel1, kLabel2}) {
        SCOPED_TRACE(spot.name);
        MenuSeen menu = RightPress(spot);
        ASSERT_TRUE(menu.opened);
        EXPECT_EQ(menu.captions, kMenu);
        EXPECT_EQ(menu.defaultPosition, 2) << "Ay&uda is the bold entry";
        // Centred on x 1100 twips, its top at y 450, wherever the press was.
        POINT anchor{1100 / 15, 450 / 15};
        ClientToScreen(Window(), &anchor);
        EXPECT_LE(std::abs((menu.rect.left + menu.rect.right) / 2 - anchor.x), 1);
        EXPECT_EQ(menu.rect.top, anchor.y);
    }
    // The images act on the release (the last one closes the window).
    for (const Spot& spot : {kWordBox, kList, kCheckButton, kHelp, kMaximise, kMinimise, kClose}) {
        SCOPED_TRACE(spot.name);
        EXPECT_NE(RightPress(spot).captions, kMenu);
        ASSERT_EQ(Call(spelling_.Get(), L"Show").hr, S_OK);
    }
    // The menu form is loaded by the first menu and never shown.
    ASSERT_NE(Popup(), nullptr);
    EXPECT_FALSE(IsWindowVisible(Popup()));
    // Left presses on the background do nothing.
    seen = {};
    Press(kBackground, 1);
    Release(Window(), 1);
    EXPECT_FALSE(seen.opened);
}

TEST_F(Chrome, MenuCheckListsCorrectWithoutBoxOrAboutWindow) {
    SetWord(L"  canción ");
    ASSERT_TRUE(RightPress(kBackground, L'v').opened);
    Pump(50);
    EXPECT_EQ(Entries(), std::vector<std::wstring>{L"(Correcto)"});
    EXPECT_TRUE(boxes_->Boxes().empty());
    EXPECT_EQ(About(), nullptr);
    EXPECT_TRUE(IsWindowVisible(StatusLabel()));
    EXPECT_EQ(TextOf(StatusLabel()), L"Se hallaron 1 coincidencias para la palabra '  canción '");

    SetWord(L"cancion");
    ASSERT_TRUE(RightPress(kLabel1, L'v').opened);
    Pump(50);
    EXPECT_FALSE(Entries().empty());
    EXPECT_EQ(Entries()[0], L"canción");

    // An empty word: the warning, then the focus in the word box.
    SetWord(L"   ");
    SetFocus(List());
    ASSERT_TRUE(RightPress(kBackground, L'v').opened);
    Pump(50);
    ASSERT_EQ(boxes_->Boxes().size(), 1u);
    EXPECT_EQ(boxes_->Boxes()[0].text, L"Por favor escriba una palabra en el cuadro de texto");
    EXPECT_TRUE(boxes_->Boxes()[0].warningIcon);
    EXPECT_EQ(GetFocus(), WordBox());
}

// The menu's own empty-word step: the focus goes to the word box whatever
// became of the window while the warning was open; a window the user hid
// meanwhile ends in the focus error, reported in a box of its own. A host's
// check tests the window's visibility first and stays quiet.
TEST_F(Chrome, MenuCheckOfAnEmptyWordFocusesTheBoxEvenWhenTheWindowWentAway) {
    const HWND window = Window();
    boxes_ = std::make_unique<BoxAnswerer>(GetCurrentThreadId(), 0, [window](const AnsweredBox& box) {
        if (box.text == L"Por favor escriba una palabra en el cuadro de texto") ShowWindow(window, SW_HIDE);
    });
    SetWord(L"   ");
    ASSERT_TRUE(RightPress(kBackground, L'v').opened);
    ASSERT_TRUE(PumpUntil([this] { return boxes_->Boxes().size() >= 2; }));
    const auto boxes = boxes_->Boxes();
    EXPECT_EQ(boxes[0].text, L"Por favor escriba una palabra en el cuadro de texto");
    EXPECT_EQ(boxes[1].text, L"No se puede mover el enfoque a un control invisible o deshabilitado.");
    EXPECT_TRUE(boxes[1].warningIcon);

    boxes_->Clear();
    ShowWindow(window, SW_SHOW);
    ASSERT_EQ(Check(), S_OK);
    Pump();
    EXPECT_EQ(boxes_->Boxes().size(), 1u) << "the host's check tests the window's visibility";
}

TEST_F(Chrome, MenuMinimisesAndClosesEverything) {
    ASSERT_TRUE(RightPress(kBackground, L'm').opened);
    Pump(50);
    EXPECT_TRUE(IsIconic(Window()));
    ASSERT_EQ(Call(spelling_.Get(), L"Show").hr, S_OK);
    Pump();

    ASSERT_EQ(Check(), S_OK);
    ASSERT_NE(About(), nullptr);
    const HWND window = Window();
    ASSERT_TRUE(RightPress(kBackground, L'c').opened);
    Pump(50);
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(About(), nullptr);
    EXPECT_EQ(Popup(), nullptr);
}

TEST_F(Chrome, EachClosePathUnloadsItsOwnSetOfForms) {
    // The close image leaves the menu form loaded; the close button does not.
    ASSERT_TRUE(RightPress(kBackground).opened);
    ASSERT_EQ(Check(), S_OK);
    Press(kClose, 1);
    Release(At(kClose), 1);
    EXPECT_EQ(FormWithCaption(L"Vestrel"), nullptr);
    EXPECT_EQ(About(), nullptr);
    EXPECT_NE(Popup(), nullptr);

    ASSERT_EQ(Check(), S_OK);
    SendMessageW(CloseButton(), BM_CLICK, 0, 0);
    Pump();
    EXPECT_EQ(FormWithCaption(L"Vestrel"), nullptr);
    EXPECT_EQ(About(), nullptr);
    EXPECT_EQ(Popup(), nullptr);
}

TEST_F(Chrome, ClosingFromInsideTheMenuLoopIsSafe) {
    const HWND window = Window();
    duringMenu = [this] { SendMessageW(CloseButton(), BM_CLICK, 0, 0); };
    MenuSeen menu = RightPress(kBackground, L'v');
    EXPECT_TRUE(menu.opened);
    Pump(50);
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(Popup(), nullptr);
    // The next access loads a fresh window, which works.
    SetWord(L"casa");
    EXPECT_EQ(Check(), S_OK);
}

// The host keeps calling while the user has the menu open (a host timer, a
// message of its own): its calls act at once, and the entry the user then
// picks acts on what they left.
TEST_F(Chrome, HostCallsFromInsideTheMenuLoopAct) {
    Microsoft::WRL::ComPtr<IDispatch> title = NewObject(CLSID_BarTitle);
    HRESULT checked = E_FAIL, captioned = E_FAIL;
    duringMenu = [&] {
        SetWord(L"ombre");
        checked = Check();
        captioned = Put(title.Get(), L"Caption", Str(L"Durante el menú")).hr;
        SetWord(L"jente");
    };
    ASSERT_TRUE(RightPress(kBackground, L'v').opened);
    Pump(50);
    EXPECT_EQ(checked, S_OK);
    EXPECT_EQ(captioned, S_OK);
    EXPECT_EQ(Get(title.Get(), L"Caption").Text(), L"Durante el menú");
    ASSERT_FALSE(Entries().empty());
    EXPECT_EQ(Entries()[0], L"gente");  // the menu's check of the word the host left
}

TEST_F(Chrome, ClosingFromInsideAMessageBoxIsSafe) {
    // A check's message box is open when the user closes the checker.
    const HWND close = CloseButton(), window = Window();
    boxes_ = std::make_unique<BoxAnswerer>(GetCurrentThreadId(), 0,
                                           [close](const AnsweredBox&) { PostMessageW(close, BM_CLICK, 0, 0); Sleep(100); });
    SetWord(L"casa");
    EXPECT_EQ(Check(), S_OK) << "the check goes on in a fresh window";
    Pump(50);
    EXPECT_FALSE(IsWindow(window));
}

HWND closeButton;
// A host's timer that closes the checker with its close button.
void CALLBACK CloseOnce(HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id);
    SendMessageW(closeButton, BM_CLICK, 0, 0);
}

TEST_F(Chrome, ClosingFromInsideTheMoveLoopIsSafe) {
    // A host's timer closes the checker while the user drags it.
    SetWindowPos(Window(), HWND_TOP, 100, 100, 0, 0, SWP_NOSIZE);
    SetForegroundWindow(Window());
    Pump(100);
    const HWND dragged = Window();
    closeButton = CloseButton();
    POINT start{static_cast<LONG>(kTitle.x / 15), static_cast<LONG>(kTitle.y / 15)};
    ClientToScreen(dragged, &start);
    // The press comes at 100 ms, the close at 250 ms, the release later.
    const UINT_PTR timer = SetTimer(nullptr, 0, 250, CloseOnce);
    DragFrom(start);
    KillTimer(nullptr, timer);
    EXPECT_FALSE(IsWindow(dragged));
    EXPECT_EQ(Call(spelling_.Get(), L"Show").hr, S_OK);
}

// The about window's timers, stopped and then ticked one by one.
class AboutWindow : public Chrome {
protected:
    void SetUp() override {
        Chrome::SetUp();
        ASSERT_EQ(Call(spelling_.Get(), L"About").hr, S_OK);
        // Its two timers, in the order they were made (marquee, notice),
        // stopped before any message is handled, so no tick comes first.
        about_ = About();
        ASSERT_NE(about_, nullptr);
        StopTimers();
        ASSERT_EQ(timers_.size(), 2u);
        Pump();
    }
    HWND Child(const wchar_t* type, const wchar_t* text = nullptr) {
        for (HWND c = GetWindow(about_, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
            wchar_t name[32] = {};
            GetClassNameW(c, name, 32);
            if (_wcsicmp(name, type) == 0 && (!text || TextOf(c) == text)) return c;
        }
        return nullptr;
    }
    HWND Title() {
        for (HWND c = GetWindow(about_, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
            RECT r{};
            GetWindowRect(c, &r);
            MapWindowPoints(nullptr, about_, reinterpret_cast<POINT*>(&r), 2);
            if (r.top == 10 && r.left == 120) return c;
        }
        return nullptr;
    }
    HWND Notice() {
        HWND box = nullptr;
        for (HWND c = GetWindow(about_, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT))
            if (GetWindow(c, GW_CHILD)) box = c;
        return box ? GetWindow(box, GW_CHILD) : nullptr;
    }
    int NoticeTop() {
        RECT r{};
        GetWindowRect(Notice(), &r);
        MapWindowPoints(nullptr, GetParent(Notice()), reinterpret_cast<POINT*>(&r), 2);
        return r.top;
    }
    // Stops a window's first timers and returns their identifiers, which
    // the window does not tell: the low ones are tried in turn.
    static std::vector<UINT_PTR> StopTimersOf(HWND window, size_t count) {
        std::vector<UINT_PTR> stopped;
        for (UINT_PTR id = 1; id < 400 && stopped.size() < count; ++id)
            if (KillTimer(window, id)) stopped.push_back(id);
        return stopped;
    }
    void StopTimers() { timers_ = StopTimersOf(about_, 2); }
    void Tick(int timer) { SendMessageW(about_, WM_TIMER, timers_[static_cast<size_t>(timer)], 0); }

    HWND about_ = nullptr;
    std::vector<UINT_PTR> timers_;
};

TEST_F(AboutWindow, LoadsCaptionVersionAndCounterLimits) {
    EXPECT_EQ(TextOf(about_), L" Acerca del Vestrel");
    EXPECT_NE(Child(L"Static", L"Versión 1.0.54"), nullptr);
    EXPECT_NE(Child(L"Static", L"DLL ActiveX...    "), nullptr);
    EXPECT_NE(Child(L"Button", L"&Aceptar"), nullptr);
    HWND counter = Child(L"ScrollBar");
    ASSERT_NE(counter, nullptr);
    EXPECT_FALSE(IsWindowVisible(counter));
    SCROLLINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = SIF_ALL;
    GetScrollInfo(counter, SB_CTL, &info);
    EXPECT_EQ(info.nMin, -1100);
    EXPECT_EQ(info.nMax, 869);
    EXPECT_EQ(info.nPos, 869);
    EXPECT_FALSE(IsWindowVisible(Notice())) << "hidden until the first scroll tick";
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    EXPECT_NE(GetWindowRgn(about_, region), ERROR);
    DeleteObject(region);
    // Centred on the screen.
    RECT r{};
    GetWindowRect(about_, &r);
    EXPECT_LE(std::abs((r.left + r.right) / 2 - GetSystemMetrics(SM_CXSCREEN) / 2), 1);
    EXPECT_LE(std::abs((r.top + r.bottom) / 2 - GetSystemMetrics(SM_CYSCREEN) / 2), 1);
}

TEST_F(AboutWindow, MarqueeComesBackAfterAsManyTicksAsCharacters) {
    const std::wstring start = L"          Vestrel";
    std::wstring expected = start;
    for (size_t i = 0; i < start.size(); ++i) {
        Tick(0);
        expected = expected.substr(1) + expected[0];
        ASSERT_EQ(TextOf(Title()), expected) << i;
    }
    EXPECT_EQ(TextOf(Title()), start);
}

TEST_F(AboutWindow, NoticeClimbsTwentyTwipsATickAndWraps) {
    std::vector<int> expected;
    for (int twips = 849; twips >= -1091; twips -= 20) expected.push_back(twips);
    expected.push_back(869);
    expected.push_back(849);
    ASSERT_EQ(expected.size(), 100u);
    for (int twips : expected) {
        Tick(1);
        ASSERT_EQ(NoticeTop(), std::lround(twips / 15.0f)) << twips;
        ASSERT_TRUE(IsWindowVisible(Notice()));
    }
}

TEST_F(AboutWindow, ClosingInsideAScrollTickIsSafe) {
    // The tick lets pending events run: an Esc waiting there closes the window.
    PostMessageW(about_, WM_COMMAND, IDCANCEL, 0);
    Tick(1);
    EXPECT_FALSE(IsWindow(about_));
    // Also on the tick that wraps, which lets events run in its middle.
    ASSERT_EQ(Call(spelling_.Get(), L"About").hr, S_OK);
    about_ = About();
    StopTimers();
    Pump();
    for (int i = 0; i < 98; ++i) Tick(1);
    PostMessageW(about_, WM_COMMAND, IDCANCEL, 0);
    Tick(1);
    EXPECT_FALSE(IsWindow(about_));
}

TEST_F(AboutWindow, TicksForUnloadedWindowsDoNothing) {
    // Ticks already queued for both windows when the checker's close button
    // unloads them both are never handled.
    const HWND checker = Window();
    const std::vector<UINT_PTR> status = StopTimersOf(checker, 1);
    ASSERT_EQ(status.size(), 1u);
    PostMessageW(checker, WM_TIMER, status[0], 0);
    for (UINT_PTR id : timers_) PostMessageW(about_, WM_TIMER, id, 0);
    SendMessageW(CloseButton(), BM_CLICK, 0, 0);
    Pump(50);
    EXPECT_FALSE(IsWindow(checker));
    EXPECT_FALSE(IsWindow(about_));

    // The checker closed by a click waiting inside the notice's tick, which
    // unloads the about window from under the tick.
    ASSERT_EQ(Call(spelling_.Get(), L"About").hr, S_OK);
    about_ = About();
    StopTimers();
    Pump();
    PostMessageW(CloseButton(), BM_CLICK, 0, 0);
    Tick(1);
    Pump(50);
    EXPECT_TRUE(Forms().empty());
    SetWord(L"ombre");
    EXPECT_EQ(Check(), S_OK);
}

TEST_F(AboutWindow, ItsTitleDragsItToo) {
    SetForegroundWindow(about_);
    Pump(100);
    POINT start{2500 / 15, 250 / 15};
    ClientToScreen(about_, &start);
    DragSeen drag = DragFrom(start);
    EXPECT_TRUE(drag.moving);
    EXPECT_EQ(drag.moved, about_);
    EXPECT_TRUE(drag.endedByRelease);
}

TEST_F(AboutWindow, MailLinkAsksForANewMessageToItsAddress) {
    HWND mail = Child(L"Static", L"soporte@vestrel.example");
    ASSERT_NE(mail, nullptr);
    SendMessageW(mail, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
    SendMessageW(mail, WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
    Pump();
    EXPECT_EQ(Requests(), std::vector<std::string>{"mail|mailto:soporte@vestrel.example"});
    EXPECT_TRUE(IsWindow(about_));
    // Enter presses Aceptar, which closes the window.
    SetForegroundWindow(about_);
    PressEnter(Child(L"Button", L"&Aceptar"));
    EXPECT_FALSE(IsWindow(about_));
}

}  // namespace
