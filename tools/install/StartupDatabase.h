#pragma once
// What the program does with its database as it starts: the first
// installation when the file is not there yet, as the run command does, and a
// look at a file that is there, so that a person whose file cannot be used
// hears so once, naming the file, instead of "처리오류" at every save.

#include <filesystem>
#include <string>

class StartupDatabase {
public:
    // Installs a missing database below the device root; then empty when the
    // file can be used, else why not, for the person.
    static std::string Problem(const std::filesystem::path& deviceRoot);
    // The same, with a problem shown in a notice box and told on standard
    // error.
    static void Prepare(const std::filesystem::path& deviceRoot);

private:
    static std::string SharedProblem();
};
