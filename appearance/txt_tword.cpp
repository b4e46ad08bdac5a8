#include "appearance/txt_tword.h"

namespace vestrel {

STDMETHODIMP TxtTWord::get_BackColor(txtWordColor* v) noexcept { return GetBackColor(v); }
STDMETHODIMP TxtTWord::put_BackColor(txtWordColor v) noexcept { return PutBackColor(v); }
STDMETHODIMP TxtTWord::get_ForeColor(txtWordColor* v) noexcept { return GetForeColor(v); }
STDMETHODIMP TxtTWord::put_ForeColor(txtWordColor v) noexcept { return PutForeColor(v); }

// Stored styles.
STDMETHODIMP TxtTWord::get_Alignment(posTWord* v) noexcept { return ReadStyle(alignment_, v); }
STDMETHODIMP TxtTWord::put_Alignment(posTWord v) noexcept { return PutAlignment(alignment_, v); }
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

}  // namespace vestrel
