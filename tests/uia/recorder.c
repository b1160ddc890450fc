/* A stand-in for UIAutomationCore.dll (Wine's passes nothing on to a
 * client), put in the test prefix's system folder and chosen with
 * WINEDLLOVERRIDES=uiautomationcore=n. It says a client listens, and
 * appends to the file QORVI_UIA_LOG names, in UTF-8, one line per event:
 *   KIND <TAB> sender's control type <TAB> sender's name <TAB> TEXT
 * KIND: "asked" (the first time a window's root is asked for: UI
 * Automation is on), "focus" (TEXT: the control's value), or
 * "notification" (TEXT: "on screen" or "hidden", a TAB, the notification's
 * text), the sender placed as a screen reader places it. */
#define COBJMACROS
#include <windows.h>
#include <ole2.h>
#include <uiautomationcore.h>

#include <stdio.h>

enum { kFocusChanged = 20005, kControlType = 30003, kName = 30005, kIsOffscreen = 30022, kValue = 30045 };

/* A property of the element as text ("" when it has none). */
static void property(IRawElementProviderSimple* element, PROPERTYID id, WCHAR* out, int size) {
    VARIANT v;
    VariantInit(&v);
    out[0] = 0;
    if (FAILED(IRawElementProviderSimple_GetPropertyValue(element, id, &v))) return;
    if (v.vt == VT_BSTR && v.bstrVal) lstrcpynW(out, v.bstrVal, size);
    if (v.vt == VT_BOOL) lstrcpynW(out, v.boolVal ? L"1" : L"0", size);
    if (v.vt == VT_I4)  /* a control type */
        lstrcpynW(out, v.lVal == 50000 ? L"button" : v.lVal == 50004 ? L"edit" : v.lVal == 50008 ? L"list"
                       : v.lVal == 50032 ? L"window" : L"other", size);
    VariantClear(&v);
}

static const WCHAR* placed(IRawElementProviderSimple* element) {
    WCHAR offscreen[4];
    property(element, kIsOffscreen, offscreen, 4);
    IRawElementProviderFragment* fragment = NULL;
    struct UiaRect r = {0, 0, 0, 0};
    if (SUCCEEDED(IRawElementProviderSimple_QueryInterface(element, &IID_IRawElementProviderFragment, (void**)&fragment))) {
        IRawElementProviderFragment_get_BoundingRectangle(fragment, &r);
        IRawElementProviderFragment_Release(fragment);
    }
    return offscreen[0] != L'1' && r.width > 0 && r.height > 0 ? L"on screen\t" : L"hidden\t";
}

static void record(const WCHAR* kind, IRawElementProviderSimple* element, const WCHAR* where, const WCHAR* text) {
    WCHAR file[MAX_PATH], type[16], name[1024], line[4096];
    if (!element || !GetEnvironmentVariableW(L"QORVI_UIA_LOG", file, MAX_PATH)) return;
    property(element, kControlType, type, 16);
    property(element, kName, name, 1024);
    _snwprintf(line, 4096, L"%ls\t%ls\t%ls\t%ls%ls\n", kind, type, name, where, text ? text : L"");
    line[4095] = 0;
    char utf8[4096 * 3];
    int n = WideCharToMultiByte(CP_UTF8, 0, line, -1, utf8, sizeof utf8, NULL, NULL);
    FILE* f = _wfopen(file, L"ab");  /* one write a line: lines from two threads never mix */
    if (f && n > 1) fwrite(utf8, 1, n - 1, f);
    if (f) fclose(f);
}

/* What Qt 6.4 and 6.8 call. */
BOOL WINAPI UiaClientsAreListening(void) { return TRUE; }

LRESULT WINAPI UiaReturnRawElementProvider(HWND hwnd, WPARAM wParam, LPARAM lParam, IRawElementProviderSimple* element) {
    static LONG asked = 0;
    (void)hwnd, (void)wParam, (void)lParam;
    if (InterlockedExchange(&asked, 1) == 0) record(L"asked", element, L"", NULL);
    return 0;
}

HRESULT WINAPI UiaHostProviderFromHwnd(HWND hwnd, IRawElementProviderSimple** provider) {
    (void)hwnd;
    *provider = NULL;
    return E_NOTIMPL;
}

HRESULT WINAPI UiaRaiseNotificationEvent(IRawElementProviderSimple* element, int kind, int processing, BSTR text,
                                         BSTR activity) {
    (void)kind, (void)processing, (void)activity;
    if (element) record(L"notification", element, placed(element), text);
    return S_OK;
}

HRESULT WINAPI UiaRaiseAutomationEvent(IRawElementProviderSimple* element, EVENTID id) {
    WCHAR value[1024];
    if (id == kFocusChanged && element) {
        property(element, kValue, value, 1024);
        record(L"focus", element, L"", value);
    }
    return S_OK;
}

HRESULT WINAPI UiaRaiseAutomationPropertyChangedEvent(IRawElementProviderSimple* element, PROPERTYID id,
                                                      VARIANT before, VARIANT after) {
    (void)element, (void)id, (void)before, (void)after;
    return S_OK;
}
