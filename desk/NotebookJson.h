#pragma once
// The whole notebook as JSON: {"format": "cartavel-notebook", "version": 1,
// "tables": {TABLE: [ROW, ...], ...}}, every table of the installed layout in
// its order, every row in the order it was stored, each an object of its
// columns: texts exactly as stored, whole numbers as numbers, NULL as null.
// One row a line, so that two exports compare line by line. Exporting,
// importing that into an empty notebook and exporting again gives the same
// bytes, on either engine and from one to the other.

#include <functional>
#include <string>
#include <string_view>

class Database;
class NotebookRows;

class NotebookJson {
public:
    static constexpr const char* kFormat = "cartavel-notebook";
    static constexpr int kVersion = 1;

    static std::string Export(Database& db);
    static std::string Export(NotebookRows& rows);
    // Into a notebook that holds no row at all, in one transaction; throws
    // DeskFailure naming `file` and leaves the notebook as it was otherwise.
    // The number of rows added.
    static long long Import(Database& db, std::string_view json, const std::string& file);
    static long long Import(NotebookRows& rows, std::string_view json, const std::string& file);
    // The same over a notebook in use: its rows are replaced by the file's,
    // in one transaction (a restore of a shared notebook's backup).
    // `keepCurrent` is given the notebook as it was, read in that transaction
    // before anything changes; what it throws leaves the notebook as it was.
    static long long Replace(NotebookRows& rows, std::string_view json, const std::string& file,
                             const std::function<void(const std::string&)>& keepCurrent = {});
};
