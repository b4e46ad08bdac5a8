// The checker window driven as a user and a host drive it: real window
// messages to its controls, late-bound calls to Spelling, message boxes
// answered as they come. The built-in Spanish engine does the checking.
#include "checker_fixture.h"
#include <algorithm>
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
    ExpectStatus(L"Se hallaron " + std::to_wstring(entries.size()) + L" coincidencias para la palabra 'ortografia'");

    // The status follows the word box at a later tick; the list stays.
    SetWord(L"  otra ");
    ExpectStatus(L"Se hallaron " + std::to_wstring(entries.size()) + L" coincidencias para la palabra '  otra '");
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

// While it lives: the checker window's timer ticks, and the text messages
// (read, length, write) that reach the windows watched.
class TextTraffic {
public:
    TextTraffic(HWND ticking, std::vector<HWND> watched) {
        ticking_ = ticking;
        watched_ = std::move(watched);
        ticks_ = texts_ = 0;
        got_ = SetWindowsHookExW(WH_GETMESSAGE, &Got, nullptr, GetCurrentThreadId());
        sent_ = SetWindowsHookExW(WH_CALLWNDPROC, &Sent, nullptr, GetCurrentThreadId());
    }
    ~TextTraffic() {
        UnhookWindowsHookEx(got_);
        UnhookWindowsHookEx(sent_);
    }
    static int Ticks() { return ticks_; }
    static int Texts() { return texts_; }

private:
    static LRESULT CALLBACK Got(int code, WPARAM wParam, LPARAM lParam) {
        const MSG& m = *reinterpret_cast<const MSG*>(lParam);
        if (code == HC_ACTION && wParam == PM_REMOVE && m.message == WM_TIMER && m.hwnd == ticking_) ++ticks_;
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }
    static LRESULT CALLBACK Sent(int code, WPARAM wParam, LPARAM lParam) {
        const CWPSTRUCT& m = *reinterpret_cast<const CWPSTRUCT*>(lParam);
        const bool text = m.message == WM_GETTEXT || m.message == WM_GETTEXTLENGTH || m.message == WM_SETTEXT;
        if (code == HC_ACTION && text && std::find(watched_.begin(), watched_.end(), m.hwnd) != watched_.end())
            ++texts_;
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }
    static inline HWND ticking_;
    static inline std::vector<HWND> watched_;
    static inline int ticks_, texts_;
    HHOOK got_, sent_;
};

// The status tick costs the same whatever the texts: a megabyte in the word
// box and in the caption leaves the host's message loop free, and a tick with
// nothing changed reads and writes no text; what does change still shows.
TEST_F(Checker, StatusTickWorksOnlyWhenWhatItShowsChanges) {
    ASSERT_EQ(Call(spelling_.Get(), L"Show").hr, S_OK);
    const std::wstring megabyte(1 << 20, L'x');
    const std::wstring status = L"Se hallaron 0 coincidencias para la palabra '" + megabyte + L"'";
    SetWord(megabyte);
    ExpectStatus(status);
    // A host's write to the caption is overwritten by a later tick.
    SetWindowTextW(StatusLabel(), megabyte.c_str());
    Pump();  // drains every pending message, ticks among them, and returns
    ExpectStatus(status);

    {
        TextTraffic traffic(Window(), {WordBox(), StatusLabel()});
        EXPECT_TRUE(PumpUntil([] { return TextTraffic::Ticks() >= 5; }));
        EXPECT_EQ(TextTraffic::Texts(), 0) << "over " << TextTraffic::Ticks() << " ticks";
    }

    // Typing changes the box without a WM_SETTEXT; the list's count counts.
    SetWord(L"so");
    SetFocus(WordBox());
    SendMessageW(WordBox(), EM_SETSEL, 2, 2);
    Type(WordBox(), L"l");
    ExpectStatus(L"Se hallaron 0 coincidencias para la palabra 'sol'");
    SendMessageW(List(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"sal"));
    ExpectStatus(L"Se hallaron 1 coincidencias para la palabra 'sol'");
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
    ExpectStatus(L"Se hallaron 0 coincidencias para la palabra '  \u00e1rbol '");
}

