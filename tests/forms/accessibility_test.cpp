// What a screen reader hears of the checker window: each control asked
// through AccessibleObjectFromWindow, as assistive technology asks it, for
// its name and role; names follow what a host sets.
#include <oleacc.h>
#include "checker_fixture.h"

namespace {

struct Heard {
    HRESULT hr = E_FAIL;
    std::wstring name;
    long role = 0;
};

Heard Ask(HWND window) {
    Heard heard;
    Microsoft::WRL::ComPtr<IAccessible> object;
    heard.hr = AccessibleObjectFromWindow(window, static_cast<DWORD>(OBJID_CLIENT), IID_PPV_ARGS(&object));
    if (FAILED(heard.hr)) return heard;
    VARIANT self{};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    BSTR name = nullptr;
    if (object->get_accName(self, &name) == S_OK && name) heard.name = name;
    SysFreeString(name);
    VARIANT role{};
    if (SUCCEEDED(object->get_accRole(self, &role)) && role.vt == VT_I4) heard.role = role.lVal;
    VariantClear(&role);
    // The window the object speaks for, as a client asks it back.
    HWND back = nullptr;
    if (FAILED(WindowFromAccessibleObject(object.Get(), &back)) || back != window) heard.hr = E_UNEXPECTED;
    return heard;
}

// The caption images, by a point inside each (twips of the client area).
struct ImageButton {
    const wchar_t* control;
    float x, y;
    const wchar_t* name;
    const wchar_t* toolTipProperty;  // of BarButtons; nullptr for none
};
constexpr ImageButton kButtons[] = {
    {L"BtnHelp", 3150, 3700, L"Ayuda", L"HelpToolTipText"},
    {L"BtnMinimizar", 3950, 3700, L"Minimizar", L"MinToolTipText"},
    {L"BtnMaximizar", 4190, 3700, L"Maximizar", nullptr},
    {L"BtnCerrar", 4460, 3700, L"Cerrar", L"CloseToolTipText"},
};

}  // namespace

class Accessibility : public Checker {
protected:
    void SetUp() override {
        Checker::SetUp();
        ASSERT_EQ(Call(spelling_.Get(), L"Show").hr, S_OK);
        Pump();
    }
};

TEST_F(Accessibility, CaptionImagesArePushButtonsNamedForWhatTheyDo) {
    for (const ImageButton& button : kButtons) {
        SCOPED_TRACE(std::string(button.control, button.control + wcslen(button.control)));
        const Heard heard = Ask(ControlAt(button.x, button.y));
        ASSERT_EQ(heard.hr, S_OK);
        EXPECT_EQ(heard.name, button.name);
        EXPECT_EQ(heard.role, ROLE_SYSTEM_PUSHBUTTON);
    }
}

TEST_F(Accessibility, AHostsToolTipNamesItsButton) {
    Microsoft::WRL::ComPtr<IDispatch> bar = NewObject(CLSID_BarButtons);
    for (const ImageButton& button : kButtons) {
        if (!button.toolTipProperty) continue;
        const std::wstring tip = std::wstring(L"Botón ") + button.name;
        ASSERT_EQ(Put(bar.Get(), button.toolTipProperty, Str(tip)).hr, S_OK);
        EXPECT_EQ(Ask(ControlAt(button.x, button.y)).name, tip);
    }
    // An empty tool tip gives the button its own name back.
    ASSERT_EQ(Put(bar.Get(), L"HelpToolTipText", Str(L"")).hr, S_OK);
    EXPECT_EQ(Ask(ControlAt(kButtons[0].x, kButtons[0].y)).name, L"Ayuda");
}

TEST_F(Accessibility, WordBoxAndListAreNamedByTheLabelsAboveThem) {
    const Heard box = Ask(WordBox()), list = Ask(List());
    ASSERT_EQ(box.hr, S_OK);
    ASSERT_EQ(list.hr, S_OK);
    EXPECT_EQ(box.name, L"Escriba la palabra");
    EXPECT_EQ(list.name, L"Sugerencias");
    // Their roles are the system's own for a text box and a list.
    EXPECT_NE(box.role, 0);
    EXPECT_NE(list.role, 0);
    EXPECT_NE(box.role, ROLE_SYSTEM_PUSHBUTTON);

    // A host's captions name them.
    Microsoft::WRL::ComPtr<IDispatch> wordCaption = NewObject(CLSID_Label_txtWord);
    Microsoft::WRL::ComPtr<IDispatch> listCaption = NewObject(CLSID_Label_Suggestions);
    ASSERT_EQ(Put(wordCaption.Get(), L"Caption", Str(L"Palabra:")).hr, S_OK);
    ASSERT_EQ(Put(listCaption.Get(), L"Caption", Str(L"  Opciones ")).hr, S_OK);
    EXPECT_EQ(Ask(WordBox()).name, L"Palabra:");
    EXPECT_EQ(Ask(List()).name, L"Opciones");
}

TEST_F(Accessibility, TheWindowIsNamedByItsTitle) {
    Heard heard = Ask(Window());
    ASSERT_EQ(heard.hr, S_OK);
    EXPECT_EQ(heard.name, L"Vestrel");
    Microsoft::WRL::ComPtr<IDispatch> title = NewObject(CLSID_BarTitle);
    ASSERT_EQ(Put(title.Get(), L"Caption", Str(L"Corrector de la oficina")).hr, S_OK);
    EXPECT_EQ(Ask(Window()).name, L"Corrector de la oficina");
}

// Naming changes nothing a keyboard user reaches: the same four tab stops,
// and the images none.
TEST_F(Accessibility, KeyboardReachIsUnchanged) {
    for (HWND control : {WordBox(), List(), CheckButton(), CloseButton()})
        EXPECT_TRUE(GetWindowLongW(control, GWL_STYLE) & WS_TABSTOP);
    for (const ImageButton& button : kButtons)
        EXPECT_FALSE(GetWindowLongW(ControlAt(button.x, button.y), GWL_STYLE) & WS_TABSTOP);
}
