#include "platform/shell/DeviceFileSystem.h"

#include <cstdlib>
#include <optional>
#include <string>

#include "platform/shell/TextEncoding.h"

// No framework headers here: the installer and the recordset component use
// this class as well, and a device path is plain UTF-16.

namespace {

std::optional<std::filesystem::path>& ChosenRoot() {
    static std::optional<std::filesystem::path> root;
    return root;
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
        if (!part.empty() && part != u"." && part != u"..") host /= TextEncoding::ToUtf8(part);
    }
    return host;
}
