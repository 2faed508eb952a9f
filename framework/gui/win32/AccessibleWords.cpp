// A control's own words for screen readers. The platform's accessible
// object of a static reads its window text, except for a frame, which is
// what the window draws into: there WM_GETOBJECT is answered with the
// platform's object wrapped, with our name, description and role. (The
// annotation service, IAccPropServices, would do it on Windows alone: Wine
// does not implement it.) The libraries of MSAA are loaded when a reader
// first asks, so that a run without one never loads them.
#include "gui/win32/AccessibleWords_p.h"

#include <map>

#include "gui/win32/SystemFunction_p.h"
#include "gui/win32/TaskbarOverlay_p.h"

namespace fw::win32 {

namespace {

constexpr UINT_PTR kWordsSubclass = 0x594B4157;

struct Words {
    std::wstring name;
    std::wstring description;
    LONG role = 0;
};

std::map<HWND, Words>& WordsOfControls()
{
    static std::map<HWND, Words> words;
    return words;
}

// The functions of MSAA and of the string type it answers in.
struct ReaderLibraries {
    decltype(&::CreateStdAccessibleObject) createStandardObject = nullptr;
    decltype(&::LresultFromObject) resultFromObject = nullptr;
    decltype(&::SysAllocString) allocateString = nullptr;
};

const ReaderLibraries* Libraries()
{
    static const ReaderLibraries libraries = [] {
        return ReaderLibraries{
            SystemFunction<decltype(::CreateStdAccessibleObject)>(L"oleacc.dll", "CreateStdAccessibleObject"),
            SystemFunction<decltype(::LresultFromObject)>(L"oleacc.dll", "LresultFromObject"),
            SystemFunction<decltype(::SysAllocString)>(L"oleaut32.dll", "SysAllocString")};
    }();
    const bool complete = libraries.createStandardObject && libraries.resultFromObject && libraries.allocateString;
    return complete ? &libraries : nullptr;
}

const Words* WordsOf(HWND control)
{
    const auto found = WordsOfControls().find(control);
    return found == WordsOfControls().end() ? nullptr : &found->second;
}

bool IsSelf(const VARIANT& child)
{
    return child.vt == VT_I4 && child.lVal == CHILDID_SELF;
}

HRESULT Answer(const std::wstring& words, BSTR* out)
{
    if (!out)
        return E_POINTER;
    *out = words.empty() ? nullptr : Libraries()->allocateString(words.c_str());
    return words.empty() ? S_FALSE : S_OK;
}

// The platform's object of the control, but for what the window set.
class WordsAccessible final : public IAccessible {
public:
    WordsAccessible(HWND control, IAccessible* platform) : m_control(control), m_platform(platform) {}

    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override
    {
        if (!out)
            return E_POINTER;
        if (iid == __uuidof(IUnknown) || iid == __uuidof(IDispatch) || iid == __uuidof(IAccessible)) {
            *out = static_cast<IAccessible*>(this);
            AddRef();
            return S_OK;
        }
        return m_platform->QueryInterface(iid, out);
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++m_references; }
    ULONG STDMETHODCALLTYPE Release() override
    {
        const ULONG left = --m_references;
        if (left == 0) {
            m_platform->Release();
            delete this;
        }
        return left;
    }

    // IDispatch
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override { return m_platform->GetTypeInfoCount(count); }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) override
    {
        return m_platform->GetTypeInfo(index, locale, info);
    }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID locale, DISPID* ids) override
    {
        return m_platform->GetIDsOfNames(iid, names, count, locale, ids);
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID iid, LCID locale, WORD flags, DISPPARAMS* params,
                                     VARIANT* result, EXCEPINFO* exception, UINT* argument) override
    {
        return m_platform->Invoke(id, iid, locale, flags, params, result, exception, argument);
    }

