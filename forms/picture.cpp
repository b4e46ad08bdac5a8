#include "forms/picture.h"
#include <algorithm>
#include "com/errors.h"
#include "com/module.h"

namespace vestrel::forms {

Picture::Picture(HBITMAP bitmap) noexcept : bitmap_(bitmap) {
    BITMAP description{};
    if (bitmap && GetObjectW(bitmap, sizeof(description), &description))
        size_ = {description.bmWidth, description.bmHeight};
}

Picture Picture::FromResource(int id) {
    HBITMAP bitmap = static_cast<HBITMAP>(
        LoadImageW(module::Instance(), MAKEINTRESOURCEW(id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    if (!bitmap)
        throw ComError(HRESULT_FROM_WIN32(GetLastError()),
                       L"No se encontró el mapa de bits " + std::to_wstring(id) + L" de Vestrel.");
    return Picture(bitmap);
}

void Picture::Draw(HDC dc, const RECT& target, bool stretch) const {
    if (!bitmap_) return;
    MemoryDC memory(CreateCompatibleDC(dc));
    if (!memory) return;
    const HDC source = memory.get();
    Selected selected(source, bitmap_.get());
    const int width = target.right - target.left, height = target.bottom - target.top;
    if (stretch) {
        SetStretchBltMode(dc, COLORONCOLOR);
        StretchBlt(dc, target.left, target.top, width, height, source, 0, 0, size_.cx, size_.cy, SRCCOPY);
    } else {
        BitBlt(dc, target.left, target.top, std::min<int>(width, size_.cx), std::min<int>(height, size_.cy), source,
               0, 0, SRCCOPY);
    }
}

}  // namespace vestrel::forms
