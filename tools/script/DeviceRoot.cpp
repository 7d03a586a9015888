#include "tools/script/DeviceRoot.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>

DeviceRoot::~DeviceRoot() {
    std::error_code ignored;
    if (m_temporary) std::filesystem::remove_all(m_path, ignored);
}

bool DeviceRoot::UseFolder(const std::filesystem::path& folder, std::string& error) {
    std::error_code failure;
    if (!std::filesystem::is_directory(folder, failure)) {
        error = "--device-root: no folder " + folder.string();
        return false;
    }
    m_path = folder;
    return true;
}

bool DeviceRoot::MakeTemporary(std::string& error) {
    std::error_code failure;
    std::filesystem::path base = std::filesystem::temp_directory_path(failure);
    if (failure) {
        error = "no temporary folder: " + failure.message();
        return false;
    }
    std::string pattern = (base / "cartavel-device-XXXXXX").string();
    if (!mkdtemp(pattern.data())) {
        error = "cannot make a temporary device folder: " + std::string(std::strerror(errno));
        return false;
    }
    m_path = pattern;
    m_temporary = true;
    return true;
}
