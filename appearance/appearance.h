// What every appearance object shares: each accessor holds a reference on
// its object for the call, reaches the checker window of the calling thread
// (loading it, hidden, when there is none), and moves one value between the
// host and a control. Variant properties convert as the automation runtime
// does, with the user's locale; stored styles live in the object and are
// applied through a table, one write per let at most.
#pragma once
#include <functional>
#include <string>
#include <vector>
#include "com/dispatch.h"
#include "com/variant.h"
#include "window/checker_window.h"

namespace vestrel::appearance {

// Conversions of a host's variant to a control property's own type; Null,
// objects and what does not convert fail with the runtime's error.
// The host's value, taken from behind a reference; throws a type mismatch
// for an object where a plain value is wanted.
Variant PlainValue(const VARIANT& value);
// Throws the automation error, with its text, for a failed variant conversion
// or arithmetic.
void ThrowIfNotConverted(HRESULT hr);
std::wstring ToText(const VARIANT& value);
float ToSingle(const VARIANT& value);
long ToLong(const VARIANT& value);
bool ToBool(const VARIANT& value);

// A picture variant as the picture object it refers to; an empty reference
// is no picture. Anything but an object is a type mismatch.
Microsoft::WRL::ComPtr<IPictureDisp> ToPicture(const VARIANT& value);

// One row of a stored style's table: the stored value that selects it and
// the write it makes to the window.
struct StyleRow {
    long value;
    std::function<void(CheckerWindow&)> write;
};

// The alignment rows, tested in the order 0, 2, 1: the enumerations count
// left, centre, right; the controls left, right, centre.
std::vector<StyleRow> AlignmentRows(const std::function<void(CheckerWindow&, forms::Alignment)>& apply);

// A property that writes several controls writes them in a fixed order,
// each reached anew through the window's instance (a write may let events
// run that unload the window; the next write then loads a fresh one), and
// its get reads them in the same order and answers with the control read
// last.
template <auto... Members>
struct Several {
    template <typename Write>
    static void WriteEach(Write write) {
        (write(CheckerInstance::Get().*Members), ...);
    }
    template <typename ReadOne>
    static auto ReadLast(ReadOne read) {
        return (read(CheckerInstance::Get().*Members), ...);
    }
};

template <typename Interface>
class Object : public Dispatch<Interface> {
protected:
    using Window = CheckerWindow;

    // A pass-through get: read sees the window, loaded when needed.
    template <typename T, typename Reader>
    HRESULT Read(T* value, Reader read) noexcept {
        if (!value) return E_POINTER;
        Microsoft::WRL::ComPtr<Interface> keep(this);
        return this->Guarded([&] { *value = read(CheckerInstance::Get()); });
    }
    // A pass-through variant get: the value goes out wrapped in a variant.
    template <typename Reader>
    HRESULT ReadVariant(VARIANT* value, Reader read) noexcept {
        if (!value) return E_POINTER;
        VariantInit(value);
        Microsoft::WRL::ComPtr<Interface> keep(this);
        return this->Guarded([&] { Variant(read(CheckerInstance::Get())).Detach(value); });
    }
    // A pass-through let: the window first, then write converts and writes,
    // so a conversion that fails has still loaded the window.
    template <typename Writer>
    HRESULT Write(Writer write) noexcept {
        Microsoft::WRL::ComPtr<Interface> keep(this);
        return this->Guarded([&] { write(CheckerInstance::Get()); });
    }
    // A stored-style let: the value is kept, then the row it selects is
    // written; a value outside the table writes nothing and loads nothing.
    HRESULT WriteStyle(long& field, long value, const std::vector<StyleRow>& rows) noexcept {
        Microsoft::WRL::ComPtr<Interface> keep(this);
        return this->Guarded([&] {
            field = value;
            for (const StyleRow& row : rows)
                if (field == row.value) row.write(CheckerInstance::Get());
        });
    }
    template <typename T>
    HRESULT ReadStyle(long field, T* value) noexcept {
        if (!value) return E_POINTER;
        return this->Guarded([&] { *value = static_cast<T>(field); });
    }
};

// The members that several classes share, over the control that Target
// (a function of the checker window) names. Each class forwards its own
// interface's members to these, so its file reads as its property table.
template <typename Interface, auto Target>
class Styled : public Object<Interface> {
protected:
    using Window = CheckerWindow;
    static auto& Control(Window& w) { return Target(w); }

