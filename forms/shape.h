// A rectangle shape drawn on the form. It takes no mouse input: presses on
// it reach the form's background.
#pragma once
#include "forms/control.h"

namespace vestrel::forms {

class Shape : public Control {
public:
    // Back style 0 lets the background show through, 1 fills with the back
    // colour; border style 0 draws no border, 1 a solid line.
    Shape(Form& form, const Placement& placement, OLE_COLOR back, int backStyle, int borderStyle);

    void SetBackStyle(int style);
    int BorderStyle() const noexcept { return borderStyle_; }
    void SetBorderStyle(int style);

private:
    LRESULT Message(UINT message, WPARAM wParam, LPARAM lParam) override;
    void Draw(HDC dc, const RECT& client) override;
    int backStyle_;
    int borderStyle_;
    OLE_COLOR borderColor_ = 0;
};

}  // namespace vestrel::forms
