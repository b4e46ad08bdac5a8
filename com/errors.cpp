#include "com/errors.h"
#include <oleauto.h>
#include <cassert>
#include <wrl/client.h>
#include "com/unique_handle.h"

namespace vestrel {

HRESULT AsFailure(HRESULT hr) noexcept {
    assert(FAILED(hr) && "a failure reported with a success code");
    return FAILED(hr) ? hr : E_UNEXPECTED;
}

HRESULT LastError(HRESULT fallback) noexcept {
    const DWORD error = GetLastError();
    return error == ERROR_SUCCESS ? AsFailure(fallback) : HRESULT_FROM_WIN32(error);
}

HRESULT Fail(HRESULT hr, const std::wstring& description, REFGUID iid) noexcept {
    hr = AsFailure(hr);
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
    UniqueBstr description;
    if (FAILED(info->GetDescription(description.put())) || !description) return {};
    return std::wstring(description.get(), SysStringLen(description.get()));
}

Failure CurrentFailure() noexcept {
    try {
        try {
            throw;
        } catch (const ComError& e) {
            return {e.Result(), e.Description()};
        } catch (const std::bad_alloc&) {
            return {E_OUTOFMEMORY, L"No hay memoria suficiente para completar la operación."};
        } catch (...) {
            return {E_UNEXPECTED, L"Error interno inesperado en Vestrel."};
        }
    } catch (...) {
        return {E_OUTOFMEMORY, {}};  // no memory even for the text
    }
}

HRESULT FromException() noexcept {
    const Failure failure = CurrentFailure();
    return failure.text.empty() ? failure.hr : Fail(failure.hr, failure.text);
}

}  // namespace vestrel