TEST_F(Checker, WordWithoutSuggestionsListsTheSingleNotice) {
    SetWord(L"xqzwvkjh");
    ASSERT_EQ(Check(), S_OK);
    EXPECT_EQ(Entries(), std::vector<std::wstring>{L"(Sin sugerencias)"});
    ExpectStatus(L"Se hallaron 1 coincidencias para la palabra 'xqzwvkjh'");
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
    EXPECT_EQ(unload.hr, kObjectNotSet);
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
    Pump();
    EXPECT_EQ(TextOf(WordBox()), Entries()[0]);
    EXPECT_EQ(TextOf(WordBox()), L"excelente");
}

TEST_F(Checker, CloseButtonUnloadsTheWindowsAndTheNextShowIsFresh) {
    ASSERT_EQ(Call(spelling_.Get(), L"Show").hr, S_OK);
    SetWord(L"cancion");
    ASSERT_EQ(Check(), S_OK);
    HWND first = Window();
    // Its icon is the process's one: every load shows the same.
    const auto icon = [](HWND window, WPARAM which) { return SendMessageW(window, WM_GETICON, which, 0); };
    const LRESULT big = icon(first, ICON_BIG), small = icon(first, ICON_SMALL);
    EXPECT_NE(big, 0);
    EXPECT_NE(small, 0);
    ASSERT_NE(FormWithCaption(kAbout), nullptr);
    SendMessageW(CloseButton(), BM_CLICK, 0, 0);
    Pump();
    EXPECT_FALSE(IsWindow(first));
    EXPECT_EQ(FormWithCaption(kAbout), nullptr);
    EXPECT_TRUE(Forms().empty());

    ASSERT_EQ(Call(spelling_.Get(), L"Show").hr, S_OK);
    EXPECT_NE(Window(), first);
    EXPECT_EQ(icon(Window(), ICON_BIG), big);
    EXPECT_EQ(icon(Window(), ICON_SMALL), small);
    EXPECT_EQ(TextOf(WordBox()), L"");
    EXPECT_TRUE(Entries().empty());
    EXPECT_FALSE(GetWindowLongW(StatusLabel(), GWL_STYLE) & WS_VISIBLE);
}

// A host or an add-in that destroys the windows itself: each counts as
// unloaded, and the next call of any object loads a fresh one, as after a
// close. The word box object held from before reaches the fresh window.
TEST_F(Checker, AWindowDestroyedFromOutsideCountsAsUnloaded) {
    ASSERT_EQ(Call(spelling_.Get(), L"Show").hr, S_OK);
    SetWord(L"cancion");
    ASSERT_EQ(Check(), S_OK);
    const CallResult held = Call(spelling_.Get(), L"SendToForm");
    ASSERT_NE(held.Object(), nullptr);
    for (const bool shown : {true, false}) {
        SCOPED_TRACE(shown ? "shown" : "hidden");
        const HWND first = Window();
        ASSERT_TRUE(DestroyWindow(first));
        EXPECT_FALSE(IsWindow(first));
        EXPECT_EQ(FormWithCaption(kAbout), nullptr) << "the about window goes with the checker";
        EXPECT_EQ(Get(spelling_.Get(), L"Visible").Long(), 0);
        EXPECT_NE(Window(), first);
        if (shown) EXPECT_EQ(Call(spelling_.Get(), L"Show").hr, S_OK);
        else EXPECT_EQ(Put(spelling_.Get(), L"Visible", Int(-1)).hr, S_OK);
        EXPECT_EQ(Get(spelling_.Get(), L"Visible").Long(), -1);
        EXPECT_TRUE(IsWindowVisible(Window()));
        EXPECT_EQ(Put(held.Object(), L"Text", Str(L"cancion")).hr, S_OK);
        EXPECT_EQ(TextOf(WordBox()), L"cancion");
        EXPECT_EQ(Check(), S_OK);
        EXPECT_FALSE(Entries().empty());
    }
    // The about window alone.
    const HWND about = FormWithCaption(kAbout);
    ASSERT_NE(about, nullptr);
    ASSERT_TRUE(DestroyWindow(about));
    EXPECT_EQ(Call(spelling_.Get(), L"About").hr, S_OK);
    EXPECT_TRUE(IsWindowVisible(FormWithCaption(kAbout)));
    EXPECT_TRUE(IsWindowVisible(Window()));
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

namespace {

// The control's font, as the word box's window was given it.
LOGFONTW FontOf(HWND window) {
    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0)), sizeof(font), &font);
    return font;
}

}  // namespace

