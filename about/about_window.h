// The about window: modeless, one per thread, shown by every check and by
// Spelling.About, unloaded by every close path of the checker window.
#pragma once
#include "forms/command_button.h"
#include "forms/form.h"
#include "forms/instance.h"
#include "forms/label.h"

namespace vestrel {

class AboutWindow final : public forms::Form {
public:
    AboutWindow();

    forms::Label lblVersion;
    forms::Label lblDescription;
    forms::CommandButton cmdOK;

private:
    LRESULT Message(UINT message, WPARAM wParam, LPARAM lParam) override;
    void Centre();
};

using AboutInstance = forms::Instance<AboutWindow>;

}  // namespace vestrel
