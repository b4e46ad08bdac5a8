// The check of the word box, one home for every way it starts: a host's
// Spelling call, the check button and the right-button menu.
#pragma once
#include <oaidl.h>
#include <string>
#include <wrl/client.h>

namespace vestrel::check {

// Where a check starts, which decides two of its steps.
// Call: a host's Spelling call or the check button. A correct word is told
// in a message box; after the empty-word warning the word box gets the
// focus only when the window is shown.
// Menu: the right-button menu. A correct word is listed as "(Correcto)";
// after the warning the word box gets the focus whatever became of the
// window while the warning was open, so a window hidden or closed meanwhile
// ends in the focus error, reported to the user.
enum class Origin { Call, Menu };

// Runs one check: a new engine into holder, the word box's word (an empty
// box is refused with a message), the engine's verdict and suggestions in
// the list, the status label shown. Returns the engine the word was checked
// with, for the caller to tell to quit; none when the box held no word.
Microsoft::WRL::ComPtr<IDispatch> Run(Microsoft::WRL::ComPtr<IDispatch>& holder, Origin origin);

}  // namespace vestrel::check
