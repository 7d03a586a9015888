#pragma once
// The device's file system, kept in a folder of the host: the device root.
// A device path such as \Program Files\Cartavel\Orvanemart.cdb names a file
// below that root.

#include <filesystem>
#include <string_view>

class DeviceFileSystem {
public:
    static void SetRoot(const std::filesystem::path& root);
    // The root in use: the one set, or else the default.
    static std::filesystem::path Root();
    // The user's data folder: $XDG_DATA_HOME/cartavel when that is an absolute
    // path, else ~/.local/share/cartavel.
    static std::filesystem::path DefaultRoot();
    // The host path of a device path: \Program Files\Cartavel\Orvanemart.cdb
    // is Root()/"Program Files"/"Cartavel"/"Orvanemart.cdb". Backslashes (and
    // slashes) separate the parts; empty parts, "." and ".." are dropped, so
    // no device path leads out of the root.
    static std::filesystem::path HostPath(std::u16string_view devicePath);
};
