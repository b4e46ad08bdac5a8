#include "image.h"

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

void Image::SetStretch(bool stretch) {
    stretch_ = stretch;
    InvalidateRect(Handle(), nullptr, FALSE);
}

LRESULT Image::Message(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT: {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(Handle(), &paint);
        RECT client;
        GetClientRect(Handle(), &client);
        PaintFormBackground(dc, client);
        picture_.Draw(dc, client, stretch_);
        EndPaint(Handle(), &paint);
        return 0;
    }
    }
    return Default(message, wParam, lParam);
}

}  // namespace vestrel::forms
