#include "forms/image.h"
#include "forms/form.h"

namespace vestrel::forms {

Image::Image(Form& form, const Placement& placement, bool stretch)
    : Control(form, L"STATIC", WS_VISIBLE | SS_NOTIFY, 0, placement,
              {COLOR_BTNFACE | 0x80000000u, COLOR_BTNTEXT | 0x80000000u}, {}),
      stretch_(stretch) {
    TakeMouseOnPress();
}

void Image::SetPicture(Picture picture) {
    picture_ = std::move(picture);
    InvalidateRect(Handle(), nullptr, FALSE);
}

LRESULT Image::Message(UINT message, WPARAM wParam, LPARAM lParam) {
    if (LRESULT result; Painted(message, result)) return result;
    return Default(message, wParam, lParam);
}

void Image::Draw(HDC dc, const RECT& client) {
    PaintFormBackground(dc, client);
    picture_.Draw(dc, client, stretch_, form_.GetDensity());
}

}  // namespace vestrel::forms
