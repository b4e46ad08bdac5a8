// The about window: the component's name running as a marquee in the
// title, its version, a mail link and a notice that scrolls up its box.
// Modeless, one per thread, shown by every check and by Spelling.About,
// unloaded by every close path of the checker window.
#pragma once
#include <string>
#include "forms/command_button.h"
#include "forms/form.h"
#include "forms/image.h"
#include "forms/instance.h"
#include "forms/label.h"
#include "forms/picture_box.h"
#include "forms/scroll_bar.h"
#include "forms/text_box.h"
#include "forms/timer.h"

namespace vestrel {

class AboutWindow final : public forms::Form {
public:
    AboutWindow();

    // Drags the window with the mouse, as by a caption bar.
    void Mover();

    forms::Label Label4;
    forms::Label lblVersion;
    forms::Label lblDescription;
    forms::Image Image1;
    forms::Label Label1;
    forms::Label Label2;
    forms::Label Mail;
    forms::Label Label3;
    forms::PictureBox Picture1;
    forms::TextBox Text1;
    forms::CommandButton cmdOK;
    forms::ScrollBar VScroll1;
    forms::Timer Timer1;
    forms::Timer Timer2;

private:
    void OnDensityChanged() override;
    LRESULT Message(UINT message, WPARAM wParam, LPARAM lParam) override;
    void Centre();
    void RotateMarquee();
    void ScrollNotice();

    std::wstring marquee_;
};

using AboutInstance = forms::Instance<AboutWindow>;

}  // namespace vestrel
