#pragma once
// What a recordset of either engine offers its field collection and its
// fields: the columns of its statement and the values of the row it stands
// on. The columns' lookup by name, their types and names, and the field
// objects themselves are the same for both engines and live here once; an
// engine says only how many columns it has, what each is called and of
// which type, and how a value is read and written.

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/recordset/FailureReason.h"
#include "platform/recordset/RecordsetField.h"
#include "platform/recordset/RecordsetFields.h"

class FieldSource {
public:
    // `owner` is the recordset, whose count of references the field
    // collection and the fields share.
    explicit FieldSource(IUnknown& owner) : m_owner(owner), m_fields(*this, owner) {}
    virtual ~FieldSource() = default;
    FieldSource(const FieldSource&) = delete;
    FieldSource& operator=(const FieldSource&) = delete;

    virtual long ColumnCount() const = 0;
    virtual HRESULT ReadValue(int column, VARIANT* out) = 0;
    virtual HRESULT WriteValue(int column, const VARIANT& value) = 0;

    // By name, letter case ignored; -1 when the statement has no such column.
    int ColumnByName(std::u16string_view name) const;
    HRESULT ColumnType(int column, long* type);
    HRESULT ColumnName(int column, BSTR* name);
    RecordsetField* FieldObject(int column) { return m_fieldObjects[column].get(); }
    // Keeps the reason of a failure and gives back its code.
    HRESULT Fail(std::string why, HRESULT code = E_FAIL) { return Failure().Record(std::move(why), code); }

protected:
    virtual std::u16string_view NameOf(int column) const = 0;
    virtual long TypeOf(int column) const = 0;
    virtual FailureReason& Failure() = 0;

    bool HasColumn(int column) const { return column >= 0 && column < ColumnCount(); }
    // One field object per column of the widest result so far: a field a
    // caller still holds from an earlier statement stays a valid object.
    void MatchFieldObjects();
    // The field collection, with a new reference for the caller.
    IFields* Fields();

private:
    IUnknown& m_owner;
    std::vector<std::unique_ptr<RecordsetField>> m_fieldObjects;
    RecordsetFields m_fields;
};
