/* shell-verb KEY FOLDER [NAME]: does with a folder verb what Explorer does. It reads the verb's
 * command line from HKEY_CURRENT_USER\KEY, puts FOLDER's path in for %1, %L or %V, and starts that
 * line as it is. It first prints the arguments the line gives the program, one a line in UTF-8,
 * and ends with the program's exit status. With NAME it runs the command line in that value of
 * KEY instead, as Settings or a package manager runs an uninstall entry's. */
#include <stdio.h>
#include <wchar.h>
#include <windows.h>

static void printUtf8(const wchar_t* text)
{
    char bytes[4 * MAX_PATH + 8];
    const int length =
        WideCharToMultiByte(CP_UTF8, 0, text, -1, bytes, sizeof bytes - 1, NULL, NULL);
    DWORD written = 0;
    if (length > 0) {
        bytes[length - 1] = '\n';
        WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), bytes, (DWORD)length, &written, NULL);
    }
}

int wmain(int argc, wchar_t** argv)
{
    static wchar_t command[4096], line[8192];
    DWORD size = sizeof command;
    if (argc != 3 && argc != 4) {
        fputs("usage: shell-verb KEY FOLDER [NAME]\n", stderr);
        return 2;
    }
    const wchar_t* name = argc == 4 ? argv[3] : NULL;
    if (RegGetValueW(HKEY_CURRENT_USER, argv[1], name, RRF_RT_REG_SZ, NULL, command, &size) !=
        ERROR_SUCCESS) {
        fputs("shell-verb: the key holds no command\n", stderr);
        return 1;
    }
    size_t used = 0;
    const size_t folderLength = wcslen(argv[2]);
    for (const wchar_t* c = command; *c != L'\0'; ++c) {
        if (c[0] == L'%' && (c[1] == L'1' || c[1] == L'L' || c[1] == L'V')) {
            if (used + folderLength >= sizeof line / sizeof *line) {
                return 1;
            }
            wmemcpy(line + used, argv[2], folderLength);
            used += folderLength;
            ++c;
        } else if (used + 1 < sizeof line / sizeof *line) {
            line[used++] = *c;
        }
    }
    line[used] = L'\0';

    int count = 0;
    wchar_t** arguments = CommandLineToArgvW(line, &count);
    for (int i = 1; arguments != NULL && i < count; ++i) {
        printUtf8(arguments[i]);
    }
    LocalFree(arguments);
    STARTUPINFOW startup = {.cb = sizeof startup};
    PROCESS_INFORMATION process;
    if (!CreateProcessW(NULL, line, NULL, NULL, FALSE, 0, NULL, NULL, &startup, &process)) {
        fprintf(stderr, "shell-verb: cannot start the command (error %lu)\n", GetLastError());
        return 1;
    }
    DWORD status = 1;
    WaitForSingleObject(process.hProcess, INFINITE);
    GetExitCodeProcess(process.hProcess, &status);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return (int)status;
}
