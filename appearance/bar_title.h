// BarTitle: the title label of the checker window and the band behind it.
#pragma once
#include "dispatch.h"
#include "pending.h"
#include "vestrel_h.h"

namespace vestrel {

class BarTitle final : public Dispatch<_BarTitle> {
public:
    VESTREL_PENDING_PROPERTY(BTitleSize, FontSize)
    VESTREL_PENDING_PROPERTY(VARIANT, Caption)
    VESTREL_PENDING_PROPERTY(ConsColor, ForeColor)
    VESTREL_PENDING_PROPERTY(VARIANT_BOOL, FontBold)
    VESTREL_PENDING_PROPERTY(VARIANT_BOOL, FontItalic)
    VESTREL_PENDING_PROPERTY(VARIANT_BOOL, FontUnderline)
    VESTREL_PENDING_PROPERTY(Title, Alignment)
    VESTREL_PENDING_PROPERTY(ConsColor, BackColor)
    VESTREL_PENDING_PROPERTY(VARIANT_BOOL, Enabled)
    VESTREL_PENDING_PROPERTY(VARIANT, ToolTipText)
    VESTREL_PENDING_PROPERTY(VARIANT_BOOL, Visible)
    VESTREL_PENDING_PROPERTY(VARIANT, FontName)
};

}  // namespace vestrel
