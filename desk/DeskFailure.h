#pragma once
// Why a job of the desk (a backup, a restore, an export or an import) did not
// happen, in one line for the person, in Korean, naming the file. A job that
// fails this way has changed nothing stored.

#include <stdexcept>
#include <string>

class DeskFailure : public std::runtime_error {
public:
    explicit DeskFailure(const std::string& message) : std::runtime_error(message) {}
};
