// Keys for a modal box while the about window lets pending events run. Its
// notice climbs every 60 ms and each tick runs the window's pending events;
// a user's Enter or Esc taken from the queue there must still reach the box
// that is open, the component's own or the host's, as the box's own loop
// would hand it over. A second thread plays the user with real keyboard
// input, at many moments after a tick.
#include <atomic>
#include <thread>
#include "checker_fixture.h"

namespace {

struct Box {
    DWORD thread;
    HWND found = nullptr;
};
BOOL CALLBACK FindBox(HWND window, LPARAM data) {
    wchar_t type[16] = {};
    GetClassNameW(window, type, 16);
    if (wcscmp(type, L"#32770") == 0 && IsWindowVisible(window)) reinterpret_cast<Box*>(data)->found = window;
    return TRUE;
}

// The box shown on thread, once it is there and has the keyboard.
HWND WaitForBox(DWORD thread) {
    for (int waited = 0; waited < 5000; waited += 5) {
        Box box{thread};
        EnumThreadWindows(thread, &FindBox, reinterpret_cast<LPARAM>(&box));
        if (box.found && GetForegroundWindow() == box.found) return box.found;
        Sleep(5);
    }
    return nullptr;
}

// The top of the about window's notice, which moves at each scroll tick.
LONG NoticeTop() {
    HWND about = FindWindowW(L"VestrelForm", L" Acerca del Vestrel");
    HWND holder = nullptr;
    for (HWND c = about ? GetWindow(about, GW_CHILD) : nullptr; c; c = GetWindow(c, GW_HWNDNEXT))
        if (GetWindow(c, GW_CHILD)) holder = c;
    RECT r{};
    if (holder) GetWindowRect(GetWindow(holder, GW_CHILD), &r);
    return r.top;
}

void PressKey(WORD key) {
    INPUT input[2]{};
    input[0].type = input[1].type = INPUT_KEYBOARD;
    input[0].ki.wVk = input[1].ki.wVk = key;
    input[0].ki.wScan = input[1].ki.wScan = static_cast<WORD>(MapVirtualKeyW(key, MAPVK_VK_TO_VSC));
    input[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, input, sizeof(INPUT));
}

// One user's try: waits for the box, for a scroll tick and then delay ms,
// presses key, and tells whether the box went; a box that stays is closed
// for the test to go on.
struct Try {
    WORD key;
    DWORD delay;
    bool closed = false;
};

class User {
public:
    explicit User(std::vector<Try>& tries) : tries_(tries), ui_(GetCurrentThreadId()), thread_([this] { Run(); }) {}
    ~User() { thread_.join(); }

private:
    void Run() {
        for (Try& t : tries_) {
            HWND box = WaitForBox(ui_);
            if (!box) return;
            const LONG top = NoticeTop();
            for (int waited = 0; waited < 500 && NoticeTop() == top; ++waited) Sleep(1);
            if (t.delay) Sleep(t.delay);
            PressKey(t.key);
            for (int waited = 0; waited < 1500 && IsWindow(box); waited += 5) Sleep(5);
            t.closed = !IsWindow(box);
            if (!t.closed) PostMessageW(box, WM_COMMAND, IDOK, 0);
            for (int waited = 0; waited < 2000 && IsWindow(box); waited += 5) Sleep(5);
        }
    }
    std::vector<Try>& tries_;
    DWORD ui_;
    std::thread thread_;
};

class Keyboard : public Checker {
protected:
    void SetUp() override {
        Checker::SetUp();
        boxes_.reset();  // the user answers them here, with keys
        ASSERT_EQ(Call(spelling_.Get(), L"Show").hr, S_OK);
    }
    // Enter and Esc in turn, at every third millisecond of the tick.
    static std::vector<Try> Tries() {
        std::vector<Try> tries;
        for (DWORD delay = 0; delay < 60; delay += 3) tries.push_back({delay % 2 ? WORD{VK_ESCAPE} : WORD{VK_RETURN}, delay});
        return tries;
    }
    static std::string Missed(const std::vector<Try>& tries) {
        std::string missed;
        for (const Try& t : tries)
            if (!t.closed) missed += (t.key == VK_RETURN ? " Enter+" : " Esc+") + std::to_string(t.delay) + "ms";
        return missed;
    }
};

}  // namespace

TEST_F(Keyboard, TheConfirmationBoxTakesEnterAndEscWhileTheNoticeScrolls) {
    std::vector<Try> tries = Tries();
    {
        User user(tries);
        for (size_t i = 0; i < tries.size(); ++i) {
            SetWord(L"casa");
            ASSERT_EQ(Check(), S_OK) << i;  // returns once the box is gone
        }
    }
    EXPECT_EQ(Missed(tries), "") << "keys that did not close the box";
}

TEST_F(Keyboard, TheHostsOwnBoxTakesEnterAndEscWhileTheNoticeScrolls) {
    std::vector<Try> tries = Tries();
    ASSERT_EQ(Call(spelling_.Get(), L"About").hr, S_OK);
    {
        User user(tries);
        for (size_t i = 0; i < tries.size(); ++i) MessageBoxW(nullptr, L"¿Seguimos?", L"Programa anfitrión", MB_OK);
    }
    EXPECT_EQ(Missed(tries), "") << "keys that did not close the box";
}
