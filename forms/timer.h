// A timer of a form: ticks on the form's thread while enabled with a
// non-zero interval.
#pragma once
#include <functional>

namespace vestrel::forms {

class Form;

class Timer {
public:
    Timer(Form& form, unsigned intervalMs, bool enabled);
    ~Timer();
    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;

    void SetInterval(unsigned ms);
    bool Enabled() const noexcept { return enabled_; }
    void SetEnabled(bool enabled);

    std::function<void()> Tick;

private:
    friend class Form;
    void Apply();
    void Fire();

    Form& form_;
    unsigned id_;
    unsigned interval_;
    bool enabled_;
    bool firing_ = false;
};

}  // namespace vestrel::forms
