#include "type_library.h"
#include <mutex>
#include <wrl/client.h>
#include "errors.h"
#include "module.h"

namespace vestrel::type_library {
namespace {

std::mutex cacheMutex;
// Raw pointer on purpose: it is released by Drop, never by a static
// destructor running under the loader lock.
ITypeLib* cached = nullptr;

}  // namespace

HRESULT Get(ITypeLib** library) noexcept {
    if (!library) return E_POINTER;
    *library = nullptr;
    std::lock_guard<std::mutex> lock(cacheMutex);
    if (!cached) {
        HRESULT hr;
        try {
            hr = LoadTypeLibEx(module::Path().c_str(), REGKIND_NONE, &cached);
        } catch (...) {
            hr = E_OUTOFMEMORY;
        }
        if (FAILED(hr))
            return Fail(hr, L"No se pudo cargar la biblioteca de tipos incluida en Vestrel.");
    }
    cached->AddRef();
    *library = cached;
    return S_OK;
}

HRESULT InfoOf(REFGUID guid, ITypeInfo** info) noexcept {
    if (!info) return E_POINTER;
    *info = nullptr;
    Microsoft::WRL::ComPtr<ITypeLib> library;
    const HRESULT hr = Get(&library);
    return FAILED(hr) ? hr : library->GetTypeInfoOfGuid(guid, info);
}

void Drop() noexcept {
    std::lock_guard<std::mutex> lock(cacheMutex);
    if (cached) cached->Release();
    cached = nullptr;
}

}  // namespace vestrel::type_library
