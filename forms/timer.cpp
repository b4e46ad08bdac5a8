#include "forms/timer.h"
#include <windows.h>
#include "com/scope_exit.h"
#include "forms/form.h"

namespace vestrel::forms {

Timer::Timer(Form& form, unsigned intervalMs, bool enabled)
    : form_(form), id_(static_cast<unsigned>(form.NextId())), interval_(intervalMs), enabled_(enabled) {
    form_.Add(this);
    Apply();
}

// A timer lives on its form's window. Once the window is gone (after
// WM_NCDESTROY its handle is null) there is nothing to kill or set: with a
// null window the calls would act on the thread's own timers, a host's.
Timer::~Timer() {
    if (const HWND window = form_.Handle()) KillTimer(window, id_);
    form_.Remove(this);
}

void Timer::SetInterval(unsigned ms) {
    interval_ = ms;
    Apply();
}

void Timer::SetEnabled(bool enabled) {
    enabled_ = enabled;
    Apply();
}

// An interval of 0 stops the timer, whatever Enabled says.
void Timer::Apply() {
    const HWND window = form_.Handle();
    if (!window) return;
    if (enabled_ && interval_ > 0) SetTimer(window, id_, interval_, nullptr);
    else KillTimer(window, id_);
}

// A tick whose handler lets events run does not tick again inside itself.
void Timer::Fire() {
    if (!Tick || firing_) return;
    firing_ = true;
    const ScopeExit fired([this] { firing_ = false; });
    Tick();
}

}  // namespace vestrel::forms
