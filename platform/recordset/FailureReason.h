#pragma once
// Why the recordset's last call failed, in words for the people reading a
// log or a test's output: SQLite's own message where SQLite refused, else the
// component's. A caller decides by the HRESULT, never by this text; the
// program's messages to the user are its own.

#include <string>

#include "platform/com/ComTypes.h"

class FailureReason {
public:
    // Keeps the reason and gives back the failure code to return.
    HRESULT Record(std::string why, HRESULT code = E_FAIL) {
        m_text = std::move(why);
        return code;
    }
    void Clear() { m_text.clear(); }
    const std::string& Text() const { return m_text; }

private:
    std::string m_text;
};
