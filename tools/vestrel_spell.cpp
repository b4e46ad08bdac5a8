// vestrel-spell FILE [OUT]: checks each word of a UTF-8 file, one word a
// line, with the component's built-in Spanish engine, and writes one UTF-8
// line a word: "word<TAB>ok", or "word<TAB>bad" followed by the engine's
// suggestions, each after a tab, in the engine's order.
#include <windows.h>
#include <fcntl.h>
#include <io.h>
#include <cstdio>
#include <string>
#include <vector>
#include <wrl/client.h>
#include "core/errors.h"
#include "core/late_bound.h"

using Microsoft::WRL::ComPtr;
using namespace vestrel;

namespace {

std::wstring Wide(const std::string& text) {
    const int size = MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<size_t>(size), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), wide.data(), size);
    return wide;
}

std::string Utf8(const std::wstring& text) {
    const int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), bytes.data(), size, nullptr, nullptr);
    return bytes;
}

std::vector<Variant> WordAndOmitted(const std::wstring& word, size_t count) {
    std::vector<Variant> args;
    args.push_back(Variant::String(word));
    for (size_t i = 0; i < count; ++i) args.push_back(Variant::Missing());
    return args;
}

std::wstring Text(const Variant& value) {
    return value.get().vt == VT_BSTR ? FromBstr(value.get().bstrVal) : std::wstring();
}

// The engine's answer for one word, as the checker asks for it.
std::string Line(IDispatch* engine, const std::wstring& word) {
    std::string line = Utf8(word);
    const Variant correct = late_bound::Call(engine, L"CheckSpelling", DISPATCH_METHOD, WordAndOmitted(word, 12));
    if (correct.get().vt == VT_BOOL && correct.get().boolVal != VARIANT_FALSE) return line + "\tok";
    line += "\tbad";
    Variant found = late_bound::Call(engine, L"GetSpellingSuggestions", DISPATCH_METHOD, WordAndOmitted(word, 13));
    for (const Variant& item : late_bound::Enumerate(late_bound::ObjectOf(found, L"GetSpellingSuggestions")))
        line += "\t" + Utf8(Text(late_bound::Get(late_bound::ObjectOf(item, L"Item"), L"Name")));
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
    if (argc < 2) {
        fwprintf(stderr, L"uso: vestrel-spell ARCHIVO [SALIDA]\n");
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
        size_t start = 0;
        while (start < text.size()) {
            size_t end = text.find('\n', start);
            if (end == std::string::npos) end = text.size();
            std::string word = text.substr(start, end - start);
            if (!word.empty() && word.back() == '\r') word.pop_back();
            start = end + 1;
            if (word.empty()) continue;
            try {
                const std::string line = Line(engine.Get(), Wide(word)) + "\n";
                fwrite(line.data(), 1, line.size(), out);
            } catch (const ComError& e) {
                fwprintf(stderr, L"vestrel-spell: %ls\n", e.Description().c_str());
                status = 1;
            }
        }
        late_bound::Call(engine.Get(), L"Quit", DISPATCH_METHOD, {});
    }
    if (out != stdout) fclose(out);
    CoUninitialize();
    return status;
}
