// A seeded run of hostile calls through IDispatch::Invoke on every member of
// every class, as a careless or malicious host would make them: wrong and
// odd variant types, by-reference values, huge and malformed strings, NaN
// and infinities, missing and extra arguments, wrong invoke kinds. Each call
// must come back (no crash, no hang), a failure raised as an exception must
// carry its text, a let repeated with its value by reference must come out
// as it did by value, and afterwards the window must still check a word.
// VESTREL_FUZZ_CASES sets the number of calls (the suite runs a bounded one).
#include "checker_fixture.h"
#include "classes.h"
#include "members.h"
#include <cmath>
#include <deque>
#include <limits>
#include <random>

namespace {

// Makes the hostile values; by-reference targets live as long as the maker.
class Values {
public:
    explicit Values(IDispatch* someObject) : object_(someObject) {}
    ~Values() {
        for (VARIANT& v : held_) VariantClear(&v);
        for (BSTR b : strings_) SysFreeString(b);
    }

    VARIANT Make(std::mt19937& random) {
        VARIANT v;
        VariantInit(&v);
        switch (random() % 22) {
            case 0: break;  // VT_EMPTY
            case 1: v.vt = VT_NULL; break;
            case 2: v.vt = VT_ERROR; v.scode = DISP_E_PARAMNOTFOUND; break;
            case 3: v.vt = VT_I4; v.lVal = std::numeric_limits<LONG>::min(); break;
            case 4: v.vt = VT_I4; v.lVal = std::numeric_limits<LONG>::max(); break;
            case 5: v.vt = VT_I4; v.lVal = static_cast<LONG>(random() % 200) - 100; break;
            case 6: v.vt = VT_R8; v.dblVal = std::numeric_limits<double>::quiet_NaN(); break;
            case 7: v.vt = VT_R8; v.dblVal = random() % 2 ? INFINITY : -INFINITY; break;
            case 8: v.vt = VT_R8; v.dblVal = 1e308; break;
            case 9: v.vt = VT_BSTR; v.bstrVal = SysAllocStringLen(L"ca\0sa", 5); break;
            case 10: {
                const wchar_t lone[] = {L'a', static_cast<wchar_t>(0xD800), L'b'};
                v.vt = VT_BSTR;
                v.bstrVal = SysAllocStringLen(lone, 3);
                break;
            }
            case 11:
                v.vt = VT_BSTR;
                v.bstrVal = SysAllocStringLen(nullptr, random() % 8 == 0 ? 1 << 20 : 300);
                for (UINT i = 0; i < SysStringLen(v.bstrVal); ++i) v.bstrVal[i] = L"aéñ1 ."[i % 6];
                break;
            case 12: v.vt = VT_BSTR; v.bstrVal = SysAllocString(random() % 2 ? L"" : L"12abc"); break;
            case 13: v.vt = VT_BSTR; v.bstrVal = nullptr; break;  // a null BSTR is an empty string
            case 14: v.vt = VT_BOOL; v.boolVal = random() % 2 ? VARIANT_TRUE : VARIANT_FALSE; break;
            case 15: v.vt = VT_DISPATCH; v.pdispVal = object_; object_->AddRef(); break;  // no picture
            case 16: v.vt = VT_DISPATCH; v.pdispVal = nullptr; break;
            case 17: v.vt = VT_ARRAY | VT_I4; v.parray = SafeArrayCreateVector(VT_I4, 0, 3); break;
            case 18: {
                held_.emplace_back();
                VariantInit(&held_.back());
                held_.back().vt = VT_I4;
                held_.back().lVal = 4000;
                v.vt = VT_BYREF | VT_VARIANT;
                v.pvarVal = &held_.back();
                break;
            }
            case 19: {
                strings_.push_back(SysAllocString(L"hola"));
                v.vt = VT_BYREF | VT_BSTR;
                v.pbstrVal = &strings_.back();
                break;
            }
            case 20: v.vt = VT_CY; v.cyVal.int64 = std::numeric_limits<LONGLONG>::max(); break;
            default: v.vt = VT_DATE; v.date = -1e10; break;
        }
        return v;
    }

private:
    IDispatch* object_;
    std::deque<VARIANT> held_;
    std::deque<BSTR> strings_;
};

using Fuzz = QuietChecker;

}  // namespace

