// A push button; '&' in its caption marks the mnemonic.
#pragma once
#include "control.h"

namespace vestrel::forms {

class CommandButton : public Control {
public:
    CommandButton(Form& form, const std::wstring& caption, const Placement& placement, const Font& font = {});

    std::wstring Caption() const { return Text(); }
    void SetCaption(const std::wstring& caption) { SetText(caption); }

private:
    void Notified(WORD code) override;
};

}  // namespace vestrel::forms
