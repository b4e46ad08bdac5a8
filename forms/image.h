// An image control: a picture on the form, stretched to the control or at
// its own size, with the form's background around it.
#pragma once
#include "forms/control.h"
#include "forms/picture.h"

namespace vestrel::forms {

class Image : public Control {
public:
    Image(Form& form, const Placement& placement, bool stretch = false);

    void SetPicture(Picture picture);

private:
    LRESULT Message(UINT message, WPARAM wParam, LPARAM lParam) override;
    void Draw(HDC dc, const RECT& client) override;
    Picture picture_;
    bool stretch_;
};

}  // namespace vestrel::forms
