#include "desk/WholeFile.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <sstream>

#include "desk/DeskFailure.h"

void WholeFile::Write(const std::filesystem::path& file, std::string_view bytes) {
    std::filesystem::path part = file;
    part += ".part-" + std::to_string(::getpid());
    {
        std::ofstream out(part, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.close();
        if (!out) {
            std::string why = std::strerror(errno);
            std::error_code ignored;
            std::filesystem::remove(part, ignored);
            throw DeskFailure(file.string() + ": 쓸 수 없습니다 (" + why + ")");
        }
    }
    std::error_code error;
    std::filesystem::rename(part, file, error);
    if (error) {
        std::filesystem::remove(part, error);
        throw DeskFailure(file.string() + ": 쓸 수 없습니다 (" + error.message() + ")");
    }
}

std::string WholeFile::Read(const std::filesystem::path& file) {
    std::error_code error;
    if (std::filesystem::is_directory(file, error)) throw DeskFailure(file.string() + ": 파일이 아니라 폴더입니다");
    std::ifstream in(file, std::ios::binary);
    if (!in.is_open()) throw DeskFailure(file.string() + ": 읽을 수 없습니다 (" + std::strerror(errno) + ")");
    std::ostringstream bytes;
    bytes << in.rdbuf();
    if (in.bad()) throw DeskFailure(file.string() + ": 읽을 수 없습니다 (" + std::strerror(errno) + ")");
    return bytes.str();
}
