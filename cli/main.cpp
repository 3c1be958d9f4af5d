#include "CliApp.h"

#include <csignal>
#include <iostream>

#ifdef _WIN32
#include "SystemNames.h"

#include <fcntl.h>
#include <io.h>
#include <string>
#include <vector>
#include <windows.h>

// Arguments arrive as UTF-16 and go to the core as UTF-8, whatever the console's code page; the
// output is UTF-8 bytes, with no line feed turned into a carriage return and line feed, so that
// --stdout prints the document byte for byte.
int wmain(int argc, wchar_t** argv)
{
    ::SetConsoleOutputCP(CP_UTF8);
    ::_setmode(::_fileno(stdout), _O_BINARY);
    ::_setmode(::_fileno(stderr), _O_BINARY);
    std::vector<std::string> arguments;
    for (int i = 0; i < argc; ++i) {
        arguments.push_back(crestmap::bytesFromWide(argv[i]));
    }
    std::vector<const char*> pointers;
    for (const std::string& argument : arguments) {
        pointers.push_back(argument.c_str());
    }
    return crestmap::cli::run(argc, pointers.data(), std::cout, std::cerr);
}
#else
int main(int argc, char** argv)
{
    // A file-size limit should fail the write with an error, not kill the process mid-way.
    std::signal(SIGXFSZ, SIG_IGN);
    return crestmap::cli::run(argc, argv, std::cout, std::cerr);
}
#endif
