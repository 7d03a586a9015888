#pragma once
// The unit suite's database tests: a fresh device (TestDevice) and a loader
// owner that holds one list view and one combo box.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "data/CDataLoader.h"
#include "platform/framework/CComboBox.h"
#include "platform/framework/CListCtrl.h"
#include "tests/support/TestDevice.h"

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
        device.Create(std::string("cartavel-test-") + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        root = device.Root();
    }
    void TearDown() override { device.Remove(); }

    void Sql(const std::string& sql) { device.Sql(sql); }
    std::string Rows(const std::string& sql) { return device.Rows(sql); }
    std::string KindOf(const std::string& column) const { return device.KindOf(column); }

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

    TestDevice device;
    std::filesystem::path root;
    LoaderOwner owner;
};
