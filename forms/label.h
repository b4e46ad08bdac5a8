// A label: a caption that takes no focus. An '&' marks a mnemonic.
#pragma once
#include "forms/control.h"

namespace vestrel::forms {

enum class Alignment { Left = 0, Right = 1, Center = 2 };

class Label : public Control {
public:
    Label(Form& form, const std::wstring& caption, const Placement& placement, const Font& font = {},
          Alignment alignment = Alignment::Left, bool visible = true);

    std::wstring Caption() const { return Text(); }
    // Writing the caption it already has leaves the window alone, so a
    // label refreshed by a fast timer does not flicker.
    void SetCaption(const std::wstring& caption);
    Alignment GetAlignment() const noexcept { return alignment_; }
    void SetAlignment(Alignment alignment);
    // A left-aligned label that does not wrap shows one line, clipped.
    void SetWordWrap(bool wrap);
    // A back colour written makes a transparent label opaque.
    void SetBackColor(OLE_COLOR color);
    // A transparent label shows the form's background behind its text.
    void SetTransparent(bool transparent);

private:
    void Notified(WORD code) override;
    HBRUSH Paint(HDC dc) override;
    Alignment alignment_;
    bool wordWrap_ = true;
    bool transparent_ = false;
};

}  // namespace vestrel::forms
