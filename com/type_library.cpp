#include "com/type_library.h"
#include <mutex>
#include <wrl/client.h>
#include "com/errors.h"
#include "com/module.h"
#include "resources/resource.h"

namespace vestrel::type_library {
namespace {

std::mutex cacheMutex;
// Raw pointers on purpose: they are released by Drop, never by a static
// destructor running under the loader lock.
ITypeLib* cached[2] = {};

std::mutex interfacesMutex;
std::vector<std::shared_ptr<const InterfaceType>>* interfaces = nullptr;

}  // namespace

HRESULT Get(ITypeLib** library, Library which) noexcept {
    if (!library) return E_POINTER;
    *library = nullptr;
    const int index = which == Library::Public ? 0 : 1;
    std::lock_guard<std::mutex> lock(cacheMutex);
    if (!cached[index]) {
        HRESULT hr;
        try {
            // The first type library resource is the module's own; others
            // are named by "\\n".
            std::wstring path = module::Path();
            if (index == 1) path += L"\\" + std::to_wstring(IDR_TYPELIB_INTERNAL);
            hr = LoadTypeLibEx(path.c_str(), REGKIND_NONE, &cached[index]);
        } catch (...) {
            return FromException();
        }
        if (FAILED(hr))
            return Fail(hr, L"No se pudo cargar la biblioteca de tipos incluida en Vestrel.");
    }
    cached[index]->AddRef();
    *library = cached[index];
    return S_OK;
}

HRESULT InfoOf(REFGUID guid, ITypeInfo** info) noexcept {
    if (!info) return E_POINTER;
    *info = nullptr;
    HRESULT hr = S_OK;
    for (Library which : {Library::Public, Library::Internal}) {
        Microsoft::WRL::ComPtr<ITypeLib> library;
        hr = Get(&library, which);
        if (SUCCEEDED(hr)) hr = library->GetTypeInfoOfGuid(guid, info);
        if (SUCCEEDED(hr)) return hr;
    }
    return hr;
}

HRESULT InterfaceOf(REFIID iid, std::shared_ptr<const InterfaceType>& found) noexcept {
    found.reset();
    {
        std::lock_guard<std::mutex> lock(interfacesMutex);
        if (interfaces)
            for (const auto& known : *interfaces)
                if (known->iid == iid) {
                    found = known;
                    return S_OK;
                }
    }
    Microsoft::WRL::ComPtr<ITypeInfo> info;
    const HRESULT hr = InfoOf(iid, &info);
    if (FAILED(hr)) return Fail(hr, L"No se encontró la descripción de tipos de una interfaz de Vestrel.");
    return Boundary([&] {
        auto read = std::make_shared<InterfaceType>(InterfaceType{iid, info, {}});
        try {
            read->shapes = MemberShapes(info.Get());
        } catch (...) {
            const Failure failure = CurrentFailure();
            throw ComError(failure.hr, L"No se pudo leer la descripción de tipos de Vestrel (" +
                                           HexCode(failure.hr) + L").");
        }
        std::lock_guard<std::mutex> lock(interfacesMutex);
        if (!interfaces) interfaces = new std::vector<std::shared_ptr<const InterfaceType>>();
        interfaces->push_back(read);
        found = std::move(read);
    });
}

void Drop() noexcept {
    {
        std::lock_guard<std::mutex> lock(interfacesMutex);
        delete interfaces;
        interfaces = nullptr;
    }
    std::lock_guard<std::mutex> lock(cacheMutex);
    for (ITypeLib*& library : cached) {
        if (library) library->Release();
        library = nullptr;
    }
}

}  // namespace vestrel::type_library
