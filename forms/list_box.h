// An unsorted list box: entries stay in the order they are added.
#pragma once
#include "forms/control.h"

namespace vestrel::forms {

class ListBox : public Control {
public:
    ListBox(Form& form, const Placement& placement, const Font& font = {});

    // Holds the list's drawing while it lives, so that emptying and refilling
    // the list lays it and its scroll bar out once, at the end, instead of
    // hiding and showing the scroll bar on the way.
    class HeldDrawing {
    public:
        explicit HeldDrawing(HWND list) noexcept;
        HeldDrawing(const HeldDrawing&) = delete;
        HeldDrawing& operator=(const HeldDrawing&) = delete;
        ~HeldDrawing();

    private:
        HWND list_;
    };

    void AddItem(const std::wstring& entry);
    void Clear();
    int ListCount() const;
    std::wstring List(int index) const;
    // -1 when no entry is selected.
    int ListIndex() const;
    // The selected entry, or empty when none is.
    std::wstring Text() const;
    // Selects the entry that reads text, when there is one.
    void SetText(const std::wstring& text);
    // 0 flat (a plain line), 1 three-dimensional (sunken).
    int Appearance() const noexcept { return appearance_; }
    void SetAppearance(int appearance);

private:
    void Notified(WORD code) override;
    int appearance_ = 1;
};

}  // namespace vestrel::forms
