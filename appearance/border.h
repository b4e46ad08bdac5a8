// Border: the checker window's background colour, shared with its three
// content labels, and its background picture.
#pragma once
#include "appearance/appearance.h"
#include "vestrel_h.h"

namespace vestrel {

class Border final : public appearance::Object<_Border> {
public:
    STDMETHODIMP get_BackColor(WBColor* value) noexcept override;
    STDMETHODIMP put_BackColor(WBColor value) noexcept override;
    STDMETHODIMP get_Picture(VARIANT* value) noexcept override;
    STDMETHODIMP put_Picture(VARIANT value) noexcept override;
};

}  // namespace vestrel
