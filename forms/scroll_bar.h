// A vertical scroll bar with 16-bit minimum, maximum and value.
#pragma once
#include "forms/control.h"

namespace vestrel::forms {

class ScrollBar : public Control {
public:
    ScrollBar(Form& form, const Placement& placement, bool visible);

    short Min() const noexcept { return min_; }
    short Max() const noexcept { return max_; }
    short Value() const noexcept { return value_; }
    void SetMin(short value);
    void SetMax(short value);
    // A value outside the range between Min and Max is refused.
    void SetValue(short value);

private:
    void Apply();
    short min_ = 0, max_ = 32767, value_ = 0;
};

}  // namespace vestrel::forms
