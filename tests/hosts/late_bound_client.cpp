// A late-bound C++ client that passes every argument by reference, as VBA
// and VB6 pass their variables: a Variant variable as VT_BYREF|VT_VARIANT, a
// typed one (Long, Integer, Single, String, Boolean, Object) as VT_BYREF of
// its own type. It creates the registered classes by ProgID, restyles the
// window, checks a word and reads the results back.
#include <windows.h>
#include <oleauto.h>
#include <cstdio>
#include <string>
#include <wrl/client.h>
#include "automation.h"
#include "tally.h"

using Microsoft::WRL::ComPtr;

namespace {

ComPtr<IDispatch> Create(const wchar_t* progId) {
    CLSID clsid{};
    ComPtr<IDispatch> object;
    if (SUCCEEDED(CLSIDFromProgID(progId, &clsid)))
        CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&object));
    return object;
}

// A reference to a host's variable.
template <typename T>
VARIANT Ref(VARTYPE type, T* variable) {
    VARIANT v;
    VariantInit(&v);
    v.vt = VT_BYREF | type;
    v.byref = variable;
    return v;
}

// Property lets as a VBA statement makes them with a variable on the right.
CallResult Let(IDispatch* o, const wchar_t* name, VARIANT reference) { return Put(o, name, reference); }

std::string Number(const CallResult& r) {
    char text[64];
    std::snprintf(text, sizeof(text), "0x%08lX", static_cast<unsigned long>(r.hr));
    return text;
}

bool Refused13(const CallResult& r) { return r.hr == kTypeMismatch && !r.description.empty(); }

float Single(const CallResult& r) {
    VARIANT copy;
    VariantInit(&copy);
    const float value = SUCCEEDED(VariantChangeType(&copy, const_cast<VARIANT*>(&r.value), 0, VT_R4)) ? copy.fltVal : -1;
    VariantClear(&copy);
    return value;
}

}  // namespace

