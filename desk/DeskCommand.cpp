#include "desk/DeskCommand.h"

#include <ctime>
#include <functional>
#include <map>
#include <set>

#include "desk/BackupFolder.h"
#include "desk/CommandArgs.h"
#include "desk/Database.h"
#include "desk/DeskFailure.h"
#include "desk/ItemsExport.h"
#include "desk/JsonBackup.h"
#include "desk/NotebookJson.h"
#include "desk/NotebookLayout.h"
#include "desk/NotebookRestore.h"
#include "desk/OnlineBackup.h"
#include "desk/ProductsImport.h"
#include "desk/SharedNotebook.h"
#include "desk/WholeFile.h"
#include "platform/shell/CivilDate.h"
#include "platform/shell/DeviceFileSystem.h"
#include "tools/install/FirstInstallation.h"

namespace {

enum Status { kDone = 0, kFailed = 1, kUsage = 2 };

struct Command {
    const char* name;  // with its second word, when it has one
    const char* usage;
    std::set<std::string> valued;
    std::set<std::string> flags;
    size_t words;  // plain words after the name
    bool optionalWord;
    std::function<void(const CommandArgs&, std::ostream&)> job;
};

std::filesystem::path Root(const CommandArgs& args) {
    return args.Has("--device-root") ? std::filesystem::path(args.Value("--device-root")) : DeviceFileSystem::DefaultRoot();
}

long long Now() {
    return static_cast<long long>(std::time(nullptr));
}

std::filesystem::path ExistingNotebook(const CommandArgs& args) {
    std::filesystem::path file = NotebookLayout::NotebookFile(Root(args));
    std::error_code error;
    if (!std::filesystem::exists(file, error)) throw DeskFailure(file.string() + ": 노트 파일이 없습니다");
    return file;
}

// The notebook to write into, made first when there is none yet.
std::filesystem::path InstalledNotebook(const CommandArgs& args) {
    FirstInstallation::Result installed = FirstInstallation::Install(Root(args));
    if (installed.outcome == FirstInstallation::Outcome::Failed) throw DeskFailure(installed.message);
    return NotebookLayout::NotebookFile(Root(args));
}

void Deliver(const CommandArgs& args, const std::string& bytes, std::ostream& out) {
    if (args.Has("-o")) WholeFile::Write(args.Value("-o"), bytes);
    else out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// A shared notebook's backup is its checked JSON export.
void BackupShared(const CommandArgs& args, std::ostream& out) {
    const std::string& connection = args.Value("--database");
    if (args.Words().empty()) {
        out << "백업했습니다: " << BackupFolder(Root(args)).BackUpShared(connection, Now()).string() << "\n";
        return;
    }
    std::filesystem::path target = args.Words()[0];
    std::error_code error;
    if (std::filesystem::exists(target, error)) throw DeskFailure(target.string() + ": 이미 있는 파일이라 덮어쓰지 않았습니다");
    WholeFile::Write(target, JsonBackup::Take(connection));
    out << "백업했습니다: " << target.string() << "\n";
}

void Backup(const CommandArgs& args, std::ostream& out) {
    if (args.Has("--database")) return BackupShared(args, out);
    std::filesystem::path notebook = ExistingNotebook(args);
    if (args.Words().empty()) {
        out << "백업했습니다: " << BackupFolder(Root(args)).BackUpNow(Now()).string() << "\n";
        return;
    }
    std::filesystem::path target = args.Words()[0];
    std::error_code error;
    if (std::filesystem::exists(target, error)) throw DeskFailure(target.string() + ": 이미 있는 파일이라 덮어쓰지 않았습니다");
    OnlineBackup(notebook, target).Run();
    out << "백업했습니다: " << target.string() << "\n";
}

void Backups(const CommandArgs& args, std::ostream& out) {
    for (const BackupFolder::Entry& entry : BackupFolder(Root(args)).List()) {
        out << entry.file.filename().string() << '\t' << entry.name.Time();
        if (!entry.summary) {
            out << "\t읽을 수 없음\n";
            continue;
        }
        const NotebookSummary& s = *entry.summary;
        out << '\t' << s.trips << '\t' << s.items << '\t' << (s.lastTripDate.empty() ? "-" : s.lastTripDate) << '\t'
            << s.totalPaid << '\n';
    }
}

void Restore(const CommandArgs& args, std::ostream& out) {
    BackupFolder folder(Root(args));
    std::filesystem::path backup = args.Words()[0];
    std::error_code error;
    // A bare name is one of the backup folder's.
    if (!std::filesystem::exists(backup, error) && !backup.has_parent_path()) backup = folder.Folder() / backup;
    if (!std::filesystem::exists(backup, error)) throw DeskFailure(backup.string() + ": 파일이 없습니다");
    std::filesystem::path before =
        args.Has("--database") ? JsonBackup::Restore(args.Value("--database"), backup, folder.PathFor(Now(), true, true))
                               : NotebookRestore::Restore(folder, backup, Now());
    out << "복원했습니다: " << backup.string() << "\n복원하기 전의 노트: " << before.string() << "\n";
}

bool IsDate(const std::string& text) {
    if (text.size() != 10 || text[4] != '-' || text[7] != '-') return false;
    for (size_t i : {0, 1, 2, 3, 5, 6, 8, 9}) {
        if (text[i] < '0' || text[i] > '9') return false;
    }
    return CivilDate{std::stoi(text.substr(0, 4)), std::stoi(text.substr(5, 2)), std::stoi(text.substr(8, 2))}.Exists();
}

void ExportItems(const CommandArgs& args, std::ostream& out) {
    Database db(ExistingNotebook(args), Database::Mode::ReadOnly);
    std::string target = args.Has("-o") ? args.Value("-o") : "표준 출력";
    auto encoding = args.Value("--encoding", "utf-8") == "cp949" ? ItemsExport::Encoding::Cp949 : ItemsExport::Encoding::Utf8;
    Deliver(args, ItemsExport::Csv(db, args.Value("--from"), args.Value("--to"), encoding, target), out);
}

void ExportNotebook(const CommandArgs& args, std::ostream& out) {
    if (args.Has("--database")) {
        SharedNotebook notebook(args.Value("--database"));
        Deliver(args, NotebookJson::Export(notebook), out);
        return;
    }
    Database db(ExistingNotebook(args), Database::Mode::ReadOnly);
    Deliver(args, NotebookJson::Export(db), out);
}

void ImportNotebook(const CommandArgs& args, std::ostream& out) {
    std::string file = args.Words()[0];
    std::string json = WholeFile::Read(file);
    if (args.Has("--database")) {
        SharedNotebook notebook(args.Value("--database"));
        out << file << ": " << NotebookJson::Import(notebook, json, file) << "행을 가져왔습니다\n";
        return;
    }
    Database db(InstalledNotebook(args), Database::Mode::ReadWrite);
    out << file << ": " << NotebookJson::Import(db, json, file) << "행을 가져왔습니다\n";
}

void ImportProducts(const CommandArgs& args, std::ostream& out) {
    std::string file = args.Words()[0];
    std::string csv = WholeFile::Read(file);
    bool dryRun = args.Has("--dry-run");
    Database db(InstalledNotebook(args), Database::Mode::ReadWrite);
    ProductsImport::Counts c = ProductsImport::Import(db, csv, file, dryRun);
    out << "분류 " << c.categoriesAdded << "개 추가, " << c.categoriesSkipped << "개 건너뜀; 품명 " << c.productsAdded
        << "개 추가, " << c.productsSkipped << "개 건너뜀" << (dryRun ? " (시험: 아무것도 쓰지 않았습니다)" : "") << "\n";
}

const std::vector<Command>& Commands() {
    static const std::vector<Command> commands = {
        {"backup", "cartavel backup [FILE] [--device-root DIR] [--database URL]\n"
                   "  노트를 확인된 백업으로 남깁니다. FILE이 없으면 백업 폴더에 남기고 오래된 백업을 정리합니다.\n"
                   "  공유 노트(--database)의 백업은 JSON입니다.\n",
         {"--database"}, {}, 1, true, Backup},
        {"backups", "cartavel backups [--device-root DIR]\n"
                    "  백업 하나에 한 줄: 파일 이름, 시각, 쇼핑 횟수, 품목 수, 마지막 쇼핑일, 결제 합계 (탭으로 구분).\n",
         {}, {}, 0, false, Backups},
        {"restore", "cartavel restore FILE [--device-root DIR] [--database URL]\n"
                    "  백업 FILE로 노트를 되돌립니다. 지금의 노트는 먼저 ...-before-restore.cdb로 남습니다.\n"
                    "  공유 노트(--database)는 JSON 백업으로 되돌리고, 먼저 ...-before-restore.json으로 남습니다.\n",
         {"--database"}, {}, 1, false, Restore},
        {"export items", "cartavel export items --from YYYY-MM-DD --to YYYY-MM-DD [--encoding utf-8|cp949] [-o FILE]\n"
                         "  기간 안에 결제한 품목을 CSV로 내보냅니다 (기본: UTF-8, 표준 출력).\n",
         {"--from", "--to", "--encoding", "-o"}, {}, 0, false, ExportItems},
        {"export notebook", "cartavel export notebook [-o FILE] [--device-root DIR] [--database URL]\n"
                            "  노트 전체를 JSON으로 내보냅니다 (기본: 표준 출력).\n",
         {"-o", "--database"}, {}, 0, false, ExportNotebook},
        {"import notebook", "cartavel import notebook FILE [--device-root DIR] [--database URL]\n"
                            "  JSON 노트를 빈 노트로 가져옵니다. 행이 하나라도 있는 노트는 거절합니다.\n",
         {"--database"}, {}, 1, false, ImportNotebook},
        {"import products", "cartavel import products FILE [--dry-run] [--device-root DIR]\n"
                            "  머리글이 분류,품명인 CSV에서 없는 분류와 품명을 더합니다 (--dry-run: 쓰지 않고 세기만).\n",
         {}, {"--dry-run"}, 1, false, ImportProducts},
    };
    return commands;
}

std::string FirstLine(const std::string& usage) {
    return usage.substr(0, usage.find('\n') + 1);
}

int Usage(std::ostream& stream, const std::string& problem, const Command* command,
          const std::vector<std::string>& elsewhere) {
    if (!problem.empty()) stream << "cartavel: " << problem << "\n";
    if (command) stream << "사용법: " << command->usage;
    else stream << DeskCommand::Overview(elsewhere);
    return problem.empty() ? kDone : kUsage;
}

// The command named by the first one or two words, and how many it took.
const Command* Find(const std::vector<std::string>& words, size_t& taken) {
    for (const Command& command : Commands()) {
        std::string name = command.name;
        size_t space = name.find(' ');
        bool two = space != std::string::npos;
        if (two && words.size() > 1 && words[0] == name.substr(0, space) && words[1] == name.substr(space + 1)) {
            taken = 2;
            return &command;
        }
        if (!two && !words.empty() && words[0] == name) {
            taken = 1;
            return &command;
        }
    }
    return nullptr;
}

// Usage errors that the arguments alone show.
std::string Misuse(const Command& command, const CommandArgs& args) {
    if (!args.Ok()) return args.Error();
    size_t n = args.Words().size();
    if (n > command.words || (n < command.words && !command.optionalWord)) return "인자의 수가 맞지 않습니다";
    // An empty connection would be libpq's defaults: some database, not the one meant.
    if (args.Has("--database") && args.Value("--database").empty()) return "--database에 연결이 필요합니다 (postgresql://user@host/db)";
    if (std::string(command.name) != "export items") return "";
    if (!args.Has("--from") || !args.Has("--to")) return "--from과 --to가 필요합니다";
    for (const char* date : {"--from", "--to"}) {
        if (!IsDate(args.Value(date))) return std::string(date) + "의 날짜가 YYYY-MM-DD 꼴의 있는 날이 아닙니다: " + args.Value(date);
    }
    if (args.Value("--from") > args.Value("--to")) return "--from이 --to보다 늦습니다";
    std::string encoding = args.Value("--encoding", "utf-8");
    if (encoding != "utf-8" && encoding != "cp949") return "--encoding은 utf-8이나 cp949입니다: " + encoding;
    return "";
}

} // namespace

std::string DeskCommand::Overview(const std::vector<std::string>& elsewhere) {
    std::string overview = "사용법: cartavel [--zoom N] (화면) 또는 cartavel 명령 [옵션] --help\n";
    for (const Command& c : Commands()) overview += "  " + FirstLine(c.usage);
    for (const std::string& usage : elsewhere) overview += "  " + FirstLine(usage);
    return overview;
}

bool DeskCommand::IsCommand(const std::string& first) {
    return !first.empty() && first[0] != '-';
}

int DeskCommand::Run(const std::vector<std::string>& words, std::ostream& out, std::ostream& err,
                     const std::vector<std::string>& elsewhere) {
    size_t taken = 0;
    const Command* command = Find(words, taken);
    if (!command) return Usage(err, "알 수 없는 명령입니다: " + (words.empty() ? std::string() : words[0]), nullptr, elsewhere);
    std::vector<std::string> rest(words.begin() + static_cast<long>(taken), words.end());
    std::set<std::string> valued = command->valued;
    valued.insert("--device-root");
    std::set<std::string> flags = command->flags;
    flags.insert("--help");
    CommandArgs args(rest, valued, flags);
    if (args.Ok() && args.Has("--help")) return Usage(out, "", command, elsewhere);
    std::string misuse = Misuse(*command, args);
    if (!misuse.empty()) return Usage(err, misuse, command, elsewhere);
    try {
        command->job(args, out);
    } catch (const DeskFailure& failure) {
        err << "cartavel: " << failure.what() << "\n";
        return kFailed;
    } catch (const std::exception& failure) {
        // The file system's own failures, in its words.
        err << "cartavel: " << failure.what() << "\n";
        return kFailed;
    }
    out.flush();
    return kDone;
}
