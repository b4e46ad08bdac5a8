// Border: the checker window's background colour and picture.
#pragma once
#include "dispatch.h"
#include "pending.h"
#include "vestrel_h.h"

namespace vestrel {

class Border final : public Dispatch<_Border> {
public:
    VESTREL_PENDING_PROPERTY(WBColor, BackColor)
    VESTREL_PENDING_PROPERTY(VARIANT, Picture)
};

}  // namespace vestrel