int main() {
    CoInitialize(nullptr);
    {
        ComPtr<IDispatch> s = Create(L"Vestrel.Spelling"), bb = Create(L"Vestrel.BarButtons"),
                          bt = Create(L"Vestrel.BarTitle"), tw = Create(L"Vestrel.txtTWord"),
                          lst = Create(L"Vestrel.lst_Suggestions"), lbl = Create(L"Vestrel.Label_Status"),
                          brd = Create(L"Vestrel.Border");
        if (!s || !bb || !bt || !tw || !lst || !lbl || !brd) {
            std::printf("FAILED: the classes are not registered\nlate_bound_client: 0 passed, 1 failed\n");
            return 1;
        }

        long leftPos = 4000;  // Dim leftPos As Long
        Expect(Let(bb.Get(), L"BarButtonsLeft", Ref(VT_I4, &leftPos)).hr == S_OK, "BarButtonsLeft from a Long");
        Expect(Single(Get(bb.Get(), L"BarButtonsLeft")) == 4270, "the close image at 4270");
        VARIANT position;  // Dim position As Variant: position = "3900"
        position = Str(L"3900");
        Expect(Let(bb.Get(), L"BarButtonsLeft", Ref(VT_VARIANT, &position)).hr == S_OK, "BarButtonsLeft from a Variant");
        Expect(Single(Get(bb.Get(), L"BarButtonsLeft")) == 4170, "the close image at 4170");
        VariantClear(&position);

        float topPos = 1500;  // Dim topPos As Single
        Expect(Let(tw.Get(), L"Top", Ref(VT_R4, &topPos)).hr == S_OK, "txtTWord.Top from a Single");
        CallResult top = Get(tw.Get(), L"Top");
        Expect(top.value.vt == VT_R4 && top.value.fltVal == 1500, "Top reads back 1500 as a Single");

        BSTR caption = SysAllocString(L"Corrector");  // Dim caption As String
        Expect(Let(bt.Get(), L"Caption", Ref(VT_BSTR, &caption)).hr == S_OK, "BarTitle.Caption from a String");
        Expect(Get(bt.Get(), L"Caption").Text() == L"Corrector", "the caption reads back");
        SysFreeString(caption);

        long colour = 0xFF;  // Dim colour As Long
        Expect(Let(tw.Get(), L"ForeColor", Ref(VT_I4, &colour)).hr == S_OK, "a colour from a Long");
        Expect(Get(tw.Get(), L"ForeColor").Long() == 0xFF, "the colour passes through");
        short centred = 1;  // Dim centred As Integer
        Expect(Let(tw.Get(), L"Alignment", Ref(VT_I2, &centred)).hr == S_OK, "an alignment from an Integer");
        Expect(Get(tw.Get(), L"Alignment").Long() == 1, "the stored alignment reads back");
        VARIANT_BOOL hidden = VARIANT_FALSE;  // Dim hidden As Boolean
        Expect(Let(bb.Get(), L"ButtonHelpVisible", Ref(VT_BOOL, &hidden)).hr == S_OK, "a Boolean variable");
        Expect(Get(bb.Get(), L"ButtonHelpVisible").Long() == 0, "the help image is hidden");

        // An object, in an Object or a Variant variable, is refused as when it
        // is passed directly, and nothing already held is lost.
        CallResult picture = Get(brd.Get(), L"Picture");
        IDispatch* p = picture.Object();  // Dim p As Object: Set p = brd.Picture
        CallResult refused = Let(tw.Get(), L"Top", Ref(VT_DISPATCH, &p));
        Expect(Refused13(refused), "a picture in an Object variable as a position is error 13: " + Number(refused));
        Expect(Single(Get(tw.Get(), L"Top")) == 1500, "the word box stays where it was");
        VARIANT held;  // Dim held As Variant: Set held = brd.Picture
        VariantInit(&held);
        VariantCopy(&held, &picture.value);
        refused = Let(bt.Get(), L"Caption", Ref(VT_VARIANT, &held));
        Expect(Refused13(refused), "a picture in a Variant as a caption is error 13: " + Number(refused));
        Expect(Get(bt.Get(), L"Caption").Text() == L"Corrector", "the caption is kept");
        refused = Let(tw.Get(), L"Visible", Ref(VT_VARIANT, &held));
        Expect(Refused13(refused), "a picture in a Variant as a Boolean is error 13: " + Number(refused));
        VariantClear(&held);

        // Show mode, with mode an Integer variable, as VBA passes it.
        short mode = 0;
        Expect(Call(s.Get(), L"Show", {Ref(VT_I2, &mode)}).hr == S_OK, "Show with a variable");
        CallResult first = Call(s.Get(), L"SendToForm"), second = Call(s.Get(), L"SendToForm");
        ComPtr<IUnknown> one, two;
        if (first.Object()) first.Object()->QueryInterface(IID_PPV_ARGS(&one));
        if (second.Object()) second.Object()->QueryInterface(IID_PPV_ARGS(&two));
        Expect(one && one.Get() == two.Get(), "SendToForm hands out one object");
        BSTR word = SysAllocString(L"ortografia");  // Dim word As String
        Expect(Let(first.Object(), L"Text", Ref(VT_BSTR, &word)).hr == S_OK, "the word from a String variable");
        SysFreeString(word);
        Expect(Call(s.Get(), L"Spelling").hr == S_OK, "the check");
        Expect(Call(lst.Get(), L"Send").hr == S_OK, "the first suggestion sent to the word box");
        Expect(Get(first.Object(), L"Text").Text() == L"ortograf\u00eda", "the word box holds the first suggestion");
        Expect(Get(lbl.Get(), L"Visible").Long() == -1, "the status label is shown after the check");
        Expect(Let(s.Get(), L"Visible", Ref(VT_BOOL, &hidden)).hr == S_OK, "the window hidden through a variable");
    }
    CoUninitialize();
    Summary("late_bound_client");
    return failed > 0;
}
