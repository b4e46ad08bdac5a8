// IDispatch for a dual interface, driven by the embedded type library, and
// ISupportErrorInfo so that hosts read the error text of a failed call.
#pragma once
#include <wrl/client.h>
#include "com_object.h"
#include "errors.h"
#include "type_library.h"

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
        if (SUCCEEDED(hr)) info_.CopyTo(info);
        return hr;
    }
    STDMETHODIMP GetIDsOfNames(REFIID riid, LPOLESTR* names, UINT count, LCID,
                               DISPID* ids) noexcept override {
        if (riid != IID_NULL) return DISP_E_UNKNOWNINTERFACE;
        HRESULT hr = LoadInfo();
        return FAILED(hr) ? hr : info_->GetIDsOfNames(names, count, ids);
    }
    STDMETHODIMP Invoke(DISPID id, REFIID riid, LCID, WORD flags, DISPPARAMS* params,
                        VARIANT* result, EXCEPINFO* exception, UINT* argError) noexcept override {
        if (riid != IID_NULL) return DISP_E_UNKNOWNINTERFACE;
        HRESULT hr = LoadInfo();
        return FAILED(hr) ? hr
                          : info_->Invoke(static_cast<Interface*>(this), id, flags, params, result,
                                          exception, argError);
    }
    STDMETHODIMP InterfaceSupportsErrorInfo(REFIID riid) noexcept override {
        return riid == __uuidof(Interface) ? S_OK : S_FALSE;
    }

private:
    HRESULT LoadInfo() noexcept {
        return info_ ? S_OK : type_library::InfoOf(__uuidof(Interface), &info_);
    }
    Microsoft::WRL::ComPtr<ITypeInfo> info_;
};

}  // namespace vestrel
