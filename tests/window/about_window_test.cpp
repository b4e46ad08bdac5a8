// The about window: its contents, its two timers ticked one by one, its
// drag and its mail link.
#include "chrome_fixture.h"

namespace {

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
    Pump();
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
    Pump();
    EXPECT_TRUE(Forms().empty());
    SetWord(L"ombre");
    EXPECT_EQ(Check(), S_OK);
}

TEST_F(AboutWindow, ItsTitleDragsItToo) {
    SetForegroundWindow(about_);
    ASSERT_TRUE(PumpUntil([this] { return GetForegroundWindow() == about_; }));
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