TEST_F(Fuzz, HostileCallsOnEveryMemberComeBackCleanly) {
    wchar_t setting[16] = {};
    const int cases = GetEnvironmentVariableW(L"VESTREL_FUZZ_CASES", setting, 16) ? _wtoi(setting) : 3000;
    // VESTREL_FUZZ_TRACE names each call before it is made, to find one that fails.
    const bool trace = GetEnvironmentVariableW(L"VESTREL_FUZZ_TRACE", setting, 16) > 0;
    std::mt19937 random(20261208);
    std::vector<Microsoft::WRL::ComPtr<IDispatch>> objects;
    std::vector<std::vector<Member>> members;
    for (const ClassCase& entry : kClasses) {
        objects.push_back(NewObject(*entry.clsid));
        ASSERT_NE(objects.back(), nullptr) << entry.name;
        members.push_back(Members(objects.back().Get()));
        ASSERT_FALSE(members.back().empty()) << entry.name;
    }
    Values values(spelling_.Get());
    const WORD kKinds[] = {DISPATCH_METHOD, DISPATCH_PROPERTYGET, DISPATCH_PROPERTYPUT, DISPATCH_PROPERTYPUTREF};
    int failures = 0, exceptions = 0, equivalent = 0;
    for (int n = 0; n < cases; ++n) {
        const size_t c = random() % objects.size();
        const Member& member = members[c][random() % members[c].size()];
        WORD kind = static_cast<WORD>(member.kind);
        if (random() % 5 == 0) kind = kKinds[random() % 4];
        int count = member.params;
        if (random() % 5 == 0) count = std::max(0, count + static_cast<int>(random() % 3) - 1);
        std::vector<VARIANT> args(static_cast<size_t>(count));
        for (VARIANT& arg : args) arg = values.Make(random);
        DISPID put = DISPID_PROPERTYPUT;
        DISPPARAMS params{args.data(), nullptr, static_cast<UINT>(count), 0};
        const bool putting = kind & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF);
        if (count > 0 && (putting ? random() % 5 != 0 : random() % 10 == 0)) {
            params.rgdispidNamedArgs = &put;
            params.cNamedArgs = 1;
        }
        std::string shape = "kind " + std::to_string(kind) + ", named " + std::to_string(params.cNamedArgs) + ", vt";
        for (const VARIANT& arg : args) shape += " " + std::to_string(arg.vt);
        if (trace)
            std::fprintf(stderr, "case %d: %s.%ls %s\n", n, kClasses[c].name, member.name.c_str(), shape.c_str());
        VARIANT result;
        VariantInit(&result);
        EXCEPINFO error{};
        UINT badArgument = 0;
        const HRESULT hr = objects[c]->Invoke(member.id, IID_NULL, LOCALE_USER_DEFAULT, kind, &params,
                                              putting ? nullptr : &result, &error, &badArgument);
        if (trace) std::fprintf(stderr, "  -> 0x%08lx\n", static_cast<unsigned long>(hr));
        if (FAILED(hr)) ++failures;
        // What the shape of the call alone decides: more arguments than the
        // member takes is a count error; a let with no value cannot succeed.
        const std::string where = std::string(kClasses[c].name) + "." + std::string(member.name.begin(), member.name.end()) +
                                  " case " + std::to_string(n) + " (" + shape + ")";
        if (kind == member.kind && count > member.most) {
            EXPECT_EQ(hr, DISP_E_BADPARAMCOUNT) << where;
        }
        if (kind == member.kind && putting && count == 0) {
            EXPECT_TRUE(FAILED(hr)) << where;
        }
        if (hr == DISP_E_EXCEPTION) {
            ++exceptions;
            if (error.pfnDeferredFillIn) error.pfnDeferredFillIn(&error);
            EXPECT_TRUE(error.bstrDescription && SysStringLen(error.bstrDescription) > 0) << where;
            // Every failure is one the component knows by name, none its last-resort internal error.
            if (error.bstrDescription) {
                EXPECT_NE(std::wstring(error.bstrDescription), L"Error interno inesperado en Vestrel.") << where;
            }
            EXPECT_TRUE(FAILED(error.scode) || error.wCode != 0) << shape;
        }
        // The same let again, the value now in a script's variable (by
        // reference), must come out the same: a let leaves what it leaves
        // however often it is made, and however the value is held.
        if (putting && kind == member.kind && count == 1 && params.cNamedArgs == 1 && !(args[0].vt & VT_BYREF)) {
            const HRESULT first = hr == DISP_E_EXCEPTION ? error.scode : hr;
            const std::wstring text = hr == DISP_E_EXCEPTION && error.bstrDescription ? error.bstrDescription : L"";
            CallResult before = Get(objects[c].Get(), member.name.c_str());
            VARIANT reference;
            reference.vt = VT_BYREF | VT_VARIANT;
            reference.pvarVal = &args[0];
            CallResult again = Invoke(objects[c].Get(), member.name.c_str(), kind, {reference});
            CallResult after = Get(objects[c].Get(), member.name.c_str());
            EXPECT_EQ(again.hr, first) << where << ", by reference";
            EXPECT_EQ(again.description, text) << where << ", by reference";
            EXPECT_TRUE(SameValue(after.value, before.value)) << where << ", by reference: read back differs";
            ++equivalent;
        }
        SysFreeString(error.bstrSource);
        SysFreeString(error.bstrDescription);
        SysFreeString(error.bstrHelpFile);
        VariantClear(&result);
        for (VARIANT& arg : args) VariantClear(&arg);
        if (n % 50 == 0) Pump();
    }
    std::printf("fuzz: %d calls, %d failed as they should or might, %d with an exception's text, %d lets repeated "
                "by reference with the same outcome\n", cases, failures, exceptions, equivalent);
    // The window still works for a host and a user.
    CloseForms();
    SetWord(L"ombre");
    EXPECT_EQ(Check(), S_OK);
    EXPECT_GT(SendMessageW(List(), LB_GETCOUNT, 0, 0), 0);
}

