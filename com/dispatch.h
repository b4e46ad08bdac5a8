// IDispatch for a dual interface, driven by the embedded type library, and
// ISupportErrorInfo so that hosts read the error text of a failed call.
#pragma once
#include <wrl/client.h>
#include <optional>
#include <utility>
#include <vector>
#include "com/arguments.h"
#include "com/com_object.h"
#include "com/errors.h"
#include "com/type_library.h"

namespace vestrel {

template <typename Interface>
class Dispatch : public ComObject<Interface, ISupportErrorInfo> {
public:
    STDMETHODIMP GetTypeInfoCount(UINT* count) noexcept override {
        if (!count) return E_POINTER;
        *count = 1;
        return S_OK;
    }
    STDMETHODIMP GetTypeInfo(UINT index, LCID, ITypeInfo** info) noexcept override {
        if (!info) return E_POINTER;
        *info = nullptr;
        if (index != 0) return DISP_E_BADINDEX;
        HRESULT hr = LoadInfo();
        if (SUCCEEDED(hr)) interface_->info.CopyTo(info);
        return hr;
    }
    STDMETHODIMP GetIDsOfNames(REFIID riid, LPOLESTR* names, UINT count, LCID,
                               DISPID* ids) noexcept override {
        if (riid != IID_NULL) return DISP_E_UNKNOWNINTERFACE;
        HRESULT hr = LoadInfo();
        return FAILED(hr) ? hr : interface_->info->GetIDsOfNames(names, count, ids);
    }
    STDMETHODIMP Invoke(DISPID id, REFIID riid, LCID, WORD flags, DISPPARAMS* params,
                        VARIANT* result, EXCEPINFO* exception, UINT* argError) noexcept override {
        if (riid != IID_NULL) return DISP_E_UNKNOWNINTERFACE;
        HRESULT hr = OnOwnThread();
        if (FAILED(hr)) return AsException(hr, exception);
        hr = LoadInfo();
        if (FAILED(hr)) return AsException(hr, exception);
        const MemberShape* shape = nullptr;
        hr = CheckArguments(id, flags, params, shape);
        if (FAILED(hr)) return hr;
        // The member sees each argument as its value, whichever way the
        // host held it.
        std::optional<ArgumentsByValue> arguments;
        hr = Boundary([&] { arguments.emplace(*params, shape); });
        if (FAILED(hr)) return AsException(hr, exception);
        return interface_->info->Invoke(static_cast<Interface*>(this), id, flags, arguments->get(), result,
                                        exception, argError);
    }
    STDMETHODIMP InterfaceSupportsErrorInfo(REFIID riid) noexcept override {
        return riid == __uuidof(Interface) ? S_OK : S_FALSE;
    }

protected:
    // The object belongs to the apartment of the thread that made it: a call
    // from another thread would reach that thread's windows with this
    // object's state, so it is refused, as COM refuses a pointer used in an
    // apartment it was not marshalled to.
    HRESULT OnOwnThread() const noexcept {
        if (GetCurrentThreadId() == thread_) return S_OK;
        return Fail(RPC_E_WRONG_THREAD, L"Este objeto de Vestrel solo se puede usar desde el hilo que lo creó.",
                    __uuidof(Interface));
    }
    // A failed call whose error info is set, as Invoke reports it: the
    // caller's EXCEPINFO gets the text, as from the type library's Invoke.
    static HRESULT AsException(HRESULT hr, EXCEPINFO* exception) noexcept {
        if (!exception) return hr;
        *exception = {};
        exception->scode = hr;
        Microsoft::WRL::ComPtr<IErrorInfo> info;
        if (GetErrorInfo(0, &info) == S_OK && info) {
            info->GetSource(&exception->bstrSource);
            info->GetDescription(&exception->bstrDescription);
        }
        return DISP_E_EXCEPTION;
    }
    // Runs body at the boundary, on the object's own thread only.
    template <typename Body>
    HRESULT Guarded(Body&& body) noexcept {
        const HRESULT hr = OnOwnThread();
        return FAILED(hr) ? hr : Boundary(std::forward<Body>(body));
    }

private:
    // More arguments than the member takes would reach the type library's
    // Invoke, which can read a caller's extra value as the member's own
    // result pointer; such a call is refused first, as an automation host
    // expects. shape gets the member's, when there is one.
    HRESULT CheckArguments(DISPID id, WORD flags, const DISPPARAMS* params, const MemberShape*& shape) noexcept {
        if (!params || (params->cArgs > 0 && !params->rgvarg) || params->cNamedArgs > params->cArgs ||
            (params->cNamedArgs > 0 && !params->rgdispidNamedArgs))
            return E_INVALIDARG;
        for (const MemberShape& member : interface_->shapes)
            if (member.id == id && (flags & member.kind)) {
                shape = &member;
                return params->cArgs <= member.count ? S_OK : DISP_E_BADPARAMCOUNT;
            }
        return S_OK;  // no such member: the type library's Invoke says so
    }

    // The interface's type description and member table, shared by every
    // object of the interface.
    HRESULT LoadInfo() noexcept {
        return interface_ ? S_OK : type_library::InterfaceOf(__uuidof(Interface), interface_);
    }
    std::shared_ptr<const type_library::InterfaceType> interface_;
    const DWORD thread_ = GetCurrentThreadId();
};

}  // namespace vestrel
