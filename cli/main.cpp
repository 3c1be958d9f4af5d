#include "CliApp.h"

#ifdef _WIN32
#include "SystemNames.h"
#include "Text.h"

#include <algorithm>
#include <ostream>
#include <streambuf>
#include <string>
#include <string_view>
#include <vector>
#include <windows.h>

namespace {

// How many of the bytes end on a whole UTF-8 sequence: a character cut at the end of a buffer is
// kept for the next write, so that the console never shows it as two wrong ones.
std::size_t wholeSequences(std::string_view bytes)
{
    const std::size_t size = bytes.size();
    for (std::size_t back = 1; back <= 4 && back <= size; ++back) {
        const auto byte = static_cast<unsigned char>(bytes[size - back]);
        if ((byte & 0xC0) == 0x80) {
            continue; // a continuation byte: its lead is further back
        }
        // A byte that starts no UTF-8 is shown as it is.
        const std::size_t length = std::max<std::size_t>(crestmap::utf8LengthOf(byte), 1);
        return length > back ? size - back : size;
    }
    return size;
}

// Hands all of `data` to `call`, a system call that may take less than it is given each time.
template <typename Char, typename Call> bool writeAll(std::basic_string_view<Char> data, Call call)
{
    for (std::size_t done = 0; done < data.size();) {
        DWORD count = 0;
        const auto chunk = static_cast<DWORD>(std::min<std::size_t>(data.size() - done, 8192));
        if (!call(data.data() + done, chunk, &count) || count == 0) {
            return false;
        }
        done += count;
    }
    return true;
}

// The tool's UTF-8 output, written to a console as UTF-16 so that every letter shows whatever the
// console's code page, and as the bytes themselves to a file or pipe (no line feed becomes a
// carriage return and line feed, so --stdout gives the document byte for byte).
class ConsoleBuffer : public std::streambuf {
public:
    explicit ConsoleBuffer(DWORD which) : m_handle(::GetStdHandle(which))
    {
        DWORD mode = 0;
        m_console = ::GetConsoleMode(m_handle, &mode) != 0;
    }
    ConsoleBuffer(const ConsoleBuffer&) = delete;
    ConsoleBuffer& operator=(const ConsoleBuffer&) = delete;
    ~ConsoleBuffer() override { (void)writeOut(m_pending.size()); }

protected:
    std::streamsize xsputn(const char* bytes, std::streamsize count) override
    {
        m_pending.append(bytes, static_cast<std::size_t>(count));
        return m_pending.size() < 4096 || sync() == 0 ? count : 0;
    }

    int_type overflow(int_type ch) override
    {
        const char byte = traits_type::to_char_type(ch);
        const bool eof = traits_type::eq_int_type(ch, traits_type::eof());
        return eof || xsputn(&byte, 1) == 1 ? traits_type::not_eof(ch) : traits_type::eof();
    }

    // A character cut at the end of what is pending waits there for the rest of its bytes.
    int sync() override
    {
        return writeOut(m_console ? wholeSequences(m_pending) : m_pending.size()) ? 0 : -1;
    }

private:
    // Writes the first `size` bytes pending; they are gone whether or not they could be.
    bool writeOut(std::size_t size)
    {
        const std::string_view bytes(m_pending.data(), size);
        const bool written =
            m_console ? writeAll(std::wstring_view(crestmap::wideFromBytes(bytes)),
                                 [this](const wchar_t* data, DWORD chunk, DWORD* count) {
                                     return ::WriteConsoleW(m_handle, data, chunk, count, nullptr);
                                 })
                      : writeAll(bytes, [this](const char* data, DWORD chunk, DWORD* count) {
                            return ::WriteFile(m_handle, data, chunk, count, nullptr);
                        });
        m_pending.erase(0, size);
        return written;
    }

    HANDLE m_handle;
    bool m_console = false;
    std::string m_pending;
};

} // namespace

// No Windows shell expands `*.png`: the C runtime does it before wmain, as a shell would.
extern "C" {
int _dowildcard = -1;
}

// Arguments arrive as UTF-16 and go to the core as UTF-8, whatever the console's code page.
int wmain(int argc, wchar_t** argv)
{
    std::vector<std::string> arguments;
    for (int i = 0; i < argc; ++i) {
        arguments.push_back(crestmap::bytesFromWide(argv[i]));
    }
    std::vector<const char*> pointers;
    for (const std::string& argument : arguments) {
        pointers.push_back(argument.c_str());
    }
    ConsoleBuffer outBuffer(STD_OUTPUT_HANDLE);
    ConsoleBuffer errBuffer(STD_ERROR_HANDLE);
    std::ostream out(&outBuffer);
    std::ostream err(&errBuffer);
    // As std::cerr: unbuffered, and after what was printed before it.
    err.setf(std::ios::unitbuf);
    err.tie(&out);
    return crestmap::cli::run(argc, pointers.data(), out, err);
}
#else
#include <csignal>
#include <iostream>

int main(int argc, char** argv)
{
    // A file-size limit should fail the write with an error, not kill the process mid-way.
    std::signal(SIGXFSZ, SIG_IGN);
    return crestmap::cli::run(argc, argv, std::cout, std::cerr);
}
#endif
