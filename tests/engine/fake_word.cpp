// A stand-in for the word processor's automation server, registered as
// Word.Application by the engine tests. It answers the calls the checker
// makes by name and records each one, so the tests can read the order.
// Exports FakeWordSetup (how it behaves) and FakeWordLog (what it was asked).
#include <windows.h>
#include <oleauto.h>
#include <memory>
#include <string>
#include <vector>

namespace {

struct Setup {
    long documents = 0;
    bool correct = false;
    std::vector<std::wstring> suggestions;
    std::wstring failing;  // the member that fails, if any
    bool refuseCreation = false;
    std::wstring dying;    // the member during which the server dies
    DWORD slow = 0;        // each call takes this long, letting events run
    long count = -1;       // what Count says, when it lies
    std::wstring names;    // what Name returns instead of text
    bool endless = false;  // the enumeration never ends
};
Setup setup;
std::wstring journal;
LONG objects = 0;
bool dead = false;  // the server has died: every call fails

// A call into another process lets the caller's window events run while it
// waits, as COM's modal loop does.
void Wait(DWORD milliseconds) {
    const DWORD end = GetTickCount() + milliseconds;
    for (LONG left; (left = static_cast<LONG>(end - GetTickCount())) > 0;) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(left), QS_ALLINPUT);
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
}

void Record(const std::wstring& line) { journal += line + L"\n"; }

// Counts the omitted optionals among a call's arguments.
int Omitted(const DISPPARAMS* params) {
    int count = 0;
    for (UINT i = 0; i < params->cArgs; ++i)
        count += params->rgvarg[i].vt == VT_ERROR && params->rgvarg[i].scode == DISP_E_PARAMNOTFOUND;
    return count;
}

// IUnknown for an object with one interface I, counted in `objects`.
template <typename I>
class Counted : public I {
public:
    Counted() { InterlockedIncrement(&objects); }
    virtual ~Counted() { InterlockedDecrement(&objects); }
    STDMETHODIMP QueryInterface(REFIID riid, void** ppv) override {
        if (riid == IID_IUnknown || riid == __uuidof(I)) {
            *ppv = static_cast<I*>(this);
            AddRef();
            return S_OK;
        }
        *ppv = nullptr;
        return E_NOINTERFACE;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return ++refs_; }
    STDMETHODIMP_(ULONG) Release() override {
        const ULONG left = --refs_;
        if (!left) delete this;
        return left;
    }

private:
    ULONG refs_ = 1;
};

class Object : public Counted<IDispatch> {
public:
    Object(std::wstring kind, std::shared_ptr<bool> quit) : kind_(std::move(kind)), quit_(std::move(quit)) {}
    STDMETHODIMP GetTypeInfoCount(UINT* n) override { *n = 0; return S_OK; }
    STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR* names, UINT, LCID, DISPID* id) override {
        static const wchar_t* known[] = {L"Documents", L"Count", L"Add", L"CheckSpelling",
                                         L"GetSpellingSuggestions", L"Name", L"Quit", L"Item"};
        for (DISPID i = 0; i < DISPID(sizeof(known) / sizeof(*known)); ++i)
            if (_wcsicmp(names[0], known[i]) == 0) {
                *id = i + 1;
                return S_OK;
            }
        *id = DISPID_UNKNOWN;
        return DISP_E_UNKNOWNNAME;
    }
    STDMETHODIMP Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* params, VARIANT* result, EXCEPINFO* error,
                        UINT*) override {
        static const wchar_t* names[] = {L"", L"Documents", L"Count", L"Add", L"CheckSpelling",
                                         L"GetSpellingSuggestions", L"Name", L"Quit", L"Item"};
        const std::wstring name = id == DISPID_NEWENUM ? L"_NewEnum" : (id > 0 && id < 9 ? names[id] : L"?");
        std::wstring line = kind_ + L"." + name;
        if (params->cArgs) {
            line += L"(";
            const VARIANT& first = params->rgvarg[params->cArgs - 1];
            if (first.vt == VT_BSTR) line += std::wstring(first.bstrVal) + L"; ";
            line += std::to_wstring(Omitted(params)) + L" omitted)";
        }
        if (dead) {
            Record(line + L" after death");
            return HRESULT_FROM_WIN32(RPC_S_SERVER_UNAVAILABLE);
        }
        if (*quit_) {
            Record(line + L" after quit");
            return RPC_E_SERVER_DIED_DNE;
        }
        Record(line);
        if (setup.slow) Wait(setup.slow);
        if (setup.dying == name) {
            dead = true;
            return RPC_E_SERVER_DIED;
        }
        if (setup.failing == name) {
            if (error) {
                *error = {};
                error->scode = E_FAIL;
                error->bstrSource = SysAllocString(L"Word");
                error->bstrDescription = SysAllocString(L"La llamada falló en el servidor de prueba.");
            }
            return DISP_E_EXCEPTION;
        }
        if (result) VariantInit(result);
        return Answer(name, result);
    }

