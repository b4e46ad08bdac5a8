#include "shape.h"
#include <olectl.h>
#include "core/errors.h"

namespace vestrel::forms {
namespace {

int CheckedStyle(int style) {
    if (style != 0 && style != 1) throw ComError(CTL_E_INVALIDPROPERTYVALUE, L"El estilo de la forma no es válido.");
    return style;
}

}  // namespace

Shape::Shape(Form& form, const Placement& placement, OLE_COLOR back, int backStyle, int borderStyle)
    : Control(form, L"STATIC", WS_VISIBLE, 0, placement, {back, 0}, {}),
      backStyle_(CheckedStyle(backStyle)),
      borderStyle_(CheckedStyle(borderStyle)) {}

void Shape::SetBackStyle(int style) {
    backStyle_ = CheckedStyle(style);
    InvalidateRect(Handle(), nullptr, FALSE);
}

void Shape::SetBorderStyle(int style) {
    borderStyle_ = CheckedStyle(style);
    InvalidateRect(Handle(), nullptr, FALSE);
}

void Shape::SetBorderColor(OLE_COLOR color) {
    ToRgb(color);
    borderColor_ = color;
    InvalidateRect(Handle(), nullptr, FALSE);
}

LRESULT Shape::Message(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_NCHITTEST:
        return HTTRANSPARENT;
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT: {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(Handle(), &paint);
        RECT client;
        GetClientRect(Handle(), &client);
        if (backStyle_ == 1) {
            UniqueHandle<HBRUSH, DeleteObject> fill(SolidBrush(BackColor()));
            FillRect(dc, &client, fill.get());
        } else {
            PaintFormBackground(dc, client);
        }
        if (borderStyle_ == 1) {
            UniqueHandle<HBRUSH, DeleteObject> line(SolidBrush(borderColor_));
            FrameRect(dc, &client, line.get());
        }
        EndPaint(Handle(), &paint);
        return 0;
    }
    }
    return Default(message, wParam, lParam);
}

}  // namespace vestrel::forms
