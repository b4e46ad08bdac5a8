// One value, passed the ways real hosts pass it, must give one outcome: by
// value (a literal, or JScript's numbers, null and undefined), by reference
// to a variant (a VBScript or late-bound VBA variable), by reference to its
// own type (a typed VBA or VB6 variable), and, for Variant parameters, by
// reference straight through the vtable (an early-bound VB host). For every
// member of every class that takes an argument and every value of the
// table, each style must give the by-value call's result code, error text,
// value read back afterwards and state of the windows' controls.
#include "checker_fixture.h"
#include "classes.h"
#include "members.h"
#include <olectl.h>
#include <algorithm>
#include <functional>
#include <limits>
#include <optional>

namespace {

enum class Style { ByValue, ByReference, ByOwnReference, ThroughVtable };

const char* StyleName(Style style) {
    switch (style) {
        case Style::ByValue: return "by value";
        case Style::ByReference: return "VT_BYREF|VT_VARIANT";
        case Style::ByOwnReference: return "VT_BYREF of its own type";
        default: return "VT_BYREF|VT_VARIANT through the vtable";
    }
}

// A value as a host's variable holds it; by-reference arguments point here.
class Held {
public:
    Held(std::string name, VARIANT value) : name_(std::move(name)), value_(value) {
        if (value_.vt == VT_DECIMAL) decimal_ = value_.decVal;
    }
    ~Held() { VariantClear(&value_); }
    Held(const Held&) = delete;
    Held& operator=(const Held&) = delete;

    const std::string& Name() const { return name_; }
    // The argument of a style; false when no host passes this value so
    // (there is no reference to Empty or Null of their own type). The
    // argument is cleared after the call: a reference frees nothing.
    bool Argument(Style style, VARIANT& argument) {
        VariantInit(&argument);
        switch (style) {
            case Style::ByValue: return SUCCEEDED(VariantCopy(&argument, &value_));
            case Style::ByReference:
            case Style::ThroughVtable:
                argument.vt = VT_BYREF | VT_VARIANT;
                argument.pvarVal = &value_;
                return true;
            case Style::ByOwnReference:
                if (value_.vt == VT_EMPTY || value_.vt == VT_NULL) return false;
                argument.vt = VT_BYREF | value_.vt;
                // Every member of the union starts where lVal does.
                argument.byref = value_.vt == VT_DECIMAL ? static_cast<void*>(&decimal_) : &value_.lVal;
                return true;
        }
        return false;
    }

private:
    std::string name_;
    VARIANT value_;
    DECIMAL decimal_{};
};

VARIANT Typed(VARTYPE vt, const std::function<void(VARIANT&)>& fill) {
    VARIANT v = Of(vt);
    fill(v);
    return v;
}

// What a call left: its result, its text, the value read back, the windows.
struct Outcome {
    HRESULT hr = S_OK;
    std::wstring description;
    CallResult after;
    std::wstring windows;
};

std::wstring Hex(HRESULT hr) {
    wchar_t text[16];
    swprintf(text, 16, L"0x%08lX", static_cast<unsigned long>(hr));
    return text;
}

class Passing : public QuietChecker {
protected:
    // The controls of every form of the thread, as Windows has them.
    static std::wstring Windows() {
        std::vector<std::wstring> forms;
        for (HWND form : Forms()) {
            std::wstring text = Describe(form);
            for (HWND c = GetWindow(form, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) text += L"\n  " + Describe(c);
            forms.push_back(text);
        }
        std::sort(forms.begin(), forms.end());
        std::wstring all;
        for (const std::wstring& form : forms) all += form + L"\n";
        return all;
    }
    // Read with the cheapest calls Wine has: the whole run reads the
    // windows some twenty thousand times.
    static std::wstring Describe(HWND window) {
        static std::vector<wchar_t> text(1 << 17);
        wchar_t type[64] = {};
        GetClassNameW(window, type, 64);
        WINDOWINFO info{};
        info.cbSize = sizeof(info);
        GetWindowInfo(window, &info);
        LOGFONTW font{};
        if (HFONT handle = reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0)))
            GetObjectW(handle, sizeof(font), &font);
        // An edit control keeps its text to itself; other windows' text is
        // the window's own.
        const int length = _wcsicmp(type, L"Edit") == 0
                               ? GetWindowTextW(window, text.data(), static_cast<int>(text.size()))
                               : InternalGetWindowText(window, text.data(), static_cast<int>(text.size()));
        wchar_t line[256];
        swprintf(line, 256, L"%ls style %08lx ex %08lx at %ld,%ld,%ld,%ld font %ls %ld %ld %d%d%d text ", type,
                 info.dwStyle, info.dwExStyle, info.rcWindow.left, info.rcWindow.top, info.rcWindow.right,
                 info.rcWindow.bottom, font.lfFaceName, font.lfHeight, font.lfWeight, font.lfItalic, font.lfUnderline,
                 font.lfStrikeOut);
        return line + std::wstring(text.data(), static_cast<size_t>(std::max(length, 0)));
    }