protected:
    HRESULT Return(VARIANT* result, IDispatch* object) {
        if (!result) { object->Release(); return S_OK; }
        result->vt = VT_DISPATCH;
        result->pdispVal = object;
        return S_OK;
    }
    HRESULT ReturnLong(VARIANT* result, long n) {
        if (result) { result->vt = VT_I4; result->lVal = n; }
        return S_OK;
    }
    virtual HRESULT Answer(const std::wstring& name, VARIANT* result) = 0;
    std::wstring kind_;
    std::shared_ptr<bool> quit_;
};

class Suggestion : public Object {
public:
    Suggestion(std::wstring word, std::shared_ptr<bool> quit) : Object(L"Suggestion", quit), word_(std::move(word)) {}
    HRESULT Answer(const std::wstring& name, VARIANT* result) override {
        if (name != L"Name") return DISP_E_MEMBERNOTFOUND;
        if (setup.names == L"null") result->vt = VT_NULL;
        else if (setup.names == L"number") {
            result->vt = VT_I4;
            result->lVal = 42;
        } else if (setup.names == L"object") {
            result->vt = VT_DISPATCH;
            result->pdispVal = new Suggestion(word_, quit_);
        } else {
            result->vt = VT_BSTR;
            result->bstrVal = SysAllocString(word_.c_str());
        }
        return S_OK;
    }
    std::wstring word_;
};

class Enumerator : public Counted<IEnumVARIANT> {
public:
    Enumerator(std::vector<std::wstring> words, std::shared_ptr<bool> quit) : words_(std::move(words)), quit_(quit) {}
    STDMETHODIMP Next(ULONG n, VARIANT* out, ULONG* fetched) override {
        ULONG done = 0;
        for (; done < n && (setup.endless || next_ < words_.size()); ++done) {
            out[done].vt = VT_DISPATCH;
            out[done].pdispVal = new Suggestion(words_.empty() ? L"otra" : words_[next_++ % words_.size()], quit_);
        }
        if (fetched) *fetched = done;
        return done == n ? S_OK : S_FALSE;
    }
    STDMETHODIMP Skip(ULONG) override { return E_NOTIMPL; }
    STDMETHODIMP Reset() override { next_ = 0; return S_OK; }
    STDMETHODIMP Clone(IEnumVARIANT**) override { return E_NOTIMPL; }
    std::vector<std::wstring> words_;
    size_t next_ = 0;
    std::shared_ptr<bool> quit_;
};

class Suggestions : public Object {
public:
    explicit Suggestions(std::shared_ptr<bool> quit) : Object(L"Suggestions", quit) {}
    HRESULT Answer(const std::wstring& name, VARIANT* result) override {
        if (name == L"Count")
            return ReturnLong(result, setup.count >= 0 ? setup.count : static_cast<long>(setup.suggestions.size()));
        if (name != L"_NewEnum") return DISP_E_MEMBERNOTFOUND;
        result->vt = VT_UNKNOWN;
        result->punkVal = new Enumerator(setup.suggestions, quit_);
        return S_OK;
    }
};

