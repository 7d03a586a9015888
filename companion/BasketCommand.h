#pragma once
// `cartavel basket [--device-root DIR]`: the plan priced at every shop, as
// CSV on the standard output. Status 0 done, 1 failed (one line on the error
// stream), 2 usage, as every command of the desk.

#include <ostream>
#include <string>
#include <vector>

class BasketCommand {
public:
    static bool IsBasket(const std::vector<std::string>& words) { return !words.empty() && words[0] == "basket"; }
    // "cartavel basket ...", then what it does.
    static const char* Usage();
    // `words`: the arguments after the program's name, "basket" first.
    static int Run(const std::vector<std::string>& words, std::ostream& out, std::ostream& err);
};
