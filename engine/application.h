// The built-in spelling engine: an application object answering, by name,
// the calls that the checker makes of the word processor, with Spanish
// Hunspell behind them. Each check creates one and tells it to quit.
#pragma once
#include <memory>
#include "com/dispatch.h"
#include "engine/engine_state.h"
#include "internal_h.h"

namespace vestrel::engine {

class Application final : public Dispatch<IEngineApplication> {
public:
    Application() : state_(std::make_shared<EngineState>()) {}

    STDMETHODIMP get_Documents(IEngineDocuments** documents) noexcept override;
    STDMETHODIMP CheckSpelling(BSTR word, VARIANT, VARIANT, VARIANT, VARIANT, VARIANT, VARIANT, VARIANT, VARIANT,
                               VARIANT, VARIANT, VARIANT, VARIANT, VARIANT_BOOL* correct) noexcept override;
    STDMETHODIMP GetSpellingSuggestions(BSTR word, VARIANT, VARIANT, VARIANT, VARIANT, VARIANT, VARIANT, VARIANT,
                                        VARIANT, VARIANT, VARIANT, VARIANT, VARIANT, VARIANT,
                                        IEngineCollection** suggestions) noexcept override;
    STDMETHODIMP get_CustomDictionaries(IEngineCollection** dictionaries) noexcept override;
    STDMETHODIMP Quit(VARIANT, VARIANT, VARIANT) noexcept override;

private:
    std::shared_ptr<EngineState> state_;
};

}  // namespace vestrel::engine
