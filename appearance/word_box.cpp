#include "appearance/word_box.h"

namespace vestrel {
namespace {

using namespace appearance;
using Window = CheckerWindow;

}  // namespace

Microsoft::WRL::ComPtr<IDispatch> WordBox::OfWindow() {
    Window& window = CheckerInstance::Get();
    if (!window.wordBoxObject) window.wordBoxObject = MakeObject<WordBox>();
    return window.wordBoxObject;
}

STDMETHODIMP WordBox::get_SelStart(long* v) noexcept {
    return Read(v, [](Window& w) { return static_cast<long>(WordBoxOf(w).SelStart()); });
}
STDMETHODIMP WordBox::put_SelStart(long v) noexcept { return Write([&](Window& w) { WordBoxOf(w).SetSelStart(v); }); }
STDMETHODIMP WordBox::get_SelLength(long* v) noexcept {
    return Read(v, [](Window& w) { return static_cast<long>(WordBoxOf(w).SelLength()); });
}
STDMETHODIMP WordBox::put_SelLength(long v) noexcept { return Write([&](Window& w) { WordBoxOf(w).SetSelLength(v); }); }
STDMETHODIMP WordBox::get_SelText(VARIANT* v) noexcept {
    return ReadVariant(v, [](Window& w) { return Variant::String(WordBoxOf(w).SelText()); });
}
STDMETHODIMP WordBox::put_SelText(VARIANT v) noexcept {
    return Write([&](Window& w) { WordBoxOf(w).SetSelText(ToText(v)); });
}

// The control's own alignment: 0 left, 1 right, 2 centred.
STDMETHODIMP WordBox::get_Alignment(long* v) noexcept {
    return Read(v, [](Window& w) { return static_cast<long>(WordBoxOf(w).GetAlignment()); });
}
STDMETHODIMP WordBox::put_Alignment(long v) noexcept {
    return Write([&](Window& w) {
        if (v < 0 || v > 2)
            throw ComError(CTL_E_INVALIDPROPERTYVALUE, L"La alineación no es válida: 0 izquierda, 1 derecha, 2 centro.");
        WordBoxOf(w).SetAlignment(static_cast<forms::Alignment>(v));
    });
}

STDMETHODIMP WordBox::get_BackColor(long* v) noexcept { return GetBackColor(v); }
STDMETHODIMP WordBox::put_BackColor(long v) noexcept { return PutBackColor(v); }
STDMETHODIMP WordBox::get_ForeColor(long* v) noexcept { return GetForeColor(v); }
STDMETHODIMP WordBox::put_ForeColor(long v) noexcept { return PutForeColor(v); }

// Points, as a single-precision number.
STDMETHODIMP WordBox::get_FontSize(VARIANT* v) noexcept {
    return ReadVariant(v, [](Window& w) { return Variant::Single(WordBoxOf(w).GetFont().size); });
}
STDMETHODIMP WordBox::put_FontSize(VARIANT v) noexcept {
    return Write([&](Window& w) {
        forms::Font font = WordBoxOf(w).GetFont();
        font.size = ToSingle(v);
        WordBoxOf(w).SetFont(font);
    });
}
STDMETHODIMP WordBox::get_FontBold(VARIANT* v) noexcept { return GetFontFlag<&forms::Font::bold>(v); }
STDMETHODIMP WordBox::put_FontBold(VARIANT v) noexcept { return PutFontFlag<&forms::Font::bold>(v); }
STDMETHODIMP WordBox::get_FontItalic(VARIANT* v) noexcept { return GetFontFlag<&forms::Font::italic>(v); }
STDMETHODIMP WordBox::put_FontItalic(VARIANT v) noexcept { return PutFontFlag<&forms::Font::italic>(v); }
STDMETHODIMP WordBox::get_FontUnderline(VARIANT* v) noexcept { return GetFontFlag<&forms::Font::underline>(v); }
STDMETHODIMP WordBox::put_FontUnderline(VARIANT v) noexcept { return PutFontFlag<&forms::Font::underline>(v); }
STDMETHODIMP WordBox::get_FontStrikethru(VARIANT* v) noexcept { return GetFontFlag<&forms::Font::strikethrough>(v); }
STDMETHODIMP WordBox::put_FontStrikethru(VARIANT v) noexcept { return PutFontFlag<&forms::Font::strikethrough>(v); }

// A text the host keeps with the box; the component never reads it.
STDMETHODIMP WordBox::get_Tag(VARIANT* v) noexcept {
    return ReadVariant(v, [](Window& w) { return Variant::String(WordBoxOf(w).Tag()); });
}
STDMETHODIMP WordBox::put_Tag(VARIANT v) noexcept { return Write([&](Window& w) { WordBoxOf(w).SetTag(ToText(v)); }); }

STDMETHODIMP WordBox::get_TabIndex(short* v) noexcept {
    return Read(v, [](Window& w) { return static_cast<short>(WordBoxOf(w).TabIndex()); });
}
STDMETHODIMP WordBox::put_TabIndex(short v) noexcept { return Write([&](Window& w) { WordBoxOf(w).SetTabIndex(v); }); }
STDMETHODIMP WordBox::get_TabStop(VARIANT_BOOL* v) noexcept {
    return Read(v, [](Window& w) { return Bool(WordBoxOf(w).TabStop()); });
}
STDMETHODIMP WordBox::put_TabStop(VARIANT_BOOL v) noexcept {
    return Write([&](Window& w) { WordBoxOf(w).SetTabStop(v != VARIANT_FALSE); });
}

// Window handles fit in 32 bits on 64-bit Windows too.
STDMETHODIMP WordBox::get_hWnd(long* v) noexcept {
    return Read(v, [](Window& w) { return static_cast<long>(reinterpret_cast<INT_PTR>(WordBoxOf(w).Handle())); });
}
STDMETHODIMP WordBox::SetFocus() noexcept { return Write([](Window& w) { WordBoxOf(w).SetFocus(); }); }
STDMETHODIMP WordBox::Refresh() noexcept { return Write([](Window& w) { WordBoxOf(w).Refresh(); }); }

}  // namespace vestrel
