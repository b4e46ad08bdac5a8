// The component's DLL, loaded from the folder of the test program.
#pragma once
#include <windows.h>
#include <string>

inline std::wstring ComponentPath() {
    wchar_t path[MAX_PATH];
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring p(path);
    return p.substr(0, p.find_last_of(L'\\') + 1) + L"vestrel.dll";
}
