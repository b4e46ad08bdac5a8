// The order Tab follows through a form's controls: kept as a list and laid
// out as the z-order of their windows, which is the order the dialog
// manager walks.
#pragma once
#include <windows.h>
#include <initializer_list>
#include <vector>

namespace vestrel::forms {

class Control;

class TabOrder {
public:
    // The order from the top of the form's windows.
    void Set(std::initializer_list<Control*> order);
    // The control's place in the order, or -1.
    int IndexOf(const Control* control) const noexcept;
    // Moves the control to index (past the end: last, as forms do); the
    // order keeps its place among form's other windows.
    void Move(Control* control, int index, HWND form);
    void Remove(const Control* control) noexcept;
    // The first control in order that can take the focus gets it.
    void FocusFirst() const;

private:
    // Lays the controls in order below the window above.
    void Apply(HWND above) const;
    std::vector<Control*> order_;
};

}  // namespace vestrel::forms
