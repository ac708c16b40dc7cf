#include "platform/base/Text1252.h"

std::string utf8_zu_1252(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    std::size_t i = 0;
    while (i < utf8.size()) {
        int b = text1252::von_unicode(text1252::utf8_naechstes(utf8, i));
        out.push_back(b < 0 ? '?' : static_cast<char>(b));
    }
    return out;
}

std::string cp1252_zu_utf8(std::string_view cp1252) {
    std::string out;
    out.reserve(cp1252.size());
    for (char ch : cp1252) {
        char32_t cp = text1252::zu_unicode(static_cast<unsigned char>(ch));
        if (cp < 0x80) {
            out.push_back(static_cast<char>(cp));
        } else if (cp < 0x800) {
            out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
            out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
        } else {
            out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
            out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
        }
    }
    return out;
}

unsigned char cp1252_klein(unsigned char c) {
    if (c >= 'A' && c <= 'Z') return static_cast<unsigned char>(c + 32);
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return static_cast<unsigned char>(c + 32);
    if (c == 0x8A || c == 0x8C || c == 0x8E) return static_cast<unsigned char>(c + 16);  // Š Œ Ž
    if (c == 0x9F) return 0xFF;                                                          // Ÿ
    return c;
}

bool cp1252_gleich_ohne_fall(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (cp1252_klein(static_cast<unsigned char>(a[i])) != cp1252_klein(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}
