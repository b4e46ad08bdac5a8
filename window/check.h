// The check of the word box, one home for every way it starts: a host's
// Spelling call, the check button and the right-button menu.
#pragma once
#include <oaidl.h>
#include <string>
#include <wrl/client.h>

namespace vestrel::check {

// How a correct word is reported: told in a message box (a host's call and
// the check button), or listed as "(Correcto)" (the menu).
enum class Correct { Told, Listed };

// Runs one check: a new engine into holder, the word box's word (an empty
// box is refused with a message), the engine's verdict and suggestions in
// the list, the status label shown. Returns the engine the word was checked
// with, for the caller to tell to quit; none when the box held no word.
Microsoft::WRL::ComPtr<IDispatch> Run(Microsoft::WRL::ComPtr<IDispatch>& holder, Correct report);

}  // namespace vestrel::check