namespace {

// What a let with one hostile value must answer, by the type the member
// declares. Typed values are converted by automation before the member runs,
// so their answer is the conversion's; a Variant member decides for itself.
// An object, Nothing too, is refused by the component itself as a type
// mismatch (error 13) with its text, before automation would ask it for its
// default member.
enum class Answer { Part, Mismatch, Overflow, Object };

struct HostileValue {
    const char* name;
    VARIANT (*make)();
    Answer number;   // into a Long or an enumeration
    Answer boolean;  // into a Boolean
};

VARIANT Real(double d) {
    VARIANT v = Of(VT_R8);
    v.dblVal = d;
    return v;
}

const HostileValue kHostileValues[] = {
    {"Empty", [] { return Of(VT_EMPTY); }, Answer::Part, Answer::Part},
    {"Null", [] { return Of(VT_NULL); }, Answer::Mismatch, Answer::Mismatch},
    {"array", [] {
         VARIANT v = Of(VT_ARRAY | VT_I4);
         v.parray = SafeArrayCreateVector(VT_I4, 0, 3);
         return v;
     }, Answer::Mismatch, Answer::Mismatch},
    {"text that is no number", [] { return Str(L"12abc"); }, Answer::Mismatch, Answer::Mismatch},
    {"empty text", [] { return Str(L""); }, Answer::Mismatch, Answer::Mismatch},
    // Conversion reads a text as far as its first NUL, as any server's does.
    {"text with a NUL", [] { return Str(std::wstring(L"1\0" L"x", 3)); }, Answer::Part, Answer::Part},
    {"unpaired surrogate", [] { return Str(std::wstring(1, static_cast<wchar_t>(0xDC00))); }, Answer::Mismatch,
     Answer::Mismatch},
    {"1 MB of text", [] { return Str(std::wstring(1 << 20, L'ñ')); }, Answer::Mismatch, Answer::Mismatch},
    // Windows' conversion refuses NaN as an overflow, Wine's makes it a
    // number; a property that takes any number then keeps it.
    {"NaN", [] { return Real(std::numeric_limits<double>::quiet_NaN()); }, Answer::Part, Answer::Part},
    {"infinity", [] { return Real(INFINITY); }, Answer::Overflow, Answer::Part},
    {"1e308", [] { return Real(1e308); }, Answer::Overflow, Answer::Part},
    {"largest Currency", [] {
         VARIANT v = Of(VT_CY);
         v.cyVal.int64 = std::numeric_limits<LONGLONG>::max();
         return v;
     }, Answer::Overflow, Answer::Part},
    {"smallest Long", [] { return Int(std::numeric_limits<LONG>::min()); }, Answer::Part, Answer::Part},
    {"largest Long", [] { return Int(std::numeric_limits<LONG>::max()); }, Answer::Part, Answer::Part},
    {"-1", [] { return Int(-1); }, Answer::Part, Answer::Part},
    {"Nothing", [] { return Of(VT_DISPATCH); }, Answer::Object, Answer::Object},
};

}  // namespace

