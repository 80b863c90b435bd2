// The real "VBScript.RegExp" object, reached by late-bound IDispatch calls by name. ole32 and
// oleaut32 are looked up by name on first use, not linked.
#include <ole2.h>
#include <windows.h>

#include "platform/regexp.h"

namespace platform {

struct RegExpObject {
    explicit RegExpObject(IDispatch* object) : dispatch(object) {}
    ~RegExpObject() { dispatch->Release(); }
    RegExpObject(const RegExpObject&) = delete;
    RegExpObject& operator=(const RegExpObject&) = delete;

    IDispatch* dispatch;
};

namespace {

using CoInitializeFn = HRESULT(WINAPI*)(LPVOID);
using CoUninitializeFn = void(WINAPI*)();
using CLSIDFromProgIDFn = HRESULT(WINAPI*)(LPCOLESTR, LPCLSID);
using CoCreateInstanceFn = HRESULT(WINAPI*)(REFCLSID, LPUNKNOWN, DWORD, REFIID, LPVOID*);
using SysAllocStringLenFn = BSTR(WINAPI*)(const OLECHAR*, UINT);
using SysStringLenFn = UINT(WINAPI*)(BSTR);
using VariantInitFn = void(WINAPI*)(VARIANTARG*);
using VariantClearFn = HRESULT(WINAPI*)(VARIANTARG*);
using VariantChangeTypeFn = HRESULT(WINAPI*)(VARIANTARG*, const VARIANTARG*, USHORT, VARTYPE);

// The two interface ids the calls need, spelled out so that no COM library is linked.
const IID kNoInterface = {0, 0, 0, {0, 0, 0, 0, 0, 0, 0, 0}};
const IID kDispatchInterface = {0x00020400, 0, 0, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};

struct ComApi {
    CoInitializeFn coInitialize = nullptr;
    CoUninitializeFn coUninitialize = nullptr;
    CLSIDFromProgIDFn clsidFromProgId = nullptr;
    CoCreateInstanceFn coCreateInstance = nullptr;
    SysAllocStringLenFn sysAllocStringLen = nullptr;
    SysStringLenFn sysStringLen = nullptr;
    VariantInitFn variantInit = nullptr;
    VariantClearFn variantClear = nullptr;
    VariantChangeTypeFn variantChangeType = nullptr;

