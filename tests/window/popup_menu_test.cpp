// The checker window's right-button menu: where it opens, what each entry
// does, and what may happen while its loop runs.
#include "chrome_fixture.h"

namespace {

TEST_F(Chrome, RightPressOpensTheMenuOnlyOnTheBackgroundAndTheContentLabels) {
    const std::vector<std::wstring> kMenu{L"&Verificar Ortografía", L"-", L"Ay&uda", L"-", L"&Minimizar ventana",
                                          L"&Cerrar el corrector"};
    for (const Spot& spot : {kBackground, kLabel1, kLabel2}) {
        SCOPED_TRACE(spot.name);
        MenuSeen menu = RightPress(spot);
        ASSERT_TRUE(menu.opened);
        EXPECT_EQ(menu.captions, kMenu);
        EXPECT_EQ(menu.defaultPosition, 2) << "Ay&uda is the bold entry";
        // Centred on x 1100 twips, its top at y 450, wherever the press was.
        POINT anchor{1100 / 15, 450 / 15};
        ClientToScreen(Window(), &anchor);
        EXPECT_LE(std::abs((menu.rect.left + menu.rect.right) / 2 - anchor.x), 1);
        EXPECT_EQ(menu.rect.top, anchor.y);
    }
    // The images act on the release (the last one closes the window).
    for (const Spot& spot : {kWordBox, kList, kCheckButton, kHelp, kMaximise, kMinimise, kClose}) {
        SCOPED_TRACE(spot.name);
        EXPECT_NE(RightPress(spot).captions, kMenu);
        ASSERT_EQ(Call(spelling_.Get(), L"Show").hr, S_OK);
    }
    // The menu form is loaded by the first menu and never shown.
    ASSERT_NE(Popup(), nullptr);
    EXPECT_FALSE(IsWindowVisible(Popup()));
    // Left presses on the background do nothing.
    seen = {};
    Press(kBackground, 1);
    Release(Window(), 1);
    EXPECT_FALSE(seen.opened);
}

TEST_F(Chrome, MenuCheckListsCorrectWithoutBoxOrAboutWindow) {
    SetWord(L"  canción ");
    ASSERT_TRUE(RightPress(kBackground, L'v').opened);
    Pump();
    EXPECT_EQ(Entries(), std::vector<std::wstring>{L"(Correcto)"});
    EXPECT_TRUE(boxes_->Boxes().empty());
    EXPECT_EQ(About(), nullptr);
    EXPECT_TRUE(IsWindowVisible(StatusLabel()));
    ExpectStatus(L"Se hallaron 1 coincidencias para la palabra '  canción '");  // at the status line's next tick

    SetWord(L"cancion");
    ASSERT_TRUE(RightPress(kLabel1, L'v').opened);
    Pump();
    EXPECT_FALSE(Entries().empty());
    EXPECT_EQ(Entries()[0], L"canción");

    // An empty word: the warning, then the focus in the word box.
    SetWord(L"   ");
    SetFocus(List());
    ASSERT_TRUE(RightPress(kBackground, L'v').opened);
    Pump();
    ASSERT_EQ(boxes_->Boxes().size(), 1u);
    EXPECT_EQ(boxes_->Boxes()[0].text, L"Por favor escriba una palabra en el cuadro de texto");
    EXPECT_TRUE(boxes_->Boxes()[0].warningIcon);
    EXPECT_EQ(GetFocus(), WordBox());
}

// The menu's own empty-word step: the focus goes to the word box whatever
// became of the window while the warning was open; a window the user hid
// meanwhile ends in the focus error, reported in a box of its own. A host's
// check tests the window's visibility first and stays quiet.
TEST_F(Chrome, MenuCheckOfAnEmptyWordFocusesTheBoxEvenWhenTheWindowWentAway) {
    const HWND window = Window();
    boxes_ = std::make_unique<BoxAnswerer>(GetCurrentThreadId(), 0, [window](const AnsweredBox& box) {
        if (box.text == L"Por favor escriba una palabra en el cuadro de texto") ShowWindow(window, SW_HIDE);
    });
    SetWord(L"   ");
    ASSERT_TRUE(RightPress(kBackground, L'v').opened);
    ASSERT_TRUE(PumpUntil([this] { return boxes_->Boxes().size() >= 2; }));
    const auto boxes = boxes_->Boxes();
    EXPECT_EQ(boxes[0].text, L"Por favor escriba una palabra en el cuadro de texto");
    EXPECT_EQ(boxes[1].text, L"No se puede mover el enfoque a un control invisible o deshabilitado.");
    EXPECT_TRUE(boxes[1].warningIcon);

    boxes_->Clear();
    ShowWindow(window, SW_SHOW);
    ASSERT_EQ(Check(), S_OK);
    Pump();
    EXPECT_EQ(boxes_->Boxes().size(), 1u) << "the host's check tests the window's visibility";
}

TEST_F(Chrome, MenuMinimisesAndClosesEverything) {
    ASSERT_TRUE(RightPress(kBackground, L'm').opened);
    Pump();
    EXPECT_TRUE(IsIconic(Window()));
    ASSERT_EQ(Call(spelling_.Get(), L"Show").hr, S_OK);
    Pump();

    ASSERT_EQ(Check(), S_OK);
    ASSERT_NE(About(), nullptr);
    const HWND window = Window();
    ASSERT_TRUE(RightPress(kBackground, L'c').opened);
    Pump();
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(About(), nullptr);
    EXPECT_EQ(Popup(), nullptr);
}

TEST_F(Chrome, ClosingFromInsideTheMenuLoopIsSafe) {
    const HWND window = Window();
    duringMenu = [this] { SendMessageW(CloseButton(), BM_CLICK, 0, 0); };
    MenuSeen menu = RightPress(kBackground, L'v');
    EXPECT_TRUE(menu.opened);
    Pump();
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(Popup(), nullptr);
    // The next access loads a fresh window, which works.
    SetWord(L"casa");
    EXPECT_EQ(Check(), S_OK);
}

// The host keeps calling while the user has the menu open (a host timer, a
// message of its own): its calls act at once, and the entry the user then
// picks acts on what they left.
TEST_F(Chrome, HostCallsFromInsideTheMenuLoopAct) {
    Microsoft::WRL::ComPtr<IDispatch> title = NewObject(CLSID_BarTitle);
    HRESULT checked = E_FAIL, captioned = E_FAIL;
    duringMenu = [&] {
        SetWord(L"ombre");
        checked = Check();
        captioned = Put(title.Get(), L"Caption", Str(L"Durante el menú")).hr;
        SetWord(L"jente");
    };
    ASSERT_TRUE(RightPress(kBackground, L'v').opened);
    Pump();
    EXPECT_EQ(checked, S_OK);
    EXPECT_EQ(captioned, S_OK);
    EXPECT_EQ(Get(title.Get(), L"Caption").Text(), L"Durante el menú");
    ASSERT_FALSE(Entries().empty());
    EXPECT_EQ(Entries()[0], L"gente");  // the menu's check of the word the host left
}

}  // namespace
