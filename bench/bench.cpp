// Speed and resource use of the check, measured as a host sees them:
//  - the first check in a process, with the dictionary load;
//  - a warm Spelling.Spelling of a correct word, end to end through IDispatch
//    (its confirmation box closed as soon as it opens, then recorded by the
//    test seam instead of shown), and of a misspelt one;
//  - the engine's CheckSpelling and GetSpellingSuggestions per word;
//  - handles, GDI/USER objects and memory before and after many checks.
//   bench.exe WORDLIST [checks]
#include <initguid.h>
#include <windows.h>
#include <psapi.h>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>
#include "../tests/support/automation.h"
#include "../tests/support/dll.h"
#include "measure.h"
#include "vestrel_h.h"

namespace {

using namespace bench;

HHOOK hook = nullptr;
LRESULT CALLBACK CloseBoxes(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_ACTIVATE) {
        wchar_t type[16] = {};
        GetClassNameW(reinterpret_cast<HWND>(wParam), type, 16);
        if (wcscmp(type, L"#32770") == 0) PostMessageW(reinterpret_cast<HWND>(wParam), WM_COMMAND, IDOK, 0);
    }
    return CallNextHookEx(hook, code, wParam, lParam);
}

struct Usage {
    DWORD handles = 0, gdi = 0, user = 0;
    size_t committedKiB = 0;
};
Usage Measure() {
    Usage u;
    GetProcessHandleCount(GetCurrentProcess(), &u.handles);
    u.gdi = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    u.user = GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS);
    u.committedKiB = CommittedKiB();
    return u;
}

std::vector<std::wstring> ReadWords(const char* path) {
    std::vector<std::wstring> words;
    std::ifstream in(path);
    for (std::string line; std::getline(in, line);) {
        if (line.empty()) continue;
        wchar_t wide[256] = {};
        MultiByteToWideChar(CP_UTF8, 0, line.c_str(), -1, wide, 255);
        words.push_back(wide);
    }
    return words;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) return 2;
    const std::vector<std::wstring> words = ReadWords(argv[1]);
    const int checks = argc > 2 ? std::atoi(argv[2]) : 10000;
    CoInitialize(nullptr);
    SetEnvironmentVariableW(L"VESTREL_ENGINE", L"builtin");
    HMODULE dll = LoadLibraryW(ComponentPath().c_str());
    auto getClassObject = reinterpret_cast<HRESULT(STDAPICALLTYPE*)(REFCLSID, REFIID, void**)>(
        (void*)GetProcAddress(dll, "DllGetClassObject"));
    IClassFactory* factory = nullptr;
    getClassObject(CLSID_Spelling, IID_IClassFactory, reinterpret_cast<void**>(&factory));
    IDispatch* spelling = nullptr;
    factory->CreateInstance(nullptr, IID_IDispatch, reinterpret_cast<void**>(&spelling));
    hook = SetWindowsHookExW(WH_CBT, CloseBoxes, nullptr, GetCurrentThreadId());

    CallResult box = Call(spelling, L"SendToForm");
    Put(box.Object(), L"Text", Str(L"ortografia"));
    auto start = Clock::now();
    Call(spelling, L"Spelling");
    std::printf("%-44s %8.3f ms\n", "cold first check (window, dictionary load)", Ms(Clock::now() - start));

    Put(box.Object(), L"Text", Str(L"casa"));
    std::vector<double> warm;
    for (int i = 0; i < 200; ++i) {
        start = Clock::now();
        Call(spelling, L"Spelling");
        warm.push_back(Ms(Clock::now() - start));
    }
    Report("warm Spelling.Spelling, correct word, real box", warm);

    // The component's own path: the confirmation box recorded by the test
    // seam instead of shown, so no dialog's creation is counted.
    SetEnvironmentVariableW(L"VESTREL_MESSAGE_LOG", L"NUL");
    for (const wchar_t* word : {L"casa", L"ombre"}) {
        Put(box.Object(), L"Text", Str(word));
        std::vector<double> seam;
        for (int i = 0; i < 200; ++i) {
            start = Clock::now();
            Call(spelling, L"Spelling");
            seam.push_back(Ms(Clock::now() - start));
        }
        Report(word[0] == L'c' ? "Spelling.Spelling, correct word, box by seam" : "Spelling.Spelling, misspelt word", seam);
    }
    SetEnvironmentVariableW(L"VESTREL_MESSAGE_LOG", nullptr);

    // A check stopped at an empty word leaves a live engine in mLib.
    Put(box.Object(), L"Text", Str(L""));
    Call(spelling, L"Spelling");
    CallResult engine = Get(spelling, L"mLib");
    std::vector<double> check, suggest;
    for (int round = 0; round < 5; ++round) {
        for (const std::wstring& word : words) {
            start = Clock::now();
            CallResult correct = Call(engine.Object(), L"CheckSpelling", {Str(word)});
            check.push_back(Ms(Clock::now() - start));
            start = Clock::now();
            CallResult found = Call(engine.Object(), L"GetSpellingSuggestions", {Str(word)});
            Get(found.Object(), L"Count");
            suggest.push_back(Ms(Clock::now() - start));
        }
    }
    Report("engine CheckSpelling per word", check);
    Report("engine GetSpellingSuggestions per word", suggest);

    Put(box.Object(), L"Text", Str(L"casa"));
    for (int i = 0; i < 100; ++i) Call(spelling, L"Spelling");  // settle caches
    const Usage before = Measure();
    start = Clock::now();
    for (int i = 0; i < checks; ++i) Call(spelling, L"Spelling");
    const double total = Ms(Clock::now() - start);
    Pump();
    const Usage after = Measure();
    // Wine answers 0 for the handle and GUI object counts; Windows fills them.
    std::printf("%d checks in %.0f ms: handles %lu -> %lu, GDI %lu -> %lu, USER %lu -> %lu, committed %zu KiB -> %zu KiB\n",
                checks, total, before.handles, after.handles, before.gdi, after.gdi, before.user, after.user,
                before.committedKiB, after.committedKiB);
    UnhookWindowsHookEx(hook);
    return 0;
}
