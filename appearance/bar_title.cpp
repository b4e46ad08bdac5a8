#include "appearance/bar_title.h"

namespace vestrel {
namespace {

using Window = CheckerWindow;

void SetTitleSize(Window& window, float points) {
    forms::Font font = window.Label4.GetFont();
    font.size = points;
    window.Label4.SetFont(font);
}

}  // namespace

STDMETHODIMP BarTitle::put_FontSize(BTitleSize v) noexcept {
    return WriteStyle(fontSize_, v, {{0, [](Window& w) { SetTitleSize(w, 12); }},
                                     {1, [](Window& w) { SetTitleSize(w, 10); }},
                                     {2, [](Window& w) { SetTitleSize(w, 8); }}});
}

// The title, then its band; the band's value is the answer.
using TitleAndBand = appearance::Several<&Window::Label4, &Window::Label5>;

STDMETHODIMP BarTitle::get_BackColor(ConsColor* v) noexcept {
    return Read(v, [](Window&) { return static_cast<ConsColor>(TitleAndBand::ReadLast([](auto& c) { return c.BackColor(); })); });
}
STDMETHODIMP BarTitle::put_BackColor(ConsColor v) noexcept {
    return Write([&](Window&) { TitleAndBand::WriteEach([&](auto& c) { c.SetBackColor(static_cast<OLE_COLOR>(v)); }); });
}

STDMETHODIMP BarTitle::get_ToolTipText(VARIANT* v) noexcept {
    return ReadVariant(v, [](Window&) { return Variant::String(TitleAndBand::ReadLast([](auto& c) { return c.ToolTipText(); })); });
}
STDMETHODIMP BarTitle::put_ToolTipText(VARIANT v) noexcept {
    return Write([&](Window&) {
        const std::wstring text = appearance::ToText(v);
        TitleAndBand::WriteEach([&](auto& c) { c.SetToolTipText(text); });
    });
}

STDMETHODIMP BarTitle::get_Visible(VARIANT_BOOL* v) noexcept {
    return Read(v, [](Window&) { return Bool(TitleAndBand::ReadLast([](auto& c) { return c.Visible(); })); });
}
STDMETHODIMP BarTitle::put_Visible(VARIANT_BOOL v) noexcept {
    return Write([&](Window&) { TitleAndBand::WriteEach([&](auto& c) { c.SetVisible(v != VARIANT_FALSE); }); });
}

}  // namespace vestrel
