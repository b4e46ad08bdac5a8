// Owners of what ITypeInfo hands out by pointer and takes back by a call of
// its own (TYPEATTR, FUNCDESC, VARDESC): given back however the reading
// ends, an exception included.
// TypeAttr attributes; ThrowIfFailed(info->GetTypeAttr(attributes.put(info)));
#pragma once
#include <oaidl.h>
#include <utility>

namespace vestrel {

template <typename T, void (STDMETHODCALLTYPE ITypeInfo::*Release)(T*)>
class TypeDesc {
public:
    TypeDesc() noexcept = default;
    TypeDesc(TypeDesc&& other) noexcept
        : info_(std::exchange(other.info_, nullptr)), value_(std::exchange(other.value_, nullptr)) {}
    TypeDesc& operator=(TypeDesc&& other) noexcept {
        reset();
        info_ = std::exchange(other.info_, nullptr);
        value_ = std::exchange(other.value_, nullptr);
        return *this;
    }
    ~TypeDesc() { reset(); }

    // For the call that fills it; info is the one to give it back to.
    T** put(ITypeInfo* info) noexcept {
        reset();
        info_ = info;
        return &value_;
    }
    const T* operator->() const noexcept { return value_; }
    const T& operator*() const noexcept { return *value_; }
    explicit operator bool() const noexcept { return value_ != nullptr; }

private:
    void reset() noexcept {
        if (value_) (info_->*Release)(value_);
        value_ = nullptr;
    }
    ITypeInfo* info_ = nullptr;
    T* value_ = nullptr;
};

using TypeAttr = TypeDesc<TYPEATTR, &ITypeInfo::ReleaseTypeAttr>;
using FuncDesc = TypeDesc<FUNCDESC, &ITypeInfo::ReleaseFuncDesc>;
using VarDesc = TypeDesc<VARDESC, &ITypeInfo::ReleaseVarDesc>;

}  // namespace vestrel
