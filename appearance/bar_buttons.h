// BarButtons: the caption buttons and the button band of the checker window.
#pragma once
#include "dispatch.h"
#include "pending.h"
#include "vestrel_h.h"

namespace vestrel {

class BarButtons final : public Dispatch<_BarButtons> {
public:
    VESTREL_PENDING_PROPERTY(VARIANT_BOOL, ButtonHelpVisible)
    VESTREL_PENDING_PROPERTY(VARIANT_BOOL, ButtonMinVisible)
    VESTREL_PENDING_PROPERTY(VARIANT_BOOL, ButtonCloseVisible)
    VESTREL_PENDING_PROPERTY(VARIANT, BarButtonsTop)
    VESTREL_PENDING_PROPERTY(VARIANT, BarButtonsLeft)
    VESTREL_PENDING_PROPERTY(VARIANT, HelpButtonLeft)
    VESTREL_PENDING_PROPERTY(VARIANT, HelpToolTipText)
    VESTREL_PENDING_PROPERTY(VARIANT, MinToolTipText)
    VESTREL_PENDING_PROPERTY(VARIANT, CloseToolTipText)
    VESTREL_PENDING_PROPERTY(VARIANT, HelpTop)
    // The help file path, kept in the help image's Tag.
    STDMETHODIMP get_HelpFilePath(VARIANT* value) noexcept override;
    STDMETHODIMP put_HelpFilePath(VARIANT value) noexcept override;
    VESTREL_PENDING_PROPERTY(ToolBColor, BackColor)
    VESTREL_PENDING_PROPERTY(BorderS, BorderStyle)
    VESTREL_PENDING_PROPERTY(BStyle, BackStyle)
    VESTREL_PENDING_PROPERTY(VARIANT_BOOL, BorderTBVisible)
};

}  // namespace vestrel
