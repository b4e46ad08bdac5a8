// Speed and memory of the built-in engine object, called late-bound as the
// checker calls it:
//  - loading the component, then creating the engine and its first check
//    (the dictionary load), and the memory the process has committed for
//    the engine once the words below were asked (Hunspell is loaded only
//    when a word the lexicon does not hold, here a number, is checked);
//  - CheckSpelling per word, by name and with the id looked up once;
//  - GetSpellingSuggestions per misspelt word of up to 24 letters;
//  - the slowest GetSpellingSuggestions over hostile inputs of any length.
//   engine_bench.exe ERRORS.tsv   (typed<TAB>intended<TAB>pattern lines)
#include <windows.h>
#include <psapi.h>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>
#include <wrl/client.h>
#include "com/late_bound.h"
#include "com/utf8.h"
#include "engine/engine_adapter.h"
#include "measure.h"

using Microsoft::WRL::ComPtr;
using namespace vestrel;

namespace {

using namespace bench;

std::vector<std::wstring> TypedWords(const char* path) {
    std::vector<std::wstring> words;
    std::ifstream in(path, std::ios::binary);
    for (std::string line; std::getline(in, line);) {
        const std::wstring typed = Wide(line.substr(0, line.find('\t')));
        if (!typed.empty() && typed.size() <= 24) words.push_back(typed);
    }
    return words;
}

// Inputs no writer means, that a host may still send.
std::vector<std::wstring> HostileInputs() {
    std::vector<std::wstring> inputs = {
        std::wstring(120, L'a'), std::wstring(40, L'h'), std::wstring(1000, L'x'),
        L"ababababababababababababababababababab", L"qwertyuiopasdfghjklzxcvbnmqwertyuiopasd",
        L"anticonstitucionalmentesupercalifragilistico", L"aeiouaeiouaeiouaeiouaeiouaeiouaeiouaeio",
        L"llllllllllllllllllllllllllllllllllllllll", L"1234567890", L"desoxirribonucleicoasdfghjkl",
        L"ñññññññññññññññññññññññññ", L"yyyyyyyyyyyyyyyyyyyyyyyyyyyyyy", L"hhhhhhhhhhhhhhhhhhhhhhhhhhhhhh",
    };
    std::wstring mixed;
    for (int i = 0; i < 60; ++i) mixed += static_cast<wchar_t>(L"abvhyllgjcszrqk"[i % 15]);
    inputs.push_back(mixed);
    for (size_t length = 5; length <= 40; length += 5) inputs.push_back(mixed.substr(0, length));
    return inputs;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) return 2;
    const std::vector<std::wstring> typed = TypedWords(argv[1]);
    if (typed.empty()) return 2;
    CoInitialize(nullptr);
    const size_t atStart = CommittedKiB();
    wchar_t path[MAX_PATH];
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring dll(path);
    dll = dll.substr(0, dll.find_last_of(L'\\') + 1) + L"vestrel.dll";
    auto start = Clock::now();
    HMODULE module = LoadLibraryW(dll.c_str());
    auto create = module ? reinterpret_cast<HRESULT(STDAPICALLTYPE*)(IDispatch**)>(
                               reinterpret_cast<void*>(GetProcAddress(module, "VestrelCreateBuiltinEngine")))
                         : nullptr;
    const size_t before = CommittedKiB();
    std::printf("%-46s %8.3f ms, %zu KiB\n", "component loaded", Ms(Clock::now() - start), before - atStart);
    start = Clock::now();
    ComPtr<IDispatch> engine;
    if (!create || FAILED(create(&engine))) return 1;
    if (engine_adapter::DocumentCount(engine.Get()) == 0) engine_adapter::AddDocument(engine.Get());
    engine_adapter::CheckSpelling(engine.Get(), L"casa");
    std::printf("%-46s %8.3f ms\n", "engine created, dictionary loaded, 1st check", Ms(Clock::now() - start));

    // Per word the clock is too coarse: a pass over every word, timed whole.
    const int passes = 20;
    start = Clock::now();
    for (int pass = 0; pass < passes; ++pass)
        for (const std::wstring& word : typed) engine_adapter::CheckSpelling(engine.Get(), word);
    std::printf("%-46s %8.4f ms\n", "CheckSpelling per word, by name", Ms(Clock::now() - start) / (passes * typed.size()));
    DISPID id = DISPID_UNKNOWN;
    LPOLESTR name[] = {const_cast<LPOLESTR>(L"CheckSpelling")};
    engine->GetIDsOfNames(IID_NULL, name, 1, LOCALE_USER_DEFAULT, &id);
    const late_bound::Callee callee(L"el motor ortográfico");
    start = Clock::now();
    for (int pass = 0; pass < passes; ++pass)
        for (const std::wstring& word : typed) {
            std::vector<Variant> args;
            args.push_back(Variant::String(word));
            callee.CallId(engine.Get(), id, L"CheckSpelling", DISPATCH_METHOD, std::move(args));
        }
    std::printf("%-46s %8.4f ms\n", "CheckSpelling per word, id looked up once", Ms(Clock::now() - start) / (passes * typed.size()));

    std::vector<double> suggest;
    for (int round = 0; round < 3; ++round)
        for (const std::wstring& word : typed) {
            start = Clock::now();
            engine_adapter::Suggestions(engine.Get(), word);
            suggest.push_back(Ms(Clock::now() - start));
        }
    Report("GetSpellingSuggestions, misspelt, <= 24 letters", suggest);
    std::printf("%-46s %8zu KiB\n", "memory committed for the engine, its lexicon", CommittedKiB() - before);
    std::vector<double> hostile;
    start = Clock::now();
    engine_adapter::CheckSpelling(engine.Get(), L"1.234,5");
    std::printf("%-46s %8.3f ms\n", "first check of a number (loads Hunspell)", Ms(Clock::now() - start));
    for (const std::wstring& input : HostileInputs()) {
        start = Clock::now();
        engine_adapter::Suggestions(engine.Get(), input);
        hostile.push_back(Ms(Clock::now() - start));
    }
    Report("GetSpellingSuggestions, hostile inputs", hostile);
    std::printf("%-46s %8zu KiB\n", "... and with Hunspell loaded for a number", CommittedKiB() - before);
    engine_adapter::Quit(engine.Get());
    return 0;
}