    // The call of member with argument, through IDispatch or the vtable.
    static Outcome Make(IDispatch* object, const Member& member, VARIANT& argument, bool vtable) {
        Outcome outcome;
        SetErrorInfo(0, nullptr);
        if (vtable) {
            VARTYPE type = VT_VARIANT;
            VARIANTARG* arguments[] = {&argument};
            VARIANT result;
            VariantInit(&result);
            HRESULT hr = DispCallFunc(object, member.slot * sizeof(void*), CC_STDCALL, VT_ERROR, 1, &type,
                                      arguments, &result);
            outcome.hr = SUCCEEDED(hr) ? result.scode : hr;
            if (FAILED(outcome.hr)) {
                Microsoft::WRL::ComPtr<IErrorInfo> info;
                BSTR text = nullptr;
                if (GetErrorInfo(0, &info) == S_OK && info && SUCCEEDED(info->GetDescription(&text)) && text)
                    outcome.description.assign(text, SysStringLen(text));
                SysFreeString(text);
            }
        } else {
            DISPID put = DISPID_PROPERTYPUT;
            const bool putting = member.kind == INVOKE_PROPERTYPUT || member.kind == INVOKE_PROPERTYPUTREF;
            DISPPARAMS params{&argument, putting ? &put : nullptr, 1, putting ? 1u : 0u};
            EXCEPINFO error{};
            VARIANT result;
            VariantInit(&result);
            outcome.hr = object->Invoke(member.id, IID_NULL, LOCALE_USER_DEFAULT, static_cast<WORD>(member.kind),
                                        &params, putting ? nullptr : &result, &error, nullptr);
            if (outcome.hr == DISP_E_EXCEPTION) {
                if (error.pfnDeferredFillIn) error.pfnDeferredFillIn(&error);
                outcome.hr = error.scode;
                if (error.bstrDescription) outcome.description = error.bstrDescription;
            }
            SysFreeString(error.bstrDescription);
            SysFreeString(error.bstrSource);
            SysFreeString(error.bstrHelpFile);
            VariantClear(&result);
        }
        if (member.kind != INVOKE_FUNC) outcome.after = Get(object, member.name.c_str());
        outcome.windows = Windows();
        return outcome;
    }

    // Every trial starts from the windows as first loaded: hidden, with
    // their design-time contents.
    void Baseline() {
        if (!dirty_) return;
        CloseForms();
        Get(spelling_.Get(), L"Visible");
        const std::wstring now = Windows();
        if (baseline_.empty()) baseline_ = now;
        ASSERT_EQ(now, baseline_) << "a reloaded window is not the one loaded first";
        dirty_ = false;
    }
    // After a call that may have changed something, the property is given
    // back what it held at load (reloading every window for each call would
    // take the suite many minutes); when that does not bring the windows
    // and the property back, the next trial reloads them.
    void Restore(IDispatch* object, const Member& member, const Outcome& outcome, const CallResult& atLoad) {
        if (FAILED(outcome.hr) && outcome.windows == baseline_) return;
        bool back = member.kind == INVOKE_PROPERTYPUT && atLoad.hr == S_OK;
        if (back) {
            VARIANT value;
            VariantInit(&value);
            VariantCopy(&value, const_cast<VARIANT*>(&atLoad.value));
            back = Put(object, member.name.c_str(), value).hr == S_OK;
            CallResult now = Get(object, member.name.c_str());
            back = back && SameValue(now.value, atLoad.value) && Windows() == baseline_;
        }
        dirty_ = dirty_ || !back;
    }

    std::wstring baseline_;
    bool dirty_ = true;
};

}  // namespace

