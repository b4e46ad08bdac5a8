// Long runs in one process, as a host that keeps the component loaded all
// day: thousands of checks, property calls and window loads must leave the
// process's window-system objects, kernel handles and memory where they
// were, and every object released lets the DLL unload.
// VESTREL_LOAD_SCALE divides the counts (a quick look while developing).
#include "checker_fixture.h"
#include <psapi.h>
#include <cstdio>
#include <functional>

namespace {

using Microsoft::WRL::ComPtr;

// What the process holds. Wine reports no GUI resource counts, so GDI
// objects, windows and menus are also counted by asking for each handle
// slot in turn (the window system accepts a handle's 16-bit index).
struct Held {
    long gdi = 0, windows = 0, menus = 0, kernel = 0;
    size_t committedKiB = 0;

    static Held Now() {
        Held held;
        const long gdiReported = static_cast<long>(GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS));
        const long userReported = static_cast<long>(GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS));
        if (gdiReported || userReported) {
            held.gdi = gdiReported;
            held.windows = userReported;
        } else {
            for (UINT_PTR slot = 1; slot <= 0xFFFF; ++slot) {
                held.gdi += GetObjectType(reinterpret_cast<HGDIOBJ>(slot)) != 0;
                if (slot % 2 == 0) {
                    held.windows += IsWindow(reinterpret_cast<HWND>(slot)) &&
                                    GetWindowThreadProcessId(reinterpret_cast<HWND>(slot), nullptr) == GetCurrentThreadId();
                    held.menus += IsMenu(reinterpret_cast<HMENU>(slot)) != 0;
                }
            }
        }
        // Wine reports no handle count either; kernel handles are multiples
        // of four, each answered for while it is open.
        DWORD handles = 0;
        if (!GetProcessHandleCount(GetCurrentProcess(), &handles) || handles == 0) {
            for (UINT_PTR value = 4; value <= 0x10000; value += 4) {
                DWORD flags = 0;
                handles += GetHandleInformation(reinterpret_cast<HANDLE>(value), &flags) != 0;
            }
        }
        held.kernel = static_cast<long>(handles);
        PROCESS_MEMORY_COUNTERS_EX memory{};
        GetProcessMemoryInfo(GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory), sizeof(memory));
        held.committedKiB = (memory.PrivateUsage ? memory.PrivateUsage : memory.PagefileUsage) / 1024;
        return held;
    }
    void Print(const char* when) const {
        std::printf("%-8s GDI %5ld  windows %4ld  menus %3ld  kernel handles %5ld  committed %7zu KiB\n", when, gdi,
                    windows, menus, kernel, committedKiB);
    }
};

long Scaled(long count) {
    wchar_t text[16] = {};
    const long scale = GetEnvironmentVariableW(L"VESTREL_LOAD_SCALE", text, 16) ? _wtol(text) : 1;
    return count / (scale > 0 ? scale : 1);
}

// Runs run(warmUp) to load what is loaded once, then run(count) between two
// counts of what the process holds, which must come back where they were:
// allowedKiB is growth of the heap's own bookkeeping and the window
// system's caches, not anything held per call.
void ExpectSteady(const char* what, long warmUp, long count, const std::function<void(long)>& run, size_t allowedKiB) {
    run(warmUp);
    const Held before = Held::Now();
    count = Scaled(count);
    const DWORD start = GetTickCount();
    run(count);
    std::printf("%ld %s in %lu ms\n", count, what, GetTickCount() - start);
    const Held after = Held::Now();
    before.Print("before");
    after.Print("after");
    EXPECT_LE(after.gdi, before.gdi + 2);
    EXPECT_LE(after.windows, before.windows);
    EXPECT_LE(after.menus, before.menus);
    EXPECT_LE(after.kernel, before.kernel + 2);
    EXPECT_LE(after.committedKiB, before.committedKiB + allowedKiB);
}

class Load : public Checker {
protected:
    void SetUp() override {
        Checker::SetUp();
        // Correct words are confirmed by a box; here it is recorded, not
        // shown, and no watcher is needed.
        SetEnvironmentVariableW(L"VESTREL_MESSAGE_LOG", L"NUL");
        boxes_.reset();
    }
    void TearDown() override {
        SetEnvironmentVariableW(L"VESTREL_MESSAGE_LOG", nullptr);
        Checker::TearDown();
    }
};

