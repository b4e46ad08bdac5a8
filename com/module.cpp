#include "com/module.h"
#include <atomic>
#include "com/errors.h"

namespace vestrel::module {
namespace {

HINSTANCE instance = nullptr;
std::atomic<long> objects{0};
std::atomic<long> serverLocks{0};

}  // namespace

void Attach(HINSTANCE dll) noexcept { instance = dll; }

HINSTANCE Instance() noexcept { return instance; }

std::wstring Path() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(instance, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) throw ComError(LastError(), L"No se pudo leer la ruta de Vestrel.");
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        path.resize(path.size() * 2);
    }
}

void Lock() noexcept { ++objects; }
void Unlock() noexcept { --objects; }
void LockServer(bool lock) noexcept {
    if (lock) {
        ++serverLocks;
        return;
    }
    // An unbalanced unlock must not make the count lie.
    long current = serverLocks.load();
    while (current > 0 && !serverLocks.compare_exchange_weak(current, current - 1)) {}
}
bool InUse() noexcept { return objects.load() > 0 || serverLocks.load() > 0; }

}  // namespace vestrel::module
