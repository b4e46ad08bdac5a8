#include "txt_tword.h"

namespace vestrel {
namespace {

using namespace appearance;

}  // namespace

STDMETHODIMP TxtTWord::get_Top(VARIANT* v) noexcept { return GetTop(v); }
STDMETHODIMP TxtTWord::put_Top(VARIANT v) noexcept { return PutTop(v); }
STDMETHODIMP TxtTWord::get_Left(VARIANT* v) noexcept { return GetLeft(v); }
STDMETHODIMP TxtTWord::put_Left(VARIANT v) noexcept { return PutLeft(v); }
STDMETHODIMP TxtTWord::get_Width(VARIANT* v) noexcept { return GetWidth(v); }
STDMETHODIMP TxtTWord::put_Width(VARIANT v) noexcept { return PutWidth(v); }
STDMETHODIMP TxtTWord::get_Height(VARIANT* v) noexcept { return GetHeight(v); }
STDMETHODIMP TxtTWord::put_Height(VARIANT v) noexcept { return PutHeight(v); }
STDMETHODIMP TxtTWord::get_BackColor(txtWordColor* v) noexcept { return GetBackColor(v); }
STDMETHODIMP TxtTWord::put_BackColor(txtWordColor v) noexcept { return PutBackColor(v); }
STDMETHODIMP TxtTWord::get_ForeColor(txtWordColor* v) noexcept { return GetForeColor(v); }
STDMETHODIMP TxtTWord::put_ForeColor(txtWordColor v) noexcept { return PutForeColor(v); }

// Stored styles.
STDMETHODIMP TxtTWord::get_Alignment(posTWord* v) noexcept { return ReadStyle(alignment_, v); }
STDMETHODIMP TxtTWord::put_Alignment(posTWord v) noexcept {
    return PutAlignment(alignment_, v);
}
STDMETHODIMP TxtTWord::get_Appearance(txtAppeareance* v) noexcept { return ReadStyle(appearance_, v); }
STDMETHODIMP TxtTWord::put_Appearance(txtAppeareance v) noexcept {
    return WriteStyle(appearance_, v, {{0, [](Window& w) { Control(w).SetAppearance(0); }},
                                       {1, [](Window& w) { Control(w).SetAppearance(1); }}});
}
STDMETHODIMP TxtTWord::get_BorderStyle(txtBorderStyle* v) noexcept { return ReadStyle(borderStyle_, v); }
STDMETHODIMP TxtTWord::put_BorderStyle(txtBorderStyle v) noexcept {
    return WriteStyle(borderStyle_, v, {{0, [](Window& w) { Control(w).SetBorderStyle(0); }},
                                        {1, [](Window& w) { Control(w).SetBorderStyle(1); }}});
}

STDMETHODIMP TxtTWord::get_Enabled(VARIANT_BOOL* v) noexcept { return GetEnabled(v); }
STDMETHODIMP TxtTWord::put_Enabled(VARIANT_BOOL v) noexcept { return PutEnabled(v); }
STDMETHODIMP TxtTWord::get_FontName(VARIANT* v) noexcept { return GetFontName(v); }
STDMETHODIMP TxtTWord::put_FontName(VARIANT v) noexcept { return PutFontName(v); }

STDMETHODIMP TxtTWord::get_Locked(VARIANT_BOOL* v) noexcept { return Read(v, [](Window& w) { return Bool(Control(w).Locked()); }); }
STDMETHODIMP TxtTWord::put_Locked(VARIANT_BOOL v) noexcept { return Write([&](Window& w) { Control(w).SetLocked(v != VARIANT_FALSE); }); }

STDMETHODIMP TxtTWord::get_MaxLength(VARIANT* v) noexcept { return ReadVariant(v, [](Window& w) { return Long(Control(w).MaxLength()); }); }
STDMETHODIMP TxtTWord::put_MaxLength(VARIANT v) noexcept { return Write([&](Window& w) { Control(w).SetMaxLength(ToLong(v)); }); }

STDMETHODIMP TxtTWord::get_Text(VARIANT* v) noexcept { return ReadVariant(v, [](Window& w) { return Variant::String(Control(w).Text()); }); }
STDMETHODIMP TxtTWord::put_Text(VARIANT v) noexcept { return Write([&](Window& w) { Control(w).SetText(ToText(v)); }); }

STDMETHODIMP TxtTWord::get_ToolTipText(VARIANT* v) noexcept { return GetToolTipText(v); }
STDMETHODIMP TxtTWord::put_ToolTipText(VARIANT v) noexcept { return PutToolTipText(v); }
STDMETHODIMP TxtTWord::get_Visible(VARIANT_BOOL* v) noexcept { return GetVisible(v); }
STDMETHODIMP TxtTWord::put_Visible(VARIANT_BOOL v) noexcept { return PutVisible(v); }

}  // namespace vestrel
