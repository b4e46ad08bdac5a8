#include "forms/picture_box.h"
#include "forms/form.h"

namespace vestrel::forms {

PictureBox::PictureBox(Form& form, const Placement& placement, OLE_COLOR back)
    : Control(form, L"STATIC", WS_VISIBLE | WS_CLIPCHILDREN, 0, placement, {back, COLOR_BTNTEXT | 0x80000000u}, {}) {}

LRESULT PictureBox::Message(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    // The contained controls talk to the form, which knows them all.
    case WM_COMMAND:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
        return SendMessageW(form_.Handle(), message, wParam, lParam);
    }
    return Default(message, wParam, lParam);
}

}  // namespace vestrel::forms
