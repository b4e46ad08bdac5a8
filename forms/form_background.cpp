#include "forms/form_background.h"
#include <olectl.h>
#include <utility>
#include "com/errors.h"
#include "forms/control.h"

namespace vestrel::forms {

FormBackground::FormBackground(OLE_COLOR back) : back_(back), brush_(SolidBrush(back)) {}

void FormBackground::SetBackColor(OLE_COLOR color, HWND window, const Density& density) {
    ToRgb(color);  // refuses what is not a colour before anything changes
    back_ = color;
    Compose(window, density);
}

void FormBackground::SetPicture(Picture picture, HWND window, const Density& density) {
    picture_ = std::move(picture);
    pictureObject_.Reset();
    Compose(window, density);
}

IPictureDisp* FormBackground::PictureObject(const Density& density) {
    if (!pictureObject_ && picture_) {
        PICTDESC description{};
        description.cbSizeofstruct = sizeof(description);
        description.picType = PICTYPE_BITMAP;
        // The picture as the window shows it, so that it keeps its size
        // in inches when a host sets it on a window again.
        UniqueHandle<HBITMAP, DeleteObject> copy(static_cast<HBITMAP>(
            CopyImage(picture_.BitmapOfSize(density.Scaled(picture_.Size())), IMAGE_BITMAP, 0, 0, 0)));
        if (!copy) throw ComError(E_OUTOFMEMORY, L"No se pudo copiar la imagen de fondo.");
        description.bmp.hbitmap = copy.get();
        const HRESULT hr = OleCreatePictureIndirect(&description, IID_IPictureDisp, TRUE,
                                                    reinterpret_cast<void**>(pictureObject_.ReleaseAndGetAddressOf()));
        if (FAILED(hr)) throw ComError(hr, L"No se pudo crear el objeto de la imagen de fondo.");
        copy.release();  // the picture object owns it now
    }
    return pictureObject_.Get();
}

void FormBackground::SetPictureObject(IPictureDisp* picture, HWND window, const Density& density) {
    Microsoft::WRL::ComPtr<IPictureDisp> kept(picture);
    picture_ = Picture();
    pictureObject_ = kept;
    Compose(window, density);
}

// With a picture the brush is one client-sized pattern, filled from the
// plain back colour each time: a pattern of the old size would tile into a
// window grown at a higher density.
void FormBackground::Compose(HWND window, const Density& density) {
    UniqueHandle<HBRUSH, DeleteObject> solid(SolidBrush(back_));
    Microsoft::WRL::ComPtr<IPicture> object;
    if (pictureObject_) pictureObject_.As(&object);
    if (!picture_ && !object) {
        brush_ = std::move(solid);
        composed_.reset();
        InvalidateRect(window, nullptr, TRUE);
        return;
    }
    RECT client{};
    GetClientRect(window, &client);
    UniqueHandle<HBITMAP, DeleteObject> composed;
    MemoryDC memory;
    {
        WindowDC screen(window);
        composed.reset(CreateCompatibleBitmap(screen.get(), client.right, client.bottom));
        memory.reset(CreateCompatibleDC(screen.get()));
    }
    if (!composed || !memory) throw ComError(E_OUTOFMEMORY, L"No se pudo preparar el fondo de la ventana.");
    const HDC dc = memory.get();
    {
        Selected selected(dc, composed.get());
        FillRect(dc, &client, solid.get());
        if (object) {
            // At its own size, from the top left, as the design picture.
            OLE_XSIZE_HIMETRIC width = 0;
            OLE_YSIZE_HIMETRIC height = 0;
            object->get_Width(&width);
            object->get_Height(&height);
            const int w = MulDiv(width, density.X(), 2540);
            const int h = MulDiv(height, density.Y(), 2540);
            if (w > 0 && h > 0) object->Render(dc, 0, 0, w, h, 0, height, width, -height, nullptr);
        } else {
            picture_.Draw(dc, client, false, density);
        }
    }  // the bitmap leaves the memory context before it becomes a brush
    HBRUSH pattern = CreatePatternBrush(composed.get());
    if (!pattern) throw ComError(E_OUTOFMEMORY, L"No se pudo preparar el fondo de la ventana.");
    brush_.reset(pattern);
    composed_ = std::move(composed);
    InvalidateRect(window, nullptr, TRUE);
}

}  // namespace vestrel::forms
