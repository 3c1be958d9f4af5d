#include "CliApp.h"

#ifdef _WIN32
#include "SystemNames.h"
#include "Text.h"

#include <algorithm>
#include <array>
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

// The tool's UTF-8 output, written to a console as UTF-16 so that every letter shows whatever the
// console's code page, and as the bytes themselves to a file or pipe (no line feed becomes a
// carriage return and line feed, so --stdout gives the document byte for byte).
class ConsoleBuffer : public std::streambuf {
public:
    explicit ConsoleBuffer(DWORD which) : m_handle(::GetStdHandle(which))
    {
        DWORD mode = 0;
        m_console = ::GetConsoleMode(m_handle, &mode) != 0;
        setp(m_bytes.data(), m_bytes.data() + m_bytes.size());
    }
    ConsoleBuffer(const ConsoleBuffer&) = delete;
    ConsoleBuffer& operator=(const ConsoleBuffer&) = delete;
    ~ConsoleBuffer() override { writeOut(true); }

protected:
    int_type overflow(int_type ch) override
    {
        if (!writeOut(false)) {
            return traits_type::eof();
        }
        if (!traits_type::eq_int_type(ch, traits_type::eof())) {
            *pptr() = traits_type::to_char_type(ch);
            pbump(1);
        }
        return traits_type::not_eof(ch);
    }

    int sync() override { return writeOut(false) ? 0 : -1; }

private:
    // Writes what is buffered; a cut character's first bytes stay at the start of the buffer
    // until more comes, or the end.
    bool writeOut(bool end)
    {
        const std::string_view pending(pbase(), static_cast<std::size_t>(pptr() - pbase()));
        const std::size_t whole = m_console && !end ? wholeSequences(pending) : pending.size();
        const bool written = m_console ? writeConsole(pending.substr(0, whole))
                                       : writeFile(pending.substr(0, whole));
        const std::string_view rest = pending.substr(whole);
        std::copy(rest.begin(), rest.end(), m_bytes.begin());
        setp(m_bytes.data(), m_bytes.data() + m_bytes.size());
        pbump(static_cast<int>(rest.size()));
        return written;
    }

    bool writeConsole(std::string_view bytes) const
    {
        const std::wstring wide = crestmap::wideFromBytes(bytes);
        for (std::size_t done = 0; done < wide.size();) {
            DWORD count = 0;
            const auto chunk = static_cast<DWORD>(std::min<std::size_t>(wide.size() - done, 8192));
            if (!::WriteConsoleW(m_handle, wide.data() + done, chunk, &count, nullptr) ||
                count == 0) {
                return false;
            }
            done += count;
        }
        return true;
    }

    bool writeFile(std::string_view bytes) const
    {
        for (std::size_t done = 0; done < bytes.size();) {
            DWORD count = 0;
            const auto chunk = static_cast<DWORD>(bytes.size() - done);
            if (!::WriteFile(m_handle, bytes.data() + done, chunk, &count, nullptr) || count == 0) {
                return false;
            }
            done += count;
        }
        return true;
    }

    HANDLE m_handle;
    bool m_console = false;
    std::array<char, 4096> m_bytes{};
};

} // namespace

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