    bool Complete() const {
        return coInitialize && coUninitialize && clsidFromProgId && coCreateInstance &&
               sysAllocStringLen && sysStringLen && variantInit && variantClear &&
               variantChangeType;
    }
};

template <typename Fn>
void Load(HMODULE module, const char* name, Fn& fn) {
    if (module) fn = reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

ComApi LoadComApi() {
    ComApi api;
    HMODULE ole32 = LoadLibraryA("ole32.dll");
    HMODULE oleaut32 = LoadLibraryA("oleaut32.dll");
    Load(ole32, "CoInitialize", api.coInitialize);
    Load(ole32, "CoUninitialize", api.coUninitialize);
    Load(ole32, "CLSIDFromProgID", api.clsidFromProgId);
    Load(ole32, "CoCreateInstance", api.coCreateInstance);
    Load(oleaut32, "SysAllocStringLen", api.sysAllocStringLen);
    Load(oleaut32, "SysStringLen", api.sysStringLen);
    Load(oleaut32, "VariantInit", api.variantInit);
    Load(oleaut32, "VariantClear", api.variantClear);
    Load(oleaut32, "VariantChangeType", api.variantChangeType);
    return api;
}

// Null when a library or one of its functions is missing.
const ComApi* Api() {
    static const ComApi api = LoadComApi();
    return api.Complete() ? &api : nullptr;
}

// A VARIANT that clears itself.
class Variant {
  public:
    Variant() { Api()->variantInit(&value_); }
    ~Variant() { Api()->variantClear(&value_); }
    Variant(const Variant&) = delete;
    Variant& operator=(const Variant&) = delete;

    VARIANT* get() { return &value_; }
    const VARIANT* get() const { return &value_; }

  private:
    VARIANT value_;
};

bool SetText(Variant& v, const WideText& text) {
    BSTR s = Api()->sysAllocStringLen(reinterpret_cast<const OLECHAR*>(text.data()),
                                      static_cast<UINT>(text.size()));
    if (!s) return false;
    V_VT(v.get()) = VT_BSTR;
    V_BSTR(v.get()) = s;
    return true;
}

void SetInt(Variant& v, int value) {
    V_VT(v.get()) = VT_I4;
    V_I4(v.get()) = value;
}

void SetBool(Variant& v, bool value) {
    V_VT(v.get()) = VT_BOOL;
    V_BOOL(v.get()) = value ? VARIANT_TRUE : VARIANT_FALSE;
}

// An empty variant (an unmatched group) gives empty text, as does anything that is no text.
WideText TextOf(const Variant& v) {
    Variant text;
    if (FAILED(Api()->variantChangeType(text.get(), v.get(), 0, VT_BSTR))) return WideText();
    BSTR s = V_BSTR(text.get());
    if (!s) return WideText();
    return WideText(reinterpret_cast<const char16_t*>(s), Api()->sysStringLen(s));
}

bool IntOf(const Variant& v, int* out) {
    Variant number;
    if (FAILED(Api()->variantChangeType(number.get(), v.get(), 0, VT_I4))) return false;
    *out = V_I4(number.get());
    return true;
}

RegExpRef ObjectOf(const Variant& v) {
    if (V_VT(v.get()) != VT_DISPATCH || !V_DISPATCH(v.get())) return RegExpRef();
    IDispatch* object = V_DISPATCH(v.get());
    object->AddRef();
    return std::make_shared<RegExpObject>(object);
}

// One late-bound call of the member `name`; `args` in the order of the member's parameters.
bool Call(const RegExpRef& object, const wchar_t* name, WORD kind, Variant* const* args,
          UINT argCount, Variant* result) {
    if (!Api() || !object) return false;
    LPOLESTR names[1] = {const_cast<LPOLESTR>(name)};
    DISPID member = 0;
    if (FAILED(object->dispatch->GetIDsOfNames(kNoInterface, names, 1, LOCALE_USER_DEFAULT,
                                               &member))) {
        return false;
    }
    // IDispatch takes its arguments last first.
    VARIANTARG reversed[2];
    for (UINT i = 0; i < argCount; i++) reversed[i] = *args[argCount - 1 - i]->get();
    DISPID putId = DISPID_PROPERTYPUT;
    DISPPARAMS params = {reversed, nullptr, argCount, 0};
    if (kind == DISPATCH_PROPERTYPUT) {
        params.rgdispidNamedArgs = &putId;
        params.cNamedArgs = 1;
    }
    return SUCCEEDED(object->dispatch->Invoke(member, kNoInterface, LOCALE_USER_DEFAULT, kind,
                                              &params, result ? result->get() : nullptr, nullptr,
                                              nullptr));
}

bool Put(const RegExpRef& object, const wchar_t* name, Variant& value) {
    Variant* args[] = {&value};
    return Call(object, name, DISPATCH_PROPERTYPUT, args, 1, nullptr);
}

bool Get(const RegExpRef& object, const wchar_t* name, Variant* result) {
    return Call(object, name, DISPATCH_PROPERTYGET, nullptr, 0, result);
}

// "Item" is the default member of both collections: a property with an index.
bool GetItem(const RegExpRef& collection, int index, Variant* result) {
    Variant at;
    SetInt(at, index);
    Variant* args[] = {&at};
    return Call(collection, L"Item", DISPATCH_PROPERTYGET | DISPATCH_METHOD, args, 1, result);
}

const wchar_t* OptionName(RegExpOption option) {
    switch (option) {
        case RegExpOption::kIgnoreCase:
            return L"IgnoreCase";
        case RegExpOption::kMultiline:
            return L"Multiline";
        case RegExpOption::kGlobal:
            return L"Global";
    }
    return L"";
}

}  // namespace

bool RegExpThreadBegin() {
    return Api() && SUCCEEDED(Api()->coInitialize(nullptr));
}

void RegExpThreadEnd() {
    if (Api()) Api()->coUninitialize();
}

RegExpRef NewPatternObject() {
    if (!Api()) return RegExpRef();
    CLSID id;
    if (FAILED(Api()->clsidFromProgId(L"VBScript.RegExp", &id))) return RegExpRef();
    void* object = nullptr;
    if (FAILED(Api()->coCreateInstance(id, nullptr, CLSCTX_INPROC_SERVER, kDispatchInterface,
                                       &object)) ||
        !object) {
        return RegExpRef();
    }
    return std::make_shared<RegExpObject>(static_cast<IDispatch*>(object));
}

bool SetOption(const RegExpRef& pattern, RegExpOption option, bool value) {
    if (!Api()) return false;
    Variant v;
    SetBool(v, value);
    return Put(pattern, OptionName(option), v);
}

bool GetOption(const RegExpRef& pattern, RegExpOption option) {
    if (!Api()) return false;
    Variant v;
    int value = 0;
    return Get(pattern, OptionName(option), &v) && IntOf(v, &value) && value != 0;
}

bool SetPatternText(const RegExpRef& pattern, const WideText& text) {
    if (!Api()) return false;
    Variant v;
    return SetText(v, text) && Put(pattern, L"Pattern", v);
}

WideText GetPatternText(const RegExpRef& pattern) {
    if (!Api()) return WideText();
    Variant v;
    return Get(pattern, L"Pattern", &v) ? TextOf(v) : WideText();
}

RegExpRef Execute(const RegExpRef& pattern, const WideText& subject) {
    if (!Api()) return RegExpRef();
    Variant text, result;
    Variant* args[] = {&text};
    if (!SetText(text, subject) || !Call(pattern, L"Execute", DISPATCH_METHOD, args, 1, &result)) {
        return RegExpRef();
    }
    return ObjectOf(result);
}

WideText Replace(const RegExpRef& pattern, const WideText& subject, const WideText& replacement) {
    if (!Api()) return WideText();
    Variant text, with, result;
    Variant* args[] = {&text, &with};
    if (!SetText(text, subject) || !SetText(with, replacement) ||
        !Call(pattern, L"Replace", DISPATCH_METHOD, args, 2, &result)) {
        return WideText();
    }
    return TextOf(result);
}

int ItemCount(const RegExpRef& collection) {
    if (!Api()) return 0;
    Variant v;
    int count = 0;
    return Get(collection, L"Count", &v) && IntOf(v, &count) && count > 0 ? count : 0;
}

RegExpRef MatchAt(const RegExpRef& matches, int index) {
    if (!Api()) return RegExpRef();
    Variant v;
    return GetItem(matches, index, &v) ? ObjectOf(v) : RegExpRef();
}

WideText MatchValue(const RegExpRef& match) {
    if (!Api()) return WideText();
    Variant v;
    return Get(match, L"Value", &v) ? TextOf(v) : WideText();
}

int MatchFirstIndex(const RegExpRef& match) {
    if (!Api()) return -1;
    Variant v;
    int index = -1;
    return Get(match, L"FirstIndex", &v) && IntOf(v, &index) ? index : -1;
}

RegExpRef MatchGroups(const RegExpRef& match) {
    if (!Api()) return RegExpRef();
    Variant v;
    return Get(match, L"SubMatches", &v) ? ObjectOf(v) : RegExpRef();
}

WideText GroupText(const RegExpRef& groups, int index) {
    if (!Api()) return WideText();
    Variant v;
    return GetItem(groups, index, &v) ? TextOf(v) : WideText();
}

}  // namespace platform
