// The type library embedded in this DLL (TYPELIB resource 1), loaded once
// per process and kept until DllCanUnloadNow lets the DLL go.
#pragma once
#include <windows.h>
#include <oaidl.h>

namespace vestrel::type_library {

HRESULT Get(ITypeLib** library) noexcept;
// The type description of an interface or class of the library.
HRESULT InfoOf(REFGUID guid, ITypeInfo** info) noexcept;
// Releases the cached library; the next Get loads it again.
void Drop() noexcept;

}  // namespace vestrel::type_library