    // Positions and sizes: twips as single-precision numbers.
    HRESULT GetTop(VARIANT* v) noexcept { return this->ReadVariant(v, [](Window& w) { return Variant::Single(Target(w).Top()); }); }
    HRESULT PutTop(const VARIANT& v) noexcept { return this->Write([&](Window& w) { Target(w).SetTop(ToSingle(v)); }); }
    HRESULT GetLeft(VARIANT* v) noexcept { return this->ReadVariant(v, [](Window& w) { return Variant::Single(Target(w).Left()); }); }
    HRESULT PutLeft(const VARIANT& v) noexcept { return this->Write([&](Window& w) { Target(w).SetLeft(ToSingle(v)); }); }
    HRESULT GetWidth(VARIANT* v) noexcept { return this->ReadVariant(v, [](Window& w) { return Variant::Single(Target(w).Width()); }); }
    HRESULT PutWidth(const VARIANT& v) noexcept { return this->Write([&](Window& w) { Target(w).SetWidth(ToSingle(v)); }); }
    HRESULT GetHeight(VARIANT* v) noexcept { return this->ReadVariant(v, [](Window& w) { return Variant::Single(Target(w).Height()); }); }
    HRESULT PutHeight(const VARIANT& v) noexcept { return this->Write([&](Window& w) { Target(w).SetHeight(ToSingle(v)); }); }

    // Colours pass through unchanged, whatever enumeration types them.
    template <typename Color>
    HRESULT GetBackColor(Color* v) noexcept { return this->Read(v, [](Window& w) { return static_cast<Color>(Target(w).BackColor()); }); }
    template <typename Color>
    HRESULT PutBackColor(Color v) noexcept { return this->Write([&](Window& w) { Target(w).SetBackColor(static_cast<OLE_COLOR>(v)); }); }
    template <typename Color>
    HRESULT GetForeColor(Color* v) noexcept { return this->Read(v, [](Window& w) { return static_cast<Color>(Target(w).ForeColor()); }); }
    template <typename Color>
    HRESULT PutForeColor(Color v) noexcept { return this->Write([&](Window& w) { Target(w).SetForeColor(static_cast<OLE_COLOR>(v)); }); }

    HRESULT GetEnabled(VARIANT_BOOL* v) noexcept { return this->Read(v, [](Window& w) { return Bool(Target(w).Enabled()); }); }
    HRESULT PutEnabled(VARIANT_BOOL v) noexcept { return this->Write([&](Window& w) { Target(w).SetEnabled(v != VARIANT_FALSE); }); }
    HRESULT GetVisible(VARIANT_BOOL* v) noexcept { return this->Read(v, [](Window& w) { return Bool(Target(w).Visible()); }); }
    HRESULT PutVisible(VARIANT_BOOL v) noexcept { return this->Write([&](Window& w) { Target(w).SetVisible(v != VARIANT_FALSE); }); }

    HRESULT GetToolTipText(VARIANT* v) noexcept {
        return this->ReadVariant(v, [](Window& w) { return Variant::String(Target(w).ToolTipText()); });
    }
    HRESULT PutToolTipText(const VARIANT& v) noexcept { return this->Write([&](Window& w) { Target(w).SetToolTipText(ToText(v)); }); }
    HRESULT GetFontName(VARIANT* v) noexcept {
        return this->ReadVariant(v, [](Window& w) { return Variant::String(Target(w).GetFont().name); });
    }
    HRESULT PutFontName(const VARIANT& v) noexcept {
        return this->Write([&](Window& w) {
            forms::Font font = Target(w).GetFont();
            font.name = ToText(v);
            Target(w).SetFont(font);
        });
    }
    // Font flags: Booleans in and out.
    template <bool forms::Font::*Flag>
    HRESULT GetFontFlag(VARIANT* v) noexcept {
        return this->ReadVariant(v, [](Window& w) { return Variant::Boolean(Target(w).GetFont().*Flag); });
    }
    template <bool forms::Font::*Flag>
    HRESULT PutFontFlag(const VARIANT& v) noexcept {
        return this->Write([&](Window& w) {
            forms::Font font = Target(w).GetFont();
            font.*Flag = ToBool(v);
            Target(w).SetFont(font);
        });
    }
    // A caption: the control's text.
    HRESULT GetCaption(VARIANT* v) noexcept { return this->ReadVariant(v, [](Window& w) { return Variant::String(Target(w).Text()); }); }
    HRESULT PutCaption(const VARIANT& v) noexcept { return this->Write([&](Window& w) { Target(w).SetText(ToText(v)); }); }
    // A stored alignment, written through the alignment translation.
    HRESULT PutAlignment(long& field, long value) noexcept {
        return this->WriteStyle(field, value, AlignmentRows([](Window& w, forms::Alignment a) { Target(w).SetAlignment(a); }));
    }
};

}  // namespace vestrel::appearance
