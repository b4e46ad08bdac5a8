#include "forms/tab_order.h"
#include <algorithm>
#include "forms/control.h"

namespace vestrel::forms {

void TabOrder::Set(std::initializer_list<Control*> order) {
    order_.assign(order);
    Apply(HWND_TOP);
}

int TabOrder::IndexOf(const Control* control) const noexcept {
    const auto at = std::find(order_.begin(), order_.end(), control);
    return at == order_.end() ? -1 : static_cast<int>(at - order_.begin());
}

void TabOrder::Move(Control* control, int index, HWND form) {
    // The order starts below the window that is above the first of its
    // controls now.
    HWND above = HWND_TOP;
    for (HWND child = GetWindow(form, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (std::any_of(order_.begin(), order_.end(), [child](const Control* c) { return c->Handle() == child; }))
            break;
        above = child;
    }
    Remove(control);
    const size_t place = std::min(static_cast<size_t>(index), order_.size());
    order_.insert(order_.begin() + static_cast<std::ptrdiff_t>(place), control);
    Apply(above);
}

void TabOrder::Remove(const Control* control) noexcept {
    order_.erase(std::remove(order_.begin(), order_.end(), control), order_.end());
}

void TabOrder::FocusFirst() const {
    for (Control* control : order_) {
        if (IsWindowVisible(control->Handle()) && IsWindowEnabled(control->Handle())) {
            ::SetFocus(control->Handle());
            return;
        }
    }
}

void TabOrder::Apply(HWND above) const {
    HWND previous = above;
    for (Control* control : order_) {
        SetWindowPos(control->Handle(), previous, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        previous = control->Handle();
    }
}

}  // namespace vestrel::forms
