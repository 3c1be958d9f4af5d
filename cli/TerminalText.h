#pragma once

#include <streambuf>

namespace crestmap::cli {

/// Passes text on to another stream buffer with its control characters written as escapes
/// ("\x1b"), so that a file's name cannot move the cursor, recolour or retitle the terminal.
/// Line feeds pass as they are.
class TerminalText : public std::streambuf {
public:
    explicit TerminalText(std::streambuf& target) : m_target(target) {}

protected:
    int_type overflow(int_type c) override;
    int sync() override;

private:
    bool put(unsigned char byte);
    bool escape(unsigned char byte);

    std::streambuf& m_target;
    bool m_lead = false; ///< a 0xC2 held back: with the next byte it may be a C1 control
};

} // namespace crestmap::cli
