#include "forms/picture.h"
#include <algorithm>
#include "com/errors.h"
#include "com/module.h"
#include "forms/resample.h"
#include "resources/resource.h"

namespace vestrel::forms {
namespace {

SIZE SizeOf(HBITMAP bitmap) noexcept {
    BITMAP description{};
    if (bitmap && GetObjectW(bitmap, sizeof(description), &description))
        return {description.bmWidth, std::abs(description.bmHeight)};
    return {};
}

HBITMAP LoadBitmapResource(int id) noexcept {
    return static_cast<HBITMAP>(
        LoadImageW(module::Instance(), MAKEINTRESOURCEW(id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
}

// A picture drawn for a denser screen: a bitmap resource run-length encoded
// (a DIB section cannot hold that form), decoded into a 32-bit DIB section.
// nullptr when the component carries none.
HBITMAP LoadEncodedResource(int id) noexcept {
    const HMODULE module = module::Instance();
    const HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(id), MAKEINTRESOURCEW(2));  // RT_BITMAP
    const HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
    const auto* info = static_cast<const BITMAPINFO*>(loaded ? LockResource(loaded) : nullptr);
    if (!info || SizeofResource(module, found) < sizeof(BITMAPINFOHEADER)) return nullptr;
    const BITMAPINFOHEADER& header = info->bmiHeader;
    const DWORD colours = header.biClrUsed ? header.biClrUsed : (header.biBitCount <= 8 ? 1u << header.biBitCount : 0);
    const auto* bits = reinterpret_cast<const BYTE*>(info) + header.biSize + colours * sizeof(RGBQUAD);
    BITMAPINFO target{};
    target.bmiHeader = {sizeof(BITMAPINFOHEADER), header.biWidth, header.biHeight, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* pixels = nullptr;
    UniqueHandle<HBITMAP, DeleteObject> bitmap(CreateDIBSection(nullptr, &target, DIB_RGB_COLORS, &pixels, nullptr, 0));
    if (!bitmap) return nullptr;
    WindowDC screen(nullptr);
    const int height = header.biHeight < 0 ? -header.biHeight : header.biHeight;
    if (SetDIBits(screen.get(), bitmap.get(), 0, static_cast<UINT>(height), bits, info, DIB_RGB_COLORS) != height)
        return nullptr;
    return bitmap.release();
}

}  // namespace

Picture::Picture(HBITMAP bitmap) noexcept {
    variants_[0].bitmap.reset(bitmap);
    variants_[0].size = SizeOf(bitmap);
}

Picture Picture::FromResource(int id) {
    HBITMAP bitmap = LoadBitmapResource(id);
    if (!bitmap)
        throw ComError(LastError(),
                       L"No se encontró el mapa de bits " + std::to_wstring(id) + L" de Vestrel.");
    Picture picture(bitmap);
    picture.id_ = id;
    return picture;
}

const Picture::Variant& Picture::VariantAt(size_t index) const {
    Variant& variant = variants_[index];
    if (!variant.bitmap && id_ != 0 && index > 0) {
        const int offset = kScales[index] == 150 ? IDB_DENSITY_150 : IDB_DENSITY_200;
        variant.bitmap.reset(LoadEncodedResource(id_ + offset));
        variant.size = SizeOf(variant.bitmap.get());
    }
    return variant;
}

HBITMAP Picture::BitmapOfSize(SIZE size) const {
    // The smallest variant at least as large, else the largest there is.
    const Variant* source = &variants_[0];
    for (size_t i = 0; i < kScales.size(); ++i) {
        const Variant& variant = VariantAt(i);
        if (!variant.bitmap) continue;
        source = &variant;
        if (variant.size.cx >= size.cx && variant.size.cy >= size.cy) break;
    }
    if (source->size.cx == size.cx && source->size.cy == size.cy) return source->bitmap.get();
    if (made_.size.cx != size.cx || made_.size.cy != size.cy || !made_.bitmap) {
        made_.bitmap.reset(Resampled(source->bitmap.get(), size));
        if (!made_.bitmap) throw ComError(E_OUTOFMEMORY, L"No hay memoria para dibujar la imagen a este tamaño.");
        made_.size = size;
    }
    return made_.bitmap.get();
}

void Picture::Draw(HDC dc, const RECT& target, bool stretch, const Density& density) const {
    if (!*this) return;
    const int width = target.right - target.left, height = target.bottom - target.top;
    const SIZE size = stretch ? SIZE{width, height} : density.Scaled(Size());
    if (size.cx <= 0 || size.cy <= 0) return;
    const HBITMAP bitmap = BitmapOfSize(size);
    MemoryDC memory(CreateCompatibleDC(dc));
    if (!memory) return;
    Selected selected(memory.get(), bitmap);
    BitBlt(dc, target.left, target.top, std::min<int>(width, size.cx), std::min<int>(height, size.cy), memory.get(), 0,
           0, SRCCOPY);
}

}  // namespace vestrel::forms
