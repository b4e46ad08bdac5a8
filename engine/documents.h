// The engine's open documents. A document is only counted: the built-in
// engine checks words, not text.
#pragma once
#include <memory>
#include "com/dispatch.h"
#include "engine/engine_state.h"
#include "internal_h.h"

namespace vestrel::engine {

class Documents final : public Dispatch<IEngineDocuments> {
public:
    explicit Documents(std::shared_ptr<EngineState> state) : state_(std::move(state)) {}

    STDMETHODIMP get_Count(long* value) noexcept override;
    STDMETHODIMP Add(VARIANT, VARIANT, VARIANT, VARIANT, IEngineDocument** document) noexcept override;

private:
    std::shared_ptr<EngineState> state_;
};

}  // namespace vestrel::engine
