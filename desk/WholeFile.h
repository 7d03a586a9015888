#pragma once
// Files written whole or not at all: under a passing name first, then
// renamed, so that a failure leaves no half file and never harms the one
// that was there.

#include <filesystem>
#include <string>
#include <string_view>

class WholeFile {
public:
    // Throws DeskFailure naming the file.
    static void Write(const std::filesystem::path& file, std::string_view bytes);
    static std::string Read(const std::filesystem::path& file);
};
