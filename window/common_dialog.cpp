#include "window/common_dialog.h"
#include "com/variant.h"
#include "forms/help.h"

namespace vestrel {

STDMETHODIMP CommonDialog::get_HelpFile(BSTR* value) noexcept {
    if (!value) return E_POINTER;
    *value = nullptr;
    return Boundary([&] { *value = Bstr(helpFile_).Detach(); });
}

STDMETHODIMP CommonDialog::put_HelpFile(BSTR value) noexcept {
    return Boundary([&] { helpFile_ = FromBstr(value); });
}

STDMETHODIMP CommonDialog::get_HelpCommand(short* value) noexcept {
    if (!value) return E_POINTER;
    *value = helpCommand_;
    return S_OK;
}

STDMETHODIMP CommonDialog::put_HelpCommand(short value) noexcept {
    helpCommand_ = value;
    return S_OK;
}

STDMETHODIMP CommonDialog::ShowHelp() noexcept {
    return Boundary([&] { forms::help::Show(owner_, helpFile_, helpCommand_); });
}

}  // namespace vestrel
