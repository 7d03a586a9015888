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

    // While the program runs (파일 ▸ 공유 노트에 연결…): tries the shared
    // notebook `connection` (installing an empty database, as a first run
    // does) and uses it from the next statement on; an empty connection goes
    // back to the device's file. Empty when done, else why not, with nothing
    // changed.
    static std::string Switch(const std::string& connection);

private:
    static std::string SharedProblem();
};
