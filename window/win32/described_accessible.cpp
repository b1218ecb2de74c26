// SPDX-FileCopyrightText: 2026 Zerapol developers
// SPDX-License-Identifier: MIT
#include "window/win32/described_accessible.h"

// clang-format off
#include <initguid.h> // defines IID_IAccessible here rather than in a library
#include <oleacc.h>
// clang-format on
#include <commctrl.h>
#include <objbase.h>
#include <stdexcept>
#include <utility>

namespace zerapol {
namespace {

// Active Accessibility and COM, loaded when a screen reader first asks: most starts have none
// to answer, and loading them would cost every start.
struct Accessibility {
    decltype(&CreateStdAccessibleObject) createStandardObject = nullptr;
    decltype(&LresultFromObject) resultFromObject = nullptr;
    decltype(&SysAllocString) allocateString = nullptr;
};

template <typename Function> Function entryOf(HMODULE module, const char* name) {
    // The detour through a plain function pointer is how GCC lets a looked-up entry be typed.
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
}

const Accessibility* accessibility() {
    static const Accessibility loaded = [] {
        Accessibility found;
        HMODULE oleacc = LoadLibraryW(L"oleacc.dll");
        HMODULE ole32 = LoadLibraryW(L"ole32.dll");
        HMODULE oleaut32 = LoadLibraryW(L"oleaut32.dll");
        if (oleacc == nullptr || ole32 == nullptr || oleaut32 == nullptr) {
            return found;
        }
        // The objects handed to a screen reader are marshalled by COM, on this thread.
        const auto initialise = entryOf<decltype(&CoInitializeEx)>(ole32, "CoInitializeEx");
        if (initialise == nullptr ||
            FAILED(initialise(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE))) {
            return found;
        }
        found.createStandardObject =
            entryOf<decltype(&CreateStdAccessibleObject)>(oleacc, "CreateStdAccessibleObject");
        found.resultFromObject = entryOf<decltype(&LresultFromObject)>(oleacc, "LresultFromObject");
        found.allocateString = entryOf<decltype(&SysAllocString)>(oleaut32, "SysAllocString");
        return found;
    }();
    return loaded.createStandardObject && loaded.resultFromObject && loaded.allocateString
               ? &loaded
               : nullptr;
}

// COM objects are destroyed through Release(), never through their interfaces.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wnon-virtual-dtor"

// Windows' standard accessible object of a control, with a description of its own. Everything
// else is the standard object's, so a screen reader finds the control as it always would.
class DescribedAccessible final : public IAccessible {
public:
    DescribedAccessible(IAccessible* standard, const std::wstring& description)
        : m_standard(standard), m_description(description) {}

    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override {
        if (object == nullptr) {
            return E_POINTER;
        }
        if (IsEqualIID(id, IID_IUnknown) || IsEqualIID(id, IID_IDispatch) ||
            IsEqualIID(id, IID_IAccessible)) {
            *object = static_cast<IAccessible*>(this);
            AddRef();
            return S_OK;
        }
        return m_standard->QueryInterface(id, object);
    }
    ULONG STDMETHODCALLTYPE AddRef() override {
        return static_cast<ULONG>(InterlockedIncrement(&m_references));
    }
    ULONG STDMETHODCALLTYPE Release() override {
        const LONG left = InterlockedDecrement(&m_references);
        if (left == 0) {
            delete this;
        }
        return static_cast<ULONG>(left);
    }

    // IDispatch
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
        return m_standard->GetTypeInfoCount(count);
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) override {
        return m_standard->GetTypeInfo(index, locale, info);
    }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID id, LPOLESTR* names, UINT count, LCID locale,
                                            DISPID* ids) override {
        return m_standard->GetIDsOfNames(id, names, count, locale, ids);
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID member, REFIID id, LCID locale, WORD flags,
                                     DISPPARAMS* parameters, VARIANT* result, EXCEPINFO* exception,
                                     UINT* argument) override {
        return m_standard->Invoke(member, id, locale, flags, parameters, result, exception,
                                  argument);
    }

