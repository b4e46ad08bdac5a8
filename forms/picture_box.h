// A picture box: a box of the back colour that holds and clips controls of
// its own (they are created with it as their container).
#pragma once
#include "forms/control.h"

namespace vestrel::forms {

class PictureBox : public Control {
public:
    PictureBox(Form& form, const Placement& placement, OLE_COLOR back);

private:
    LRESULT Message(UINT message, WPARAM wParam, LPARAM lParam) override;
};

}  // namespace vestrel::forms
