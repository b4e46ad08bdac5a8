// Answers the message boxes a program shows, as a user would: a watcher
// thread finds each box, records its title, text, icon and buttons, and
// presses OK. In the tests' own process it watches one thread's boxes; the
// answer_boxes tool uses it on another process's.
#pragma once
#include <windows.h>
#include <atomic>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

struct AnsweredBox {
    std::wstring title, text;
    bool warningIcon = false, informationIcon = false;
    int buttons = 0;
};

class BoxAnswerer {
public:
    static constexpr DWORD kAnyProcess = 0xFFFFFFFF;
    // Watches the boxes of one thread, or, when thread is 0, those of the
    // process with that id (kAnyProcess: of every process).
    // onBox runs on the watcher thread for each box, before it is answered.
    explicit BoxAnswerer(DWORD thread = GetCurrentThreadId(), DWORD process = 0,
                         std::function<void(const AnsweredBox&)> onBox = {})
        : thread_(thread), process_(process), onBox_(std::move(onBox)), watcher_([this] { Watch(); }) {}
    ~BoxAnswerer() {
        stop_ = true;
        watcher_.join();
    }
    BoxAnswerer(const BoxAnswerer&) = delete;
    BoxAnswerer& operator=(const BoxAnswerer&) = delete;

    std::vector<AnsweredBox> Boxes() {
        std::lock_guard<std::mutex> lock(mutex_);
        return boxes_;
    }
    void Clear() {
        std::lock_guard<std::mutex> lock(mutex_);
        boxes_.clear();
    }

    static AnsweredBox Read(HWND box) {
        AnsweredBox seen;
        wchar_t text[1024] = {};
        GetWindowTextW(box, text, 1024);
        seen.title = text;
        const HICON warning = LoadIconW(nullptr, IDI_WARNING), information = LoadIconW(nullptr, IDI_INFORMATION);
        for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
            wchar_t type[32] = {};
            GetClassNameW(child, type, 32);
            if (_wcsicmp(type, L"Button") == 0) {
                ++seen.buttons;
            } else if (_wcsicmp(type, L"Static") == 0) {
                if ((GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON) {
                    const HICON shown = reinterpret_cast<HICON>(SendMessageW(child, STM_GETICON, 0, 0));
                    seen.warningIcon = shown == warning;
                    seen.informationIcon = shown == information;
                } else {
                    wchar_t line[1024] = {};
                    GetWindowTextW(child, line, 1024);
                    if (line[0]) seen.text = line;
                }
            }
        }
        return seen;
    }

private:
    struct Search {
        BoxAnswerer* self;
        std::vector<HWND> found;
    };
    static BOOL CALLBACK Collect(HWND window, LPARAM data) {
        auto* search = reinterpret_cast<Search*>(data);
        wchar_t type[16] = {};
        GetClassNameW(window, type, 16);
        DWORD process = 0;
        GetWindowThreadProcessId(window, &process);
        if (wcscmp(type, L"#32770") == 0 && IsWindowVisible(window) &&
            (!search->self->process_ || search->self->process_ == kAnyProcess ||
             process == search->self->process_))
            search->found.push_back(window);
        return TRUE;
    }
    void Watch() {
        std::vector<HWND> answered;
        while (!stop_) {
            Search search{this, {}};
            if (process_) EnumWindows(&Collect, reinterpret_cast<LPARAM>(&search));
            else EnumThreadWindows(thread_, &Collect, reinterpret_cast<LPARAM>(&search));
            for (HWND box : search.found) {
                bool done = false;
                for (HWND seen : answered) done = done || seen == box;
                if (done) continue;
                AnsweredBox seen = Read(box);
                {
                    std::lock_guard<std::mutex> lock(mutex_);
                    boxes_.push_back(seen);
                }
                if (onBox_) onBox_(seen);
                answered.push_back(box);
                PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
            }
            Sleep(5);
        }
    }
    DWORD thread_, process_;
    std::function<void(const AnsweredBox&)> onBox_;
    std::mutex mutex_;
    std::vector<AnsweredBox> boxes_;
    std::atomic<bool> stop_{false};
    std::thread watcher_;
};
