// Runs a step when the scope ends, however it ends: the reset a flag needs
// on the way out, or the clean-up of a half-built list that Dismiss keeps
// once the list is whole.
//   busy = true; const ScopeExit done([&] { busy = false; });
#pragma once
#include <utility>

namespace vestrel {

template <typename Step>
class ScopeExit {
public:
    explicit ScopeExit(Step step) noexcept : step_(std::move(step)) {}
    ~ScopeExit() {
        if (armed_) step_();
    }
    ScopeExit(const ScopeExit&) = delete;
    ScopeExit& operator=(const ScopeExit&) = delete;
    void Dismiss() noexcept { armed_ = false; }

private:
    Step step_;
    bool armed_ = true;
};

}  // namespace vestrel