TEST_F(Checker, WordBoxObjectIsOneObjectWhileTheWindowStaysLoaded) {
    CallResult first = Call(spelling_.Get(), L"SendToForm");
    CallResult again = Call(NewSpelling().Get(), L"SendToForm");
    ASSERT_NE(first.Object(), nullptr);
    // A host compares objects by their IUnknown, as VBScript's Is does.
    Microsoft::WRL::ComPtr<IUnknown> one, two;
    first.Object()->QueryInterface(IID_PPV_ARGS(&one));
    again.Object()->QueryInterface(IID_PPV_ARGS(&two));
    EXPECT_EQ(one.Get(), two.Get());
    // A window loaded anew has a box of its own, and so an object of its own.
    CloseForms();
    CallResult reloaded = Call(spelling_.Get(), L"SendToForm");
    Microsoft::WRL::ComPtr<IUnknown> three;
    reloaded.Object()->QueryInterface(IID_PPV_ARGS(&three));
    EXPECT_NE(three.Get(), one.Get());
    CallResult same = Call(spelling_.Get(), L"SendToForm");
    EXPECT_EQ(same.Object(), reloaded.Object());
}

TEST_F(Checker, WordBoxObjectOffersWhatAHostExpectsOfATextBox) {
    CallResult box = Call(spelling_.Get(), L"SendToForm");
    IDispatch* control = box.Object();
    ASSERT_NE(control, nullptr);
    HWND window = WordBox();
    // The text is the default member: a host writes s.SendToForm = "x".
    VARIANT word = Str(L"casa");
    DISPID put = DISPID_PROPERTYPUT;
    DISPPARAMS params{&word, &put, 1, 1};
    ASSERT_EQ(control->Invoke(DISPID_VALUE, IID_NULL, 0, DISPATCH_PROPERTYPUT, &params, nullptr, nullptr, nullptr), S_OK);
    VariantClear(&word);
    EXPECT_EQ(TextOf(window), L"casa");

    // The control's own alignment: 0 left, 1 right, 2 centred.
    EXPECT_EQ(Get(control, L"Alignment").Long(), 0);
    ASSERT_EQ(Put(control, L"Alignment", Int(2)).hr, S_OK);
    EXPECT_TRUE(GetWindowLongW(WordBox(), GWL_STYLE) & ES_CENTER);
    ASSERT_EQ(Put(control, L"Alignment", Int(1)).hr, S_OK);
    EXPECT_TRUE(GetWindowLongW(WordBox(), GWL_STYLE) & ES_RIGHT);
    EXPECT_EQ(Get(control, L"Alignment").Long(), 1);
    CallResult refused = Put(control, L"Alignment", Int(3));
    EXPECT_EQ(refused.hr, CTL_E_INVALIDPROPERTYVALUE);
    EXPECT_FALSE(refused.description.empty());
    EXPECT_EQ(Get(control, L"Alignment").Long(), 1);
    window = WordBox();

    // Font members reach the window's font.
    struct FontFlag {
        const wchar_t* name;
        BYTE LOGFONTW::*field;
    } const kFlags[] = {{L"FontItalic", &LOGFONTW::lfItalic},
                        {L"FontUnderline", &LOGFONTW::lfUnderline},
                        {L"FontStrikethru", &LOGFONTW::lfStrikeOut}};
    for (const FontFlag& flag : kFlags) {
        EXPECT_EQ(Get(control, flag.name).value.vt, VT_BOOL) << flag.name;
        ASSERT_EQ(Put(control, flag.name, Int(-1)).hr, S_OK) << flag.name;
        EXPECT_TRUE(FontOf(window).*flag.field) << flag.name;
        EXPECT_EQ(Get(control, flag.name).Long(), -1) << flag.name;
    }
    ASSERT_EQ(Put(control, L"FontSize", Str(L"12")).hr, S_OK);
    EXPECT_EQ(Get(control, L"FontSize").value.vt, VT_R4);
    EXPECT_FLOAT_EQ(Get(control, L"FontSize").value.fltVal, 12.0f);
    EXPECT_EQ(FontOf(window).lfHeight, -16);

    ASSERT_EQ(Put(control, L"Tag", Int(42)).hr, S_OK);
    EXPECT_EQ(Get(control, L"Tag").Text(), L"42");
    ASSERT_EQ(Put(control, L"ToolTipText", Str(L"Escriba aquí")).hr, S_OK);
    EXPECT_EQ(Get(control, L"ToolTipText").Text(), L"Escriba aquí");

    // Tab order: the list, the check button, the word box, the close button.
    EXPECT_EQ(Get(control, L"TabIndex").Long(), 2);
    EXPECT_EQ(Get(control, L"TabStop").Long(), -1);
    ASSERT_EQ(Put(control, L"TabIndex", Int(0)).hr, S_OK);
    EXPECT_EQ(Get(control, L"TabIndex").Long(), 0);
    ASSERT_EQ(Call(spelling_.Get(), L"Show").hr, S_OK);
    SetFocus(CloseButton());
    EXPECT_EQ(GetNextDlgTabItem(Window(), CloseButton(), FALSE), WordBox()) << "Tab from the last control";
    ASSERT_EQ(Put(control, L"TabIndex", Int(99)).hr, S_OK);
    EXPECT_EQ(Get(control, L"TabIndex").Long(), 3);
    EXPECT_EQ(GetNextDlgTabItem(Window(), CloseButton(), FALSE), WordBox()) << "Tab from the close button";
    EXPECT_EQ(GetNextDlgTabItem(Window(), WordBox(), TRUE), CloseButton()) << "Shift+Tab from the word box";
    EXPECT_EQ(Put(control, L"TabIndex", Int(-1)).hr, CTL_E_INVALIDPROPERTYVALUE);
    ASSERT_EQ(Put(control, L"TabStop", Int(0)).hr, S_OK);
    EXPECT_FALSE(GetWindowLongW(WordBox(), GWL_STYLE) & WS_TABSTOP);
    EXPECT_EQ(Get(control, L"TabStop").Long(), 0);

    EXPECT_EQ(Call(control, L"Refresh").hr, S_OK);
    ASSERT_EQ(Call(control, L"SetFocus").hr, S_OK);
    EXPECT_EQ(GetFocus(), WordBox());
}

