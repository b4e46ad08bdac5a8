// The appearance object of one of the two command buttons: Check drives
// cmdCheck, cmdClose drives cmdClose. Both share one member list.
#pragma once
#include "dispatch.h"
#include "pending.h"
#include "vestrel_h.h"

namespace vestrel {

template <typename Interface, typename Color>
class CommandButton final : public Dispatch<Interface> {
    using Dispatch<Interface>::NotBuilt;

public:
    VESTREL_PENDING_PROPERTY(Color, BackColor)
    VESTREL_PENDING_PROPERTY(VARIANT, Caption)
    VESTREL_PENDING_PROPERTY(VARIANT_BOOL, Enabled)
    VESTREL_PENDING_PROPERTY(VARIANT, FontName)
    VESTREL_PENDING_PROPERTY(VARIANT, Height)
    VESTREL_PENDING_PROPERTY(VARIANT, Width)
    VESTREL_PENDING_PROPERTY(VARIANT, Left)
    VESTREL_PENDING_PROPERTY(VARIANT, Top)
    VESTREL_PENDING_PROPERTY(VARIANT, Picture)
    VESTREL_PENDING_PROPERTY(VARIANT, ToolTipText)
    VESTREL_PENDING_PROPERTY(VARIANT_BOOL, Visible)
    VESTREL_PENDING_PROPERTY(VARIANT, FontBold)
    VESTREL_PENDING_PROPERTY(VARIANT, FontItalic)
    VESTREL_PENDING_PROPERTY(VARIANT, FontUnderline)
};

using Check = CommandButton<_Check, BKckColor>;
using CmdClose = CommandButton<_cmdClose, BKColor>;

}  // namespace vestrel
