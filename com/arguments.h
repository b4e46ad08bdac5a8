// Arguments as their values. VB, VBA and script hosts pass variables by
// reference (VT_BYREF|VT_VARIANT, or VT_BYREF with the variable's own type),
// also to parameters taken by value and also through the vtable; a member
// must see the same value however the host held it.
#pragma once
#include <windows.h>
#include <oleauto.h>
#include <vector>
#include "com/variant.h"

namespace vestrel {

// The value that value holds or points at, as a variant of its own. A
// reference to nothing, or to another reference, is refused (ComError).
Variant ByValue(const VARIANT& value);

// The type mismatch an object given for a value raises: automation would
// take its default member, a number or a text the host never meant.
[[noreturn]] void RefuseObjectForValue();

// What a member declares of its parameters, from its type information.
struct MemberShape {
    DISPID id;
    WORD kind;                  // the DISPATCH_ flag that reaches it
    UINT count;                 // its parameters less the result
    unsigned long byReference;  // bit i: parameter i is an out parameter
    unsigned long plain;        // bit i: parameter i takes a value, never an object
};
// Every member's, in the order of the type information; throws ComError
// with the HRESULT of a reading that fails.
std::vector<MemberShape> MemberShapes(ITypeInfo* info);

// A call's DISPPARAMS with every argument taken by value, except those for
// the member's out parameters, which keep pointing at the caller's. An
// object for a parameter that takes a value is refused as a type mismatch:
// automation would take its default member, a number or a text that the
// host never meant (a picture's handle as a position). shape is nullptr
// for a member the type information does not know.
class ArgumentsByValue {
public:
    ArgumentsByValue(const DISPPARAMS& params, const MemberShape* shape);
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
