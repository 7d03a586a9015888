#pragma once
// The root of every object that takes notifications through a message map.

#include "platform/framework/MessageMap.h"

class CCmdTarget {
public:
    virtual ~CCmdTarget() = default;

    // Runs the handler that the message maps bind to (code, id). Returns false
    // when no map holds an entry for it.
    bool OnCmdMsg(UINT nCode, int nID, NMHDR* pNMHDR, LRESULT* pResult);

protected:
    static const AFX_MSGMAP* GetThisMessageMap();
    virtual const AFX_MSGMAP* GetMessageMap() const;
};
