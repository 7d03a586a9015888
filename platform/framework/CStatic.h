#pragma once
// A static text or a static picture. A picture shows the bitmap its template
// names, at the bitmap's own size.

#include "platform/framework/CBitmap.h"
#include "platform/framework/CWnd.h"

class CStatic : public CWnd {
public:
    const CBitmap& Image() const { return m_image; }
    void AttachControl(CDialog& owner, const ControlTemplate& entry, CWnd* previous) override;

private:
    CBitmap m_image;
};
