// The one lazily created instance of a form per thread. The first access
// loads the form (hidden); after an unload the next access loads a fresh one
// with its design-time contents.
#pragma once
#include <memory>
#include "com/errors.h"
#include "com/scope_exit.h"
#include "forms/form.h"

namespace vestrel::forms {

template <typename F>
class Instance {
public:
    // The loaded form, loading it first when needed.
    static F& Get() {
        if (current_) return *current_;
        if (loading_)
            throw ComError(E_UNEXPECTED, L"El formulario se está cargando y todavía no se puede usar.");
        loading_ = true;
        std::unique_ptr<F> form;
        {
            const ScopeExit loaded([] { loading_ = false; });
            form = std::make_unique<F>();
        }
        form->detach_ = [] { current_ = nullptr; };
        current_ = form.release();
        return *current_;
    }
    // Unloading a form that is not loaded does nothing.
    static void Unload() {
        if (current_) current_->Unload();
    }

private:
    static inline thread_local F* current_ = nullptr;
    static inline thread_local bool loading_ = false;
};

}  // namespace vestrel::forms
