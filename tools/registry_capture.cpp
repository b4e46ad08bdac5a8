// What the component's DllRegisterServer writes, as lines of text, so that
// the Windows Installer packages carry the very same entries and a test can
// hold an installed machine against them.
//
//   vestrel-registry capture DLL OUT
//     loads DLL, calls its DllRegisterServer with HKEY_LOCAL_MACHINE pointed
//     at a scratch key, and writes every value it wrote under
//     Software\Classes; the DLL's own path and folder become {DLL} and
//     {FOLDER}, so the lines describe any place the DLL is installed.
//   vestrel-registry read CAPTURE OUT [32] [user]
//     writes, in the same form, everything the machine's classes hold under
//     each key a capture names at its top (CLSID\{...}, a ProgID, ...): the
//     same lines when a package installed what the DLL registers, none
//     after a clean removal. With 32, the 32-bit programs' view, for a
//     machine where no 32-bit program runs to read it; with user, the
//     current user's classes (HKEY_CURRENT_USER) instead of the machine's.
//
// A line: key<TAB>value name (empty for the default value)<TAB>data, UTF-8,
// sorted. Every value the component writes is a string.
#include <windows.h>
#include <algorithm>
#include <cstdio>
#include <fstream>
#include <set>
#include <string>
#include <vector>
#include "com/unique_handle.h"
#include "com/utf8.h"

