#include "com/late_bound.h"
#include <wrl/client.h>
#include <cwctype>
#include "com/errors.h"
#include "com/unique_handle.h"

namespace vestrel::late_bound {
namespace {

// The failures COM reports when the server's process has ended or cut the
// connection.
bool ServerGone(HRESULT hr) {
    return hr == RPC_E_SERVER_DIED || hr == RPC_E_SERVER_DIED_DNE || hr == RPC_E_DISCONNECTED ||
           hr == CO_E_OBJNOTCONNECTED || hr == HRESULT_FROM_WIN32(RPC_S_SERVER_UNAVAILABLE) ||
           hr == HRESULT_FROM_WIN32(RPC_S_CALL_FAILED);
}

}  // namespace

std::wstring Callee::Subject() const {
    std::wstring subject = subject_;
    if (!subject.empty()) subject[0] = static_cast<wchar_t>(towupper(subject[0]));
    return subject;
}

void Callee::ThrowCallFailure(HRESULT hr, EXCEPINFO& exception, const wchar_t* name) const {
    if (hr == DISP_E_EXCEPTION) {
        if (exception.pfnDeferredFillIn) exception.pfnDeferredFillIn(&exception);
        const HRESULT code = exception.scode ? exception.scode
                                             : (exception.wCode ? MAKE_HRESULT(SEVERITY_ERROR, FACILITY_CONTROL, exception.wCode) : E_FAIL);
        const UniqueBstr source(exception.bstrSource), help(exception.bstrHelpFile), text(exception.bstrDescription);
        std::wstring description = FromBstr(text.get());
        if (description.empty()) description = Subject() + L" falló en " + std::wstring(name) + L" (" + HexCode(code) + L").";
        throw ComError(code, description);
    }
    // The callee may have left its own error text for this thread.
    std::wstring text = TakeErrorDescription();
    if (text.empty() && ServerGone(hr))
        text = Subject() + L" dejó de responder durante " + std::wstring(name) + L" (" + HexCode(hr) + L").";
    if (text.empty()) text = Subject() + L" falló en " + std::wstring(name) + L" (" + HexCode(hr) + L").";
    throw ComError(hr, text);
}

Variant Callee::Invoke(IDispatch* object, DISPID id, const wchar_t* name, WORD kind,
                       const std::vector<Variant>& args) const {
    // DISPPARAMS lists arguments last first.
    std::vector<VARIANT> reversed;
    reversed.reserve(args.size());
    for (auto it = args.rbegin(); it != args.rend(); ++it) reversed.push_back(it->get());
    DISPID put = DISPID_PROPERTYPUT;
    const bool isPut = (kind & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF)) != 0;
    DISPPARAMS params{reversed.data(), isPut ? &put : nullptr, static_cast<UINT>(reversed.size()), isPut ? 1u : 0u};
    Variant result;
    EXCEPINFO exception{};
    UINT argError = 0;
    SetErrorInfo(0, nullptr);  // what an earlier call left must not name this one's failure
    const HRESULT hr = object->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, kind, &params, result.put(), &exception, &argError);
    if (FAILED(hr)) ThrowCallFailure(hr, exception, name);
    return result;
}

Variant Callee::CallId(IDispatch* object, DISPID id, const wchar_t* name, WORD kind, std::vector<Variant> args) const {
    if (!object) throw ComError(kObjectNotSet, Subject() + L" no está disponible para " + std::wstring(name) + L".");
    return Invoke(object, id, name, kind, args);
}

void Callee::PutId(IDispatch* object, DISPID id, const wchar_t* name, Variant value) const {
    std::vector<Variant> args;
    args.push_back(std::move(value));
    CallId(object, id, name, DISPATCH_PROPERTYPUT, std::move(args));
}

Variant Callee::Call(IDispatch* object, const wchar_t* name, WORD kind, std::vector<Variant> args) const {
    if (!object) throw ComError(kObjectNotSet, Subject() + L" no está disponible.");
    DISPID id = DISPID_UNKNOWN;
    LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
    const HRESULT hr = object->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id);
    if (FAILED(hr))
        throw ComError(hr, Subject() + L" no ofrece la operación " + std::wstring(name) + L".");
    return Invoke(object, id, name, kind, args);
}

std::vector<Variant> Callee::Enumerate(IDispatch* collection, size_t limit) const {
    std::vector<Variant> none;
    Variant enumerator = Invoke(collection, DISPID_NEWENUM, L"_NewEnum", DISPATCH_METHOD | DISPATCH_PROPERTYGET, none);
    Microsoft::WRL::ComPtr<IEnumVARIANT> items;
    const VARIANT& value = enumerator.get();
    IUnknown* unknown = value.vt == VT_UNKNOWN || value.vt == VT_DISPATCH ? value.punkVal : nullptr;
    if (!unknown || FAILED(unknown->QueryInterface(IID_PPV_ARGS(&items))))
        throw ComError(E_NOINTERFACE, L"Una colección que dio " + subject_ + L" no se puede recorrer.");
    std::vector<Variant> result;
    for (;;) {
        if (result.size() == limit)
            throw ComError(E_UNEXPECTED, L"Una colección que dio " + subject_ + L" no termina: pasa de " +
                                             std::to_wstring(limit) + L" elementos.");
        Variant item;
        ULONG fetched = 0;
        const HRESULT hr = items->Next(1, item.put(), &fetched);
        if (FAILED(hr)) ThrowIfFailed(hr);
        if (hr != S_OK || fetched == 0) break;
        result.push_back(std::move(item));
    }
    return result;
}

IDispatch* Callee::ObjectOf(const Variant& value, const wchar_t* name) const {
    const VARIANT& v = value.get();
    if (v.vt == VT_DISPATCH && v.pdispVal) return v.pdispVal;
    throw ComError(DISP_E_TYPEMISMATCH, Subject() + L" no devolvió un objeto en " + std::wstring(name) + L".");
}

}  // namespace vestrel::late_bound
