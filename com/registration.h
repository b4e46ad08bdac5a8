// Writes and removes the registry entries of the component: classes,
// programmatic identifiers, interfaces and the type library, either for the
// whole machine or for the current user only (no administrator rights).
#pragma once
#include <windows.h>
#include <span>

namespace vestrel::registration {

enum class Scope { Machine, User };

HRESULT Register(Scope scope, std::span<const CLSID* const> classes) noexcept;
// Removes what Register wrote; entries that are not there are skipped.
HRESULT Unregister(Scope scope, std::span<const CLSID* const> classes) noexcept;

}  // namespace vestrel::registration