    // IAccessible: the description is ours, the rest the standard object's.
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* description) override {
        if (child.vt != VT_I4 || child.lVal != CHILDID_SELF) {
            return m_standard->get_accDescription(child, description);
        }
        if (description == nullptr) {
            return E_POINTER;
        }
        *description = accessibility()->allocateString(m_description.c_str());
        return *description != nullptr ? S_OK : E_OUTOFMEMORY;
    }
    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override {
        return m_standard->get_accParent(parent);
    }
    HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* count) override {
        return m_standard->get_accChildCount(count);
    }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** object) override {
        return m_standard->get_accChild(child, object);
    }
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
        return m_standard->get_accName(child, name);
    }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override {
        return m_standard->get_accValue(child, value);
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
        return m_standard->get_accRole(child, role);
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
        return m_standard->get_accState(child, state);
    }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override {
        return m_standard->get_accHelp(child, help);
    }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, LONG* topic) override {
        return m_standard->get_accHelpTopic(file, child, topic);
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override {
        return m_standard->get_accKeyboardShortcut(child, shortcut);
    }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* child) override {
        return m_standard->get_accFocus(child);
    }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* children) override {
        return m_standard->get_accSelection(children);
    }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override {
        return m_standard->get_accDefaultAction(child, action);
    }
    HRESULT STDMETHODCALLTYPE accSelect(LONG flags, VARIANT child) override {
        return m_standard->accSelect(flags, child);
    }
    HRESULT STDMETHODCALLTYPE accLocation(LONG* left, LONG* top, LONG* width, LONG* height,
                                          VARIANT child) override {
        return m_standard->accLocation(left, top, width, height, child);
    }
    HRESULT STDMETHODCALLTYPE accNavigate(LONG direction, VARIANT start, VARIANT* end) override {
        return m_standard->accNavigate(direction, start, end);
    }
    HRESULT STDMETHODCALLTYPE accHitTest(LONG left, LONG top, VARIANT* child) override {
        return m_standard->accHitTest(left, top, child);
    }
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
        return m_standard->accDoDefaultAction(child);
    }
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT child, BSTR name) override {
        return m_standard->put_accName(child, name);
    }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT child, BSTR value) override {
        return m_standard->put_accValue(child, value);
    }

private:
    ~DescribedAccessible() { m_standard->Release(); }

    IAccessible* m_standard; // owned: one reference
    std::wstring m_description;
    LONG m_references = 1;
};

#pragma GCC diagnostic pop

constexpr UINT_PTR kSubclassId = 1;

LRESULT CALLBACK describedProcedure(HWND control, UINT message, WPARAM wParam, LPARAM lParam,
                                    UINT_PTR, DWORD_PTR data) {
    auto* description = reinterpret_cast<std::wstring*>(data);
    if (message == WM_GETOBJECT && static_cast<LONG>(lParam) == OBJID_CLIENT) {
        IAccessible* standard = nullptr;
        const Accessibility* services = accessibility();
        if (services != nullptr &&
            SUCCEEDED(services->createStandardObject(control, OBJID_CLIENT, IID_IAccessible,
                                                     reinterpret_cast<void**>(&standard)))) {
            auto* described = new DescribedAccessible(standard, *description);
            const LRESULT result = services->resultFromObject(IID_IAccessible, wParam, described);
            described->Release();
            return result;
        }
    } else if (message == WM_NCDESTROY) {
        RemoveWindowSubclass(control, describedProcedure, kSubclassId);
        delete description;
    }
    return DefSubclassProc(control, message, wParam, lParam);
}

} // namespace

void describeForScreenReaders(HWND control, std::wstring description) {
    auto* kept = new std::wstring(std::move(description));
    if (!SetWindowSubclass(control, describedProcedure, kSubclassId,
                           reinterpret_cast<DWORD_PTR>(kept))) {
        delete kept;
        throw std::runtime_error("Windows refused to describe a control");
    }
}

} // namespace zerapol
