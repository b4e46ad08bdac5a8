// The checker window driven as a user and a host drive it: real window
// messages to its controls, late-bound calls to Spelling, message boxes
// answered as they come. The built-in Spanish engine does the checking.
#include "checker_fixture.h"
#include <olectl.h>

namespace {

constexpr wchar_t kAbout[] = L" Acerca del Vestrel";

TEST_F(Checker, MisspeltWordListsSuggestionsAndShowsTheStatus) {
    ASSERT_EQ(Call(spelling_.Get(), L"Show").hr, S_OK);
    EXPECT_TRUE(IsWindowVisible(Window()));
    // Tab index 0: the suggestion list has the focus when the window opens.
    EXPECT_EQ(GetFocus(), List());
    EXPECT_FALSE(IsWindowVisible(StatusLabel())) << "hidden until a check reaches the engine";

    Type(WordBox(), L"ortografia");
    EXPECT_EQ(TextOf(WordBox()), L"ortografia");
    ASSERT_EQ(Check(), S_OK);
    const auto entries = Entries();
    ASSERT_FALSE(entries.empty());
    EXPECT_EQ(entries[0], L"ortograf\u00eda");
    EXPECT_TRUE(boxes_->Boxes().empty());
    EXPECT_TRUE(IsWindowVisible(StatusLabel()));
    EXPECT_TRUE(IsWindowVisible(FormWithCaption(kAbout))) << "every check shows the about window";
    Pump(60);
    EXPECT_EQ(TextOf(StatusLabel()), L"Se hallaron " + std::to_wstring(entries.size()) +
                                         L" coincidencias para la palabra 'ortografia'");

    // The status follows the word box at the next tick; the list stays.
    SetWord(L"  otra ");
    Pump(60);
    EXPECT_EQ(TextOf(StatusLabel()), L"Se hallaron " + std::to_wstring(entries.size()) +
                                         L" coincidencias para la palabra '  otra '");
    EXPECT_EQ(Entries(), entries);

    // The engine of the check was told to quit: mLib still holds it.
    CallResult engine = Get(spelling_.Get(), L"mLib");
    ASSERT_NE(engine.Object(), nullptr);
    CallResult documents = Get(engine.Object(), L"Documents");
    EXPECT_EQ(documents.hr, RPC_E_DISCONNECTED);
    EXPECT_FALSE(documents.description.empty());
    CallResult unload = Call(spelling_.Get(), L"Unload");
    EXPECT_EQ(unload.hr, RPC_E_DISCONNECTED) << "a second quit fails as the engine says";
}

TEST_F(Checker, CorrectWordIsConfirmedAndLeavesTheListEmpty) {
    SetWord(L"  \u00e1rbol ");
    ASSERT_EQ(Check(), S_OK);
    const auto boxes = boxes_->Boxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, L"Se ha terminado la revisi\u00f3n ortogr\u00e1fica. No se han encontrado errores...");
    EXPECT_EQ(boxes[0].title, L" Vestrel");
    EXPECT_TRUE(boxes[0].informationIcon);
    EXPECT_EQ(boxes[0].buttons, 1);
    EXPECT_TRUE(Entries().empty());
    EXPECT_TRUE(IsWindowVisible(StatusLabel()) || !IsWindowVisible(Window()));
    EXPECT_TRUE(GetWindowLongW(StatusLabel(), GWL_STYLE) & WS_VISIBLE);
    Pump(60);
    EXPECT_EQ(TextOf(StatusLabel()), L"Se hallaron 0 coincidencias para la palabra '  \u00e1rbol '");
}

TEST_F(Checker, WordWithoutSuggestionsListsTheSingleNotice) {
    SetWord(L"xqzwvkjh");
    ASSERT_EQ(Check(), S_OK);
    EXPECT_EQ(Entries(), std::vector<std::wstring>{L"(Sin sugerencias)"});
    Pump(60);
    EXPECT_EQ(TextOf(StatusLabel()), L"Se hallaron 1 coincidencias para la palabra 'xqzwvkjh'");
}

TEST_F(Checker, BlankWordWarnsAndKeepsTheEngineRunning) {
    SetWord(L"cancion");
    ASSERT_EQ(Check(), S_OK);
    const auto before = Entries();
    ASSERT_FALSE(before.empty());

    // Hidden window: the warning, and no attempt to move the focus.
    SetWord(L"     ");
    ASSERT_EQ(Check(), S_OK);
    auto boxes = boxes_->Boxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, L"Por favor escriba una palabra en el cuadro de texto");
    EXPECT_EQ(boxes[0].title, L"Vestrel");
    EXPECT_TRUE(boxes[0].warningIcon);
    EXPECT_EQ(Entries(), before) << "the list keeps the previous check";

    // The engine created for the call is left running in mLib.
    CallResult engine = Get(spelling_.Get(), L"mLib");
    CallResult documents = Get(engine.Object(), L"Documents");
    ASSERT_EQ(documents.hr, S_OK);
    EXPECT_EQ(Get(documents.Object(), L"Count").Long(), 0);
    EXPECT_EQ(Call(spelling_.Get(), L"Unload").hr, S_OK);
    EXPECT_EQ(Call(spelling_.Get(), L"Unload").hr, RPC_E_DISCONNECTED);

    // Visible window: the focus goes back to the word box.
    ASSERT_EQ(Call(spelling_.Get(), L"Show").hr, S_OK);
    ASSERT_EQ(Check(), S_OK);
    EXPECT_EQ(boxes_->Boxes().size(), 2u);
    EXPECT_EQ(GetFocus(), WordBox());
}

