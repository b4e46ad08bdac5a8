// Reference counting and QueryInterface for objects implementing a list of
// COM interfaces. The first interface answers IUnknown (and IDispatch when it
// derives from it), so every object has one identity.
#pragma once
#include <windows.h>
#include <oaidl.h>
#include <atomic>
#include <new>
#include <type_traits>
#include <utility>
#include <wrl/client.h>
#include "com/module.h"

namespace vestrel {

template <typename First, typename... Rest>
class ComObject : public First, public Rest... {
public:
    ComObject() noexcept { module::Lock(); }
    ComObject(const ComObject&) = delete;
    ComObject& operator=(const ComObject&) = delete;

    STDMETHODIMP QueryInterface(REFIID riid, void** ppv) noexcept override {
        if (!ppv) return E_POINTER;
        *ppv = nullptr;
        if (riid == IID_IUnknown || (std::is_base_of_v<IDispatch, First> && riid == IID_IDispatch))
            *ppv = static_cast<First*>(this);
        else
            (Match<First>(riid, ppv) || ... || Match<Rest>(riid, ppv));
        if (!*ppv) return E_NOINTERFACE;
        AddRef();
        return S_OK;
    }
    STDMETHODIMP_(ULONG) AddRef() noexcept override { return ++refs_; }
    STDMETHODIMP_(ULONG) Release() noexcept override {
        const ULONG left = --refs_;
        if (left == 0) delete this;
        return left;
    }

protected:
    virtual ~ComObject() { module::Unlock(); }

private:
    template <typename I>
    bool Match(REFIID riid, void** ppv) noexcept {
        if (riid != __uuidof(I)) return false;
        *ppv = static_cast<I*>(this);
        return true;
    }
    std::atomic<ULONG> refs_{1};
};

// The one way objects are made: a new object, owned by the pointer that is
// returned (Detach hands it to an out parameter). The pointer takes its own
// reference and the creation's is given back (MinGW-w64's ComPtr::Attach
// adds a reference, unlike the Windows SDK's, so it is not used to take the
// creation's over).
template <typename T, typename... Args>
Microsoft::WRL::ComPtr<T> MakeObject(Args&&... args) {
    T* created = new T(std::forward<Args>(args)...);
    Microsoft::WRL::ComPtr<T> object(created);
    created->Release();
    return object;
}

}  // namespace vestrel
