#include "forms/timer.h"
#include <windows.h>
#include "forms/form.h"

namespace vestrel::forms {

Timer::Timer(Form& form, unsigned intervalMs, bool enabled)
    : form_(form), id_(static_cast<unsigned>(form.NextId())), interval_(intervalMs), enabled_(enabled) {
    form_.Add(this);
    Apply();
}

Timer::~Timer() {
    KillTimer(form_.Handle(), id_);
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
    if (enabled_ && interval_ > 0) SetTimer(form_.Handle(), id_, interval_, nullptr);
    else KillTimer(form_.Handle(), id_);
}

// A tick whose handler lets events run does not tick again inside itself.
void Timer::Fire() {
    if (!Tick || firing_) return;
    firing_ = true;
    try {
        Tick();
    } catch (...) {
        firing_ = false;
        throw;
    }
    firing_ = false;
}

}  // namespace vestrel::forms
