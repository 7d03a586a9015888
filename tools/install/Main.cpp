// cartavel-install [--device-root DIR]: the first installation of Cartavel.

#include <cstdio>
#include <cstring>

#include "platform/shell/DeviceFileSystem.h"
#include "tools/install/FirstInstallation.h"

int main(int argc, char** argv) {
    std::filesystem::path root = DeviceFileSystem::DefaultRoot();
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--device-root") == 0 && i + 1 < argc) {
            root = argv[++i];
        } else {
            std::fprintf(stderr, "usage: cartavel-install [--device-root DIR]\n");
            return 2;
        }
    }
    FirstInstallation::Result result = FirstInstallation::Install(root);
    std::fprintf(result.outcome == FirstInstallation::Outcome::Failed ? stderr : stdout, "cartavel-install: %s\n",
                 result.message.c_str());
    return result.outcome == FirstInstallation::Outcome::Failed ? 1 : 0;
}
