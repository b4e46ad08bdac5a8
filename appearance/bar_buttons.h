// BarButtons: the caption images and the button band of the checker window.
// The minimise and maximise images always share one visibility.
#pragma once
#include "appearance/appearance.h"
#include "vestrel_h.h"

namespace vestrel {

class BarButtons final : public appearance::Object<_BarButtons> {
public:
    STDMETHODIMP get_ButtonHelpVisible(VARIANT_BOOL* value) noexcept override;
    STDMETHODIMP put_ButtonHelpVisible(VARIANT_BOOL value) noexcept override;
    STDMETHODIMP get_ButtonMinVisible(VARIANT_BOOL* value) noexcept override;
    STDMETHODIMP put_ButtonMinVisible(VARIANT_BOOL value) noexcept override;
    STDMETHODIMP get_ButtonCloseVisible(VARIANT_BOOL* value) noexcept override;
    STDMETHODIMP put_ButtonCloseVisible(VARIANT_BOOL value) noexcept override;
    STDMETHODIMP get_BarButtonsTop(VARIANT* value) noexcept override;
    STDMETHODIMP put_BarButtonsTop(VARIANT value) noexcept override;
    STDMETHODIMP get_BarButtonsLeft(VARIANT* value) noexcept override;
    STDMETHODIMP put_BarButtonsLeft(VARIANT value) noexcept override;
    STDMETHODIMP get_HelpButtonLeft(VARIANT* value) noexcept override;
    STDMETHODIMP put_HelpButtonLeft(VARIANT value) noexcept override;
    STDMETHODIMP get_HelpToolTipText(VARIANT* value) noexcept override;
    STDMETHODIMP put_HelpToolTipText(VARIANT value) noexcept override;
    STDMETHODIMP get_MinToolTipText(VARIANT* value) noexcept override;
    STDMETHODIMP put_MinToolTipText(VARIANT value) noexcept override;
    STDMETHODIMP get_CloseToolTipText(VARIANT* value) noexcept override;
    STDMETHODIMP put_CloseToolTipText(VARIANT value) noexcept override;
    STDMETHODIMP get_HelpTop(VARIANT* value) noexcept override;
    STDMETHODIMP put_HelpTop(VARIANT value) noexcept override;
    // The help file path, kept in the help image's Tag.
    STDMETHODIMP get_HelpFilePath(VARIANT* value) noexcept override;
    STDMETHODIMP put_HelpFilePath(VARIANT value) noexcept override;
    STDMETHODIMP get_BackColor(ToolBColor* value) noexcept override;
    STDMETHODIMP put_BackColor(ToolBColor value) noexcept override;
    STDMETHODIMP get_BorderStyle(BorderS* value) noexcept override { return ReadStyle(borderStyle_, value); }
    STDMETHODIMP put_BorderStyle(BorderS value) noexcept override;
    STDMETHODIMP get_BackStyle(BStyle* value) noexcept override { return ReadStyle(backStyle_, value); }
    STDMETHODIMP put_BackStyle(BStyle value) noexcept override;
    STDMETHODIMP get_BorderTBVisible(VARIANT_BOOL* value) noexcept override;
    STDMETHODIMP put_BorderTBVisible(VARIANT_BOOL value) noexcept override;

private:
    long borderStyle_ = 0;
    long backStyle_ = 0;
};

}  // namespace vestrel
