#pragma once
// A command that could not be carried out, or an expectation that did not
// hold. The runner adds the line and the command to the reason.

#include <string>

struct ScriptFailure {
    std::string reason;

    static ScriptFailure Expected(const std::string& expected, const std::string& found) {
        return ScriptFailure{"expected " + expected + ", found " + found};
    }
};
