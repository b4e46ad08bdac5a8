#include "bar_buttons.h"
#include "core/variant.h"
#include "window/checker_window.h"

namespace vestrel {

STDMETHODIMP BarButtons::get_HelpFilePath(VARIANT* value) noexcept {
    if (!value) return E_POINTER;
    VariantInit(value);
    return Boundary([&] { Variant::String(CheckerInstance::Get().BtnHelp.Tag()).Detach(value); });
}

STDMETHODIMP BarButtons::put_HelpFilePath(VARIANT value) noexcept {
    return Boundary([&] {
        // Text, or what converts to it; Null and objects are refused.
        if (value.vt == VT_NULL || value.vt == VT_DISPATCH || value.vt == VT_UNKNOWN)
            throw ComError(DISP_E_TYPEMISMATCH, L"La ruta del archivo de ayuda debe ser un texto.");
        Variant text;
        ThrowIfFailed(VariantChangeType(text.put(), &value, 0, VT_BSTR));
        CheckerInstance::Get().BtnHelp.SetTag(FromBstr(text.get().bstrVal));
    });
}

}  // namespace vestrel
