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

// The title, then its band, each reached anew; the band's value is the answer.
STDMETHODIMP BarTitle::get_BackColor(ConsColor* v) noexcept {
    return Read(v, [](Window&) {
        CheckerInstance::Get().Label4.BackColor();
        return static_cast<ConsColor>(CheckerInstance::Get().Label5.BackColor());
    });
}
STDMETHODIMP BarTitle::put_BackColor(ConsColor v) noexcept {
    return Write([&](Window& w) {
        w.Label4.SetBackColor(static_cast<OLE_COLOR>(v));
        CheckerInstance::Get().Label5.SetBackColor(static_cast<OLE_COLOR>(v));
    });
}

STDMETHODIMP BarTitle::get_ToolTipText(VARIANT* v) noexcept {
    return ReadVariant(v, [](Window&) {
        CheckerInstance::Get().Label4.ToolTipText();
        return Variant::String(CheckerInstance::Get().Label5.ToolTipText());
    });
}
STDMETHODIMP BarTitle::put_ToolTipText(VARIANT v) noexcept {
    return Write([&](Window& w) {
        w.Label4.SetToolTipText(appearance::ToText(v));
        CheckerInstance::Get().Label5.SetToolTipText(appearance::ToText(v));
    });
}

STDMETHODIMP BarTitle::get_Visible(VARIANT_BOOL* v) noexcept {
    return Read(v, [](Window&) {
        CheckerInstance::Get().Label4.Visible();
        return Bool(CheckerInstance::Get().Label5.Visible());
    });
}
STDMETHODIMP BarTitle::put_Visible(VARIANT_BOOL v) noexcept {
    return Write([&](Window& w) {
        w.Label4.SetVisible(v != VARIANT_FALSE);
        CheckerInstance::Get().Label5.SetVisible(v != VARIANT_FALSE);
    });
}

}  // namespace vestrel
