#pragma once
// The host folder that stands for the device's file system. A scenario run
// without one gets a new empty folder, removed when the run ends, so that
// every such scenario starts on a device with nothing installed.

#include <filesystem>
#include <string>

class DeviceRoot {
public:
    DeviceRoot() = default;
    DeviceRoot(const DeviceRoot&) = delete;
    DeviceRoot& operator=(const DeviceRoot&) = delete;
    ~DeviceRoot();

    // A folder the user named; it must exist and is kept.
    bool UseFolder(const std::filesystem::path& folder, std::string& error);
    bool MakeTemporary(std::string& error);
    const std::filesystem::path& Path() const { return m_path; }

private:
    std::filesystem::path m_path;
    bool m_temporary = false;
};
