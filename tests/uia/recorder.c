/* A stand-in for UIAutomationCore.dll that writes down what a program
 * hands to UI Automation for a screen reader, for the Windows build's test
 * under Wine (whose UI Automation passes nothing on to a client). Put in
 * the test prefix's system folder, chosen over Wine's own with
 * WINEDLLOVERRIDES=uiautomationcore=n, it says that a client listens, and
 * writes one line per notification and per focus change, in UTF-8, to the
 * file QORVI_UIA_LOG names:
 *   notification <TAB> sender's control type <TAB> sender's name <TAB>
 *                      on screen or hidden <TAB> the notification's text
 *   focus        <TAB> control type <TAB> name <TAB> value
 *   asked        <TAB> control type <TAB> name <TAB>   (the first time a
 *                      window's root is asked for, so UI Automation is on)
 * where the sender is placed as a screen reader places it: its control
 * type and name, and whether it is on the screen (not off-screen, with a
 * bounding rectangle of some size). */
#define COBJMACROS
#include <windows.h>
#include <ole2.h>
#include <uiautomationcore.h>

#include <stdio.h>

enum {
    kFocusChanged = 20005,
    kControlType = 30003,
    kName = 30005,
    kIsOffscreen = 30022,
    kValue = 30045,
};

static CRITICAL_SECTION lock;

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved) {
    (void)instance, (void)reserved;
    if (reason == DLL_PROCESS_ATTACH) InitializeCriticalSection(&lock);
    return TRUE;
}

static void put(FILE* f, const WCHAR* text) {
    char utf8[4096];
    int n = WideCharToMultiByte(CP_UTF8, 0, text ? text : L"", -1, utf8, sizeof utf8, NULL, NULL);
    if (n > 0) fputs(utf8, f);
}

static const WCHAR* typeName(int type) {
    switch (type) {
    case 50000: return L"button";
    case 50003: return L"combo box";
    case 50004: return L"edit";
    case 50007: return L"list item";
    case 50008: return L"list";
    case 50020: return L"text";
    case 50025: return L"custom";
    case 50026: return L"group";
    case 50032: return L"window";
    case 50033: return L"pane";
    default: return L"other";
    }
}

/* A property of the element as text ("" when it has none). */
static void property(IRawElementProviderSimple* element, PROPERTYID id, WCHAR* out, int size) {
    VARIANT v;
    VariantInit(&v);
    out[0] = 0;
    if (FAILED(IRawElementProviderSimple_GetPropertyValue(element, id, &v))) return;
    if (v.vt == VT_BSTR && v.bstrVal) lstrcpynW(out, v.bstrVal, size);
    else if (v.vt == VT_I4) lstrcpynW(out, typeName(v.lVal), size);
    else if (v.vt == VT_BOOL) lstrcpynW(out, v.boolVal ? L"1" : L"0", size);
    VariantClear(&v);
}

static BOOL onScreen(IRawElementProviderSimple* element) {
    WCHAR offscreen[4];
    property(element, kIsOffscreen, offscreen, 4);
    IRawElementProviderFragment* fragment = NULL;
    struct UiaRect r = {0, 0, 0, 0};
    if (SUCCEEDED(IRawElementProviderSimple_QueryInterface(element, &IID_IRawElementProviderFragment, (void**)&fragment))) {
        IRawElementProviderFragment_get_BoundingRectangle(fragment, &r);
        IRawElementProviderFragment_Release(fragment);
    }
    return offscreen[0] != L'1' && r.width > 0 && r.height > 0;
}

static void record(const WCHAR* what, IRawElementProviderSimple* element, const WCHAR* last, BOOL placed) {
    WCHAR file[MAX_PATH], type[64], name[1024];
    if (!element || !GetEnvironmentVariableW(L"QORVI_UIA_LOG", file, MAX_PATH)) return;
    property(element, kControlType, type, 64);
    property(element, kName, name, 1024);
    EnterCriticalSection(&lock);
    FILE* f = _wfopen(file, L"ab");
    if (f) {
        put(f, what), fputc('\t', f), put(f, type), fputc('\t', f), put(f, name), fputc('\t', f);
        if (placed) put(f, onScreen(element) ? L"on screen\t" : L"hidden\t");
        put(f, last), fputc('\n', f);
        fclose(f);
    }
    LeaveCriticalSection(&lock);
}

BOOL WINAPI UiaClientsAreListening(void) { return TRUE; }

LRESULT WINAPI UiaReturnRawElementProvider(HWND hwnd, WPARAM wParam, LPARAM lParam, IRawElementProviderSimple* element) {
    (void)hwnd, (void)wParam, (void)lParam;
    static LONG asked = 0;
    if (InterlockedExchange(&asked, 1) == 0) record(L"asked", element, L"", FALSE);
    return 0;
}

HRESULT WINAPI UiaHostProviderFromHwnd(HWND hwnd, IRawElementProviderSimple** provider) {
    (void)hwnd;
    if (provider) *provider = NULL;
    return E_NOTIMPL;
}

HRESULT WINAPI UiaRaiseNotificationEvent(IRawElementProviderSimple* element, int kind, int processing,
                                         BSTR text, BSTR activity) {
    (void)kind, (void)processing, (void)activity;
    record(L"notification", element, text, TRUE);
    return S_OK;
}

HRESULT WINAPI UiaRaiseAutomationEvent(IRawElementProviderSimple* element, EVENTID id) {
    if (id == kFocusChanged) {
        WCHAR value[1024];
        if (element) property(element, kValue, value, 1024);
        record(L"focus", element, value, FALSE);
    }
    return S_OK;
}

HRESULT WINAPI UiaRaiseAutomationPropertyChangedEvent(IRawElementProviderSimple* element, PROPERTYID id,
                                                      VARIANT before, VARIANT after) {
    (void)element, (void)id, (void)before, (void)after;
    return S_OK;
}

HRESULT WINAPI UiaRaiseStructureChangedEvent(IRawElementProviderSimple* element, int change, int* id, int length) {
    (void)element, (void)change, (void)id, (void)length;
    return S_OK;
}

HRESULT WINAPI UiaDisconnectProvider(IRawElementProviderSimple* element) {
    (void)element;
    return S_OK;
}

HRESULT WINAPI UiaDisconnectAllProviders(void) { return S_OK; }

HRESULT WINAPI UiaGetReservedNotSupportedValue(IUnknown** value) {
    if (value) *value = NULL;
    return E_NOTIMPL;
}

HRESULT WINAPI UiaGetReservedMixedAttributeValue(IUnknown** value) {
    if (value) *value = NULL;
    return E_NOTIMPL;
}