TEST_F(Checker, UnloadWithoutAnEngineIsError91) {
    CallResult unload = Call(spelling_.Get(), L"Unload");
    EXPECT_EQ(unload.hr, static_cast<HRESULT>(0x800A005B));
    EXPECT_EQ(unload.source, L"Vestrel");
    EXPECT_NE(unload.description.find(L"mLib"), std::wstring::npos);
}

TEST_F(Checker, TypingIsFilteredAndLimited) {
    ASSERT_EQ(Call(spelling_.Get(), L"Show").hr, S_OK);
    HWND box = WordBox();
    SetFocus(box);
    Type(box, L"uno dos ");
    EXPECT_EQ(TextOf(box), L"unodos") << "a typed space never reaches the box";
    const auto boxes = boxes_->Boxes();
    ASSERT_EQ(boxes.size(), 2u) << "the message is shown for every space";
    for (const auto& shown : boxes) {
        EXPECT_EQ(shown.text, L"Solo se puede verificar una palabra a la vez...");
        EXPECT_EQ(shown.title, L"Vestrel...");
        EXPECT_TRUE(shown.informationIcon);
    }
    SetWord(L"");
    Type(box, std::wstring(30, L'a'));
    EXPECT_EQ(TextOf(box), std::wstring(24, L'a'));
}

TEST_F(Checker, EnterChecksFromTheWordBoxAndTheList) {
    ASSERT_EQ(Call(spelling_.Get(), L"Show").hr, S_OK);
    SetWord(L"espanol");
    SetFocus(WordBox());
    PressEnter(WordBox());
    EXPECT_EQ(Entries().empty() ? L"" : Entries()[0], L"espa\u00f1ol");

    SendMessageW(List(), LB_RESETCONTENT, 0, 0);
    SetWord(L"arbol");
    SetFocus(List());
    PressEnter(List());
    EXPECT_EQ(Entries().empty() ? L"" : Entries()[0], L"\u00e1rbol");
}

TEST_F(Checker, DoubleClickTakesTheSuggestionIntoTheWordBox) {
    ASSERT_EQ(Call(spelling_.Get(), L"Show").hr, S_OK);
    SetWord(L"exelente");
    ASSERT_EQ(Check(), S_OK);
    ASSERT_FALSE(Entries().empty());
    RECT item{};
    SendMessageW(List(), LB_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&item));
    const LPARAM at = MAKELPARAM(item.left + 5, (item.top + item.bottom) / 2);
    PostMessageW(List(), WM_LBUTTONDOWN, MK_LBUTTON, at);
    PostMessageW(List(), WM_LBUTTONUP, 0, at);
    PostMessageW(List(), WM_LBUTTONDBLCLK, MK_LBUTTON, at);
    PostMessageW(List(), WM_LBUTTONUP, 0, at);
    Pump(20);
    EXPECT_EQ(TextOf(WordBox()), Entries()[0]);
    EXPECT_EQ(TextOf(WordBox()), L"excelente");
}

TEST_F(Checker, CloseButtonUnloadsTheWindowsAndTheNextShowIsFresh) {
    ASSERT_EQ(Call(spelling_.Get(), L"Show").hr, S_OK);
    SetWord(L"cancion");
    ASSERT_EQ(Check(), S_OK);
    HWND first = Window();
    ASSERT_NE(FormWithCaption(kAbout), nullptr);
    SendMessageW(CloseButton(), BM_CLICK, 0, 0);
    Pump();
    EXPECT_FALSE(IsWindow(first));
    EXPECT_EQ(FormWithCaption(kAbout), nullptr);
    EXPECT_TRUE(Forms().empty());

    ASSERT_EQ(Call(spelling_.Get(), L"Show").hr, S_OK);
    EXPECT_NE(Window(), first);
    EXPECT_EQ(TextOf(WordBox()), L"");
    EXPECT_TRUE(Entries().empty());
    EXPECT_FALSE(GetWindowLongW(StatusLabel(), GWL_STYLE) & WS_VISIBLE);
}

