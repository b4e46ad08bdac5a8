#include "arguments.h"
#include "errors.h"

namespace vestrel {

Variant ByValue(const VARIANT& value) {
    Variant plain;
    if (!(value.vt & VT_BYREF)) {
        ThrowIfFailed(VariantCopy(plain.put(), const_cast<VARIANT*>(&value)));
        return plain;
    }
    const bool nested = value.vt == (VT_BYREF | VT_VARIANT) && value.pvarVal && (value.pvarVal->vt & VT_BYREF);
    if (!value.byref || nested)
        throw ComError(DISP_E_BADVARTYPE, L"El argumento pasado por referencia no apunta a ningún valor.");
    const HRESULT hr = VariantCopyInd(plain.put(), const_cast<VARIANT*>(&value));
    if (hr == DISP_E_BADVARTYPE || hr == E_INVALIDARG)
        throw ComError(DISP_E_BADVARTYPE, L"El tipo del argumento pasado por referencia no es válido.");
    ThrowIfFailed(hr);
    return plain;
}

ArgumentsByValue::ArgumentsByValue(const DISPPARAMS& params, unsigned long byReference) {
    values_.reserve(params.cArgs);
    names_.assign(params.rgdispidNamedArgs, params.rgdispidNamedArgs + params.cNamedArgs);
    // rgvarg holds the named arguments first, then the positional ones from
    // the last parameter to the first.
    for (UINT i = 0; i < params.cArgs; ++i) {
        const LONG parameter = i < params.cNamedArgs ? params.rgdispidNamedArgs[i] : static_cast<LONG>(params.cArgs - 1 - i);
        const bool kept = parameter >= 0 && parameter < 32 && (byReference >> parameter & 1);
        VARIANT value;
        VariantInit(&value);
        // A kept reference still points at the caller's variable; clearing
        // it later frees nothing of the caller's.
        if (kept) {
            value = params.rgvarg[i];
        } else {
            try {
                ByValue(params.rgvarg[i]).Detach(&value);
            } catch (...) {
                for (VARIANT& taken : values_) VariantClear(&taken);
                throw;
            }
        }
        values_.push_back(value);
    }
    params_ = {values_.data(), names_.data(), params.cArgs, params.cNamedArgs};
}

ArgumentsByValue::~ArgumentsByValue() {
    for (VARIANT& value : values_) VariantClear(&value);
}

}  // namespace vestrel
