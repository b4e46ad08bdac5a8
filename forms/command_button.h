// A push button drawn by the toolkit, so that its back colour, font and
// picture show; '&' in its caption marks the mnemonic. It takes Enter when
// it has the focus, and shows the thick default frame when it is the
// button Enter presses.
#pragma once
#include <ocidl.h>
#include <olectl.h>
#include <wrl/client.h>
#include "forms/control.h"

namespace vestrel::forms {

class CommandButton : public Control {
public:
    CommandButton(Form& form, const std::wstring& caption, const Placement& placement, const Font& font = {});

    std::wstring Caption() const { return Text(); }
    void SetCaption(const std::wstring& caption) { SetText(caption); }
    // A picture drawn above the caption; nullptr for none.
    IPictureDisp* Picture() const noexcept { return picture_.Get(); }
    void SetPicture(IPictureDisp* picture);

private:
    friend class Form;
    void Notified(WORD code) override;
    LRESULT Message(UINT message, WPARAM wParam, LPARAM lParam) override;
    void DrawItem(const DRAWITEMSTRUCT& item);
    bool ShowsDefault() const;

    Microsoft::WRL::ComPtr<IPictureDisp> picture_;
    bool defaultLook_ = false;
};

}  // namespace vestrel::forms
