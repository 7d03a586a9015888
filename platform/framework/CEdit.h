#pragma once
// An edit field. Its text is the window text; read-only and alignment come
// from the template.

#include "platform/framework/CWnd.h"

class CEdit : public CWnd {
public:
    bool IsReadOnly() const { return HasStyle(ControlStyle::ReadOnly); }
};