class Documents : public Object {
public:
    Documents(long* count, std::shared_ptr<bool> quit) : Object(L"Documents", quit), count_(count) {}
    HRESULT Answer(const std::wstring& name, VARIANT* result) override {
        if (name == L"Count") return ReturnLong(result, *count_);
        if (name != L"Add") return DISP_E_MEMBERNOTFOUND;
        ++*count_;
        return Return(result, new Suggestion(L"Documento", quit_));
    }
    long* count_;
};

class Application : public Object {
public:
    Application() : Object(L"Application", std::make_shared<bool>(false)), documents_(setup.documents) {
        Record(L"create");
    }
    HRESULT Answer(const std::wstring& name, VARIANT* result) override {
        if (name == L"Documents") return Return(result, new Documents(&documents_, quit_));
        if (name == L"CheckSpelling") {
            result->vt = VT_BOOL;
            result->boolVal = setup.correct ? VARIANT_TRUE : VARIANT_FALSE;
            return S_OK;
        }
        if (name == L"GetSpellingSuggestions") return Return(result, new Suggestions(quit_));
        if (name == L"Quit") {
            *quit_ = true;
            return S_OK;
        }
        return DISP_E_MEMBERNOTFOUND;
    }
    long documents_;
};

class Factory : public IClassFactory {
public:
    STDMETHODIMP QueryInterface(REFIID riid, void** ppv) override {
        if (riid == IID_IUnknown || riid == IID_IClassFactory) {
            *ppv = this;
            return S_OK;
        }
        *ppv = nullptr;
        return E_NOINTERFACE;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return 2; }
    STDMETHODIMP_(ULONG) Release() override { return 1; }
    STDMETHODIMP CreateInstance(IUnknown*, REFIID riid, void** ppv) override {
        if (setup.refuseCreation) {
            Record(L"create refused");
            return CO_E_SERVER_EXEC_FAILURE;
        }
        auto* app = new Application();
        const HRESULT hr = app->QueryInterface(riid, ppv);
        app->Release();
        return hr;
    }
    STDMETHODIMP LockServer(BOOL) override { return S_OK; }
};
Factory factory;

}  // namespace

extern "C" {

__declspec(dllexport) HRESULT STDAPICALLTYPE DllGetClassObject(REFCLSID, REFIID riid, void** ppv) {
    return factory.QueryInterface(riid, ppv);
}
__declspec(dllexport) HRESULT STDAPICALLTYPE DllCanUnloadNow() { return S_FALSE; }

// "documents=N;correct=0|1;suggestions=a,b;fail=Member;refuse=1;die=Member;
// slow=ms;count=N;names=null|number|object;endless=1", any order.
__declspec(dllexport) void FakeWordSetup(const wchar_t* text) {
    setup = Setup{};
    journal.clear();
    dead = false;
    std::wstring rest(text);
    while (!rest.empty()) {
        const size_t end = rest.find(L';');
        const std::wstring item = rest.substr(0, end);
        rest = end == std::wstring::npos ? L"" : rest.substr(end + 1);
        const size_t eq = item.find(L'=');
        const std::wstring key = item.substr(0, eq), value = eq == std::wstring::npos ? L"" : item.substr(eq + 1);
        if (key == L"documents") setup.documents = _wtol(value.c_str());
        else if (key == L"correct") setup.correct = value == L"1";
        else if (key == L"fail") setup.failing = value;
        else if (key == L"refuse") setup.refuseCreation = value == L"1";
        else if (key == L"die") setup.dying = value;
        else if (key == L"slow") setup.slow = static_cast<DWORD>(_wtol(value.c_str()));
        else if (key == L"count") setup.count = _wtol(value.c_str());
        else if (key == L"names") setup.names = value;
        else if (key == L"endless") setup.endless = value == L"1";
        else if (key == L"suggestions") {
            for (size_t start = 0; start <= value.size() && !value.empty();) {
                const size_t comma = value.find(L',', start);
                setup.suggestions.push_back(value.substr(start, comma - start));
                if (comma == std::wstring::npos) break;
                start = comma + 1;
            }
        }
    }
}

__declspec(dllexport) const wchar_t* FakeWordLog() { return journal.c_str(); }
__declspec(dllexport) LONG FakeWordObjects() { return objects; }

}  // extern "C"
