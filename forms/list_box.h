// An unsorted list box: entries stay in the order they are added.
#pragma once
#include "control.h"

namespace vestrel::forms {

class ListBox : public Control {
public:
    ListBox(Form& form, const Placement& placement, const Font& font = {});

    void AddItem(const std::wstring& entry);
    void Clear();
    int ListCount() const;
    std::wstring List(int index) const;
    // -1 when no entry is selected.
    int ListIndex() const;
    void SetListIndex(int index);
    // The selected entry, or empty when none is.
    std::wstring Text() const;

private:
    void Notified(WORD code) override;
};

}  // namespace vestrel::forms