// txtTWord and the control object are two faces of one box: what one writes
// the other reads, with the same types.
TEST_F(Checker, WordBoxObjectAndTxtTWordAgree) {
    CallResult box = Call(spelling_.Get(), L"SendToForm");
    IDispatch* control = box.Object();
    auto styler = NewObject(CLSID_txtTWord);
    const struct {
        const wchar_t* name;
        VARIANT (*value)();
    } kShared[] = {{L"Top", [] { return Str(L"1200"); }},       {L"Left", [] { return Int(300); }},
                   {L"Width", [] { return Int(2000); }},        {L"Height", [] { return Int(400); }},
                   {L"Text", [] { return Int(12); }},           {L"MaxLength", [] { return Str(L"10"); }},
                   {L"FontName", [] { return Str(L"Arial"); }}, {L"ToolTipText", [] { return Str(L"una"); }},
                   {L"Locked", [] { return Int(-1); }},         {L"Enabled", [] { return Int(0); }},
                   {L"Visible", [] { return Int(0); }},         {L"BackColor", [] { return Int(0xFF); }},
                   {L"ForeColor", [] { return Int(0xFF00); }}};
    for (const auto& member : kShared) {
        for (IDispatch* writer : {control, styler.Get()}) {
            ASSERT_EQ(Put(writer, member.name, member.value()).hr, S_OK) << member.name;
            CallResult a = Get(control, member.name), b = Get(styler.Get(), member.name);
            EXPECT_EQ(a.value.vt, b.value.vt) << member.name;
            EXPECT_EQ(VarCmp(&a.value, &b.value, LOCALE_INVARIANT, 0), VARCMP_EQ) << member.name;
        }
    }
    // A refusal is the same too, with the same text.
    CallResult a = Put(control, L"MaxLength", Of(VT_NULL)), b = Put(styler.Get(), L"MaxLength", Of(VT_NULL));
    EXPECT_EQ(a.hr, b.hr);
    EXPECT_EQ(a.description, b.description);
    EXPECT_FALSE(a.description.empty());
}
