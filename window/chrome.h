// The frame the checker and about windows draw themselves: the outline
// they are cut to and the drag by their title.
#pragma once
#include <windows.h>
#include "forms/form.h"

namespace vestrel::chrome {

// Builds the outline at scale 1 for the screen and hands it to the form's
// window (which owns it from then on), redrawn at once.
void ApplyOutline(forms::Form& form);

// Lets the user drag the form as by a caption bar: the control that took
// the press gives up the mouse, and the window system moves the window
// with it until the button goes up.
void Mover(forms::Form& form);

}  // namespace vestrel::chrome