TEST_F(Passing, EveryMemberGivesOneOutcomeHoweverTheHostPassesTheValue) {
    CallResult pictureSource = Get(NewObject(CLSID_Border).Get(), L"Picture");
    ASSERT_NE(pictureSource.Object(), nullptr);
    std::vector<std::unique_ptr<Held>> values;
    auto add = [&](const char* name, VARIANT v) { values.push_back(std::make_unique<Held>(name, v)); };
    add("Integer 7", Typed(VT_I2, [](VARIANT& v) { v.iVal = 7; }));
    add("Long 4000", Int(4000));
    add("Long -1", Int(-1));
    add("Single 1500.5", Typed(VT_R4, [](VARIANT& v) { v.fltVal = 1500.5f; }));
    add("Double 2500.25", Typed(VT_R8, [](VARIANT& v) { v.dblVal = 2500.25; }));
    add("Double 1e308", Typed(VT_R8, [](VARIANT& v) { v.dblVal = 1e308; }));
    add("Double NaN", Typed(VT_R8, [](VARIANT& v) { v.dblVal = std::numeric_limits<double>::quiet_NaN(); }));
    add("Currency 12.34", Typed(VT_CY, [](VARIANT& v) { v.cyVal.int64 = 123400; }));
    add("Byte 200", Typed(VT_UI1, [](VARIANT& v) { v.bVal = 200; }));
    add("Decimal 3.5", Typed(VT_DECIMAL, [](VARIANT& v) { VarDecFromR8(3.5, &v.decVal); }));
    add("Date", Typed(VT_DATE, [](VARIANT& v) { v.date = 46000.5; }));
    add("Boolean True", Typed(VT_BOOL, [](VARIANT& v) { v.boolVal = VARIANT_TRUE; }));
    add("Boolean False", Typed(VT_BOOL, [](VARIANT& v) { v.boolVal = VARIANT_FALSE; }));
    add("numeric text", Str(L"1500"));
    add("text", Str(L"hola"));
    add("empty text", Str(L""));
    add("lone surrogate", Str(std::wstring(1, static_cast<wchar_t>(0xD800))));
    add("very long text", Str(std::wstring(1 << 16, L'ñ')));
    add("Empty", Of(VT_EMPTY));
    add("Null", Of(VT_NULL));
    add("Missing", Typed(VT_ERROR, [](VARIANT& v) { v.scode = DISP_E_PARAMNOTFOUND; }));
    add("picture", Typed(VT_DISPATCH, [&](VARIANT& v) {
            v.pdispVal = pictureSource.Object();
            v.pdispVal->AddRef();
        }));
    add("another object", Typed(VT_DISPATCH, [](VARIANT& v) { NewObject(CLSID_Spelling).CopyTo(&v.pdispVal); }));
    add("Nothing", Of(VT_DISPATCH));
    add("array", Typed(VT_ARRAY | VT_I4, [](VARIANT& v) { v.parray = SafeArrayCreateVector(VT_I4, 0, 3); }));

    // The eleven classes, and the word box object that SendToForm hands out.
    struct Subject {
        std::string name;
        std::function<Microsoft::WRL::ComPtr<IDispatch>()> make;
    };
    std::vector<Subject> subjects;
    for (const ClassCase& entry : kClasses) subjects.push_back({entry.name, [&entry] { return NewObject(*entry.clsid); }});
    subjects.push_back({"SendToForm", [this] {
                            CallResult box = Call(spelling_.Get(), L"SendToForm");
                            return Microsoft::WRL::ComPtr<IDispatch>(box.Object());
                        }});

    // VESTREL_PASSING_ONLY names one subject to go over alone.
    char only[64] = {};
    GetEnvironmentVariableA("VESTREL_PASSING_ONLY", only, sizeof(only));
    int members = 0, calls = 0, differences = 0;
    for (const Subject& subject : subjects) {
        if (only[0] && subject.name != only) continue;
        Baseline();
        for (const Member& member : Members(subject.make().Get())) {
            if (member.most < 1 || member.kind == INVOKE_PROPERTYGET) continue;
            ++members;
            Baseline();
            const CallResult atLoad = Get(subject.make().Get(), member.name.c_str());
            const bool variant = member.type == VT_VARIANT && member.kind == INVOKE_PROPERTYPUT;
            for (const auto& value : values) {
                std::optional<Outcome> first;
                for (Style style : {Style::ByValue, Style::ByReference, Style::ByOwnReference, Style::ThroughVtable}) {
                    if (style == Style::ThroughVtable && !variant) continue;
                    VARIANT argument;
                    if (!value->Argument(style, argument)) continue;
                    Baseline();
                    Microsoft::WRL::ComPtr<IDispatch> object = subject.make();
                    ASSERT_NE(object, nullptr) << subject.name;
                    Outcome outcome = Make(object.Get(), member, argument, style == Style::ThroughVtable);
                    VariantClear(&argument);
                    ++calls;
                    Restore(object.Get(), member, outcome, atLoad);
                    if (style == Style::ByValue) {
                        first.emplace(std::move(outcome));
                        continue;
                    }
                    const std::string where = subject.name + "." + std::string(member.name.begin(), member.name.end()) +
                                              " = " + value->Name() + ", " + StyleName(style);
                    const bool same = outcome.hr == first->hr && outcome.description == first->description &&
                                      SameValue(outcome.after.value, first->after.value) &&
                                      outcome.after.hr == first->after.hr && outcome.windows == first->windows;
                    differences += !same;
                    EXPECT_EQ(Hex(outcome.hr), Hex(first->hr)) << where;
                    EXPECT_EQ(outcome.description, first->description) << where;
                    EXPECT_TRUE(SameValue(outcome.after.value, first->after.value) && outcome.after.hr == first->after.hr)
                        << where << ": read back differs";
                    EXPECT_EQ(outcome.windows, first->windows) << where << ": the windows differ";
                }
            }
        }
    }
    std::printf("passing styles: %d members, %zu values, %d calls, %d differences\n", members, values.size(), calls,
                differences);
}
