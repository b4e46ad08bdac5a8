// Members whose behaviour this version does not provide yet: each answers
// with an automation error that names the member.
#pragma once

#define VESTREL_PENDING_PROPERTY(type, name)                                            \
    STDMETHODIMP get_##name(type*) noexcept override { return NotBuilt(L"" #name); }     \
    STDMETHODIMP put_##name(type) noexcept override { return NotBuilt(L"" #name); }

#define VESTREL_PENDING_METHOD(name) \
    STDMETHODIMP name() noexcept override { return NotBuilt(L"" #name); }