TEST_F(Load, TenThousandChecksHoldNothingMore) {
    const wchar_t* words[] = {L"ombre", L"casa", L"jente", L"porfavor", L"qqqq", L"árbol", L"cancion", L"   "};
    ComPtr<IDispatch> box = Call(spelling_.Get(), L"SendToForm").Object();
    ASSERT_EQ(Call(spelling_.Get(), L"Show").hr, S_OK);
    auto checks = [&](long count) {
        for (long i = 0; i < count; ++i) {
            Put(box.Get(), L"Text", Str(words[i % 8]));
            ASSERT_EQ(Check(), S_OK) << i;
            if (i % 16 == 0) Pump();
        }
        Pump();
    };
    ExpectSteady("checks", 200, 10000, checks, 512);
}

// Reads and writes of every kind of member: pass-through values, variants,
// stored styles that rebuild a control, pictures and fonts.
struct PropertyCall {
    const CLSID* clsid;
    const wchar_t* name;
    long value;  // -1: a read; otherwise written (text members get its digits)
    bool text;
};

const PropertyCall kProperties[] = {
    {&CLSID_BarTitle, L"Caption", 1, true},       {&CLSID_BarTitle, L"Caption", -1, false},
    {&CLSID_BarTitle, L"FontSize", 10, false},    {&CLSID_BarTitle, L"FontBold", 1, false},
    {&CLSID_BarButtons, L"CloseToolTipText", 2, true}, {&CLSID_BarButtons, L"BarButtonsLeft", 4000, false},
    {&CLSID_BarButtons, L"BackStyle", 1, false},  {&CLSID_Border, L"BackColor", 0xFF, false},
    {&CLSID_Border, L"Picture", -1, false},       {&CLSID_Check, L"Picture", -1, false},
    {&CLSID_Check, L"FontName", 3, true},         {&CLSID_cmdClose, L"BackColor", 0xC0C0C0, false},
    {&CLSID_Label_Status, L"FontItalic", 1, false}, {&CLSID_Label_Suggestions, L"Caption", 4, true},
    {&CLSID_Label_txtWord, L"Alignment", 2, false}, {&CLSID_lst_Suggestions, L"Appearance", 0, false},
    {&CLSID_lst_Suggestions, L"Text", -1, false}, {&CLSID_txtTWord, L"Alignment", 1, false},
    {&CLSID_txtTWord, L"BorderStyle", 1, false},  {&CLSID_txtTWord, L"ToolTipText", 5, true},
    {&CLSID_txtTWord, L"BackColor", 0xFFFFFF, false}, {&CLSID_txtTWord, L"Text", -1, false},
};

TEST_F(Load, AHundredThousandPropertyCallsHoldNothingMore) {
    std::vector<ComPtr<IDispatch>> objects;
    for (const PropertyCall& p : kProperties) objects.push_back(NewObject(*p.clsid));
    auto calls = [&](long count) {
        for (long i = 0; i < count; ++i) {
            const size_t k = static_cast<size_t>(i) % (sizeof(kProperties) / sizeof(*kProperties));
            const PropertyCall& p = kProperties[k];
            // Alignments and styles alternate so each write changes something.
            const long value = p.value > 0 && !p.text ? p.value - (i / 22) % 2 : p.value;
            const HRESULT hr = p.value < 0 ? Get(objects[k].Get(), p.name).hr
                                           : Put(objects[k].Get(), p.name, p.text ? Str(std::to_wstring(value)) : Int(value)).hr;
            ASSERT_EQ(hr, S_OK) << i << " " << static_cast<int>(k);
            if (i % 256 == 0) Pump();
        }
        Pump();
    };
    ExpectSteady("property calls", 2000, 100000, calls, 512);
}

TEST_F(Load, AHundredLoadsAndUnloadsOfBothWindowsHoldNothingMore) {
    auto cycles = [&](long count) {
        for (long i = 0; i < count; ++i) {
            ASSERT_EQ(Call(spelling_.Get(), L"Show").hr, S_OK);
            ASSERT_EQ(Call(spelling_.Get(), L"About").hr, S_OK);
            Pump();
            ASSERT_EQ(Forms().size(), 2u);
            SendMessageW(CloseButton(), BM_CLICK, 0, 0);  // unloads both
            Pump();
            ASSERT_TRUE(Forms().empty()) << i;
        }
    };
    ExpectSteady("load/unload cycles", 3, 100, cycles, 256);
}

// Last: with every object let go and every window unloaded, the DLL may go.
TEST_F(Load, EverythingReleasedLetsTheDllUnload) {
    auto canUnload = reinterpret_cast<HRESULT(STDAPICALLTYPE*)()>((void*)GetProcAddress(Dll(), "DllCanUnloadNow"));
    ASSERT_EQ(Call(spelling_.Get(), L"Show").hr, S_OK);
    spelling_.Reset();
    factory_.Reset();
    EXPECT_EQ(canUnload(), S_FALSE);  // the window is still loaded
    CloseForms();
    EXPECT_EQ(canUnload(), S_OK);
}

}  // namespace
