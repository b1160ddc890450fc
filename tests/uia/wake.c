/* Wakes a program's UI Automation as a screen reader does: asks each of
 * its visible windows for its UI Automation root (WM_GETOBJECT), now and
 * every 200 ms for the windows it opens later, until ended.
 *   wake PROGRAM.EXE */
#include <windows.h>
#include <tlhelp32.h>

static const WCHAR* program;

static BOOL isProgram(DWORD pid) {
    BOOL found = FALSE;
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    PROCESSENTRY32W entry = {.dwSize = sizeof entry};
    for (BOOL more = Process32FirstW(snapshot, &entry); more && !found; more = Process32NextW(snapshot, &entry))
        found = entry.th32ProcessID == pid && lstrcmpiW(entry.szExeFile, program) == 0;
    CloseHandle(snapshot);
    return found;
}

static BOOL CALLBACK ask(HWND window, LPARAM unused) {
    (void)unused;
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    if (IsWindowVisible(window) && isProgram(pid)) {
        DWORD_PTR result;
        SendMessageTimeoutW(window, WM_GETOBJECT, 0, (LPARAM)(LONG)-25 /* UiaRootObjectId */, SMTO_ABORTIFHUNG, 1000,
                            &result);
    }
    return TRUE;
}

int wmain(int argc, WCHAR** argv) {
    if (argc != 2) return 2;
    program = argv[1];
    for (;;) {
        EnumWindows(ask, 0);
        Sleep(200);
    }
}
