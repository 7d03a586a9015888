#pragma once
// The notebook's jobs from the command line, without a display:
//   cartavel backup [FILE] | backups | restore FILE
//   cartavel export items --from DATE --to DATE [--encoding utf-8|cp949] [-o FILE]
//   cartavel export notebook [-o FILE]
//   cartavel import notebook FILE | import products FILE [--dry-run]
// Each takes --device-root DIR and --help. Status: 0 done, 1 refused or
// failed (one line on the error stream, naming the file), 2 usage.

#include <ostream>
#include <string>
#include <vector>

class DeskCommand {
public:
    // Whether the program's first argument names a command rather than an
    // option of the screen.
    static bool IsCommand(const std::string& first);
    // `words`: the arguments after the program's name. `elsewhere`: the
    // usage texts of the program's commands that live outside the desk (the
    // companion's basket), listed with the desk's own when the words name no
    // command.
    static int Run(const std::vector<std::string>& words, std::ostream& out, std::ostream& err,
                   const std::vector<std::string>& elsewhere = {});
    // Every command's first usage line, the desk's and `elsewhere`'s.
    static std::string Overview(const std::vector<std::string>& elsewhere);
};
