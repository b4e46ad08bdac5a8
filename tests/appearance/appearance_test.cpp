// The appearance objects as hosts drive them, by name through IDispatch,
// against the real state of the checker window's controls.
#include "checker_fixture.h"
#include "screen.h"
#include <commctrl.h>
#include <olectl.h>

namespace {

struct ToolTipSearch {
    HWND owner, found;
};
BOOL CALLBACK FindToolTips(HWND w, LPARAM data) {
    auto* search = reinterpret_cast<ToolTipSearch*>(data);
    wchar_t type[32] = {};
    GetClassNameW(w, type, 32);
    if (_wcsicmp(type, TOOLTIPS_CLASSW) == 0 && GetWindow(w, GW_OWNER) == search->owner) search->found = w;
    return TRUE;
}

VARIANT Null() {
    VARIANT v;
    VariantInit(&v);
    v.vt = VT_NULL;
    return v;
}

VARIANT Bool(bool value) {
    VARIANT v;
    VariantInit(&v);
    v.vt = VT_BOOL;
    v.boolVal = value ? VARIANT_TRUE : VARIANT_FALSE;
    return v;
}

// A picture object of a bitmap resource of the component, as a host makes
// one, held in a VT_DISPATCH variant that the call clears.
VARIANT PictureOf(HMODULE dll, int id, Microsoft::WRL::ComPtr<IPictureDisp>& picture) {
    PICTDESC description{};
    description.cbSizeofstruct = sizeof(description);
    description.picType = PICTYPE_BITMAP;
    description.bmp.hbitmap = static_cast<HBITMAP>(LoadImageW(dll, MAKEINTRESOURCEW(id), IMAGE_BITMAP, 0, 0, 0));
    EXPECT_EQ(OleCreatePictureIndirect(&description, IID_IPictureDisp, TRUE, &picture), S_OK);
    VARIANT object;
    object.vt = VT_DISPATCH;
    object.pdispVal = picture.Get();
    if (picture) picture->AddRef();
    return object;
}

class Appearance : public Checker {
protected:
    // The word box as it is now (a style change may make it anew).
    HWND Box() { return Child(L"Edit"); }
    static DWORD Style(HWND w) { return static_cast<DWORD>(GetWindowLongW(w, GWL_STYLE)); }
    static DWORD ExStyle(HWND w) { return static_cast<DWORD>(GetWindowLongW(w, GWL_EXSTYLE)); }
    static std::wstring FaceOf(HWND w) {
        LOGFONTW font{};
        GetObjectW(reinterpret_cast<HFONT>(SendMessageW(w, WM_GETFONT, 0, 0)), sizeof(font), &font);
        return font.lfFaceName;
    }
    // The text the form's tool tip control shows for a control.
    HWND ToolTips() {
        ToolTipSearch search{Window(), nullptr};
        EnumThreadWindows(GetCurrentThreadId(), &FindToolTips, reinterpret_cast<LPARAM>(&search));
        return search.found;
    }
    std::wstring ToolTipOf(HWND control) {
        const HWND tips = ToolTips();
        if (!tips) return L"(no tool tips)";
        wchar_t text[256] = {};
        TOOLINFOW tool{};
        tool.cbSize = TTTOOLINFOW_V2_SIZE;
        tool.hwnd = Window();
        tool.uId = reinterpret_cast<UINT_PTR>(control);
        tool.lpszText = text;
        SendMessageW(tips, TTM_GETTEXTW, 256, reinterpret_cast<LPARAM>(&tool));
        return text;
    }
    Microsoft::WRL::ComPtr<IDispatch> word_ = NewObject(CLSID_txtTWord);
};

TEST_F(Appearance, StoredStylesLiveInTheObjectAndTouchNoWindow) {
    CloseForms();
    ASSERT_TRUE(Forms().empty());
    for (const wchar_t* style : {L"Alignment", L"Appearance", L"BorderStyle"}) EXPECT_EQ(Get(word_.Get(), style).Long(), 0);
    // Values outside the tables are kept, written nowhere, and load nothing.
    EXPECT_EQ(Put(word_.Get(), L"Alignment", Int(3)).hr, S_OK);
    EXPECT_EQ(Put(word_.Get(), L"Appearance", Int(2)).hr, S_OK);
    EXPECT_EQ(Put(word_.Get(), L"BorderStyle", Int(-1)).hr, S_OK);
    EXPECT_TRUE(Forms().empty());
    EXPECT_EQ(Get(word_.Get(), L"Alignment").Long(), 3);
    EXPECT_EQ(Get(word_.Get(), L"Appearance").Long(), 2);
    EXPECT_EQ(Get(word_.Get(), L"BorderStyle").Long(), -1);
    auto other = NewObject(CLSID_txtTWord);
    EXPECT_EQ(Get(other.Get(), L"Alignment").Long(), 0);
    // A pass-through read loads the window, hidden.
    EXPECT_EQ(Get(word_.Get(), L"Text").hr, S_OK);
    ASSERT_EQ(Forms().size(), 1u);
    EXPECT_FALSE(IsWindowVisible(Forms()[0]));
}

TEST_F(Appearance, AlignmentMakesTheBoxAnewKeepingWhatItHeld) {
    ASSERT_EQ(Call(spelling_.Get(), L"Show").hr, S_OK);
    SetWord(L"palabra");
    SendMessageW(Box(), EM_SETSEL, 2, 5);
    SetFocus(Box());
    struct Case {
        long value;
        DWORD style;
    };
    for (Case c : {Case{1, ES_CENTER}, Case{2, ES_RIGHT}, Case{0, ES_LEFT}, Case{1, ES_CENTER}}) {
        SCOPED_TRACE(c.value);
        RECT before{}, after{};
        GetWindowRect(Box(), &before);
        EXPECT_EQ(Put(word_.Get(), L"Alignment", Int(c.value)).hr, S_OK);
        EXPECT_EQ(Get(word_.Get(), L"Alignment").Long(), c.value);
        EXPECT_EQ(Style(Box()) & (ES_CENTER | ES_RIGHT), c.style);
        EXPECT_EQ(TextOf(Box()), L"palabra");
        DWORD start = 0, end = 0;
        SendMessageW(Box(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
        EXPECT_EQ(start, 2u);
        EXPECT_EQ(end, 5u);
        EXPECT_EQ(GetFocus(), Box());
        EXPECT_EQ(SendMessageW(Box(), EM_GETLIMITTEXT, 0, 0), 24);
        GetWindowRect(Box(), &after);
        EXPECT_TRUE(EqualRect(&before, &after));
    }
    // The box still works as the word box: a check reads it.
    EXPECT_EQ(Check(), S_OK);
    EXPECT_EQ(Entries(), std::vector<std::wstring>{});

    // A box made anew takes its tool tip along and leaves none behind for
    // the window it replaced.
    ASSERT_EQ(Put(word_.Get(), L"ToolTipText", Str(L"La palabra")).hr, S_OK);
    const LRESULT tools = SendMessageW(ToolTips(), TTM_GETTOOLCOUNT, 0, 0);
    for (long i = 0; i < 20; ++i) ASSERT_EQ(Put(word_.Get(), L"Alignment", Int(i % 3)).hr, S_OK);
    EXPECT_EQ(SendMessageW(ToolTips(), TTM_GETTOOLCOUNT, 0, 0), tools);
    EXPECT_EQ(ToolTipOf(Box()), L"La palabra");
}

TEST_F(Appearance, AppearanceAndBorderStyleAreTheBoxsFrame) {
    struct Case {
        long appearance, border;
        bool sunken, line;
    };
    for (Case c : {Case{1, 1, true, false}, Case{0, 1, false, true}, Case{0, 0, false, false}, Case{1, 0, false, false},
                   Case{1, 1, true, false}}) {
        SCOPED_TRACE(c.appearance * 10 + c.border);
        EXPECT_EQ(Put(word_.Get(), L"Appearance", Int(c.appearance)).hr, S_OK);
        EXPECT_EQ(Put(word_.Get(), L"BorderStyle", Int(c.border)).hr, S_OK);
        EXPECT_EQ((ExStyle(Box()) & WS_EX_CLIENTEDGE) != 0, c.sunken);
        EXPECT_EQ((Style(Box()) & WS_BORDER) != 0, c.line);
    }
}

TEST_F(Appearance, VariantPropertiesConvertAsTheRuntimeDoes) {
    // MaxLength: text that is a number, returned as VT_I4.
    ASSERT_EQ(Put(word_.Get(), L"MaxLength", Str(L"10")).hr, S_OK);
    CallResult length = Get(word_.Get(), L"MaxLength");
    EXPECT_EQ(length.value.vt, VT_I4);
    EXPECT_EQ(length.value.lVal, 10);
    EXPECT_EQ(SendMessageW(Box(), EM_GETLIMITTEXT, 0, 0), 10);
    // Null fails with a type mismatch and leaves the limit.
    CallResult refused = Put(word_.Get(), L"MaxLength", Null());
    EXPECT_EQ(refused.hr, kTypeMismatch);
    EXPECT_FALSE(refused.description.empty());
    EXPECT_EQ(SendMessageW(Box(), EM_GETLIMITTEXT, 0, 0), 10);
    EXPECT_EQ(Put(word_.Get(), L"MaxLength", Str(L"diez")).hr, kTypeMismatch);

    // Text: a number becomes its text; untrimmed, spaces and all.
    ASSERT_EQ(Put(word_.Get(), L"Text", Int(12)).hr, S_OK);
    CallResult text = Get(word_.Get(), L"Text");
    EXPECT_EQ(text.value.vt, VT_BSTR);
    EXPECT_EQ(text.Text(), L"12");
    EXPECT_EQ(TextOf(Box()), L"12");
    ASSERT_EQ(Put(word_.Get(), L"Text", Str(L" dos palabras ")).hr, S_OK);
    EXPECT_EQ(TextOf(Box()), L" dos palabras ");

    // Positions: twips as single-precision numbers, the box moved in pixels.
    ASSERT_EQ(Put(word_.Get(), L"Top", Str(L"1500")).hr, S_OK);
    CallResult top = Get(word_.Get(), L"Top");
    EXPECT_EQ(top.value.vt, VT_R4);
    EXPECT_EQ(top.value.fltVal, 1500.0f);
    RECT r{};
    GetWindowRect(Box(), &r);
    MapWindowPoints(nullptr, Window(), reinterpret_cast<POINT*>(&r), 2);
    EXPECT_EQ(r.top, 100);
    ASSERT_EQ(Put(word_.Get(), L"Width", Int(3000)).hr, S_OK);
    GetWindowRect(Box(), &r);
    EXPECT_EQ(r.right - r.left, 200);
    EXPECT_EQ(Put(word_.Get(), L"Height", Null()).hr, kTypeMismatch);
    // A position that is no number, or one no screen holds, is refused and
    // the box stays where it was; an infinity does not even convert.
    const float left = Get(word_.Get(), L"Left").value.fltVal;
    const struct {
        double value;
        HRESULT hr;
    } kNowhere[] = {{std::nan(""), CTL_E_INVALIDPROPERTYVALUE},
                    {-1e38, CTL_E_INVALIDPROPERTYVALUE},
                    {3.4e38, CTL_E_INVALIDPROPERTYVALUE},
                    {static_cast<double>(INFINITY), kOverflow}};
    for (const auto& nowhere : kNowhere) {
        CallResult moved = Put(word_.Get(), L"Left", Double(nowhere.value));
        EXPECT_EQ(moved.hr, nowhere.hr) << nowhere.value;
        EXPECT_FALSE(moved.description.empty()) << nowhere.value;
        RECT still{};
        GetWindowRect(Box(), &still);
        EXPECT_EQ(still.left, r.left) << nowhere.value;
        EXPECT_EQ(Get(word_.Get(), L"Left").value.fltVal, left) << nowhere.value;
    }

    // The font name is the real font's.
    ASSERT_EQ(Put(word_.Get(), L"FontName", Str(L"Courier New")).hr, S_OK);
    EXPECT_EQ(Get(word_.Get(), L"FontName").Text(), L"Courier New");
    EXPECT_EQ(FaceOf(Box()), L"Courier New");

    // The tool tip is the tool tip control's.
    ASSERT_EQ(Put(word_.Get(), L"ToolTipText", Str(L"Escriba aquí la palabra")).hr, S_OK);
    EXPECT_EQ(Get(word_.Get(), L"ToolTipText").Text(), L"Escriba aquí la palabra");
    EXPECT_EQ(ToolTipOf(Box()), L"Escriba aquí la palabra");
}

TEST_F(Appearance, ColoursPassThroughAndArePainted) {
    struct Case {
        const wchar_t* property;
        long value;
    };
    for (Case c : {Case{L"ForeColor", 0x0000FF}, Case{L"ForeColor", 4}, Case{L"BackColor", 0x00FFFF},
                   Case{L"BackColor", 1}}) {
        SCOPED_TRACE(c.value);
        EXPECT_EQ(Put(word_.Get(), c.property, Int(c.value)).hr, S_OK);
        EXPECT_EQ(Get(word_.Get(), c.property).Long(), c.value);
        HDC dc = GetDC(Box());
        SendMessageW(Window(), WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(Box()));
        const COLORREF painted = wcscmp(c.property, L"ForeColor") == 0 ? GetTextColor(dc) : GetBkColor(dc);
        ReleaseDC(Box(), dc);
        EXPECT_EQ(painted, static_cast<COLORREF>(c.value));
    }
}

TEST_F(Appearance, LockedEnabledAndVisibleAreTheBoxsOwn) {
    ASSERT_EQ(Call(spelling_.Get(), L"Show").hr, S_OK);
    SetWord(L"casa");
    ASSERT_EQ(Put(word_.Get(), L"Locked", Bool(true)).hr, S_OK);
    EXPECT_EQ(Get(word_.Get(), L"Locked").value.boolVal, VARIANT_TRUE);
    EXPECT_TRUE(Style(Box()) & ES_READONLY);
    Type(Box(), L"s");
    EXPECT_EQ(TextOf(Box()), L"casa") << "a locked box refuses typing";
    ASSERT_EQ(Put(word_.Get(), L"Locked", Bool(false)).hr, S_OK);
    SendMessageW(Box(), EM_SETSEL, 4, 4);
    Type(Box(), L"s");
    EXPECT_EQ(TextOf(Box()), L"casas");

    ASSERT_EQ(Put(word_.Get(), L"Enabled", Bool(false)).hr, S_OK);
    EXPECT_FALSE(IsWindowEnabled(Box()));
    EXPECT_EQ(Get(word_.Get(), L"Enabled").value.boolVal, VARIANT_FALSE);
    ASSERT_EQ(Put(word_.Get(), L"Enabled", Bool(true)).hr, S_OK);
    ASSERT_EQ(Put(word_.Get(), L"Visible", Bool(false)).hr, S_OK);
    EXPECT_FALSE(IsWindowVisible(Box()));
    EXPECT_EQ(Get(word_.Get(), L"Visible").value.boolVal, VARIANT_FALSE);
    ASSERT_EQ(Put(word_.Get(), L"Visible", Bool(true)).hr, S_OK);
    EXPECT_TRUE(IsWindowVisible(Box()));

    // All of it lives in the window: a fresh window has its design values.
    SendMessageW(CloseButton(), BM_CLICK, 0, 0);
    Pump();
    EXPECT_EQ(Get(word_.Get(), L"Text").Text(), L"");
    EXPECT_EQ(Get(word_.Get(), L"MaxLength").Long(), 24);
    EXPECT_EQ(Get(word_.Get(), L"FontName").Text(), L"MS Sans Serif");
}

TEST_F(Appearance, SuggestionListMovesRestylesAndSendsItsFirstEntry) {
    auto list = NewObject(CLSID_lst_Suggestions);
    CloseForms();
    EXPECT_EQ(Get(list.Get(), L"Appearance").Long(), 0);
    EXPECT_EQ(Put(list.Get(), L"Appearance", Int(5)).hr, S_OK);
    EXPECT_TRUE(Forms().empty()) << "a value outside the table loads nothing";
    EXPECT_EQ(Get(list.Get(), L"Appearance").Long(), 5);
    EXPECT_EQ(Get(NewObject(CLSID_lst_Suggestions).Get(), L"Appearance").Long(), 0);

    ASSERT_EQ(Put(list.Get(), L"Appearance", Int(0)).hr, S_OK);
    EXPECT_FALSE(ExStyle(List()) & WS_EX_CLIENTEDGE);
    EXPECT_TRUE(Style(List()) & WS_BORDER);
    ASSERT_EQ(Put(list.Get(), L"Appearance", Int(1)).hr, S_OK);
    EXPECT_TRUE(ExStyle(List()) & WS_EX_CLIENTEDGE);
    EXPECT_FALSE(Style(List()) & WS_BORDER);

    ASSERT_EQ(Put(list.Get(), L"Height", Str(L"900")).hr, S_OK);
    CallResult height = Get(list.Get(), L"Height");
    EXPECT_EQ(height.value.vt, VT_R4);
    EXPECT_EQ(height.value.fltVal, 900.0f);
    EXPECT_EQ(Put(list.Get(), L"Height", Null()).hr, kTypeMismatch);
    EXPECT_EQ(Get(list.Get(), L"Height").value.fltVal, 900.0f);
    ASSERT_EQ(Put(list.Get(), L"BackColor", Int(0x00FFFF)).hr, S_OK);
    EXPECT_EQ(Get(list.Get(), L"BackColor").Long(), 0x00FFFF);

    // Send: entry 0 of the last check, whatever is selected.
    SetWord(L"gatto");
    ASSERT_EQ(Check(), S_OK);
    std::vector<std::wstring> suggestions = Entries();
    ASSERT_GT(suggestions.size(), 1u);
    SendMessageW(List(), LB_SETCURSEL, 1, 0);
    EXPECT_EQ(Get(list.Get(), L"Text").Text(), suggestions[1]);
    EXPECT_EQ(Call(list.Get(), L"Send").hr, S_OK);
    EXPECT_EQ(TextOf(Box()), suggestions[0]);
    // Text selects the entry that reads so.
    ASSERT_EQ(Put(list.Get(), L"Text", Str(suggestions[0])).hr, S_OK);
    EXPECT_EQ(SendMessageW(List(), LB_GETCURSEL, 0, 0), 0);

    SetWord(L"xqzvbnm");
    ASSERT_EQ(Check(), S_OK);
    EXPECT_EQ(Call(list.Get(), L"Send").hr, S_OK);
    EXPECT_EQ(TextOf(Box()), L"(Sin sugerencias)");
}

// The three label classes, each a row run on its own.
struct LabelCase {
    const CLSID* clsid;
    const char* name;
    const wchar_t* caption;  // nullptr: the status label, which has none
};
const LabelCase kLabels[] = {
    {&CLSID_Label_txtWord, "Label_txtWord", L"Escriba la palabra "},
    {&CLSID_Label_Suggestions, "Label_Suggestions", L"Sugerencias"},
    {&CLSID_Label_Status, "Label_Status", nullptr},
};

class Label : public Appearance, public testing::WithParamInterface<LabelCase> {};

TEST_P(Label, KeepsItsAlignmentAndForwardsTheRest) {
    const LabelCase& c = GetParam();
    CloseForms();
    auto label = NewObject(*c.clsid);
    EXPECT_EQ(Get(label.Get(), L"Alignment").Long(), 0);
    EXPECT_EQ(Put(label.Get(), L"Alignment", Int(5)).hr, S_OK);
    EXPECT_TRUE(Forms().empty());
    EXPECT_EQ(Get(label.Get(), L"Alignment").Long(), 5);
    EXPECT_EQ(Get(NewObject(*c.clsid).Get(), L"Alignment").Long(), 0);

    auto target = [&] { return c.caption ? Child(L"Static", 0, c.caption) : StatusLabel(); };
    if (c.caption) {
        CallResult caption = Get(label.Get(), L"Caption");
        EXPECT_EQ(caption.value.vt, VT_BSTR);
        EXPECT_EQ(caption.Text(), c.caption);
    }
    ASSERT_NE(target(), nullptr);
    for (auto [value, style] : {std::pair{2L, SS_RIGHT}, std::pair{1L, SS_CENTER}, std::pair{0L, SS_LEFT}}) {
        EXPECT_EQ(Put(label.Get(), L"Alignment", Int(value)).hr, S_OK) << value;
        EXPECT_EQ(Style(target()) & SS_TYPEMASK, static_cast<DWORD>(style)) << value;
    }
    ASSERT_EQ(Put(label.Get(), L"ForeColor", Int(0x0000FF)).hr, S_OK);
    EXPECT_EQ(Get(label.Get(), L"ForeColor").Long(), 0x0000FF);
    HDC dc = GetDC(target());
    SendMessageW(Window(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(target()));
    EXPECT_EQ(GetTextColor(dc), 0x0000FFu);
    ReleaseDC(target(), dc);

    ASSERT_EQ(Put(label.Get(), L"FontItalic", Int(1)).hr, S_OK);
    CallResult italic = Get(label.Get(), L"FontItalic");
    EXPECT_EQ(italic.value.vt, VT_BOOL);
    EXPECT_EQ(italic.value.boolVal, VARIANT_TRUE);
    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(target(), WM_GETFONT, 0, 0)), sizeof(font), &font);
    EXPECT_TRUE(font.lfItalic);
    EXPECT_EQ(Put(label.Get(), L"FontBold", Null()).hr, kTypeMismatch);
    ASSERT_EQ(Put(label.Get(), L"Left", Str(L"300")).hr, S_OK);
    EXPECT_EQ(Get(label.Get(), L"Left").value.fltVal, 300.0f);
}

INSTANTIATE_TEST_SUITE_P(Appearance, Label, testing::ValuesIn(kLabels),
                         [](const testing::TestParamInfo<LabelCase>& row) { return std::string(row.param.name); });

TEST_F(Appearance, StatusLabelSizeAndVisibility) {
    auto status = NewObject(CLSID_Label_Status);
    ASSERT_EQ(Put(status.Get(), L"Width", Str(L"2000")).hr, S_OK);
    EXPECT_EQ(Get(status.Get(), L"Width").value.fltVal, 2000.0f);
    EXPECT_EQ(Put(status.Get(), L"Width", Null()).hr, kTypeMismatch);
    EXPECT_EQ(Get(status.Get(), L"Width").value.fltVal, 2000.0f);
    SetWord(L"casa");
    ASSERT_EQ(Check(), S_OK);
    EXPECT_TRUE(IsWindowVisible(StatusLabel()) || !IsWindowVisible(Window()));
    EXPECT_EQ(Get(status.Get(), L"Visible").value.boolVal, VARIANT_TRUE);
    ASSERT_EQ(Put(status.Get(), L"Visible", Bool(false)).hr, S_OK);
    EXPECT_EQ(Get(status.Get(), L"Visible").value.boolVal, VARIANT_FALSE);
    ASSERT_EQ(Check(), S_OK);
    EXPECT_EQ(Get(status.Get(), L"Visible").value.boolVal, VARIANT_TRUE) << "a check shows it again";
}

TEST_F(Appearance, CommandButtonsAreRestyledOneAtATime) {
    CloseForms();
    auto check = NewObject(CLSID_Check);
    // A failing let still loads the window first; the button keeps its height.
    EXPECT_EQ(Put(check.Get(), L"Height", Str(L"abc")).hr, kTypeMismatch);
    ASSERT_EQ(Forms().size(), 1u);
    EXPECT_EQ(Get(check.Get(), L"Height").value.fltVal, 375.0f);
    auto close = NewObject(CLSID_cmdClose);
    CallResult caption = Get(check.Get(), L"Caption");
    EXPECT_EQ(caption.value.vt, VT_BSTR);
    EXPECT_EQ(caption.Text(), L"&Verificar");
    EXPECT_EQ(Get(close.Get(), L"Caption").Text(), L"&Cerrar");
    ASSERT_EQ(Put(check.Get(), L"Caption", Int(12)).hr, S_OK);
    EXPECT_EQ(TextOf(Child(L"Button", 0, L"12")), L"12");
    EXPECT_EQ(Put(check.Get(), L"Caption", Null()).hr, kTypeMismatch);
    EXPECT_EQ(Get(check.Get(), L"Caption").Text(), L"12");
    ASSERT_EQ(Put(close.Get(), L"Left", Str(L"150")).hr, S_OK);
    EXPECT_EQ(Get(close.Get(), L"Left").value.fltVal, 150.0f);
    EXPECT_EQ(Put(close.Get(), L"Left", Str(L"abc")).hr, kTypeMismatch);
    EXPECT_EQ(Get(close.Get(), L"Left").value.fltVal, 150.0f);

    ASSERT_EQ(Put(check.Get(), L"FontBold", Int(1)).hr, S_OK);
    CallResult bold = Get(check.Get(), L"FontBold");
    EXPECT_EQ(bold.value.vt, VT_BOOL);
    EXPECT_EQ(bold.value.boolVal, VARIANT_TRUE);
    ASSERT_EQ(Put(check.Get(), L"FontUnderline", Bool(true)).hr, S_OK);
    EXPECT_EQ(Get(check.Get(), L"FontUnderline").value.boolVal, VARIANT_TRUE);

    ASSERT_EQ(Put(check.Get(), L"Enabled", Bool(false)).hr, S_OK);
    EXPECT_FALSE(IsWindowEnabled(Child(L"Button", 0, L"12")));
    EXPECT_TRUE(IsWindowEnabled(CloseButton()));
    ASSERT_EQ(Put(check.Get(), L"Enabled", Bool(true)).hr, S_OK);

    // The back colour is painted: the face of the shown button turns green.
    EXPECT_EQ(Get(check.Get(), L"BackColor").Long(), 0xC0C0C0);
    ASSERT_EQ(Put(check.Get(), L"BackColor", Int(0x00FF00)).hr, S_OK);
    EXPECT_EQ(Get(check.Get(), L"BackColor").Long(), 0x00FF00);
    ASSERT_EQ(Call(spelling_.Get(), L"Show").hr, S_OK);
    Pump();
    const HWND button = Child(L"Button", 0, L"12");
    RedrawWindow(button, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    POINT face{6, 4};
    ClientToScreen(button, &face);
    EXPECT_TRUE(PumpUntil([&] { return PixelOf(nullptr, face.x, face.y) == 0x00FF00u; }))
        << "the face shows " << std::hex << PixelOf(nullptr, face.x, face.y);

    // Pictures are picture objects, assigned by reference.
    Microsoft::WRL::ComPtr<IPictureDisp> picture;
    VARIANT object = PictureOf(Dll(), 5, picture);
    ASSERT_NE(picture, nullptr);
    ASSERT_EQ(Put(close.Get(), L"Picture", object).hr, S_OK);
    CallResult shown = Get(close.Get(), L"Picture");
    EXPECT_EQ(shown.value.vt, VT_DISPATCH);
    EXPECT_EQ(shown.Object(), picture.Get());
    EXPECT_EQ(Put(close.Get(), L"Picture", Str(L"foto.bmp")).hr, kTypeMismatch);
    VARIANT nothing;
    nothing.vt = VT_DISPATCH;
    nothing.pdispVal = nullptr;
    ASSERT_EQ(Put(close.Get(), L"Picture", nothing).hr, S_OK);
    EXPECT_EQ(Get(close.Get(), L"Picture").Object(), nullptr);

    // Enter still presses the focused button, and the check button elsewhere.
    SetFocus(CloseButton());
    const HWND window = Window();
    PressEnter(CloseButton());
    EXPECT_FALSE(IsWindow(window)) << "Enter on the focused close button closes";
}

TEST_F(Appearance, BarButtonsMoveShowAndStyleTheCaptionImagesAndTheBand) {
    CloseForms();
    auto bar = NewObject(CLSID_BarButtons);
    EXPECT_EQ(Get(bar.Get(), L"BorderStyle").Long(), 0);
    EXPECT_EQ(Get(bar.Get(), L"BackStyle").Long(), 0);
    EXPECT_EQ(Put(bar.Get(), L"BackStyle", Int(3)).hr, S_OK);
    EXPECT_TRUE(Forms().empty());
    EXPECT_EQ(Get(bar.Get(), L"BackStyle").Long(), 3);

    ASSERT_EQ(Call(spelling_.Get(), L"Show").hr, S_OK);
    auto at = [&](float x, float y) { return ControlAt(x, y); };
    const HWND help = at(3150, 3700), minimise = at(3950, 3700), maximise = at(4190, 3700), close = at(4460, 3700);
    auto left = [&](HWND w) {
        RECT r{};
        GetWindowRect(w, &r);
        MapWindowPoints(nullptr, Window(), reinterpret_cast<POINT*>(&r), 2);
        return r.left;
    };
    // The text "4000" places the maximise image; its neighbours follow.
    ASSERT_EQ(Put(bar.Get(), L"BarButtonsLeft", Str(L"4000")).hr, S_OK);
    EXPECT_EQ(left(minimise), std::lround(3745 / 15.0));
    EXPECT_EQ(left(maximise), std::lround(4000 / 15.0));
    EXPECT_EQ(left(close), std::lround(4270 / 15.0));
    CallResult reported = Get(bar.Get(), L"BarButtonsLeft");
    EXPECT_EQ(reported.value.vt, VT_R4);
    EXPECT_EQ(reported.value.fltVal, 4270.0f) << "the close image's left";
    EXPECT_EQ(Put(bar.Get(), L"BarButtonsLeft", Str(L"abc")).hr, kTypeMismatch);
    EXPECT_EQ(left(minimise), std::lround(3745 / 15.0)) << "nothing moved";
    EXPECT_EQ(left(help), std::lround(3100 / 15.0));

    ASSERT_EQ(Put(bar.Get(), L"ButtonMinVisible", Bool(false)).hr, S_OK);
    EXPECT_FALSE(IsWindowVisible(minimise));
    EXPECT_FALSE(IsWindowVisible(maximise));
    EXPECT_TRUE(IsWindowVisible(close));
    EXPECT_EQ(Get(bar.Get(), L"ButtonMinVisible").value.boolVal, VARIANT_FALSE);
    ASSERT_EQ(Put(bar.Get(), L"ButtonCloseVisible", Bool(true)).hr, S_OK);
    EXPECT_TRUE(IsWindowVisible(minimise) && IsWindowVisible(maximise) && IsWindowVisible(close));

    // The close tool tip is shared with the close button; the last writer wins.
    ASSERT_EQ(Put(bar.Get(), L"CloseToolTipText", Str(L" Cerrar ")).hr, S_OK);
    EXPECT_EQ(ToolTipOf(close), L" Cerrar ");
    EXPECT_EQ(ToolTipOf(CloseButton()), L" Cerrar ");
    ASSERT_EQ(Put(NewObject(CLSID_cmdClose).Get(), L"ToolTipText", Str(L"Salir")).hr, S_OK);
    EXPECT_EQ(Get(bar.Get(), L"CloseToolTipText").Text(), L"Salir");
    EXPECT_EQ(ToolTipOf(close), L" Cerrar ");

    // The band paints its back style, border and colour.
    POINT inside{2910 / 15 + 4, 3500 / 15 + 25}, corner{2910 / 15, std::lround(3500 / 15.0)};
    ClientToScreen(Window(), &inside);
    ClientToScreen(Window(), &corner);
    // The screen shows the colour (or another) once the drawing reaches it.
    auto shows = [](POINT p, COLORREF color) { return PumpUntil([&] { return PixelOf(nullptr, p.x, p.y) == color; }); };
    auto showsOther = [](POINT p, COLORREF color) {
        return PumpUntil([&] { return PixelOf(nullptr, p.x, p.y) != color; });
    };
    ASSERT_EQ(Put(bar.Get(), L"BackColor", Int(0x0000FF)).hr, S_OK);
    EXPECT_EQ(Get(bar.Get(), L"BackColor").Long(), 0x0000FF);
    ASSERT_EQ(Put(bar.Get(), L"BackStyle", Int(1)).hr, S_OK);
    EXPECT_TRUE(shows(inside, RGB(255, 0, 0)));
    ASSERT_EQ(Put(bar.Get(), L"BackStyle", Int(0)).hr, S_OK);
    EXPECT_TRUE(showsOther(inside, RGB(255, 0, 0))) << "the background shows through";
    ASSERT_EQ(Put(bar.Get(), L"BackStyle", Int(1)).hr, S_OK);
    ASSERT_EQ(Put(bar.Get(), L"BorderStyle", Int(1)).hr, S_OK);
    EXPECT_TRUE(shows(corner, RGB(0, 0, 0)));
    ASSERT_EQ(Put(bar.Get(), L"BorderStyle", Int(0)).hr, S_OK);
    EXPECT_TRUE(shows(corner, RGB(255, 0, 0)));
    ASSERT_EQ(Put(bar.Get(), L"BorderTBVisible", Bool(false)).hr, S_OK);
    EXPECT_EQ(Get(bar.Get(), L"BorderTBVisible").value.boolVal, VARIANT_FALSE);
    EXPECT_TRUE(showsOther(inside, RGB(255, 0, 0)));
}

TEST_F(Appearance, BarTitleRestylesTheTitleAndItsBand) {
    auto title = NewObject(CLSID_BarTitle);
    CloseForms();
    EXPECT_EQ(Get(title.Get(), L"FontSize").Long(), 0);
    EXPECT_EQ(Put(title.Get(), L"FontSize", Int(7)).hr, S_OK);
    EXPECT_TRUE(Forms().empty());
    EXPECT_EQ(Get(title.Get(), L"Caption").Text(), L"Vestrel");
    const HWND label = Child(L"Static", 0, L"Vestrel");
    ASSERT_NE(label, nullptr);
    LOGFONTW font{};
    struct Case {
        long value;
        LONG pixels;  // at 96 dpi
    };
    for (Case c : {Case{0, -16}, Case{1, -13}, Case{2, -11}}) {
        EXPECT_EQ(Put(title.Get(), L"FontSize", Int(c.value)).hr, S_OK) << c.value;
        GetObjectW(reinterpret_cast<HFONT>(SendMessageW(label, WM_GETFONT, 0, 0)), sizeof(font), &font);
        EXPECT_EQ(font.lfHeight, c.pixels) << c.value;
    }
    ASSERT_EQ(Put(title.Get(), L"Alignment", Int(2)).hr, S_OK);
    EXPECT_EQ(Style(label) & SS_TYPEMASK, static_cast<DWORD>(SS_RIGHT));
    ASSERT_EQ(Put(title.Get(), L"FontItalic", Bool(true)).hr, S_OK);
    EXPECT_EQ(Get(title.Get(), L"FontItalic").value.boolVal, VARIANT_TRUE);

    // Colour, tool tip and visibility go to the title, then to its band.
    ASSERT_EQ(Call(spelling_.Get(), L"Show").hr, S_OK);
    const HWND band = ControlAt(1600, 120);
    ASSERT_NE(band, nullptr);
    ASSERT_NE(band, label);
    ASSERT_EQ(Put(title.Get(), L"BackColor", Int(0x800000)).hr, S_OK);
    EXPECT_EQ(Get(title.Get(), L"BackColor").Long(), 0x800000);
    ASSERT_EQ(Put(title.Get(), L"ToolTipText", Str(L" Arrastre para mover ")).hr, S_OK);
    EXPECT_EQ(ToolTipOf(label), L" Arrastre para mover ");
    EXPECT_EQ(ToolTipOf(band), L" Arrastre para mover ");
    ASSERT_EQ(Put(title.Get(), L"Visible", Bool(false)).hr, S_OK);
    EXPECT_FALSE(IsWindowVisible(label));
    EXPECT_FALSE(IsWindowVisible(band));
    EXPECT_EQ(Get(title.Get(), L"Visible").value.boolVal, VARIANT_FALSE);
}

TEST_F(Appearance, BorderRecoloursTheWindowAndItsLabelsAndReplacesThePicture) {
    auto border = NewObject(CLSID_Border);
    CloseForms();
    EXPECT_EQ(Get(border.Get(), L"BackColor").Long(), 0xC0C0C0);
    ASSERT_EQ(Forms().size(), 1u);
    EXPECT_FALSE(IsWindowVisible(Forms()[0]));
    ASSERT_EQ(Put(border.Get(), L"BackColor", Int(0x0000FF)).hr, S_OK);
    EXPECT_EQ(Get(border.Get(), L"BackColor").Long(), 0x0000FF);
    for (const wchar_t* caption : {L"Escriba la palabra ", L"Sugerencias"}) {
        HWND label = Child(L"Static", 0, caption);
        HDC dc = GetDC(label);
        SendMessageW(Window(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(label));
        EXPECT_EQ(GetBkColor(dc), 0x0000FFu);
        ReleaseDC(label, dc);
    }
    // Label3 is what the get reads.
    ASSERT_EQ(Put(NewObject(CLSID_Label_Status).Get(), L"ForeColor", Int(0)).hr, S_OK);
    EXPECT_EQ(Get(border.Get(), L"BackColor").Long(), 0x0000FF);

    // The picture: the design one as an object, replaced by reference, removed.
    CallResult design = Get(border.Get(), L"Picture");
    ASSERT_EQ(design.value.vt, VT_DISPATCH);
    ASSERT_NE(design.Object(), nullptr);
    EXPECT_EQ(Get(border.Get(), L"Picture").Object(), design.Object()) << "the same object each time";
    Microsoft::WRL::ComPtr<IPictureDisp> other;
    VARIANT object = PictureOf(Dll(), 102, other);
    ASSERT_NE(other, nullptr);
    ASSERT_EQ(Put(border.Get(), L"Picture", object).hr, S_OK);
    EXPECT_EQ(Get(border.Get(), L"Picture").Object(), other.Get());
    EXPECT_EQ(Put(border.Get(), L"Picture", Str(L"fondo.bmp")).hr, kTypeMismatch);
    EXPECT_EQ(Put(border.Get(), L"Picture", Int(3)).hr, kTypeMismatch);
    EXPECT_EQ(Get(border.Get(), L"Picture").Object(), other.Get()) << "a failed let keeps the picture";
    VARIANT nothing;
    nothing.vt = VT_DISPATCH;
    nothing.pdispVal = nullptr;
    ASSERT_EQ(Put(border.Get(), L"Picture", nothing).hr, S_OK);
    EXPECT_EQ(Get(border.Get(), L"Picture").Object(), nullptr);
}

// C++ hosts call the dual interfaces through their vtables.
TEST_F(Appearance, DualInterfacesWorkThroughTheVtable) {
    Microsoft::WRL::ComPtr<_txtTWord> word;
    ASSERT_EQ(word_.As(&word), S_OK);
    posTWord alignment = TWordRight;
    EXPECT_EQ(word->get_Alignment(&alignment), S_OK);
    EXPECT_EQ(alignment, TWordLeft);
    EXPECT_EQ(word->put_Alignment(TWordCenter), S_OK);
    EXPECT_EQ(Style(Box()) & (ES_CENTER | ES_RIGHT), static_cast<DWORD>(ES_CENTER));
    VARIANT text = Str(L"vtable");
    EXPECT_EQ(word->put_Text(text), S_OK);
    VariantClear(&text);
    VARIANT read;
    VariantInit(&read);
    EXPECT_EQ(word->get_Text(&read), S_OK);
    EXPECT_EQ(read.vt, VT_BSTR);
    EXPECT_STREQ(read.bstrVal, L"vtable");
    VariantClear(&read);
    EXPECT_EQ(word->get_Text(nullptr), E_POINTER);
    VARIANT null = Null();
    EXPECT_EQ(word->put_MaxLength(null), kTypeMismatch);
    // The failure carries its text for the host.
    Microsoft::WRL::ComPtr<IErrorInfo> info;
    ASSERT_EQ(GetErrorInfo(0, &info), S_OK);
    BSTR description = nullptr;
    info->GetDescription(&description);
    EXPECT_NE(SysStringLen(description), 0u);
    SysFreeString(description);

    Microsoft::WRL::ComPtr<_lst_Suggestions> list;
    ASSERT_EQ(NewObject(CLSID_lst_Suggestions).As(&list), S_OK);
    EXPECT_EQ(list->Send(), S_OK);
    Microsoft::WRL::ComPtr<_Check> check;
    ASSERT_EQ(NewObject(CLSID_Check).As(&check), S_OK);
    BKckColor colour{};
    EXPECT_EQ(check->get_BackColor(&colour), S_OK);
    EXPECT_EQ(static_cast<long>(colour), 0xC0C0C0);
}

}  // namespace
