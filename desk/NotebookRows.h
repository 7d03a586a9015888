#pragma once
// The rows of the notebook's tables as the notebook's JSON reads and writes
// them, on either engine: the device's SQLite file or a shared notebook on
// PostgreSQL. Reading sees every table at one moment; writing is one
// transaction that holds the notebook until Commit, and Undo leaves it as it
// was. Every failure throws DeskFailure naming the notebook (Where()).

#include <functional>
#include <string>
#include <vector>

#include "tools/install/DatabaseLayout.h"

class NotebookRows {
public:
    struct Cell {
        enum class Kind { Null, Whole, Real, Text } kind = Kind::Null;
        long long whole = 0;
        double real = 0;
        std::string text;
    };
    using Row = std::vector<Cell>;  // the layout's columns, in its order

    virtual ~NotebookRows() = default;

    // The notebook for messages: the file, or the connection without its password.
    virtual std::string Where() const = 0;

    virtual void BeginReading() = 0;
    virtual void EndReading() = 0;
    // The rows of a table in the order they were stored.
    virtual void EachRow(const DatabaseLayout::Table& table, const std::function<void(const Row&)>& onRow) = 0;

    virtual void BeginWriting() = 0;
    virtual long long Count(const DatabaseLayout::Table& table) = 0;
    // Removes every row of the table (a restore over a notebook in use).
    virtual void Empty(const DatabaseLayout::Table& table) = 0;
    // False with the engine's reason when the row is refused.
    virtual bool Insert(const DatabaseLayout::Table& table, const Row& row, std::string& why) = 0;
    virtual void Commit() = 0;
    // Rolls back the transaction open, if any.
    virtual void Undo() = 0;
};
