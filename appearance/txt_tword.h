// txtTWord: the word box of the checker window.
#pragma once
#include "dispatch.h"
#include "pending.h"
#include "vestrel_h.h"

namespace vestrel {

class TxtTWord final : public Dispatch<_txtTWord> {
public:
    VESTREL_PENDING_PROPERTY(VARIANT, Top)
    VESTREL_PENDING_PROPERTY(VARIANT, Left)
    VESTREL_PENDING_PROPERTY(VARIANT, Width)
    VESTREL_PENDING_PROPERTY(VARIANT, Height)
    VESTREL_PENDING_PROPERTY(txtWordColor, BackColor)
    VESTREL_PENDING_PROPERTY(txtWordColor, ForeColor)
    VESTREL_PENDING_PROPERTY(posTWord, Alignment)
    VESTREL_PENDING_PROPERTY(txtAppeareance, Appearance)
    VESTREL_PENDING_PROPERTY(txtBorderStyle, BorderStyle)
    VESTREL_PENDING_PROPERTY(VARIANT_BOOL, Enabled)
    VESTREL_PENDING_PROPERTY(VARIANT, FontName)
    VESTREL_PENDING_PROPERTY(VARIANT_BOOL, Locked)
    VESTREL_PENDING_PROPERTY(VARIANT, MaxLength)
    VESTREL_PENDING_PROPERTY(VARIANT, Text)
    VESTREL_PENDING_PROPERTY(VARIANT, ToolTipText)
    VESTREL_PENDING_PROPERTY(VARIANT_BOOL, Visible)
};

}  // namespace vestrel
