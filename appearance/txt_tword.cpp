#include "txt_tword.h"

namespace vestrel {
namespace {

using namespace appearance;
forms::TextBox& Box(CheckerWindow& window) { return window.txtWord; }
VARIANT_BOOL Bool(bool value) { return value ? VARIANT_TRUE : VARIANT_FALSE; }

}  // namespace

// Positions and sizes: twips as single-precision numbers.
STDMETHODIMP TxtTWord::get_Top(VARIANT* v) noexcept { return ReadVariant(v, [](Window& w) { return Single(Box(w).Top()); }); }
STDMETHODIMP TxtTWord::put_Top(VARIANT v) noexcept { return Write([&](Window& w) { Box(w).SetTop(ToSingle(v)); }); }
STDMETHODIMP TxtTWord::get_Left(VARIANT* v) noexcept { return ReadVariant(v, [](Window& w) { return Single(Box(w).Left()); }); }
STDMETHODIMP TxtTWord::put_Left(VARIANT v) noexcept { return Write([&](Window& w) { Box(w).SetLeft(ToSingle(v)); }); }
STDMETHODIMP TxtTWord::get_Width(VARIANT* v) noexcept { return ReadVariant(v, [](Window& w) { return Single(Box(w).Width()); }); }
STDMETHODIMP TxtTWord::put_Width(VARIANT v) noexcept { return Write([&](Window& w) { Box(w).SetWidth(ToSingle(v)); }); }
STDMETHODIMP TxtTWord::get_Height(VARIANT* v) noexcept { return ReadVariant(v, [](Window& w) { return Single(Box(w).Height()); }); }
STDMETHODIMP TxtTWord::put_Height(VARIANT v) noexcept { return Write([&](Window& w) { Box(w).SetHeight(ToSingle(v)); }); }

// Colours pass through unchanged.
STDMETHODIMP TxtTWord::get_BackColor(txtWordColor* v) noexcept { return Read(v, [](Window& w) { return static_cast<txtWordColor>(Box(w).BackColor()); }); }
STDMETHODIMP TxtTWord::put_BackColor(txtWordColor v) noexcept { return Write([&](Window& w) { Box(w).SetBackColor(static_cast<OLE_COLOR>(v)); }); }
STDMETHODIMP TxtTWord::get_ForeColor(txtWordColor* v) noexcept { return Read(v, [](Window& w) { return static_cast<txtWordColor>(Box(w).ForeColor()); }); }
STDMETHODIMP TxtTWord::put_ForeColor(txtWordColor v) noexcept { return Write([&](Window& w) { Box(w).SetForeColor(static_cast<OLE_COLOR>(v)); }); }

// Stored styles.
STDMETHODIMP TxtTWord::get_Alignment(posTWord* v) noexcept { return ReadStyle(alignment_, v); }
STDMETHODIMP TxtTWord::put_Alignment(posTWord v) noexcept {
    return WriteStyle(alignment_, v, AlignmentRows([](Window& w, forms::Alignment a) { Box(w).SetAlignment(a); }));
}
STDMETHODIMP TxtTWord::get_Appearance(txtAppeareance* v) noexcept { return ReadStyle(appearance_, v); }
STDMETHODIMP TxtTWord::put_Appearance(txtAppeareance v) noexcept {
    return WriteStyle(appearance_, v, {{0, [](Window& w) { Box(w).SetAppearance(0); }},
                                       {1, [](Window& w) { Box(w).SetAppearance(1); }}});
}
STDMETHODIMP TxtTWord::get_BorderStyle(txtBorderStyle* v) noexcept { return ReadStyle(borderStyle_, v); }
STDMETHODIMP TxtTWord::put_BorderStyle(txtBorderStyle v) noexcept {
    return WriteStyle(borderStyle_, v, {{0, [](Window& w) { Box(w).SetBorderStyle(0); }},
                                        {1, [](Window& w) { Box(w).SetBorderStyle(1); }}});
}

STDMETHODIMP TxtTWord::get_Enabled(VARIANT_BOOL* v) noexcept { return Read(v, [](Window& w) { return Bool(Box(w).Enabled()); }); }
STDMETHODIMP TxtTWord::put_Enabled(VARIANT_BOOL v) noexcept { return Write([&](Window& w) { Box(w).SetEnabled(v != VARIANT_FALSE); }); }

STDMETHODIMP TxtTWord::get_FontName(VARIANT* v) noexcept { return ReadVariant(v, [](Window& w) { return Variant::String(Box(w).GetFont().name); }); }
STDMETHODIMP TxtTWord::put_FontName(VARIANT v) noexcept {
    return Write([&](Window& w) {
        forms::Font font = Box(w).GetFont();
        font.name = ToText(v);
        Box(w).SetFont(font);
    });
}

STDMETHODIMP TxtTWord::get_Locked(VARIANT_BOOL* v) noexcept { return Read(v, [](Window& w) { return Bool(Box(w).Locked()); }); }
STDMETHODIMP TxtTWord::put_Locked(VARIANT_BOOL v) noexcept { return Write([&](Window& w) { Box(w).SetLocked(v != VARIANT_FALSE); }); }

STDMETHODIMP TxtTWord::get_MaxLength(VARIANT* v) noexcept { return ReadVariant(v, [](Window& w) { return Long(Box(w).MaxLength()); }); }
STDMETHODIMP TxtTWord::put_MaxLength(VARIANT v) noexcept { return Write([&](Window& w) { Box(w).SetMaxLength(ToLong(v)); }); }

STDMETHODIMP TxtTWord::get_Text(VARIANT* v) noexcept { return ReadVariant(v, [](Window& w) { return Variant::String(Box(w).Text()); }); }
STDMETHODIMP TxtTWord::put_Text(VARIANT v) noexcept { return Write([&](Window& w) { Box(w).SetText(ToText(v)); }); }

STDMETHODIMP TxtTWord::get_ToolTipText(VARIANT* v) noexcept { return ReadVariant(v, [](Window& w) { return Variant::String(Box(w).ToolTipText()); }); }
STDMETHODIMP TxtTWord::put_ToolTipText(VARIANT v) noexcept { return Write([&](Window& w) { Box(w).SetToolTipText(ToText(v)); }); }

STDMETHODIMP TxtTWord::get_Visible(VARIANT_BOOL* v) noexcept { return Read(v, [](Window& w) { return Bool(Box(w).Visible()); }); }
STDMETHODIMP TxtTWord::put_Visible(VARIANT_BOOL v) noexcept { return Write([&](Window& w) { Box(w).SetVisible(v != VARIANT_FALSE); }); }

}  // namespace vestrel
