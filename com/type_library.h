// The type libraries embedded in this DLL, loaded once per process and kept
// until DllCanUnloadNow lets the DLL go: the public one (TYPELIB resource 1)
// and the one of the objects handed out but never registered (resource 2).
#pragma once
#include <windows.h>
#include <oaidl.h>
#include <memory>
#include <vector>
#include <wrl/client.h>
#include "com/arguments.h"

namespace vestrel::type_library {

enum class Library { Public, Internal };

HRESULT Get(ITypeLib** library, Library which = Library::Public) noexcept;
// The type description of an interface or class of either library.
HRESULT InfoOf(REFGUID guid, ITypeInfo** info) noexcept;
// An interface's type description with what each of its members declares
// of its parameters, read once per process beside the cached library.
struct InterfaceType {
    IID iid;
    Microsoft::WRL::ComPtr<ITypeInfo> info;
    std::vector<MemberShape> shapes;
};
// A failure to read it is the call's failure, with its HRESULT and text.
HRESULT InterfaceOf(REFIID iid, std::shared_ptr<const InterfaceType>& found) noexcept;
// Releases the cached libraries and interfaces; the next Get loads them again.
void Drop() noexcept;

}  // namespace vestrel::type_library