namespace {

using vestrel::UniqueHandle;
using RegKey = UniqueHandle<HKEY, RegCloseKey>;
using Lines = std::set<std::wstring>;

constexpr wchar_t kScratch[] = L"Software\\Vestrel registry capture";

void Replace(std::wstring& text, const std::wstring& what, const wchar_t* with) {
    if (what.empty()) return;
    for (size_t at = text.find(what); at != std::wstring::npos; at = text.find(what, at + wcslen(with)))
        text.replace(at, what.size(), with);
}

// Every string value under key, its subkeys included, with key names
// relative to the classes root.
void Walk(HKEY key, const std::wstring& path, Lines& lines) {
    wchar_t name[256];
    for (DWORD i = 0;; ++i) {
        DWORD nameLength = 256, type = 0, size = 0;
        if (RegEnumValueW(key, i, name, &nameLength, nullptr, &type, nullptr, &size) != ERROR_SUCCESS) break;
        std::wstring data(size / sizeof(wchar_t) + 1, L'\0');
        nameLength = 256;
        if (RegEnumValueW(key, i, name, &nameLength, nullptr, &type, reinterpret_cast<BYTE*>(data.data()),
                          &size) != ERROR_SUCCESS)
            continue;
        data.resize(wcsnlen(data.c_str(), size / sizeof(wchar_t)));
        if (type != REG_SZ) data = L"(type " + std::to_wstring(type) + L")";
        lines.insert(path + L"\t" + name + L"\t" + data);
    }
    // A key without values is still written, so that empty keys left behind count.
    lines.insert(path + L"\t\t");
    for (DWORD i = 0;; ++i) {
        DWORD nameLength = 256;
        if (RegEnumKeyExW(key, i, name, &nameLength, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
        RegKey child;
        if (RegOpenKeyExW(key, name, 0, KEY_READ, child.put()) == ERROR_SUCCESS)
            Walk(child.get(), path + L"\\" + name, lines);
    }
}

bool Write(const Lines& lines, const wchar_t* out) {
    std::ofstream file(out, std::ios::binary);
    for (auto line = lines.begin(); line != lines.end(); ++line) {
        // The marker of an empty key is kept only for a key with neither
        // values nor subkeys, which would otherwise not show.
        const size_t length = line->size();
        if (length >= 2 && line->compare(length - 2, 2, L"\t\t") == 0) {
            const std::wstring key = line->substr(0, length - 2);
            auto next = std::next(line);
            if (next != lines.end() && next->compare(0, key.size(), key) == 0 && next->size() > key.size() &&
                ((*next)[key.size()] == L'\t' || (*next)[key.size()] == L'\\'))
                continue;
        }
        file << vestrel::Utf8(*line) << '\n';
    }
    return static_cast<bool>(file);
}

int Capture(const wchar_t* dllPath, const wchar_t* out) {
    RegDeleteTreeW(HKEY_CURRENT_USER, kScratch);
    RegKey scratch;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, kScratch, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                        scratch.put(), nullptr) != ERROR_SUCCESS) {
        fwprintf(stderr, L"no scratch key\n");
        return 1;
    }
    HMODULE dll = LoadLibraryW(dllPath);
    using Register = HRESULT(STDAPICALLTYPE*)();
    auto reg = dll ? reinterpret_cast<Register>(reinterpret_cast<void*>(GetProcAddress(dll, "DllRegisterServer")))
                   : nullptr;
    if (!reg) {
        fwprintf(stderr, L"cannot load %ls or find DllRegisterServer\n", dllPath);
        return 1;
    }
    wchar_t path[MAX_PATH];
    GetModuleFileNameW(dll, path, MAX_PATH);
    RegOverridePredefKey(HKEY_LOCAL_MACHINE, scratch.get());
    const HRESULT hr = reg();
    RegOverridePredefKey(HKEY_LOCAL_MACHINE, nullptr);
    if (FAILED(hr)) {
        fwprintf(stderr, L"DllRegisterServer failed: 0x%08lx\n", static_cast<unsigned long>(hr));
        return 1;
    }
    Lines lines;
    RegKey classes;
    if (RegOpenKeyExW(scratch.get(), L"Software\\Classes", 0, KEY_READ, classes.put()) == ERROR_SUCCESS)
        Walk(classes.get(), L"", lines);
    classes.reset();
    scratch.reset();
    RegDeleteTreeW(HKEY_CURRENT_USER, kScratch);
    RegDeleteKeyW(HKEY_CURRENT_USER, kScratch);
    // Keys relative to the classes root, the DLL's place as placeholders
    // (the folder as the type library's help folder has it, with its
    // closing backslash).
    const std::wstring file = path, folder = file.substr(0, file.find_last_of(L'\\') + 1);
    Lines relative;
    for (std::wstring line : lines) {
        if (line.rfind(L"\\", 0) == 0) line.erase(0, 1);
        if (line.rfind(L"\t", 0) == 0) continue;  // the classes root itself
        Replace(line, file, L"{DLL}");
        Replace(line, folder, L"{FOLDER}");
        relative.insert(line);
    }
    return Write(relative, out) ? 0 : 1;
}

// The keys a capture names at its top: CLSID\{...}, Interface\{...},
// TypeLib\{...}, or a ProgID.
std::set<std::wstring> Tops(const wchar_t* capture) {
    std::ifstream file(capture, std::ios::binary);
    std::set<std::wstring> tops;
    for (std::string line; std::getline(file, line);) {
        const std::wstring key = vestrel::Wide(line.substr(0, line.find('\t')));
        const size_t first = key.find(L'\\');
        const bool grouped = key.compare(0, first, L"CLSID") == 0 || key.compare(0, first, L"Interface") == 0 ||
                             key.compare(0, first, L"TypeLib") == 0;
        tops.insert(grouped ? key.substr(0, key.find(L'\\', first + 1)) : key.substr(0, first));
    }
    return tops;
}

int Read(const wchar_t* capture, const wchar_t* out, HKEY root, REGSAM view) {
    Lines lines;
    for (const std::wstring& top : Tops(capture)) {
        RegKey key;
        if (RegOpenKeyExW(root, (L"Software\\Classes\\" + top).c_str(), 0, KEY_READ | view,
                          key.put()) == ERROR_SUCCESS)
            Walk(key.get(), top, lines);
    }
    return Write(lines, out) ? 0 : 1;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc == 4 && wcscmp(argv[1], L"capture") == 0) return Capture(argv[2], argv[3]);
    if (argc >= 4 && argc <= 6 && wcscmp(argv[1], L"read") == 0) {
        HKEY root = HKEY_LOCAL_MACHINE;
        REGSAM view = 0;
        bool known = true;
        for (int i = 4; i < argc; ++i) {
            if (wcscmp(argv[i], L"32") == 0) view = KEY_WOW64_32KEY;
            else if (wcscmp(argv[i], L"user") == 0) root = HKEY_CURRENT_USER;
            else known = false;
        }
        if (known) return Read(argv[2], argv[3], root, view);
    }
    fwprintf(stderr, L"usage: vestrel-registry capture DLL OUT | read CAPTURE OUT [32] [user]\n");
    return 2;
}