TEST_F(Checker, WordBoxMembersOfTheSpellingObject) {
    SetWord(L"  hola  ");
    CallResult text = Get(spelling_.Get(), L"DeleteText");
    EXPECT_EQ(text.value.vt, VT_BSTR);
    EXPECT_EQ(text.Text(), L"  hola  ");
    ASSERT_EQ(Call(spelling_.Get(), L"Change").hr, S_OK);
    ASSERT_TRUE(OpenClipboard(nullptr));
    HANDLE data = GetClipboardData(CF_UNICODETEXT);
    ASSERT_NE(data, nullptr);
    EXPECT_EQ(std::wstring(static_cast<const wchar_t*>(GlobalLock(data))), L"  hola  ");
    GlobalUnlock(data);
    CloseClipboard();
    EXPECT_EQ(Put(spelling_.Get(), L"DeleteText", Str(L"no importa")).hr, S_OK);
    EXPECT_EQ(Get(spelling_.Get(), L"DeleteText").Text(), L"");
}

TEST_F(Checker, VisibleLoadsHiddenShowsAndHides) {
    EXPECT_EQ(Get(spelling_.Get(), L"Visible").Long(), 0);
    ASSERT_NE(FormWithCaption(L"Vestrel"), nullptr) << "reading Visible loads the window";
    EXPECT_EQ(Put(spelling_.Get(), L"Visible", Int(-1)).hr, S_OK);
    EXPECT_TRUE(IsWindowVisible(Window()));
    EXPECT_EQ(Get(spelling_.Get(), L"Visible").Long(), -1);
    EXPECT_EQ(Put(spelling_.Get(), L"Visible", Int(0)).hr, S_OK);
    EXPECT_FALSE(IsWindowVisible(Window()));
    // Every Spelling object acts on the thread's one window.
    auto other = NewSpelling();
    EXPECT_EQ(Call(other.Get(), L"Show").hr, S_OK);
    EXPECT_EQ(Get(spelling_.Get(), L"Visible").Long(), -1);
}

TEST_F(Checker, ShowAcceptsWhateverAScriptPasses) {
    VARIANT empty;
    VariantInit(&empty);
    for (VARIANT arg : {Str(L"modal"), Int(1), empty}) {
        EXPECT_EQ(Call(spelling_.Get(), L"Show", {arg}).hr, S_OK);
        EXPECT_TRUE(IsWindowVisible(Window()));
        ShowWindow(Window(), SW_HIDE);
    }
    EXPECT_EQ(Call(spelling_.Get(), L"Show").hr, S_OK);
    EXPECT_EQ(Call(spelling_.Get(), L"Show", {Int(1), Int(2)}).hr, DISP_E_BADPARAMCOUNT);
}

TEST_F(Checker, WordBoxObjectWorksOnTheRealControlAndAcrossUnloads) {
    CallResult box = Call(spelling_.Get(), L"SendToForm");
    IDispatch* control = box.Object();
    ASSERT_NE(control, nullptr);
    EXPECT_EQ(Get(control, L"MaxLength").Long(), 24);
    EXPECT_EQ(Get(control, L"FontName").Text(), L"MS Sans Serif");
    EXPECT_EQ(Get(control, L"FontBold").Long(), -1);
    EXPECT_FLOAT_EQ(Get(control, L"FontSize").value.fltVal, 8.25f);
    EXPECT_FLOAT_EQ(Get(control, L"Left").value.fltVal, 240.0f);
    EXPECT_FLOAT_EQ(Get(control, L"Top").value.fltVal, 840.0f);
    ASSERT_EQ(Put(control, L"Text", Str(L"palabra")).hr, S_OK);
    ASSERT_EQ(Put(control, L"SelStart", Int(2)).hr, S_OK);
    ASSERT_EQ(Put(control, L"SelLength", Int(3)).hr, S_OK);
    EXPECT_EQ(Get(control, L"SelText").Text(), L"lab");
    ASSERT_EQ(Put(control, L"SelText", Str(L"LAB")).hr, S_OK);
    EXPECT_EQ(TextOf(WordBox()), L"paLABra");
    ASSERT_EQ(Put(control, L"Left", Int(600)).hr, S_OK);
    RECT r;
    GetWindowRect(WordBox(), &r);
    MapWindowPoints(nullptr, Window(), reinterpret_cast<POINT*>(&r), 2);
    EXPECT_EQ(r.left, 40);
    ASSERT_EQ(Put(control, L"BackColor", Int(0x00FFFF)).hr, S_OK);
    EXPECT_EQ(Get(control, L"BackColor").Long(), 0x00FFFF);
    EXPECT_EQ(Put(control, L"MaxLength", Int(-1)).hr, CTL_E_INVALIDPROPERTYVALUE);
    EXPECT_EQ(Put(control, L"Locked", Int(-1)).hr, S_OK);
    EXPECT_TRUE(GetWindowLongW(WordBox(), GWL_STYLE) & ES_READONLY);
    // Hidden window: the control cannot take the focus, and says so.
    EXPECT_EQ(Call(control, L"SetFocus").hr, CTL_E_ILLEGALFUNCTIONCALL);

    // After the window is closed the object reaches the reloaded one.
    CloseForms();
    ASSERT_TRUE(Forms().empty());
    EXPECT_EQ(Get(control, L"Text").Text(), L"");
    EXPECT_EQ(Get(control, L"Left").value.fltVal, 240.0f);
    EXPECT_EQ(Forms().size(), 1u);
}

}  // namespace
