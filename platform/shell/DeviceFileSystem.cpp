#include "platform/shell/DeviceFileSystem.h"

#include <cstdlib>
#include <optional>

#include "platform/framework/CString.h"

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
    if (dataHome && *dataHome) return std::filesystem::path(dataHome) / "cartavel";
    const char* home = std::getenv("HOME");
    return std::filesystem::path(home && *home ? home : ".") / ".local" / "share" / "cartavel";
}

std::filesystem::path DeviceFileSystem::HostPath(std::u16string_view devicePath) {
    std::filesystem::path host = Root();
    std::u16string part;
    auto flush = [&] {
        // Parts that would leave the root are dropped: the device has no "..".
        if (!part.empty() && part != u"." && part != u"..") host /= CString(part).ToUtf8();
        part.clear();
    };
    for (char16_t ch : devicePath) {
        if (ch == u'\\' || ch == u'/') flush();
        else part += ch;
    }
    flush();
    return host;
}
