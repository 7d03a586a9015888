#pragma once
// Message maps: tables that bind a control's notification to a handler
// method. A dialog's table is searched first, then its base class's.

#include "platform/framework/Types.h"

class CCmdTarget;

using AFX_PMSG = void (CCmdTarget::*)();
using AFX_PNOTIFY = void (CCmdTarget::*)(NMHDR*, LRESULT*);

enum AfxSig { AfxSig_end = 0, AfxSig_vv, AfxSig_vNMHDRpl };

struct AFX_MSGMAP_ENTRY {
    UINT nCode;
    int nID;
    int nSig;
    AFX_PMSG pfn;
    AFX_PNOTIFY pfnNotify;
};

struct AFX_MSGMAP {
    const AFX_MSGMAP* (*pfnGetBaseMap)();
    const AFX_MSGMAP_ENTRY* lpEntries;
};

#define DECLARE_MESSAGE_MAP()                          \
protected:                                             \
    static const AFX_MSGMAP* GetThisMessageMap();      \
    const AFX_MSGMAP* GetMessageMap() const override;

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                        \
    const AFX_MSGMAP* theClass::GetMessageMap() const { return GetThisMessageMap(); } \
    const AFX_MSGMAP* theClass::GetThisMessageMap() {                                 \
        using ThisClass [[maybe_unused]] = theClass;                                                   \
        using TheBaseClass [[maybe_unused]] = baseClass;                                               \
        static const AFX_MSGMAP_ENTRY _messageEntries[] = {

#define END_MESSAGE_MAP()                                                           \
    {0, 0, AfxSig_end, nullptr, nullptr}};                                                   \
    static const AFX_MSGMAP messageMap = {&TheBaseClass::GetThisMessageMap, &_messageEntries[0]}; \
    return &messageMap;                                                             \
    }

#define ON_COMMAND(id, memberFxn) \
    {BN_CLICKED, (id), AfxSig_vv, static_cast<AFX_PMSG>(&ThisClass::memberFxn), nullptr},
#define ON_BN_CLICKED(id, memberFxn) \
    {BN_CLICKED, (id), AfxSig_vv, static_cast<AFX_PMSG>(&ThisClass::memberFxn), nullptr},
#define ON_EN_KILLFOCUS(id, memberFxn) \
    {EN_KILLFOCUS, (id), AfxSig_vv, static_cast<AFX_PMSG>(&ThisClass::memberFxn), nullptr},
#define ON_CBN_SELCHANGE(id, memberFxn) \
    {CBN_SELCHANGE, (id), AfxSig_vv, static_cast<AFX_PMSG>(&ThisClass::memberFxn), nullptr},
#define ON_NOTIFY(code, id, memberFxn)                                                      \
    {(code), (id), AfxSig_vNMHDRpl, nullptr,                                                \
     static_cast<AFX_PNOTIFY>(static_cast<void (ThisClass::*)(NMHDR*, LRESULT*)>(&ThisClass::memberFxn))},
