// The checker window: the form in which the user types a word, checks it,
// reads the suggestions and takes one into the word box. One per thread,
// reached through CheckerInstance.
#pragma once
#include <string>
#include <vector>
#include <wrl/client.h>
#include "forms/command_button.h"
#include "forms/form.h"
#include "forms/image.h"
#include "forms/instance.h"
#include "forms/label.h"
#include "forms/shape.h"
#include "forms/list_box.h"
#include "forms/text_box.h"
#include "forms/timer.h"
#include "core/variant.h"
#include "vestrel_h.h"

namespace vestrel {

class CheckerWindow final : public forms::Form {
public:
    CheckerWindow();

    // The close operation of the window's own close paths.
    void CloseSpelling();
    // The paths of the spelling engine's dictionaries, as an array of strings.
    Variant RutaDic();
    // Drags the window with the mouse, as by a caption bar.
    void Mover();
    // Asks the common dialog to show the help file at path at its keyword
    // search.
    void AskForHelp(const std::wstring& path);

    forms::Label Label1;
    forms::TextBox txtWord;
    forms::CommandButton cmdCheck;
    forms::Label Label2;
    forms::CommandButton cmdClose;
    forms::ListBox lstSuggestions;
    forms::Label Label3;
    forms::Timer Timer1;
    // The chrome: the title over its band, the caption images over theirs.
    forms::Label Label4;
    forms::Label Label5;
    forms::Image BtnHelp;
    forms::Image BtnMinimizar;
    forms::Image BtnMaximizar;
    forms::Image BtnCerrar;
    forms::Shape Label6;

    // The word box as one control object for hosts (Spelling.SendToForm),
    // made on first request and kept while this window is loaded, so that
    // every request hands out the same object.
    Microsoft::WRL::ComPtr<IDispatch> wordBoxObject;

private:
    void OnUnload() override;
    void CloseReleased();
    void HelpReleased();
    void MinimiseReleased();
    // Shows picture on image when the press is the left button's.
    static void PressedLook(forms::Image& image, int picture, const forms::MouseEvent& press);
    void OfferMenu(const forms::MouseEvent& press);
    void CheckClicked();
    void RefreshStatus();
    void RefuseSpace(wchar_t& key);

    // The engine object of the close operation, held only while it runs.
    Microsoft::WRL::ComPtr<IDispatch> mLib;
    // The Spelling object of a check started by the check button.
    Microsoft::WRL::ComPtr<_Spelling> mSpelling;
    std::vector<std::wstring> dictionaryPaths_;
    // The common dialog whose help call shows the help file.
    Microsoft::WRL::ComPtr<IDispatch> CD;
    // The outline region made at load; the window system's once set.
    HRGN region_ = nullptr;
};

using CheckerInstance = forms::Instance<CheckerWindow>;

}  // namespace vestrel
