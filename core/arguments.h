// Arguments as their values. VB, VBA and script hosts pass variables by
// reference (VT_BYREF|VT_VARIANT, or VT_BYREF with the variable's own type),
// also to parameters taken by value and also through the vtable; a member
// must see the same value however the host held it.
#pragma once
#include <windows.h>
#include <oleauto.h>
#include <vector>
#include "variant.h"

namespace vestrel {

// The value that value holds or points at, as a variant of its own. A
// reference to nothing, or to another reference, is refused (ComError).
Variant ByValue(const VARIANT& value);

// A call's DISPPARAMS with every argument taken by value, except those for
// the parameters that the member declares by reference (bit i of
// byReference for parameter i), which keep pointing at the caller's.
class ArgumentsByValue {
public:
    ArgumentsByValue(const DISPPARAMS& params, unsigned long byReference);
    ~ArgumentsByValue();
    ArgumentsByValue(const ArgumentsByValue&) = delete;
    ArgumentsByValue& operator=(const ArgumentsByValue&) = delete;
    DISPPARAMS* get() noexcept { return &params_; }

private:
    std::vector<VARIANT> values_;
    std::vector<DISPID> names_;
    DISPPARAMS params_{};
};

}  // namespace vestrel
