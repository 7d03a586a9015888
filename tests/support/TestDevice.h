#pragma once
// A fresh device for one test, for the unit and the screen suites alike: a
// temporary device root that the program uses, holding a newly installed
// database, and straight access to that file outside the program.

#include <gtest/gtest.h>
#include <sqlite3.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "platform/shell/DeviceFileSystem.h"
#include "tools/install/FirstInstallation.h"

class TestDevice {
public:
    // A root of its own per process and name, so that suites running side by
    // side never share a file.
    void Create(const std::string& name) {
        m_root = std::filesystem::temp_directory_path() / (name + "-" + std::to_string(::getpid()));
        std::filesystem::remove_all(m_root);
        DeviceFileSystem::SetRoot(m_root);
        ASSERT_EQ(FirstInstallation::Install(m_root).outcome, FirstInstallation::Outcome::Created);
    }
    void Remove() { std::filesystem::remove_all(m_root); }

    const std::filesystem::path& Root() const { return m_root; }

    // Runs SQL straight on the file.
    void Sql(const std::string& sql) {
        sqlite3* db = nullptr;
        ASSERT_EQ(sqlite3_open(FirstInstallation::DatabasePath(m_root).c_str(), &db), SQLITE_OK);
        char* error = nullptr;
        int rc = sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &error);
        std::string message = error ? error : "";
        sqlite3_free(error);
        sqlite3_close(db);
        ASSERT_EQ(rc, SQLITE_OK) << message << "\n" << sql;
    }

    // The rows of a query, each field joined by '|' and each row ended by '\n'.
    std::string Rows(const std::string& sql) {
        sqlite3* db = nullptr;
        sqlite3_open(FirstInstallation::DatabasePath(m_root).c_str(), &db);
        std::string out;
        sqlite3_exec(
            db, sql.c_str(),
            [](void* sink, int n, char** values, char**) {
                auto* text = static_cast<std::string*>(sink);
                for (int i = 0; i < n; ++i) *text += (i ? "|" : "") + std::string(values[i] ? values[i] : "NULL");
                *text += "\n";
                return 0;
            },
            &out, nullptr);
        sqlite3_close(db);
        return out;
    }

private:
    std::filesystem::path m_root;
};
