#include "forms/shape.h"
#include <olectl.h>
#include "com/errors.h"

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

LRESULT Shape::Message(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCHITTEST) return HTTRANSPARENT;
    if (LRESULT result; Painted(message, result)) return result;
    return Default(message, wParam, lParam);
}

void Shape::Draw(HDC dc, const RECT& client) {
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
}

}  // namespace vestrel::forms