TEST_F(Fuzz, EachHostileValueGetsItsAnswerAndAFailedLetChangesNothing) {
    int lets = 0, refused = 0;
    for (const ClassCase& entry : kClasses) {
        Microsoft::WRL::ComPtr<IDispatch> object =
            *entry.clsid == CLSID_Spelling ? spelling_ : NewObject(*entry.clsid);
        ASSERT_NE(object, nullptr) << entry.name;
        for (const Member& member : Members(object.Get())) {
            if (member.kind != INVOKE_PROPERTYPUT || member.params != 1) continue;
            for (const HostileValue& value : kHostileValues) {
                const std::string where = std::string(entry.name) + "." +
                                          std::string(member.name.begin(), member.name.end()) + " = " + value.name;
                CallResult before = Get(object.Get(), member.name.c_str());
                ASSERT_EQ(before.hr, S_OK) << where;
                CallResult let = Put(object.Get(), member.name.c_str(), value.make());
                ++lets;
                const Answer expected = member.type == VT_BOOL                          ? value.boolean
                                        : member.type == VT_I4 || member.type == VT_I2 ? value.number
                                                                                        : Answer::Part;
                switch (expected) {
                    case Answer::Mismatch: EXPECT_EQ(let.hr, DISP_E_TYPEMISMATCH) << where; break;
                    case Answer::Overflow: EXPECT_EQ(let.hr, DISP_E_OVERFLOW) << where; break;
                    case Answer::Object:
                        EXPECT_EQ(let.hr, kTypeMismatch) << where;
                        EXPECT_FALSE(let.description.empty()) << where;
                        break;
                    case Answer::Part:
                        // A member's own refusal says why; only automation's
                        // conversion errors come without a text of the component's.
                        if (FAILED(let.hr) && let.hr != DISP_E_TYPEMISMATCH && let.hr != DISP_E_OVERFLOW) {
                            EXPECT_FALSE(let.description.empty()) << where << ": 0x" << std::hex << let.hr;
                        }
                        break;
                }
                if (FAILED(let.hr)) {
                    ++refused;
                    CallResult after = Get(object.Get(), member.name.c_str());
                    EXPECT_TRUE(after.hr == S_OK && SameValue(before.value, after.value)) << where << " changed it";
                }
                Pump();
            }
        }
    }
    std::printf("hostile lets: %d made, %d refused with the property left as it was\n", lets, refused);
    CloseForms();
    SetWord(L"ombre");
    EXPECT_EQ(Check(), S_OK);
}
