// Late-bound calls from the tests, made as a script host makes them: by
// name through IDispatch, arguments as variants.
#pragma once
#include <windows.h>
#include <oleauto.h>
#include <cguid.h>
#include <string>
#include <vector>

// The automation errors hosts number: 6 (overflow), 13 (type mismatch),
// 91 (object variable not set).
constexpr HRESULT kOverflow = static_cast<HRESULT>(0x800A0006);
constexpr HRESULT kTypeMismatch = static_cast<HRESULT>(0x800A000D);
constexpr HRESULT kObjectNotSet = static_cast<HRESULT>(0x800A005B);

struct CallResult {
    HRESULT hr = S_OK;
    VARIANT value{};
    std::wstring description, source;
    CallResult() { VariantInit(&value); }
    ~CallResult() { VariantClear(&value); }
    CallResult(const CallResult&) = delete;
    CallResult(CallResult&& other) noexcept
        : hr(other.hr), value(other.value), description(std::move(other.description)), source(std::move(other.source)) {
        VariantInit(&other.value);
    }
    CallResult& operator=(CallResult&& other) noexcept {
        std::swap(hr, other.hr);
        std::swap(value, other.value);
        std::swap(description, other.description);
        std::swap(source, other.source);
        return *this;
    }
    std::wstring Text() const { return value.vt == VT_BSTR && value.bstrVal ? std::wstring(value.bstrVal, SysStringLen(value.bstrVal)) : L""; }
    IDispatch* Object() const { return value.vt == VT_DISPATCH ? value.pdispVal : nullptr; }
    long Long() const {
        VARIANT copy;
        VariantInit(&copy);
        long result = VariantChangeType(&copy, const_cast<VARIANT*>(&value), 0, VT_I4) == S_OK ? copy.lVal : -999;
        VariantClear(&copy);
        return result;
    }
};

inline VARIANT Str(const std::wstring& text) {
    VARIANT v;
    v.vt = VT_BSTR;
    v.bstrVal = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
    return v;
}
// A variant of a type that carries no value of its own (Empty, Null, Nothing).
inline VARIANT Of(VARTYPE vt) {
    VARIANT v;
    VariantInit(&v);
    v.vt = vt;
    return v;
}
inline VARIANT Int(long n) {
    VARIANT v;
    v.vt = VT_I4;
    v.lVal = n;
    return v;
}
// A number as JScript passes one that is not whole.
inline VARIANT Double(double d) {
    VARIANT v;
    v.vt = VT_R8;
    v.dblVal = d;
    return v;
}

// Two reads of a value answer the same (NaN included).
inline bool SameValue(const VARIANT& a, const VARIANT& b) {
    if (a.vt != b.vt) return false;
    switch (a.vt) {
        case VT_EMPTY: case VT_NULL: return true;
        case VT_BSTR: return VarBstrCmp(a.bstrVal, b.bstrVal, LOCALE_INVARIANT, 0) == VARCMP_EQ;
        case VT_DISPATCH: case VT_UNKNOWN: return a.punkVal == b.punkVal;
        case VT_R4: return a.fltVal == b.fltVal || (a.fltVal != a.fltVal && b.fltVal != b.fltVal);
        case VT_R8: return a.dblVal == b.dblVal || (a.dblVal != a.dblVal && b.dblVal != b.dblVal);
        default: return VarCmp(const_cast<VARIANT*>(&a), const_cast<VARIANT*>(&b), LOCALE_INVARIANT, 0) == VARCMP_EQ;
    }
}

// args in the member's order; they are cleared after the call.
inline CallResult Invoke(IDispatch* object, const wchar_t* name, WORD kind, std::vector<VARIANT> args = {}) {
    CallResult result;
    DISPID id = 0;
    LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
    result.hr = object ? object->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id) : E_POINTER;
    if (SUCCEEDED(result.hr)) {
        std::vector<VARIANT> reversed(args.rbegin(), args.rend());
        DISPID put = DISPID_PROPERTYPUT;
        DISPPARAMS params{reversed.data(), nullptr, static_cast<UINT>(reversed.size()), 0};
        if (kind & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF)) {
            params.rgdispidNamedArgs = &put;
            params.cNamedArgs = 1;
        }
        EXCEPINFO error{};
        result.hr = object->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, kind, &params, &result.value, &error, nullptr);
        if (result.hr == DISP_E_EXCEPTION) {
            if (error.pfnDeferredFillIn) error.pfnDeferredFillIn(&error);
            result.hr = error.scode;
            if (error.bstrDescription) result.description = error.bstrDescription;
            if (error.bstrSource) result.source = error.bstrSource;
            SysFreeString(error.bstrDescription);
            SysFreeString(error.bstrSource);
            SysFreeString(error.bstrHelpFile);
        }
    }
    for (VARIANT& v : args) VariantClear(&v);
    return result;
}
inline CallResult Get(IDispatch* o, const wchar_t* name) { return Invoke(o, name, DISPATCH_PROPERTYGET); }
inline CallResult Put(IDispatch* o, const wchar_t* name, VARIANT v) { return Invoke(o, name, DISPATCH_PROPERTYPUT, {v}); }
inline CallResult Call(IDispatch* o, const wchar_t* name, std::vector<VARIANT> args = {}) {
    return Invoke(o, name, DISPATCH_METHOD, std::move(args));
}

// Lets the thread's windows handle what is queued for them, for a while.
inline void Pump(DWORD milliseconds = 0) {
    const DWORD end = GetTickCount() + milliseconds;
    do {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        if (milliseconds) MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
    } while (static_cast<LONG>(end - GetTickCount()) > 0);
}

// Pumps until done() holds: for what comes at some later message (a timer's
// tick), however slow the machine. False when it still does not hold after
// limit, which no healthy run comes near.
template <class Done>
bool PumpUntil(Done done, DWORD limit = 60000) {
    const DWORD start = GetTickCount();
    for (;;) {
        Pump();
        if (done()) return true;
        if (GetTickCount() - start > limit) return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
    }
}
