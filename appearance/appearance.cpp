#include "appearance/appearance.h"
#include "com/arguments.h"

namespace vestrel::appearance {

// An object would convert through its default member; the properties take
// plain values only. Hosts that call through the vtable pass variables by
// reference too, so the value is taken from behind its reference first.
Variant PlainValue(const VARIANT& value) {
    Variant plain = ByValue(value);
    const VARTYPE type = plain.get().vt & VT_TYPEMASK;
    if (type == VT_DISPATCH || type == VT_UNKNOWN) RefuseObjectForValue();
    return plain;
}

// The conversion functions set no error info of their own: each refusal is
// told here, as script hosts number them, and any other with its code.
void ThrowIfNotConverted(HRESULT hr) {
    if (hr == DISP_E_TYPEMISMATCH || hr == DISP_E_BADVARTYPE)
        throw ComError(kTypeMismatch, L"No coinciden los tipos: el valor no se puede convertir.");
    if (hr == DISP_E_OVERFLOW) throw ComError(kOverflow, L"Desbordamiento: el valor no cabe en la propiedad.");
    if (FAILED(hr)) throw ComError(hr, L"El valor no se puede convertir para la propiedad (" + HexCode(hr) + L").");
}

namespace {

Variant Converted(const VARIANT& value, VARTYPE type) {
    Variant plain = PlainValue(value);
    Variant converted;
    ThrowIfNotConverted(Convert(plain.get(), type, converted));
    return converted;
}

}  // namespace

std::wstring ToText(const VARIANT& value) { return FromBstr(Converted(value, VT_BSTR).get().bstrVal); }
float ToSingle(const VARIANT& value) { return Converted(value, VT_R4).get().fltVal; }
long ToLong(const VARIANT& value) { return Converted(value, VT_I4).get().lVal; }
bool ToBool(const VARIANT& value) { return Converted(value, VT_BOOL).get().boolVal != VARIANT_FALSE; }

Microsoft::WRL::ComPtr<IPictureDisp> ToPicture(const VARIANT& value) {
    const Variant plain = ByValue(value);
    const VARIANT& v = plain.get();
    IUnknown* object = nullptr;
    if (v.vt == VT_DISPATCH) object = v.pdispVal;
    else if (v.vt == VT_UNKNOWN) object = v.punkVal;
    else throw ComError(kTypeMismatch, L"No coinciden los tipos: se esperaba un objeto Picture.");
    Microsoft::WRL::ComPtr<IPictureDisp> picture;
    if (object && FAILED(object->QueryInterface(IID_PPV_ARGS(&picture))))
        throw ComError(kTypeMismatch, L"No coinciden los tipos: el objeto no es una imagen (IPictureDisp).");
    return picture;
}

std::vector<StyleRow> AlignmentRows(const std::function<void(CheckerWindow&, forms::Alignment)>& apply) {
    return {{0, [apply](CheckerWindow& w) { apply(w, forms::Alignment::Left); }},
            {2, [apply](CheckerWindow& w) { apply(w, forms::Alignment::Right); }},
            {1, [apply](CheckerWindow& w) { apply(w, forms::Alignment::Center); }}};
}

}  // namespace vestrel::appearance
