// The type libraries embedded in this DLL, loaded once per process and kept
// until DllCanUnloadNow lets the DLL go: the public one (TYPELIB resource 1)
// and the one of the objects handed out but never registered (resource 2).
#pragma once
#include <windows.h>
#include <oaidl.h>

namespace vestrel::type_library {

enum class Library { Public, Internal };

HRESULT Get(ITypeLib** library, Library which = Library::Public) noexcept;
// The type description of an interface or class of either library.
HRESULT InfoOf(REFGUID guid, ITypeInfo** info) noexcept;
// Releases the cached library; the next Get loads it again.
void Drop() noexcept;

}  // namespace vestrel::type_library
