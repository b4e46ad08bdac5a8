// vestrel-spell [-c] FILE [OUT]: checks each word of a UTF-8 file, one word
// a line, with the component's built-in Spanish engine, and writes one UTF-8
// line a word: "word<TAB>ok", or "word<TAB>bad" followed by the engine's
// suggestions, each after a tab, in the engine's order. With -c, verdicts
// only.
#include <windows.h>
#include <fcntl.h>
#include <io.h>
#include <cstdio>
#include <string>
#include <vector>
#include <wrl/client.h>
#include "core/engine_adapter.h"
#include "core/errors.h"
#include "core/utf8.h"

using Microsoft::WRL::ComPtr;
using namespace vestrel;

namespace {

// The engine's answer for one word, asked as a check asks it.
std::string Line(IDispatch* engine, const std::wstring& word, bool suggest) {
    std::string line = Utf8(word);
    if (engine_adapter::CheckSpelling(engine, word)) return line + "\tok";
    line += "\tbad";
    if (!suggest) return line;
    for (const std::wstring& suggestion : engine_adapter::Suggestions(engine, word)) line += "\t" + Utf8(suggestion);
    return line;
}

std::wstring ComponentPath() {
    wchar_t path[MAX_PATH];
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring p(path);
    return p.substr(0, p.find_last_of(L'\\') + 1) + L"vestrel.dll";
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    const bool suggest = !(argc > 1 && wcscmp(argv[1], L"-c") == 0);
    if (!suggest) {
        --argc;
        ++argv;
    }
    if (argc < 2) {
        fwprintf(stderr, L"uso: vestrel-spell [-c] ARCHIVO [SALIDA]\n");
        return 2;
    }
    FILE* in = _wfopen(argv[1], L"rb");
    if (!in) {
        fwprintf(stderr, L"vestrel-spell: no se puede leer %ls\n", argv[1]);
        return 2;
    }
    FILE* out = argc > 2 ? _wfopen(argv[2], L"wb") : stdout;
    if (!out) {
        fwprintf(stderr, L"vestrel-spell: no se puede escribir %ls\n", argv[2]);
        return 2;
    }
    if (out == stdout) _setmode(_fileno(stdout), _O_BINARY);
    std::string text;
    char buffer[65536];
    for (size_t n; (n = fread(buffer, 1, sizeof(buffer), in)) > 0;) text.append(buffer, n);
    fclose(in);

    CoInitialize(nullptr);
    int status = 0;
    {
        HMODULE dll = LoadLibraryW(ComponentPath().c_str());
        auto create = dll ? reinterpret_cast<HRESULT(STDAPICALLTYPE*)(IDispatch**)>(
                                reinterpret_cast<void*>(GetProcAddress(dll, "VestrelCreateBuiltinEngine")))
                          : nullptr;
        ComPtr<IDispatch> engine;
        const HRESULT hr = create ? create(&engine) : HRESULT_FROM_WIN32(ERROR_MOD_NOT_FOUND);
        if (FAILED(hr)) {
            const std::wstring why = TakeErrorDescription();
            fwprintf(stderr, L"vestrel-spell: el motor no se pudo crear (%ls) %ls\n", HexCode(hr).c_str(), why.c_str());
            return 1;
        }
        try {
            if (engine_adapter::DocumentCount(engine.Get()) == 0) engine_adapter::AddDocument(engine.Get());
        } catch (const ComError& e) {
            fwprintf(stderr, L"vestrel-spell: %ls\n", e.Description().c_str());
            return 1;
        }
        size_t start = 0;
        while (start < text.size()) {
            size_t end = text.find('\n', start);
            if (end == std::string::npos) end = text.size();
            std::string word = text.substr(start, end - start);
            if (!word.empty() && word.back() == '\r') word.pop_back();
            start = end + 1;
            if (word.empty()) continue;
            try {
                const std::string line = Line(engine.Get(), Wide(word), suggest) + "\n";
                fwrite(line.data(), 1, line.size(), out);
            } catch (const ComError& e) {
                fwprintf(stderr, L"vestrel-spell: %ls\n", e.Description().c_str());
                status = 1;
            }
        }
        try {
            engine_adapter::Quit(engine.Get());
        } catch (const ComError&) {
        }
    }
    if (out != stdout) fclose(out);
    CoUninitialize();
    return status;
}
