#include "platform/framework/CStatic.h"

void CStatic::AttachControl(CDialog& owner, const ControlTemplate& entry, CWnd* previous) {
    CWnd::AttachControl(owner, entry, previous);
    if (entry.kind == ControlKind::Picture && !entry.image.IsEmpty()) m_image.LoadBitmap(entry.image);
}
