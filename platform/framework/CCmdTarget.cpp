#include "platform/framework/CCmdTarget.h"

const AFX_MSGMAP* CCmdTarget::GetThisMessageMap() {
    static const AFX_MSGMAP_ENTRY entries[] = {{0, 0, AfxSig_end, nullptr, nullptr}};
    static const AFX_MSGMAP map = {nullptr, &entries[0]};
    return &map;
}

const AFX_MSGMAP* CCmdTarget::GetMessageMap() const {
    return GetThisMessageMap();
}

bool CCmdTarget::OnCmdMsg(UINT nCode, int nID, NMHDR* pNMHDR, LRESULT* pResult) {
    for (const AFX_MSGMAP* map = GetMessageMap(); map; map = map->pfnGetBaseMap ? map->pfnGetBaseMap() : nullptr) {
        for (const AFX_MSGMAP_ENTRY* e = map->lpEntries; e->nSig != AfxSig_end; ++e) {
            if (e->nCode != nCode || e->nID != nID) continue;
            if (e->nSig == AfxSig_vv) {
                (this->*(e->pfn))();
            } else {
                LRESULT ignored = 0;
                (this->*(e->pfnNotify))(pNMHDR, pResult ? pResult : &ignored);
            }
            return true;
        }
        if (map->pfnGetBaseMap == nullptr) break;
    }
    return false;
}
