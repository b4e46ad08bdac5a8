#include "appearance/bar_buttons.h"

namespace vestrel {
namespace {

using namespace appearance;
using Window = CheckerWindow;

using MinAndMax = Several<&Window::BtnMinimizar, &Window::BtnMaximizar>;
using CloseMinAndMax = Several<&Window::BtnCerrar, &Window::BtnMinimizar, &Window::BtnMaximizar>;
using MinMaxAndClose = Several<&Window::BtnMinimizar, &Window::BtnMaximizar, &Window::BtnCerrar>;
using CloseImageAndButton = Several<&Window::BtnCerrar, &Window::cmdClose>;

// The value plus offset twips, as variant arithmetic adds: text that reads
// as a number counts as the number.
float Offset(const VARIANT& value, long offset) {
    Variant plain = PlainValue(value);  // an object would be asked for its default value
    VARIANT by{};
    by.vt = VT_I4;
    by.lVal = offset < 0 ? -offset : offset;
    Variant result;
    VARIANT* left = const_cast<VARIANT*>(&plain.get());  // read only: the functions take no const
    ThrowIfNotConverted(offset < 0 ? VarSub(left, &by, result.put()) : VarAdd(left, &by, result.put()));
    return ToSingle(result.get());
}

}  // namespace

STDMETHODIMP BarButtons::get_ButtonHelpVisible(VARIANT_BOOL* v) noexcept {
    return Read(v, [](Window& w) { return Bool(w.BtnHelp.Visible()); });
}
STDMETHODIMP BarButtons::put_ButtonHelpVisible(VARIANT_BOOL v) noexcept {
    return Write([&](Window& w) { w.BtnHelp.SetVisible(v != VARIANT_FALSE); });
}

STDMETHODIMP BarButtons::get_ButtonMinVisible(VARIANT_BOOL* v) noexcept {
    return Read(v, [](Window&) { return Bool(MinAndMax::ReadLast([](auto& image) { return image.Visible(); })); });
}
STDMETHODIMP BarButtons::put_ButtonMinVisible(VARIANT_BOOL v) noexcept {
    return Write([&](Window&) { MinAndMax::WriteEach([&](auto& image) { image.SetVisible(v != VARIANT_FALSE); }); });
}

STDMETHODIMP BarButtons::get_ButtonCloseVisible(VARIANT_BOOL* v) noexcept {
    return Read(v, [](Window& w) { return Bool(w.BtnCerrar.Visible()); });
}
STDMETHODIMP BarButtons::put_ButtonCloseVisible(VARIANT_BOOL v) noexcept {
    return Write([&](Window&) { CloseMinAndMax::WriteEach([&](auto& image) { image.SetVisible(v != VARIANT_FALSE); }); });
}

STDMETHODIMP BarButtons::get_BarButtonsTop(VARIANT* v) noexcept {
    return ReadVariant(v, [](Window& w) { return Variant::Single(w.BtnCerrar.Top()); });
}
STDMETHODIMP BarButtons::put_BarButtonsTop(VARIANT v) noexcept {
    return Write([&](Window&) {
        const float top = ToSingle(v);
        MinMaxAndClose::WriteEach([&](auto& image) { image.SetTop(top); });
    });
}

// The value places the maximise image; the minimise image goes 255 twips
// left of it, the close image 270 right. The get reads the close image.
STDMETHODIMP BarButtons::get_BarButtonsLeft(VARIANT* v) noexcept {
    return ReadVariant(v, [](Window& w) { return Variant::Single(w.BtnCerrar.Left()); });
}
STDMETHODIMP BarButtons::put_BarButtonsLeft(VARIANT v) noexcept {
    // Each image's place is worked out as it is written: one that does not
    // fit fails after the writes before it.
    return Write([&](Window&) {
        Several<&Window::BtnMinimizar>::WriteEach([&](auto& image) { image.SetLeft(Offset(v, -255)); });
        Several<&Window::BtnMaximizar>::WriteEach([&](auto& image) { image.SetLeft(ToSingle(v)); });
        Several<&Window::BtnCerrar>::WriteEach([&](auto& image) { image.SetLeft(Offset(v, 270)); });
    });
}

STDMETHODIMP BarButtons::get_HelpButtonLeft(VARIANT* v) noexcept {
    return ReadVariant(v, [](Window& w) { return Variant::Single(w.BtnHelp.Left()); });
}
STDMETHODIMP BarButtons::put_HelpButtonLeft(VARIANT v) noexcept {
    return Write([&](Window& w) { w.BtnHelp.SetLeft(ToSingle(v)); });
}
STDMETHODIMP BarButtons::get_HelpTop(VARIANT* v) noexcept {
    return ReadVariant(v, [](Window& w) { return Variant::Single(w.BtnHelp.Top()); });
}
STDMETHODIMP BarButtons::put_HelpTop(VARIANT v) noexcept {
    return Write([&](Window& w) { w.BtnHelp.SetTop(ToSingle(v)); });
}

STDMETHODIMP BarButtons::get_HelpToolTipText(VARIANT* v) noexcept {
    return ReadVariant(v, [](Window& w) { return Variant::String(w.BtnHelp.ToolTipText()); });
}
STDMETHODIMP BarButtons::put_HelpToolTipText(VARIANT v) noexcept {
    return Write([&](Window& w) { w.BtnHelp.SetToolTipText(ToText(v)); });
}
STDMETHODIMP BarButtons::get_MinToolTipText(VARIANT* v) noexcept {
    return ReadVariant(v, [](Window& w) { return Variant::String(w.BtnMinimizar.ToolTipText()); });
}
STDMETHODIMP BarButtons::put_MinToolTipText(VARIANT v) noexcept {
    return Write([&](Window& w) { w.BtnMinimizar.SetToolTipText(ToText(v)); });
}

// The close image and the close button share their tool tip.
STDMETHODIMP BarButtons::get_CloseToolTipText(VARIANT* v) noexcept {
    return ReadVariant(v, [](Window&) {
        return Variant::String(CloseImageAndButton::ReadLast([](auto& c) { return c.ToolTipText(); }));
    });
}
STDMETHODIMP BarButtons::put_CloseToolTipText(VARIANT v) noexcept {
    return Write([&](Window&) {
        const std::wstring text = ToText(v);
        CloseImageAndButton::WriteEach([&](auto& c) { c.SetToolTipText(text); });
    });
}

STDMETHODIMP BarButtons::get_HelpFilePath(VARIANT* v) noexcept {
    return ReadVariant(v, [](Window& w) { return Variant::String(w.BtnHelp.Tag()); });
}
STDMETHODIMP BarButtons::put_HelpFilePath(VARIANT v) noexcept {
    return Write([&](Window& w) { w.BtnHelp.SetTag(ToText(v)); });
}

STDMETHODIMP BarButtons::get_BackColor(ToolBColor* v) noexcept {
    return Read(v, [](Window& w) { return static_cast<ToolBColor>(w.Label6.BackColor()); });
}
STDMETHODIMP BarButtons::put_BackColor(ToolBColor v) noexcept {
    return Write([&](Window& w) { w.Label6.SetBackColor(static_cast<OLE_COLOR>(v)); });
}

STDMETHODIMP BarButtons::put_BorderStyle(BorderS v) noexcept {
    return WriteStyle(borderStyle_, v, {{0, [](Window& w) { w.Label6.SetBorderStyle(0); }},
                                        {1, [](Window& w) { w.Label6.SetBorderStyle(1); }}});
}
STDMETHODIMP BarButtons::put_BackStyle(BStyle v) noexcept {
    return WriteStyle(backStyle_, v, {{0, [](Window& w) { w.Label6.SetBackStyle(0); }},
                                      {1, [](Window& w) { w.Label6.SetBackStyle(1); }}});
}

STDMETHODIMP BarButtons::get_BorderTBVisible(VARIANT_BOOL* v) noexcept {
    return Read(v, [](Window& w) { return Bool(w.Label6.Visible()); });
}
STDMETHODIMP BarButtons::put_BorderTBVisible(VARIANT_BOOL v) noexcept {
    return Write([&](Window& w) { w.Label6.SetVisible(v != VARIANT_FALSE); });
}

}  // namespace vestrel
