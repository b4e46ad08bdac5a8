// The DLL as a whole: its instance handle, its path and the count of live
// objects and server locks that DllCanUnloadNow reports.
#pragma once
#include <windows.h>
#include <string>

namespace vestrel::module {

// Called once, from DllMain, with the DLL's instance handle.
void Attach(HINSTANCE dll) noexcept;
HINSTANCE Instance() noexcept;
// Full path of this DLL as Windows loaded it.
std::wstring Path();

// Every COM object and every LockServer(TRUE) holds the module.
void Lock() noexcept;
void Unlock() noexcept;
// IClassFactory::LockServer; an unlock without a lock is ignored.
void LockServer(bool lock) noexcept;
bool InUse() noexcept;

}  // namespace vestrel::module
