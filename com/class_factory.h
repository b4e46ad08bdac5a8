// The class factory of one creatable class.
#pragma once
#include "com/com_object.h"
#include "com/errors.h"

namespace vestrel {

template <typename T>
class ClassFactory final : public ComObject<IClassFactory> {
public:
    static HRESULT Create(REFIID riid, void** ppv) noexcept { return Made<ClassFactory>(riid, ppv); }
    STDMETHODIMP CreateInstance(IUnknown* outer, REFIID riid, void** ppv) noexcept override {
        if (ppv) *ppv = nullptr;
        if (outer) return CLASS_E_NOAGGREGATION;
        return Made<T>(riid, ppv);
    }
    STDMETHODIMP LockServer(BOOL lock) noexcept override {
        module::LockServer(lock != FALSE);
        return S_OK;
    }

private:
    // A new object asked for riid; it is freed when the interface is refused.
    template <typename Object>
    static HRESULT Made(REFIID riid, void** ppv) noexcept {
        if (!ppv) return E_POINTER;
        *ppv = nullptr;
        HRESULT hr = S_OK;
        const HRESULT made = Boundary([&] { hr = MakeObject<Object>()->QueryInterface(riid, ppv); });
        return FAILED(made) ? made : hr;
    }
};

}  // namespace vestrel
