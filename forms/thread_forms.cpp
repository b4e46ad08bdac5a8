#include "forms/thread_forms.h"
#include <mutex>
#include "forms/form.h"

namespace vestrel::forms {
namespace {

std::mutex formsMutex;
ThreadForms* newest = nullptr;

// Hosts run their own message loops, which know nothing of our forms. A
// hook on each thread with forms gives them what a dialog loop would: Tab
// moves the focus, Enter presses the default button.
LRESULT CALLBACK KeyboardHook(int code, WPARAM wParam, LPARAM lParam) noexcept {
    if (code == HC_ACTION && wParam == PM_REMOVE) {
        MSG* message = reinterpret_cast<MSG*>(lParam);
        if (message->message >= WM_KEYFIRST && message->message <= WM_KEYLAST && message->hwnd) {
            HWND root = GetAncestor(message->hwnd, GA_ROOT);
            if (Form::FromHandle(root) && IsDialogMessageW(root, message)) message->message = WM_NULL;
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace

ThreadForms::ThreadForms(Form& form) noexcept : form_(form) {
    std::lock_guard<std::mutex> lock(formsMutex);
    for (ThreadForms* other = newest; other && !hook_; other = other->next_)
        if (other->thread_ == thread_) hook_ = other->hook_;
    if (!hook_) hook_ = SetWindowsHookExW(WH_GETMESSAGE, KeyboardHook, nullptr, thread_);
    next_ = newest;
    if (next_) next_->previous_ = this;
    newest = this;
}

ThreadForms::~ThreadForms() {
    std::lock_guard<std::mutex> lock(formsMutex);
    if (previous_) previous_->next_ = next_;
    else newest = next_;
    if (next_) next_->previous_ = previous_;
    for (ThreadForms* other = newest; other; other = other->next_)
        if (other->thread_ == thread_) return;
    if (hook_) UnhookWindowsHookEx(hook_);
}

Form* ThreadForms::NewestOfThisThread() noexcept {
    const DWORD thread = GetCurrentThreadId();
    std::lock_guard<std::mutex> lock(formsMutex);
    for (ThreadForms* other = newest; other; other = other->next_)
        if (other->thread_ == thread) return &other->form_;
    return nullptr;
}

}  // namespace vestrel::forms
