#include "forms/app.h"
#include <windows.h>
#include <vector>
#include "com/module.h"

namespace vestrel::forms::app {
namespace {

// The version resource of this DLL, or nothing when it cannot be read.
const std::vector<BYTE>& VersionBlock() {
    static const std::vector<BYTE> block = [] {
        std::vector<BYTE> data;
        HRSRC info = FindResourceW(module::Instance(), MAKEINTRESOURCEW(VS_VERSION_INFO), RT_VERSION);
        HGLOBAL loaded = info ? LoadResource(module::Instance(), info) : nullptr;
        const void* bytes = loaded ? LockResource(loaded) : nullptr;
        if (bytes) {
            const auto* begin = static_cast<const BYTE*>(bytes);
            data.assign(begin, begin + SizeofResource(module::Instance(), info));
        }
        return data;
    }();
    return block;
}

std::wstring StringValue(const wchar_t* name, const wchar_t* fallback) {
    const auto& block = VersionBlock();
    if (block.empty()) return fallback;
    // VerQueryValue may write into the block it is given, so it gets a copy.
    std::vector<BYTE> copy(block);
    void* value = nullptr;
    UINT length = 0;
    const std::wstring path = std::wstring(L"\\StringFileInfo\\0C0A04B0\\") + name;
    if (!VerQueryValueW(copy.data(), path.c_str(), &value, &length) || length == 0) return fallback;
    return static_cast<const wchar_t*>(value);
}

VS_FIXEDFILEINFO FixedInfo() {
    VS_FIXEDFILEINFO fixed{};
    std::vector<BYTE> copy(VersionBlock());
    void* value = nullptr;
    UINT length = 0;
    if (!copy.empty() && VerQueryValueW(copy.data(), L"\\", &value, &length) && length >= sizeof(fixed))
        fixed = *static_cast<const VS_FIXEDFILEINFO*>(value);
    return fixed;
}

}  // namespace

std::wstring Title() { return StringValue(L"ProductName", L"Vestrel"); }
std::wstring ExeName() { return StringValue(L"InternalName", L"Vestrel"); }
int Major() { return HIWORD(FixedInfo().dwFileVersionMS); }
int Minor() { return LOWORD(FixedInfo().dwFileVersionMS); }
int Revision() { return LOWORD(FixedInfo().dwFileVersionLS); }

}  // namespace vestrel::forms::app
