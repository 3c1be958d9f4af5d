#include "TerminalText.h"

#include <array>
#include <utility>

namespace crestmap::cli {

bool TerminalText::put(unsigned char byte)
{
    return m_target.sputc(static_cast<char>(byte)) != traits_type::eof();
}

bool TerminalText::escape(unsigned char byte)
{
    constexpr std::array<char, 16> hex{'0', '1', '2', '3', '4', '5', '6', '7',
                                       '8', '9', 'a', 'b', 'c', 'd', 'e', 'f'};
    return put('\\') && put('x') && put(hex[byte >> 4]) && put(hex[byte & 0xf]);
}

TerminalText::int_type TerminalText::overflow(int_type c)
{
    if (traits_type::eq_int_type(c, traits_type::eof())) {
        return traits_type::not_eof(c);
    }
    const auto byte = static_cast<unsigned char>(traits_type::to_char_type(c));
    // U+0080 to U+009F, as UTF-8 writes them, are controls to a terminal too.
    if (std::exchange(m_lead, false)) {
        const bool c1 = byte >= 0x80 && byte <= 0x9f;
        if (!(c1 ? escape(0xc2) && escape(byte) : put(0xc2))) {
            return traits_type::eof();
        }
        if (c1) {
            return c;
        }
    }
    if (byte == 0xc2) {
        m_lead = true;
        return c;
    }
    const bool control = (byte < 0x20 && byte != '\n') || byte == 0x7f;
    return (control ? escape(byte) : put(byte)) ? c : traits_type::eof();
}

int TerminalText::sync()
{
    if (std::exchange(m_lead, false) && !put(0xc2)) {
        return -1;
    }
    return m_target.pubsync();
}

} // namespace crestmap::cli
