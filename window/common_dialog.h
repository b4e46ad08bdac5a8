// The checker window's common dialog, of which the window uses the help
// call only: a help file, a help command and the request to show help.
#pragma once
#include <string>
#include "com/dispatch.h"
#include "internal_h.h"

namespace vestrel {

class CommonDialog final : public Dispatch<ICommonDialog> {
public:
    // Help opens over owner while it is a window.
    explicit CommonDialog(HWND owner) noexcept : owner_(owner) {}

    STDMETHODIMP get_HelpFile(BSTR* value) noexcept override;
    STDMETHODIMP put_HelpFile(BSTR value) noexcept override;
    STDMETHODIMP get_HelpCommand(short* value) noexcept override;
    STDMETHODIMP put_HelpCommand(short value) noexcept override;
    STDMETHODIMP ShowHelp() noexcept override;

private:
    HWND owner_;
    std::wstring helpFile_;
    short helpCommand_ = 0;
};

}  // namespace vestrel
