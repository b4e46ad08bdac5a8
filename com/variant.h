// RAII for VARIANT and BSTR.
#pragma once
#include <windows.h>
#include <oleauto.h>
#include <new>
#include <string>
#include <utility>

namespace vestrel {

// A C++ truth value as automation's Boolean (True is -1).
inline VARIANT_BOOL Bool(bool value) noexcept { return value ? VARIANT_TRUE : VARIANT_FALSE; }

class Variant {
public:
    Variant() noexcept { VariantInit(&value_); }
    ~Variant() { VariantClear(&value_); }
    Variant(const Variant&) = delete;
    Variant& operator=(const Variant&) = delete;
    Variant(Variant&& other) noexcept : value_(other.value_) { VariantInit(&other.value_); }
    Variant& operator=(Variant&& other) noexcept {
        std::swap(value_, other.value_);
        return *this;
    }

    const VARIANT& get() const noexcept { return value_; }
    VARIANT* put() noexcept {
        VariantClear(&value_);
        return &value_;
    }
    // Hands the value over to a caller's VARIANT.
    void Detach(VARIANT* out) noexcept {
        *out = value_;
        VariantInit(&value_);
    }

    static Variant String(const std::wstring& text) {
        Variant v;
        v.value_.vt = VT_BSTR;
        v.value_.bstrVal = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
        if (!v.value_.bstrVal) {
            v.value_.vt = VT_EMPTY;
            throw std::bad_alloc();
        }
        return v;
    }
    static Variant Short(short number) noexcept {
        return Of(VT_I2, [=](VARIANT& v) { v.iVal = number; });
    }
    static Variant Long(long number) noexcept {
        return Of(VT_I4, [=](VARIANT& v) { v.lVal = number; });
    }
    static Variant Single(float number) noexcept {
        return Of(VT_R4, [=](VARIANT& v) { v.fltVal = number; });
    }
    static Variant Boolean(bool value) noexcept {
        return Of(VT_BOOL, [=](VARIANT& v) { v.boolVal = Bool(value); });
    }
    // An object, holding a reference of its own; nullptr is Nothing.
    static Variant Object(IDispatch* object) noexcept {
        if (object) object->AddRef();
        return Of(VT_DISPATCH, [=](VARIANT& v) { v.pdispVal = object; });
    }
    // An omitted optional argument.
    static Variant Missing() noexcept {
        return Of(VT_ERROR, [](VARIANT& v) { v.scode = DISP_E_PARAMNOTFOUND; });
    }

private:
    // A variant of that type, its value field written by fill (which cannot fail).
    template <typename Fill>
    static Variant Of(VARTYPE type, Fill fill) noexcept {
        Variant v;
        v.value_.vt = type;
        fill(v.value_);
        return v;
    }

    VARIANT value_;
};

// value converted to type as the automation runtime converts, in the
// user's locale; the conversion's HRESULT (it sets no error info), for the
// caller to tell its failure in its own words.
inline HRESULT Convert(const VARIANT& value, VARTYPE type, Variant& out) noexcept {
    return VariantChangeTypeEx(out.put(), const_cast<VARIANT*>(&value), LOCALE_USER_DEFAULT, 0, type);
}

// A BSTR made from a string, freed with the object.
class Bstr {
public:
    explicit Bstr(const std::wstring& text) : value_(SysAllocStringLen(text.data(), static_cast<UINT>(text.size()))) {
        if (!value_) throw std::bad_alloc();
    }
    ~Bstr() { SysFreeString(value_); }
    Bstr(const Bstr&) = delete;
    Bstr& operator=(const Bstr&) = delete;
    BSTR get() const noexcept { return value_; }
    BSTR Detach() noexcept { return std::exchange(value_, nullptr); }

private:
    BSTR value_;
};

// The text of a BSTR, which may hold NULs: its length ends it.
inline std::wstring FromBstr(BSTR text) { return text ? std::wstring(text, SysStringLen(text)) : std::wstring(); }

}  // namespace vestrel
