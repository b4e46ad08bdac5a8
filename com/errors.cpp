#include "com/errors.h"
#include <oleauto.h>
#include <wrl/client.h>

namespace vestrel {

HRESULT Fail(HRESULT hr, const std::wstring& description, REFGUID iid) noexcept {
    Microsoft::WRL::ComPtr<ICreateErrorInfo> create;
    if (SUCCEEDED(CreateErrorInfo(&create))) {
        create->SetGUID(iid);
        create->SetSource(const_cast<LPOLESTR>(L"Vestrel"));
        create->SetDescription(const_cast<LPOLESTR>(description.c_str()));
        Microsoft::WRL::ComPtr<IErrorInfo> info;
        if (SUCCEEDED(create.As(&info))) SetErrorInfo(0, info.Get());
    }
    return hr;
}

std::wstring HexCode(HRESULT hr) {
    wchar_t text[16];
    wsprintfW(text, L"0x%08X", static_cast<unsigned>(hr));
    return text;
}

std::wstring TakeErrorDescription() {
    Microsoft::WRL::ComPtr<IErrorInfo> info;
    if (GetErrorInfo(0, &info) != S_OK || !info) return {};
    BSTR description = nullptr;
    if (FAILED(info->GetDescription(&description)) || !description) return {};
    std::wstring text(description, SysStringLen(description));
    SysFreeString(description);
    return text;
}

// Called from a catch block: rethrows the exception in flight to name it.
HRESULT FromException() noexcept {
    try {
        throw;
    } catch (const ComError& e) {
        if (e.Description().empty()) return e.Result();
        return Fail(e.Result(), e.Description());
    } catch (const std::bad_alloc&) {
        return Fail(E_OUTOFMEMORY, L"No hay memoria suficiente para completar la operación.");
    } catch (...) {
        return Fail(E_UNEXPECTED, L"Error interno inesperado en Vestrel.");
    }
}

}  // namespace vestrel
