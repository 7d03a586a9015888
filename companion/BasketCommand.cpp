#include "companion/BasketCommand.h"

#include <filesystem>

#include "companion/BasketReport.h"
#include "desk/CommandArgs.h"
#include "desk/NotebookLayout.h"
#include "platform/shell/DeviceFileSystem.h"

namespace {

constexpr const char* kUsage =
    "cartavel basket [--device-root DIR]\n"
    "  계획의 품목을 쇼핑점마다 지난 가격으로 값을 매겨 CSV로 내보냅니다 (표준 출력).\n";

} // namespace

const char* BasketCommand::Usage() {
    return kUsage;
}

int BasketCommand::Run(const std::vector<std::string>& words, std::ostream& out, std::ostream& err) {
    CommandArgs args(std::vector<std::string>(words.begin() + 1, words.end()), {"--device-root"}, {"--help"});
    if (args.Ok() && args.Has("--help")) {
        out << "사용법: " << kUsage;
        return 0;
    }
    if (!args.Ok() || !args.Words().empty()) {
        err << "cartavel: " << (args.Ok() ? std::string("인자의 수가 맞지 않습니다") : args.Error()) << "\n사용법: " << kUsage;
        return 2;
    }
    std::filesystem::path root = args.Has("--device-root") ? std::filesystem::path(args.Value("--device-root"))
                                                           : DeviceFileSystem::DefaultRoot();
    std::filesystem::path file = NotebookLayout::NotebookFile(root);
    std::error_code error;
    if (!std::filesystem::exists(file, error)) {
        err << "cartavel: " << file.string() << ": 노트 파일이 없습니다\n";
        return 1;
    }
    DeviceFileSystem::SetRoot(root);
    BasketComparison basket;
    CString problem;
    if (!BasketReport::Compare(basket, problem)) {
        err << "cartavel: " << file.string() << ": " << problem.ToUtf8() << "\n";
        return 1;
    }
    out << BasketReport::Csv(basket);
    out.flush();
    return out ? 0 : 1;
}
