// What the objects of one built-in engine share: whether it has quit and how
// many documents it has open.
#pragma once
#include <memory>
#include "com/errors.h"
#include "engine/dictionary.h"

namespace vestrel::engine {

struct EngineState {
    bool quit = false;
    long documents = 0;
    std::shared_ptr<Dictionary> dictionary;  // loaded by the first check

    // Every call on an engine that has quit fails, as it would on a server
    // that has ended.
    void RequireRunning() const {
        if (quit)
            throw ComError(RPC_E_DISCONNECTED,
                           L"El motor ortográfico ya terminó (Quit) y no acepta más llamadas.");
    }
    Dictionary& Words() {
        RequireRunning();
        if (!dictionary) dictionary = Dictionary::Shared();
        return *dictionary;
    }
};

}  // namespace vestrel::engine
