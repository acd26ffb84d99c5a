#include "cp1252.h"

#include <array>
#include <cstdint>
#include <map>

namespace tasklist {
namespace {

// Code points of the bytes 80..9F; undefined bytes keep their own value.
constexpr std::array<char32_t, 32> kHigh = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char32_t toUnicode(unsigned char b)
{
    return (b >= 0x80 && b <= 0x9F) ? kHigh[b - 0x80] : char32_t(b);
}

// Returns -1 when the code point has no byte in the code page.
int toByte(char32_t cp)
{
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF))
        return int(cp);
    for (std::size_t i = 0; i < kHigh.size(); ++i)
        if (kHigh[i] == cp)
            return int(0x80 + i);
    return -1;
}

void appendUtf8(std::string &out, char32_t cp)
{
    if (cp < 0x80) {
        out += char(cp);
    } else if (cp < 0x800) {
        out += char(0xC0 | (cp >> 6));
        out += char(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += char(0xE0 | (cp >> 12));
        out += char(0x80 | ((cp >> 6) & 0x3F));
        out += char(0x80 | (cp & 0x3F));
    } else {
        out += char(0xF0 | (cp >> 18));
        out += char(0x80 | ((cp >> 12) & 0x3F));
        out += char(0x80 | ((cp >> 6) & 0x3F));
        out += char(0x80 | (cp & 0x3F));
    }
}

// Reads one code point at `pos` and advances; malformed input yields U+FFFD.
char32_t nextCodePoint(std::string_view s, std::size_t &pos)
{
    const auto lead = static_cast<unsigned char>(s[pos++]);
    if (lead < 0x80)
        return lead;
    int extra = 0;
    char32_t cp = 0;
    if ((lead & 0xE0) == 0xC0) { extra = 1; cp = lead & 0x1F; }
    else if ((lead & 0xF0) == 0xE0) { extra = 2; cp = lead & 0x0F; }
    else if ((lead & 0xF8) == 0xF0) { extra = 3; cp = lead & 0x07; }
    else return 0xFFFD;
    for (int i = 0; i < extra; ++i) {
        if (pos >= s.size() || (static_cast<unsigned char>(s[pos]) & 0xC0) != 0x80)
            return 0xFFFD;
        cp = (cp << 6) | (static_cast<unsigned char>(s[pos++]) & 0x3F);
    }
    return cp;
}

} // namespace

std::string decodeCp1252(std::string_view bytes)
{
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 8);
    for (char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        if (b < 0x80)
            out += c;
        else
            appendUtf8(out, toUnicode(b));
    }
    return out;
}

std::string encodeCp1252(std::string_view utf8, std::string *unmappable)
{
    std::string out;
    out.reserve(utf8.size());
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        const char32_t cp = nextCodePoint(utf8, pos);
        const int byte = toByte(cp);
        if (byte >= 0) {
            out += char(byte);
            continue;
        }
        if (unmappable) {
            std::string ch;
            appendUtf8(ch, cp);
            if (unmappable->find(ch) == std::string::npos)
                *unmappable += ch;
        }
    }
    return out;
}

std::string upperCp1252(std::string_view utf8)
{
    // Pairs within the code page whose capital is in it too.
    static const std::map<char32_t, char32_t> special = {
        {0x0161, 0x0160}, {0x0153, 0x0152}, {0x017E, 0x017D}, {0x00FF, 0x0178}};
    std::string out;
    out.reserve(utf8.size());
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        char32_t cp = nextCodePoint(utf8, pos);
        // ASCII and Latin-1 small letters lie 0x20 above their capitals (÷ is no letter).
        if ((cp >= 'a' && cp <= 'z') || (cp >= 0xE0 && cp <= 0xFE && cp != 0xF7))
            cp -= 0x20;
        else if (auto it = special.find(cp); it != special.end())
            cp = it->second;
        appendUtf8(out, cp);
    }
    return out;
}

} // namespace tasklist
