// The checker window's word box as an automation object, what
// Spelling.SendToForm hands the host. Each call reaches the word box of the
// thread's checker window, so the object keeps working after the window is
// closed: the call loads it again, as any access does.
#pragma once
#include <functional>
#include "core/dispatch.h"
#include "forms/text_box.h"
#include "internal_h.h"

namespace vestrel {

class WordBox final : public Dispatch<ITextBoxControl> {
public:
    STDMETHODIMP get_Text(BSTR* value) noexcept override;
    STDMETHODIMP put_Text(BSTR value) noexcept override;
    STDMETHODIMP get_SelStart(long* value) noexcept override;
    STDMETHODIMP put_SelStart(long value) noexcept override;
    STDMETHODIMP get_SelLength(long* value) noexcept override;
    STDMETHODIMP put_SelLength(long value) noexcept override;
    STDMETHODIMP get_SelText(BSTR* value) noexcept override;
    STDMETHODIMP put_SelText(BSTR value) noexcept override;
    STDMETHODIMP get_MaxLength(long* value) noexcept override;
    STDMETHODIMP put_MaxLength(long value) noexcept override;
    STDMETHODIMP get_Locked(VARIANT_BOOL* value) noexcept override;
    STDMETHODIMP put_Locked(VARIANT_BOOL value) noexcept override;
    STDMETHODIMP get_Enabled(VARIANT_BOOL* value) noexcept override;
    STDMETHODIMP put_Enabled(VARIANT_BOOL value) noexcept override;
    STDMETHODIMP get_Visible(VARIANT_BOOL* value) noexcept override;
    STDMETHODIMP put_Visible(VARIANT_BOOL value) noexcept override;
    STDMETHODIMP get_Left(float* value) noexcept override;
    STDMETHODIMP put_Left(float value) noexcept override;
    STDMETHODIMP get_Top(float* value) noexcept override;
    STDMETHODIMP put_Top(float value) noexcept override;
    STDMETHODIMP get_Width(float* value) noexcept override;
    STDMETHODIMP put_Width(float value) noexcept override;
    STDMETHODIMP get_Height(float* value) noexcept override;
    STDMETHODIMP put_Height(float value) noexcept override;
    STDMETHODIMP get_BackColor(OLE_COLOR* value) noexcept override;
    STDMETHODIMP put_BackColor(OLE_COLOR value) noexcept override;
    STDMETHODIMP get_ForeColor(OLE_COLOR* value) noexcept override;
    STDMETHODIMP put_ForeColor(OLE_COLOR value) noexcept override;
    STDMETHODIMP get_FontName(BSTR* value) noexcept override;
    STDMETHODIMP put_FontName(BSTR value) noexcept override;
    STDMETHODIMP get_FontSize(float* value) noexcept override;
    STDMETHODIMP put_FontSize(float value) noexcept override;
    STDMETHODIMP get_FontBold(VARIANT_BOOL* value) noexcept override;
    STDMETHODIMP put_FontBold(VARIANT_BOOL value) noexcept override;
    STDMETHODIMP get_hWnd(long* value) noexcept override;
    STDMETHODIMP SetFocus() noexcept override;

private:
    // Runs body on the word box; the object belongs to its thread's window.
    HRESULT With(const std::function<void(forms::TextBox&)>& body) noexcept;
    template <typename T, typename Read>
    HRESULT Get(T* value, Read read) noexcept {
        if (!value) return E_POINTER;
        return With([&](forms::TextBox& box) { *value = read(box); });
    }
};

}  // namespace vestrel
