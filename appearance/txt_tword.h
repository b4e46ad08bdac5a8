// txtTWord: the word box of the checker window.
#pragma once
#include "appearance.h"
#include "vestrel_h.h"

namespace vestrel {

inline forms::TextBox& WordBoxOf(CheckerWindow& window) { return window.txtWord; }

class TxtTWord final : public appearance::Styled<_txtTWord, &WordBoxOf> {
public:
    STDMETHODIMP get_Top(VARIANT* value) noexcept override;
    STDMETHODIMP put_Top(VARIANT value) noexcept override;
    STDMETHODIMP get_Left(VARIANT* value) noexcept override;
    STDMETHODIMP put_Left(VARIANT value) noexcept override;
    STDMETHODIMP get_Width(VARIANT* value) noexcept override;
    STDMETHODIMP put_Width(VARIANT value) noexcept override;
    STDMETHODIMP get_Height(VARIANT* value) noexcept override;
    STDMETHODIMP put_Height(VARIANT value) noexcept override;
    STDMETHODIMP get_BackColor(txtWordColor* value) noexcept override;
    STDMETHODIMP put_BackColor(txtWordColor value) noexcept override;
    STDMETHODIMP get_ForeColor(txtWordColor* value) noexcept override;
    STDMETHODIMP put_ForeColor(txtWordColor value) noexcept override;
    STDMETHODIMP get_Alignment(posTWord* value) noexcept override;
    STDMETHODIMP put_Alignment(posTWord value) noexcept override;
    STDMETHODIMP get_Appearance(txtAppeareance* value) noexcept override;
    STDMETHODIMP put_Appearance(txtAppeareance value) noexcept override;
    STDMETHODIMP get_BorderStyle(txtBorderStyle* value) noexcept override;
    STDMETHODIMP put_BorderStyle(txtBorderStyle value) noexcept override;
    STDMETHODIMP get_Enabled(VARIANT_BOOL* value) noexcept override;
    STDMETHODIMP put_Enabled(VARIANT_BOOL value) noexcept override;
    STDMETHODIMP get_FontName(VARIANT* value) noexcept override;
    STDMETHODIMP put_FontName(VARIANT value) noexcept override;
    STDMETHODIMP get_Locked(VARIANT_BOOL* value) noexcept override;
    STDMETHODIMP put_Locked(VARIANT_BOOL value) noexcept override;
    STDMETHODIMP get_MaxLength(VARIANT* value) noexcept override;
    STDMETHODIMP put_MaxLength(VARIANT value) noexcept override;
    STDMETHODIMP get_Text(VARIANT* value) noexcept override;
    STDMETHODIMP put_Text(VARIANT value) noexcept override;
    STDMETHODIMP get_ToolTipText(VARIANT* value) noexcept override;
    STDMETHODIMP put_ToolTipText(VARIANT value) noexcept override;
    STDMETHODIMP get_Visible(VARIANT_BOOL* value) noexcept override;
    STDMETHODIMP put_Visible(VARIANT_BOOL value) noexcept override;

private:
    long alignment_ = 0;
    long appearance_ = 0;
    long borderStyle_ = 0;
};

}  // namespace vestrel
