#include "forms/scroll_bar.h"
#include <olectl.h>
#include <algorithm>
#include "com/errors.h"

namespace vestrel::forms {

ScrollBar::ScrollBar(Form& form, const Placement& placement, bool visible)
    : Control(form, L"SCROLLBAR", SBS_VERT | (visible ? WS_VISIBLE : 0), 0, placement,
              {COLOR_SCROLLBAR | 0x80000000u, COLOR_BTNTEXT | 0x80000000u}, {}) {
    Apply();
}

// Min may lie above Max (the bar then runs the other way); the value is
// kept inside whichever range they make.
void ScrollBar::SetMin(short value) {
    min_ = value;
    value_ = std::clamp(value_, std::min(min_, max_), std::max(min_, max_));
    Apply();
}

void ScrollBar::SetMax(short value) {
    max_ = value;
    value_ = std::clamp(value_, std::min(min_, max_), std::max(min_, max_));
    Apply();
}

void ScrollBar::SetValue(short value) {
    if (value < std::min(min_, max_) || value > std::max(min_, max_))
        throw ComError(CTL_E_INVALIDPROPERTYVALUE, L"El valor de la barra de desplazamiento está fuera de su intervalo.");
    value_ = value;
    Apply();
}

void ScrollBar::Apply() {
    SCROLLINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = SIF_RANGE | SIF_POS;
    info.nMin = std::min(min_, max_);
    info.nMax = std::max(min_, max_);
    info.nPos = min_ <= max_ ? value_ : min_ + max_ - value_;
    SetScrollInfo(Handle(), SB_CTL, &info, IsWindowVisible(Handle()));
}

}  // namespace vestrel::forms
