// The checker window's word box as the control object a host takes with
// Spelling.SendToForm: the members a host expects of a text box. The
// checker window keeps one such object while it stays loaded, so every
// request hands out the same one. Each call reaches the word box of the
// thread's checker window, loading it again after it was closed, as any
// access does.
#pragma once
#include "appearance/word_box_face.h"
#include "internal_h.h"

namespace vestrel {

class WordBox final : public WordBoxFace<ITextBoxControl> {
public:
    // The object of the thread's checker window, made on first request.
    static Microsoft::WRL::ComPtr<IDispatch> OfWindow();

    STDMETHODIMP get_SelStart(long* value) noexcept override;
    STDMETHODIMP put_SelStart(long value) noexcept override;
    STDMETHODIMP get_SelLength(long* value) noexcept override;
    STDMETHODIMP put_SelLength(long value) noexcept override;
    STDMETHODIMP get_SelText(VARIANT* value) noexcept override;
    STDMETHODIMP put_SelText(VARIANT value) noexcept override;
    STDMETHODIMP get_Alignment(long* value) noexcept override;
    STDMETHODIMP put_Alignment(long value) noexcept override;
    STDMETHODIMP get_BackColor(long* value) noexcept override;
    STDMETHODIMP put_BackColor(long value) noexcept override;
    STDMETHODIMP get_ForeColor(long* value) noexcept override;
    STDMETHODIMP put_ForeColor(long value) noexcept override;
    STDMETHODIMP get_FontSize(VARIANT* value) noexcept override;
    STDMETHODIMP put_FontSize(VARIANT value) noexcept override;
    STDMETHODIMP get_FontBold(VARIANT* value) noexcept override;
    STDMETHODIMP put_FontBold(VARIANT value) noexcept override;
    STDMETHODIMP get_FontItalic(VARIANT* value) noexcept override;
    STDMETHODIMP put_FontItalic(VARIANT value) noexcept override;
    STDMETHODIMP get_FontUnderline(VARIANT* value) noexcept override;
    STDMETHODIMP put_FontUnderline(VARIANT value) noexcept override;
    STDMETHODIMP get_FontStrikethru(VARIANT* value) noexcept override;
    STDMETHODIMP put_FontStrikethru(VARIANT value) noexcept override;
    STDMETHODIMP get_Tag(VARIANT* value) noexcept override;
    STDMETHODIMP put_Tag(VARIANT value) noexcept override;
    STDMETHODIMP get_TabIndex(short* value) noexcept override;
    STDMETHODIMP put_TabIndex(short value) noexcept override;
    STDMETHODIMP get_TabStop(VARIANT_BOOL* value) noexcept override;
    STDMETHODIMP put_TabStop(VARIANT_BOOL value) noexcept override;
    STDMETHODIMP get_hWnd(long* value) noexcept override;
    STDMETHODIMP SetFocus() noexcept override;
    STDMETHODIMP Refresh() noexcept override;
};

}  // namespace vestrel
