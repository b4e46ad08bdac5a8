// The component's DLL, loaded from the folder of the test program: the
// component itself, or for a program built with VESTREL_RECORDING its
// recording build, which may write message boxes and shell requests to the
// files named by VESTREL_MESSAGE_LOG and VESTREL_SHELL_LOG instead.
#pragma once
#include <windows.h>
#include <string>

inline std::wstring ComponentPath() {
#ifdef VESTREL_RECORDING
    const wchar_t* name = L"vestrel-recording.dll";
#else
    const wchar_t* name = L"vestrel.dll";
#endif
    wchar_t path[MAX_PATH];
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring p(path);
    return p.substr(0, p.find_last_of(L'\\') + 1) + name;
}
