// The checker window: the form in which the user types a word, checks it,
// reads the suggestions and takes one into the word box. One per thread,
// reached through CheckerInstance.
#pragma once
#include <functional>
#include <string>
#include <vector>
#include <wrl/client.h>
#include "com/variant.h"
#include "forms/command_button.h"
#include "forms/form.h"
#include "forms/image.h"
#include "forms/instance.h"
#include "forms/label.h"
#include "forms/list_box.h"
#include "forms/shape.h"
#include "forms/text_box.h"
#include "forms/timer.h"

namespace vestrel {

class CheckerWindow final : public forms::Form {
public:
    CheckerWindow();

    // What a close unloads: the checker window, whose own unload takes the
    // about window, or (the close button and the menu) the menu form too.
    enum class Closing { Checker, Everything };
    // The close of every close path: a new engine in holder told to quit
    // (when none can be made nothing else happens), then the caller's own
    // step, if any, then the windows. The caller keeps its own form alive
    // for the call.
    static void Close(Microsoft::WRL::ComPtr<IDispatch>& holder, Closing what,
                      const std::function<void()>& ownStep = {});
    // The close button's close.
    void CloseSpelling();
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
    void OnDensityChanged() override;
    void CloseReleased();
    void HelpReleased();
    void MinimiseReleased();
    // Shows picture on image when the press is the left button's.
    static void PressedLook(forms::Image& image, int picture, const forms::MouseEvent& press);
    void OfferMenu(const forms::MouseEvent& press);
    void CheckClicked();
    void RefreshStatus();
    void RefuseSpace(wchar_t& key);
    void NameForAssistiveTechnology();

    // What the status label was last written from: the list's count and the
    // text revisions of the word box and of the label after the write. A
    // tick rewrites the label only when one of them moved, so its cost does
    // not grow with the texts (a megabyte in either box would otherwise be
    // read every 10 ms and keep a host's message loop busy for ever).
    struct StatusSource {
        int count = -1;
        unsigned word = 0, label = 0;
        bool operator==(const StatusSource&) const = default;
    };
    StatusSource statusShown_;
    // The engine object of the close operation, held only while it runs.
    Microsoft::WRL::ComPtr<IDispatch> mLib;
    // The common dialog whose help call shows the help file.
    Microsoft::WRL::ComPtr<IDispatch> CD;
};

using CheckerInstance = forms::Instance<CheckerWindow>;

// text without its leading and trailing spaces (the word a check takes, the
// name a label gives).
std::wstring Trimmed(const std::wstring& text);

}  // namespace vestrel
