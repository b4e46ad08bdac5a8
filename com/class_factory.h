// The class factory of one creatable class.
#pragma once
#include "com/com_object.h"

namespace vestrel {

template <typename T>
class ClassFactory final : public ComObject<IClassFactory> {
public:
    static HRESULT Create(REFIID riid, void** ppv) noexcept {
        return vestrel::CreateInstance<ClassFactory>(riid, ppv);
    }
    STDMETHODIMP CreateInstance(IUnknown* outer, REFIID riid, void** ppv) noexcept override {
        if (ppv) *ppv = nullptr;
        if (outer) return CLASS_E_NOAGGREGATION;
        return vestrel::CreateInstance<T>(riid, ppv);
    }
    STDMETHODIMP LockServer(BOOL lock) noexcept override {
        module::LockServer(lock != FALSE);
        return S_OK;
    }
};

}  // namespace vestrel
