#pragma once
// A fresh device with an installed database, and a loader owner that holds
// one list view and one combo box, for the data access tests.

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <filesystem>
#include <string>

#include "data/CDataLoader.h"
#include "platform/framework/CComboBox.h"
#include "platform/framework/CListCtrl.h"
#include "platform/shell/DeviceFileSystem.h"
#include "tools/install/FirstInstallation.h"

// Failures show texts as text.
inline void PrintTo(const CString& text, std::ostream* out) { *out << '"' << text.ToUtf8() << '"'; }

constexpr int kListId = 1012;
constexpr int kComboId = 1027;

// Stands in for a dialog: its controls are the two below.
class LoaderOwner : public CWnd {
public:
    CWnd* GetDlgItem(int nID) const override {
        if (nID == kListId) return const_cast<CListCtrl*>(&list);
        if (nID == kComboId) return const_cast<CComboBox*>(&combo);
        return nullptr;
    }
    CListCtrl list;
    CComboBox combo;
};

class DatabaseTest : public ::testing::Test {
protected:
    void SetUp() override {
        root = std::filesystem::temp_directory_path() /
               ("cartavel-test-" + std::to_string(::getpid()) + "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(root);
        DeviceFileSystem::SetRoot(root);
        ASSERT_EQ(FirstInstallation::Install(root).outcome, FirstInstallation::Outcome::Created);
    }
    void TearDown() override { std::filesystem::remove_all(root); }

    // Runs SQL straight on the file, outside the program.
    void Sql(const std::string& sql) {
        sqlite3* db = nullptr;
        ASSERT_EQ(sqlite3_open(FirstInstallation::DatabasePath(root).c_str(), &db), SQLITE_OK);
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
        sqlite3_open(FirstInstallation::DatabasePath(root).c_str(), &db);
        std::string out;
        sqlite3_exec(db, sql.c_str(), [](void* sink, int n, char** values, char**) {
            auto* text = static_cast<std::string*>(sink);
            for (int i = 0; i < n; ++i) *text += (i ? "|" : "") + std::string(values[i] ? values[i] : "NULL");
            *text += "\n";
            return 0;
        }, &out, nullptr);
        sqlite3_close(db);
        return out;
    }

    // A loader bound to the owner's list (or combo box), opened.
    std::unique_ptr<CDataLoader> Loader(int id = kListId) {
        auto loader = std::make_unique<CDataLoader>(&owner, id);
        loader->Open();
        return loader;
    }

    std::string ListRow(int row) {
        std::string out;
        for (int c = 0; c < owner.list.GetColumnCount(); ++c) out += (c ? "|" : "") + owner.list.GetItemText(row, c).ToUtf8();
        return out;
    }

    void PlanItem(int seq, const std::string& product, const std::string& rest = "2,'g',0,'',0,0,0,'','','',''") {
        Sql("insert into ShoppingList_tbl (SeqNo,CategoryName,ProdName,ShpQty,UnitName,Price,CuponYN,CuponDcAmt,"
            "TotDcAmt,ShpAmount,ShpDate,StoreName,MgrNo,PayYN) values (" + std::to_string(seq) + ",'과일','" + product +
            "'," + rest + ")");
    }

    std::filesystem::path root;
    LoaderOwner owner;
};
