#include "forms/accessible.h"
#include <oleacc.h>
#include <wrl/client.h>
#include "com/com_object.h"
#include "com/errors.h"

namespace vestrel::forms {
namespace {

using Microsoft::WRL::ComPtr;

bool Self(const VARIANT& child) { return child.vt == VT_I4 && child.lVal == CHILDID_SELF; }

// The standard object of the window, answering name and role itself.
class Accessible final : public ComObject<IAccessible, IOleWindow> {
public:
    Accessible(ComPtr<IAccessible> standard, HWND window, std::wstring name, long role)
        : standard_(std::move(standard)), window_(window), name_(std::move(name)), role_(role) {}

    STDMETHODIMP get_accName(VARIANT child, BSTR* name) noexcept override {
        if (!Self(child)) return standard_->get_accName(child, name);
        if (!name) return E_POINTER;
        *name = SysAllocStringLen(name_.data(), static_cast<UINT>(name_.size()));
        return *name ? S_OK : E_OUTOFMEMORY;
    }
    STDMETHODIMP get_accRole(VARIANT child, VARIANT* role) noexcept override {
        if (!Self(child) || role_ == 0) return standard_->get_accRole(child, role);
        if (!role) return E_POINTER;
        VariantInit(role);
        role->vt = VT_I4;
        role->lVal = role_;
        return S_OK;
    }
    STDMETHODIMP GetWindow(HWND* window) noexcept override {
        if (!window) return E_POINTER;
        *window = window_;
        return S_OK;
    }
    STDMETHODIMP ContextSensitiveHelp(BOOL) noexcept override { return E_NOTIMPL; }

    // The rest is the standard object's.
    STDMETHODIMP GetTypeInfoCount(UINT* count) noexcept override { return standard_->GetTypeInfoCount(count); }
    STDMETHODIMP GetTypeInfo(UINT index, LCID lcid, ITypeInfo** info) noexcept override {
        return standard_->GetTypeInfo(index, lcid, info);
    }
    STDMETHODIMP GetIDsOfNames(REFIID riid, LPOLESTR* names, UINT count, LCID lcid, DISPID* ids) noexcept override {
        return standard_->GetIDsOfNames(riid, names, count, lcid, ids);
    }
    STDMETHODIMP Invoke(DISPID id, REFIID riid, LCID lcid, WORD flags, DISPPARAMS* params, VARIANT* result,
                        EXCEPINFO* exception, UINT* argError) noexcept override {
        return standard_->Invoke(id, riid, lcid, flags, params, result, exception, argError);
    }
    STDMETHODIMP get_accParent(IDispatch** parent) noexcept override { return standard_->get_accParent(parent); }
    STDMETHODIMP get_accChildCount(long* count) noexcept override { return standard_->get_accChildCount(count); }
    STDMETHODIMP get_accChild(VARIANT child, IDispatch** object) noexcept override {
        return standard_->get_accChild(child, object);
    }
    STDMETHODIMP get_accValue(VARIANT child, BSTR* value) noexcept override { return standard_->get_accValue(child, value); }
    STDMETHODIMP get_accDescription(VARIANT child, BSTR* text) noexcept override {
        return standard_->get_accDescription(child, text);
    }
    STDMETHODIMP get_accState(VARIANT child, VARIANT* state) noexcept override { return standard_->get_accState(child, state); }
    STDMETHODIMP get_accHelp(VARIANT child, BSTR* help) noexcept override { return standard_->get_accHelp(child, help); }
    STDMETHODIMP get_accHelpTopic(BSTR* file, VARIANT child, long* topic) noexcept override {
        return standard_->get_accHelpTopic(file, child, topic);
    }
    STDMETHODIMP get_accKeyboardShortcut(VARIANT child, BSTR* keys) noexcept override {
        return standard_->get_accKeyboardShortcut(child, keys);
    }
    STDMETHODIMP get_accFocus(VARIANT* child) noexcept override { return standard_->get_accFocus(child); }
    STDMETHODIMP get_accSelection(VARIANT* children) noexcept override { return standard_->get_accSelection(children); }
    STDMETHODIMP get_accDefaultAction(VARIANT child, BSTR* action) noexcept override {
        return standard_->get_accDefaultAction(child, action);
    }
    STDMETHODIMP accSelect(long flags, VARIANT child) noexcept override { return standard_->accSelect(flags, child); }
    STDMETHODIMP accLocation(long* left, long* top, long* width, long* height, VARIANT child) noexcept override {
        return standard_->accLocation(left, top, width, height, child);
    }
    STDMETHODIMP accNavigate(long direction, VARIANT start, VARIANT* end) noexcept override {
        return standard_->accNavigate(direction, start, end);
    }
    STDMETHODIMP accHitTest(long x, long y, VARIANT* child) noexcept override { return standard_->accHitTest(x, y, child); }
    STDMETHODIMP accDoDefaultAction(VARIANT child) noexcept override { return standard_->accDoDefaultAction(child); }
    STDMETHODIMP put_accName(VARIANT child, BSTR name) noexcept override { return standard_->put_accName(child, name); }
    STDMETHODIMP put_accValue(VARIANT child, BSTR value) noexcept override { return standard_->put_accValue(child, value); }

private:
    ComPtr<IAccessible> standard_;
    HWND window_;
    std::wstring name_;
    long role_;
};

}  // namespace

LRESULT AccessibleAnswer(HWND window, WPARAM wParam, LPARAM lParam, const AccessibleFace& face) noexcept {
    if (static_cast<LONG>(lParam) != OBJID_CLIENT || !face.name) return 0;
    try {
        ComPtr<IAccessible> standard;
        if (FAILED(CreateStdAccessibleObject(window, OBJID_CLIENT, IID_PPV_ARGS(&standard)))) return 0;
        ComPtr<IAccessible> answer = MakeObject<Accessible>(standard, window, face.name(), face.role);
        // __uuidof, not IID_IAccessible: the 64-bit import library offers that
        // name as a function stub, so the symbol would be the stub's code.
        const LRESULT result = LresultFromObject(__uuidof(IAccessible), wParam, answer.Get());
        return result < 0 ? 0 : result;
    } catch (...) {
        return 0;
    }
}

}  // namespace vestrel::forms
