#include "bar_buttons.h"
#include "appearance.h"
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
        CheckerWindow& window = CheckerInstance::Get();
        window.BtnHelp.SetTag(appearance::ToText(value));
    });
}

}  // namespace vestrel
