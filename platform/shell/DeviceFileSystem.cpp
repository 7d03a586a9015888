#include "platform/shell/DeviceFileSystem.h"

#include <cstdlib>
#include <optional>
#include <string>

// No framework headers here: the installer and the recordset component use
// this class as well, and a device path is plain UTF-16.

namespace {

std::optional<std::filesystem::path>& ChosenRoot() {
    static std::optional<std::filesystem::path> root;
    return root;
}

// UTF-16 to UTF-8; a lone surrogate becomes U+FFFD.
std::string Utf8(std::u16string_view text) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        char32_t c = text[i];
        if (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF) {
            c = 0x10000 + ((c - 0xD800) << 10) + (text[++i] - 0xDC00);
        } else if (c >= 0xD800 && c <= 0xDFFF) {
            c = 0xFFFD;
        }
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (c >> 18));
            out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

} // namespace

void DeviceFileSystem::SetRoot(const std::filesystem::path& root) {
    ChosenRoot() = root;
}

std::filesystem::path DeviceFileSystem::Root() {
    return ChosenRoot() ? *ChosenRoot() : DefaultRoot();
}

std::filesystem::path DeviceFileSystem::DefaultRoot() {
    const char* dataHome = std::getenv("XDG_DATA_HOME");
    // The XDG rules ignore a relative data folder.
    if (dataHome && *dataHome && std::filesystem::path(dataHome).is_absolute()) {
        return std::filesystem::path(dataHome) / "cartavel";
    }
    const char* home = std::getenv("HOME");
    return std::filesystem::path(home && *home ? home : ".") / ".local" / "share" / "cartavel";
}

std::filesystem::path DeviceFileSystem::HostPath(std::u16string_view devicePath) {
    std::filesystem::path host = Root();
    std::u16string_view rest = devicePath;
    while (!rest.empty()) {
        size_t end = rest.find_first_of(u"\\/");
        std::u16string_view part = rest.substr(0, end);
        rest = end == std::u16string_view::npos ? std::u16string_view() : rest.substr(end + 1);
        // Parts that would leave the root are dropped: the device has no "..".
        if (!part.empty() && part != u"." && part != u"..") host /= Utf8(part);
    }
    return host;
}
