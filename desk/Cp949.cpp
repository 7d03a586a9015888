#include "desk/Cp949.h"

#include <iconv.h>

#include <cerrno>
#include <vector>

namespace {

// Converts `in` whole; the offset of the first byte that cannot be
// converted, or -1 when all were.
long Convert(const char* to, const char* from, std::string_view in, std::string& out) {
    iconv_t converter = iconv_open(to, from);
    if (converter == reinterpret_cast<iconv_t>(-1)) return 0;
    out.clear();
    std::vector<char> buffer(in.size() * 4 + 16);
    char* input = const_cast<char*>(in.data());
    size_t inputLeft = in.size();
    char* output = buffer.data();
    size_t outputLeft = buffer.size();
    size_t rc = iconv(converter, &input, &inputLeft, &output, &outputLeft);
    if (rc != static_cast<size_t>(-1)) iconv(converter, nullptr, nullptr, &output, &outputLeft);
    iconv_close(converter);
    out.assign(buffer.data(), static_cast<size_t>(output - buffer.data()));
    // An irreversible conversion (rc > 0) put a stand-in for a character.
    if (rc == static_cast<size_t>(-1) || rc > 0 || inputLeft > 0) return static_cast<long>(input - in.data());
    return -1;
}

char32_t CodePointAt(std::string_view utf8, size_t offset, size_t& length) {
    unsigned char lead = static_cast<unsigned char>(utf8[offset]);
    length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    if (offset + length > utf8.size() || lead >= 0xF8 || (lead >= 0x80 && lead < 0xC0)) {
        length = 1;
        return lead;
    }
    char32_t code = length == 1 ? lead : lead & (0x7F >> length);
    for (size_t i = 1; i < length; ++i) code = (code << 6) | (static_cast<unsigned char>(utf8[offset + i]) & 0x3F);
    return code;
}

} // namespace

std::string Cp949::Encode(std::string_view utf8, std::optional<Unwritable>& lacking) {
    lacking.reset();
    std::string out;
    long failed = Convert("CP949", "UTF-8", utf8, out);
    if (failed < 0) return out;
    Unwritable at;
    at.offset = static_cast<size_t>(failed);
    size_t length = 1;
    at.codePoint = at.offset < utf8.size() ? CodePointAt(utf8, at.offset, length) : 0;
    at.character = std::string(utf8.substr(at.offset, length));
    lacking = at;
    return "";
}

std::optional<std::string> Cp949::Decode(std::string_view cp949) {
    std::string out;
    if (Convert("UTF-8", "CP949", cp949, out) >= 0) return std::nullopt;
    return out;
}
