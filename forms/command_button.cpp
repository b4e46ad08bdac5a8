#include "command_button.h"

namespace vestrel::forms {

CommandButton::CommandButton(Form& form, const std::wstring& caption, const Placement& placement, const Font& font)
    : Control(form, L"BUTTON", WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 0, placement,
              {COLOR_BTNFACE | 0x80000000u, COLOR_BTNTEXT | 0x80000000u}, font) {
    SetText(caption);
}

void CommandButton::Notified(WORD code) {
    if (code == BN_CLICKED) Raise(Click);
}

}  // namespace vestrel::forms