    // IAccessible: our words for the control itself, the platform's for the rest.
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override
    {
        const Words* words = WordsOf(m_control);
        if (IsSelf(child) && words && !words->name.empty())
            return Answer(words->name, name);
        return m_platform->get_accName(child, name);
    }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* description) override
    {
        const Words* words = WordsOf(m_control);
        if (IsSelf(child) && words && !words->description.empty())
            return Answer(words->description, description);
        return m_platform->get_accDescription(child, description);
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override
    {
        const Words* words = WordsOf(m_control);
        if (!IsSelf(child) || !words || !words->role || !role)
            return m_platform->get_accRole(child, role);
        role->vt = VT_I4;
        role->lVal = words->role;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override { return m_platform->get_accParent(parent); }
    HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* count) override { return m_platform->get_accChildCount(count); }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** out) override
    {
        return m_platform->get_accChild(child, out);
    }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override
    {
        return m_platform->get_accValue(child, value);
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override
    {
        return m_platform->get_accState(child, state);
    }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override
    {
        return m_platform->get_accHelp(child, help);
    }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, LONG* topic) override
    {
        return m_platform->get_accHelpTopic(file, child, topic);
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override
    {
        return m_platform->get_accKeyboardShortcut(child, shortcut);
    }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* focus) override { return m_platform->get_accFocus(focus); }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* selection) override
    {
        return m_platform->get_accSelection(selection);
    }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override
    {
        return m_platform->get_accDefaultAction(child, action);
    }
    HRESULT STDMETHODCALLTYPE accSelect(LONG flags, VARIANT child) override
    {
        return m_platform->accSelect(flags, child);
    }
    HRESULT STDMETHODCALLTYPE accLocation(LONG* left, LONG* top, LONG* width, LONG* height, VARIANT child) override
    {
        return m_platform->accLocation(left, top, width, height, child);
    }
    HRESULT STDMETHODCALLTYPE accNavigate(LONG direction, VARIANT start, VARIANT* end) override
    {
        return m_platform->accNavigate(direction, start, end);
    }
    HRESULT STDMETHODCALLTYPE accHitTest(LONG x, LONG y, VARIANT* child) override
    {
        return m_platform->accHitTest(x, y, child);
    }
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override
    {
        return m_platform->accDoDefaultAction(child);
    }
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT child, BSTR name) override
    {
        return m_platform->put_accName(child, name);
    }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT child, BSTR value) override
    {
        return m_platform->put_accValue(child, value);
    }

private:
    HWND m_control;
    IAccessible* m_platform;
    ULONG m_references = 1;
};

LRESULT AnswerGetObject(HWND control, WPARAM wParam)
{
    const ReaderLibraries* libraries = Libraries();
    IAccessible* platform = nullptr;
    if (!libraries || FAILED(libraries->createStandardObject(control, OBJID_CLIENT, __uuidof(IAccessible),
                                                             reinterpret_cast<void**>(&platform))))
        return 0;
    auto* wrapped = new WordsAccessible(control, platform);
    const LRESULT answer = libraries->resultFromObject(__uuidof(IAccessible), wParam, wrapped);
    wrapped->Release();
    return answer;
}

LRESULT CALLBACK ReadAloudControl(HWND control, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR)
{
    if (message == WM_GETOBJECT && static_cast<LONG>(lParam) == OBJID_CLIENT && WordsOf(control))
        return AnswerGetObject(control, wParam);
    if (message == WM_NCDESTROY) {
        WordsOfControls().erase(control);
        RemoveWindowSubclass(control, ReadAloudControl, kWordsSubclass);
    }
    return DefSubclassProc(control, message, wParam, lParam);
}

Words& WordsFor(HWND control)
{
    const auto [entry, added] = WordsOfControls().try_emplace(control);
    if (added) {
        EnsureComOnThisThread();
        SetWindowSubclass(control, ReadAloudControl, kWordsSubclass, 0);
    }
    return entry->second;
}

}  // namespace

void SetAccessibleName(HWND control, const std::wstring& name, LONG role)
{
    Words& words = WordsFor(control);
    words.role = role;
    if (words.name == name)
        return;
    words.name = name;
    NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, control, OBJID_CLIENT, CHILDID_SELF);
}

void SetAccessibleDescription(HWND control, const std::wstring& description)
{
    Words& words = WordsFor(control);
    if (words.description == description)
        return;
    words.description = description;
    NotifyWinEvent(EVENT_OBJECT_DESCRIPTIONCHANGE, control, OBJID_CLIENT, CHILDID_SELF);
}

}  // namespace fw::win32
