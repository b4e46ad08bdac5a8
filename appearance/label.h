// The appearance objects of the three content labels: Label_Status drives
// the status label, Label_Suggestions and Label_txtWord the two captions.
#pragma once
#include "dispatch.h"
#include "pending.h"
#include "vestrel_h.h"

namespace vestrel {

template <typename Interface, typename Align, typename Color>
class LabelBase : public Dispatch<Interface> {
protected:
    using Dispatch<Interface>::NotBuilt;

public:
    VESTREL_PENDING_PROPERTY(Align, Alignment)
    VESTREL_PENDING_PROPERTY(VARIANT, FontBold)
    VESTREL_PENDING_PROPERTY(VARIANT, FontItalic)
    VESTREL_PENDING_PROPERTY(VARIANT, Top)
    VESTREL_PENDING_PROPERTY(VARIANT_BOOL, Enabled)
    VESTREL_PENDING_PROPERTY(VARIANT_BOOL, Visible)
    VESTREL_PENDING_PROPERTY(VARIANT, ToolTipText)
    VESTREL_PENDING_PROPERTY(Color, ForeColor)
    VESTREL_PENDING_PROPERTY(VARIANT, FontName)
    VESTREL_PENDING_PROPERTY(VARIANT, Left)
};

// The status label has a size and no caption.
class LabelStatus final : public LabelBase<_Label_Status, Status, FColorStatus> {
public:
    VESTREL_PENDING_PROPERTY(VARIANT, Height)
    VESTREL_PENDING_PROPERTY(VARIANT, Width)
};

// The two captions have a caption and no size.
template <typename Interface, typename Align, typename Color>
class CaptionLabel final : public LabelBase<Interface, Align, Color> {
    using LabelBase<Interface, Align, Color>::NotBuilt;

public:
    VESTREL_PENDING_PROPERTY(VARIANT, Caption)
};

using LabelSuggestions = CaptionLabel<_Label_Suggestions, Suggestions, FCSuggestions>;
using LabelTxtWord = CaptionLabel<_Label_txtWord, posTxtWord, FCTxtWord>;

}  // namespace vestrel
