// A text box: single-line, or multi-line with its lines wrapped.
#pragma once
#include "forms/control.h"
#include "forms/label.h"

namespace vestrel::forms {

// How a text box is made besides its contents.
struct TextBoxStyle {
    bool multiLine = false;
    bool tabStop = true;
    bool visible = true;
    // The picture box that holds it; the form when nullptr.
    Control* container = nullptr;
};

class TextBox : public Control {
public:
    TextBox(Form& form, const Placement& placement, const Font& font = {}, int maxLength = 0,
            const TextBoxStyle& style = {});

    // 0 means no limit of the form's own.
    int MaxLength() const noexcept { return maxLength_; }
    void SetMaxLength(int characters);
    bool Locked() const;
    void SetLocked(bool locked);
    // The selection, in characters from the start of the text.
    int SelStart() const;
    void SetSelStart(int start);
    int SelLength() const;
    void SetSelLength(int length);
    std::wstring SelText() const;
    void SetSelText(const std::wstring& text);
    Alignment GetAlignment() const noexcept { return alignment_; }
    void SetAlignment(Alignment alignment);
    // 0 flat, 1 three-dimensional; border style 0 none, 1 a single line.
    // A border is sunken when three-dimensional, a plain line when flat.
    int Appearance() const noexcept { return appearance_; }
    void SetAppearance(int appearance);
    int BorderStyle() const noexcept { return borderStyle_; }
    void SetBorderStyle(int style);

    // Each typed character before the box sees it: setting it to 0 discards it.
    std::function<void(wchar_t& key)> KeyPress;
    std::function<void()> Change;

private:
    LRESULT Message(UINT message, WPARAM wParam, LPARAM lParam) override;
    void Notified(WORD code) override;
    void CarryOver(HWND from, HWND to) override;
    void ApplyFrame();
    std::pair<int, int> Selection() const;
    int maxLength_;
    Alignment alignment_ = Alignment::Left;
    int appearance_ = 1;
    int borderStyle_ = 1;
};

}  // namespace vestrel::forms
