// What a form's client area is painted with: its back colour, with its
// picture (the design picture, or an OLE picture a host set) drawn at the
// top left, as one brush aligned with the client area so that transparent
// controls paint their part of it.
#pragma once
#include <windows.h>
#include <ocidl.h>
#include <wrl/client.h>
#include "com/unique_handle.h"
#include "forms/density.h"
#include "forms/picture.h"

namespace vestrel::forms {

class FormBackground {
public:
    explicit FormBackground(OLE_COLOR back);

    OLE_COLOR BackColor() const noexcept { return back_; }
    HBRUSH Brush() const noexcept { return brush_.get(); }
    // Each change composes the brush anew for the window at its density.
    void SetBackColor(OLE_COLOR color, HWND window, const Density& density);
    void SetPicture(Picture picture, HWND window, const Density& density);
    // The picture as an OLE picture object (one made from the design picture
    // on first request, so it keeps its identity), or nullptr.
    IPictureDisp* PictureObject(const Density& density);
    // nullptr removes the picture.
    void SetPictureObject(IPictureDisp* picture, HWND window, const Density& density);
    // After the window's size or density changed.
    void Compose(HWND window, const Density& density);

private:
    OLE_COLOR back_;
    UniqueHandle<HBRUSH, DeleteObject> brush_;
    Picture picture_;
    Microsoft::WRL::ComPtr<IPictureDisp> pictureObject_;
    // The back colour with the picture on it, behind brush_.
    UniqueHandle<HBITMAP, DeleteObject> composed_;
};

}  // namespace vestrel::forms
