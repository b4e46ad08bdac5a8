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
#include "com/errors.h"
#include "com/utf8.h"
#include "engine/engine_adapter.h"

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

// Messages go to a console as its own characters, and to a file or a pipe
// as UTF-8, like the answers.
void Complain(const std::wstring& message) {
    const std::wstring line = L"vestrel-spell: " + message + L"\n";
    HANDLE error = GetStdHandle(STD_ERROR_HANDLE);
    DWORD mode = 0, written = 0;
    if (GetConsoleMode(error, &mode)) {
        WriteConsoleW(error, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
    } else {
        const std::string bytes = Utf8(line);
        fwrite(bytes.data(), 1, bytes.size(), stderr);
    }
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
        Complain(L"uso: vestrel-spell [-c] ARCHIVO [SALIDA]");
        return 2;
    }
    FILE* in = _wfopen(argv[1], L"rb");
    if (!in) {
        Complain(L"no se puede leer " + std::wstring(argv[1]));
        return 2;
    }
    FILE* out = argc > 2 ? _wfopen(argv[2], L"wb") : stdout;
    if (!out) {
        Complain(L"no se puede escribir " + std::wstring(argv[2]));
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
            Complain(L"el motor no se pudo crear (" + HexCode(hr) + L") " + why);
            return 1;
        }
        try {
            if (engine_adapter::DocumentCount(engine.Get()) == 0) engine_adapter::AddDocument(engine.Get());
        } catch (const ComError& e) {
            Complain(e.Description());
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
                // The engine failed, not the word (its dictionary could
                // not load): every later word would fail the same way.
                Complain(e.Description());
                status = 1;
                break;
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
