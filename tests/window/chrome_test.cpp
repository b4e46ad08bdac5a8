// The checker window's own frame: its outline and painted frame, the image
// buttons, the help request, the drag by the title and the close paths,
// driven with real mouse, keyboard and timer messages.
#include "chrome_fixture.h"

namespace {

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
    // Time for the display to catch up with the move and the drawing: what
    // it shows is read back from the screen, which says nothing of when.
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

TEST_F(Chrome, PressingTheTitleOrItsBandHandsTheWindowToTheMoveLoop) {
    for (const Spot& spot : {kTitle, kTitleBand}) {
        SCOPED_TRACE(spot.name);
        SetWindowPos(Window(), HWND_TOP, 100, 100, 0, 0, SWP_NOSIZE);
        SetForegroundWindow(Window());
        ASSERT_TRUE(PumpUntil([this] { return GetForegroundWindow() == Window(); }));
        POINT start{static_cast<LONG>(spot.x / 15), static_cast<LONG>(spot.y / 15)};
        ClientToScreen(Window(), &start);
        DragSeen drag = DragFrom(start);
        EXPECT_TRUE(drag.moving);
        EXPECT_EQ(drag.moved, Window());
        EXPECT_TRUE(drag.endedByRelease);
        EXPECT_TRUE(IsWindow(Window()));
    }
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

TEST_F(Chrome, ClosingFromInsideAMessageBoxIsSafe) {
    // A check's message box is open when the user closes the checker.
    const HWND close = CloseButton(), window = Window();
    boxes_ = std::make_unique<BoxAnswerer>(GetCurrentThreadId(), 0,
                                           [close, window](const AnsweredBox&) {
                                               PostMessageW(close, BM_CLICK, 0, 0);
                                               WaitFor([window] { return !IsWindow(window); });
                                           });
    SetWord(L"casa");
    EXPECT_EQ(Check(), S_OK) << "the check goes on in a fresh window";
    Pump();
    EXPECT_FALSE(IsWindow(window));
}

HWND closeButton;
// A host's timer that closes the checker with its close button once the
// user is dragging it.
void CALLBACK CloseWhileMoving(HWND, UINT, UINT_PTR id, DWORD) {
    if (!InMoveLoop(GetCurrentThreadId())) return;
    KillTimer(nullptr, id);
    SendMessageW(closeButton, BM_CLICK, 0, 0);
}

TEST_F(Chrome, ClosingFromInsideTheMoveLoopIsSafe) {
    // A host's timer closes the checker while the user drags it.
    SetWindowPos(Window(), HWND_TOP, 100, 100, 0, 0, SWP_NOSIZE);
    SetForegroundWindow(Window());
    ASSERT_TRUE(PumpUntil([this] { return GetForegroundWindow() == Window(); }));
    const HWND dragged = Window();
    closeButton = CloseButton();
    POINT start{static_cast<LONG>(kTitle.x / 15), static_cast<LONG>(kTitle.y / 15)};
    ClientToScreen(dragged, &start);
    const UINT_PTR timer = SetTimer(nullptr, 0, 10, CloseWhileMoving);
    DragFrom(start, [dragged] { return !IsWindow(dragged); });
    KillTimer(nullptr, timer);
    EXPECT_FALSE(IsWindow(dragged));
    EXPECT_EQ(Call(spelling_.Get(), L"Show").hr, S_OK);
}

}  // namespace
