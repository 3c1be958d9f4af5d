/* Uninstall.exe, which the setup registers. NSIS's uninstaller (Uninstall.dat beside it) runs a
 * copy of itself from elsewhere and ends at once, so whoever ran it would see success before
 * anything is removed, and never a refusal. This runs that copy, waits for it and ends with its
 * exit status. A running program can be renamed but not deleted: this moves out of the folder
 * it removes, and back if that was refused. */
#include <wchar.h>
#include <windows.h>

#define LONG_PATH 32768

static wchar_t folder[LONG_PATH], self[LONG_PATH], temp[LONG_PATH], core[LONG_PATH],
    moved[LONG_PATH], line[2 * LONG_PATH];

/* FIRST and SECOND joined into TARGET, or 0 when they do not fit. */
static int join(wchar_t* target, const wchar_t* first, const wchar_t* second)
{
    const size_t a = wcslen(first), b = wcslen(second);
    if (a + b >= LONG_PATH) {
        return 0;
    }
    wmemmove(target, first, a); /* TARGET may be FIRST */
    wmemcpy(target + a, second, b + 1);
    return 1;
}

/* The arguments this was given, without the program's name and without a "_?=FOLDER" (that the
 * setup gives uninstallers of every version): this gives the copy its own. */
static const wchar_t* arguments(void)
{
    const wchar_t* c = GetCommandLineW();
    if (*c == L'"') {
        for (++c; *c != L'\0' && *c != L'"'; ++c) {
        }
        if (*c == L'"') {
            ++c;
        }
    } else {
        for (; *c != L'\0' && *c != L' ' && *c != L'\t'; ++c) {
        }
    }
    static wchar_t rest[LONG_PATH];
    wcsncpy(rest, c, LONG_PATH - 1);
    wchar_t* folderGiven = wcsstr(rest, L" _?=");
    if (folderGiven != NULL) {
        *folderGiven = L'\0';
    }
    return rest;
}

/* This program, now in the temporary folder, cannot delete itself while it runs: a windowless
 * command does once it has ended, and the folder with it. */
static void forgetSelf(void)
{
    static wchar_t command[3 * LONG_PATH], from[LONG_PATH];
    const DWORD length = GetTempPathW(LONG_PATH, from);
    const int written = _snwprintf(command, sizeof command / sizeof *command,
                                   L"cmd.exe /d /c ping -n 3 127.0.0.1 >nul & del /f /q \"%ls\" & "
                                   L"rmdir \"%ls\"",
                                   moved, temp);
    STARTUPINFOW startup = {.cb = sizeof startup};
    PROCESS_INFORMATION process;
    if (length > 0 && length < LONG_PATH && written > 0 &&
        written < (int)(sizeof command / sizeof *command) &&
        CreateProcessW(NULL, command, NULL, NULL, FALSE, CREATE_NO_WINDOW, NULL, from, &startup,
                       &process)) {
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
}

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE previous, PWSTR commandLine, int show)
{
    (void)instance, (void)previous, (void)commandLine, (void)show;
    const DWORD length = GetModuleFileNameW(NULL, self, LONG_PATH);
    if (length == 0 || length >= LONG_PATH) {
        return 2;
    }
    wcscpy(folder, self);
    *wcsrchr(folder, L'\\') = L'\0';
    const DWORD tempLength = GetTempPathW(LONG_PATH, temp);
    if (tempLength == 0 || tempLength >= LONG_PATH || !join(temp, temp, L"Crestmap-uninstall") ||
        !join(core, temp, L"\\Un.exe") || !join(moved, temp, L"\\Uninstall.exe") ||
        !join(line, folder, L"\\Uninstall.dat")) {
        return 2;
    }
    CreateDirectoryW(temp, NULL);
    /* A folder that is any process's current one cannot be removed. */
    SetCurrentDirectoryW(temp);
    DeleteFileW(moved); /* left by an earlier run, which could not delete itself either */
    if (!CopyFileW(line, core, FALSE)) {
        if (wcsstr(arguments(), L"/S") == NULL) {
            MessageBoxW(NULL, L"Crestmap's uninstaller is missing from its folder.", L"Crestmap",
                        MB_ICONSTOP | MB_OK);
        }
        return 2;
    }
    /* Elsewhere than on the temporary folder's drive this stays, and so does the folder. */
    const BOOL away = MoveFileExW(self, moved, 0);

    const int written = _snwprintf(line, sizeof line / sizeof *line, L"\"%ls\"%ls _?=%ls", core,
                                   arguments(), folder);
    STARTUPINFOW startup = {.cb = sizeof startup};
    PROCESS_INFORMATION process;
    DWORD status = 2;
    if (written > 0 && written < (int)(sizeof line / sizeof *line) &&
        CreateProcessW(core, line, NULL, NULL, FALSE, 0, NULL, temp, &startup, &process)) {
        WaitForSingleObject(process.hProcess, INFINITE);
        GetExitCodeProcess(process.hProcess, &status);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
    if (away && status != 0) {
        MoveFileExW(moved, self, 0); /* nothing was removed: this is still its uninstaller */
    }
    DeleteFileW(core);
    if (away && status == 0) {
        forgetSelf();
    }
    return (int)status;
}
