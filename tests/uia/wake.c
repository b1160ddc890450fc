/* Wakes UI Automation as a screen reader does: asks every visible window
 * for its UI Automation root (WM_GETOBJECT), now and every 200 ms for the
 * windows opened later, until ended. */
#include <windows.h>

static BOOL CALLBACK ask(HWND window, LPARAM unused) {
    DWORD_PTR result;
    (void)unused;
    if (IsWindowVisible(window))
        SendMessageTimeoutW(window, WM_GETOBJECT, 0, (LPARAM)(LONG)-25 /* UiaRootObjectId */, SMTO_ABORTIFHUNG, 1000,
                            &result);
    return TRUE;
}

int main(void) {
    for (;;) {
        EnumWindows(ask, 0);
        Sleep(200);
    }
}
