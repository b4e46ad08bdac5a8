#include "com/arguments.h"
#include <wrl/client.h>
#include "com/errors.h"
#include "com/scope_exit.h"
#include "com/type_desc.h"

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

void RefuseObjectForValue() {
    throw ComError(kTypeMismatch, L"No coinciden los tipos: se esperaba un valor, no un objeto.");
}

namespace {

// Whether a parameter of this type can receive an object: a variant, an
// interface, or an alias of one.
bool TakesObject(ITypeInfo* info, const TYPEDESC& type) {
    switch (type.vt) {
    case VT_VARIANT: case VT_DISPATCH: case VT_UNKNOWN: return true;
    case VT_PTR: return type.lptdesc && TakesObject(info, *type.lptdesc);
    case VT_USERDEFINED: break;
    default: return false;
    }
    Microsoft::WRL::ComPtr<ITypeInfo> named;
    ThrowIfFailed(info->GetRefTypeInfo(type.hreftype, &named));
    TypeAttr attributes;
    ThrowIfFailed(named->GetTypeAttr(attributes.put(named.Get())));
    return attributes->typekind == TKIND_ALIAS ? TakesObject(named.Get(), attributes->tdescAlias)
                                               : attributes->typekind != TKIND_ENUM;
}

bool IsObject(const VARIANT& value) { return value.vt == VT_DISPATCH || value.vt == VT_UNKNOWN; }

}  // namespace

std::vector<MemberShape> MemberShapes(ITypeInfo* info) {
    std::vector<MemberShape> shapes;
    TypeAttr attributes;
    ThrowIfFailed(info->GetTypeAttr(attributes.put(info)));
    for (UINT i = 0; i < attributes->cFuncs; ++i) {
        FuncDesc function;
        ThrowIfFailed(info->GetFuncDesc(i, function.put(info)));
        // INVOKE_FUNC, _PROPERTYGET, _PROPERTYPUT and _PROPERTYPUTREF are the
        // DISPATCH_ flags of the same names.
        MemberShape shape{function->memid, static_cast<WORD>(function->invkind), 0, 0, 0};
        for (SHORT p = 0; p < function->cParams; ++p) {
            const ELEMDESC& parameter = function->lprgelemdescParam[p];
            if (parameter.paramdesc.wParamFlags & PARAMFLAG_FRETVAL) continue;
            ++shape.count;
            if (p >= 32) continue;  // beyond the masks: taken by value, as automation allows
            if (parameter.paramdesc.wParamFlags & PARAMFLAG_FOUT) shape.byReference |= 1ul << p;
            if (!TakesObject(info, parameter.tdesc)) shape.plain |= 1ul << p;
        }
        if (function->cParamsOpt != -1) shapes.push_back(shape);
    }
    return shapes;
}

ArgumentsByValue::ArgumentsByValue(const DISPPARAMS& params, const MemberShape* shape) {
    values_.reserve(params.cArgs);
    names_.assign(params.rgdispidNamedArgs, params.rgdispidNamedArgs + params.cNamedArgs);
    const unsigned long byReference = shape ? shape->byReference : 0, plain = shape ? shape->plain : 0;
    // A refused argument leaves none of those taken before it.
    ScopeExit clear([this] {
        for (VARIANT& taken : values_) VariantClear(&taken);
    });
    // rgvarg holds the named arguments first, then the positional ones
    // from the last parameter to the first; a property's new value is
    // its last parameter.
    for (UINT i = 0; i < params.cArgs; ++i) {
        LONG parameter = i < params.cNamedArgs ? params.rgdispidNamedArgs[i] : static_cast<LONG>(params.cArgs - 1 - i);
        if (parameter == DISPID_PROPERTYPUT && shape) parameter = static_cast<LONG>(shape->count) - 1;
        const bool known = parameter >= 0 && parameter < 32;
        VARIANT value;
        VariantInit(&value);
        // A kept reference still points at the caller's variable;
        // clearing it later frees nothing of the caller's.
        if (known && (byReference >> parameter & 1)) {
            value = params.rgvarg[i];
        } else {
            ByValue(params.rgvarg[i]).Detach(&value);
            if (known && (plain >> parameter & 1) && IsObject(value)) {
                VariantClear(&value);
                RefuseObjectForValue();
            }
        }
        values_.push_back(value);
    }
    clear.Dismiss();
    params_ = {values_.data(), names_.data(), params.cArgs, params.cNamedArgs};
}

ArgumentsByValue::~ArgumentsByValue() {
    for (VARIANT& value : values_) VariantClear(&value);
}

}  // namespace vestrel
