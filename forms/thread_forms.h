// A form's place among the live forms of the process, each with the thread
// it belongs to, and that thread's keyboard hook: the first form of a
// thread sets it, the last one to go takes it down. Not thread-local
// storage: the runtime frees that before the DLL hears that a thread ends,
// and the thread's end must still find its forms.
#pragma once
#include <windows.h>

namespace vestrel::forms {

class Form;

class ThreadForms {
public:
    explicit ThreadForms(Form& form) noexcept;
    ~ThreadForms();
    ThreadForms(const ThreadForms&) = delete;
    ThreadForms& operator=(const ThreadForms&) = delete;

    // The newest live form of the calling thread, or nullptr.
    static Form* NewestOfThisThread() noexcept;

private:
    Form& form_;
    const DWORD thread_ = GetCurrentThreadId();
    HHOOK hook_ = nullptr;
    ThreadForms* previous_ = nullptr;
    ThreadForms* next_ = nullptr;
};

}  // namespace vestrel::forms
