// lst_Suggestions: the suggestion list of the checker window.
#pragma once
#include "dispatch.h"
#include "pending.h"
#include "vestrel_h.h"

namespace vestrel {

class LstSuggestions final : public Dispatch<_lst_Suggestions> {
public:
    VESTREL_PENDING_PROPERTY(VARIANT, Top)
    VESTREL_PENDING_PROPERTY(VARIANT, Left)
    VESTREL_PENDING_PROPERTY(VARIANT, Width)
    VESTREL_PENDING_PROPERTY(VARIANT, Height)
    VESTREL_PENDING_PROPERTY(lstSuggestionsColor, BackColor)
    VESTREL_PENDING_PROPERTY(lstSuggestionsColor, ForeColor)
    VESTREL_PENDING_PROPERTY(lstAppeareance, Appearance)
    VESTREL_PENDING_PROPERTY(VARIANT_BOOL, Enabled)
    VESTREL_PENDING_PROPERTY(VARIANT, FontName)
    VESTREL_PENDING_PROPERTY(VARIANT, Text)
    VESTREL_PENDING_PROPERTY(VARIANT, ToolTipText)
    VESTREL_PENDING_PROPERTY(VARIANT_BOOL, Visible)
    VESTREL_PENDING_METHOD(Send)
};

}  // namespace vestrel
