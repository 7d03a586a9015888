#pragma once
// The backups of a shared notebook: its JSON exports (NotebookJson). A copy is
// checked before it is kept by loading it into an empty notebook in memory
// and exporting that again: the same bytes, or it is not kept. The same
// load gives a backup's summary and its restore's check.

#include <filesystem>
#include <string>
#include <string_view>

#include "desk/NotebookSummary.h"

class JsonBackup {
public:
    // The checked export of the shared notebook `connection`.
    static std::string Take(const std::string& connection);
    // What a JSON backup holds; throws DeskFailure, naming it, when it is
    // no notebook.
    static NotebookSummary Summary(const std::filesystem::path& file);
    // Throws DeskFailure naming `file` unless `json` is a whole notebook that
    // exports to itself.
    static void Check(std::string_view json, const std::string& file);
    // Replaces the shared notebook's rows by the backup's, in one
    // transaction, after keeping its rows as they are beside the backups
    // (…-before-restore.json); returns that copy.
    static std::filesystem::path Restore(const std::string& connection, const std::filesystem::path& backup,
                                         const std::filesystem::path& beforeRestore);
};
