#pragma once
// An owner-drawn button that shows a bitmap instead of a face. Of its four
// images only the normal one must exist; a missing pressed, focused or
// disabled image is drawn with the normal one.

#include "platform/framework/CBitmap.h"
#include "platform/framework/CButton.h"

class CBitmapButton : public CButton {
public:
    enum class State { Normal, Pressed, Focused, Disabled };

    BOOL LoadBitmaps(LPCTSTR normal, LPCTSTR pressed = nullptr, LPCTSTR focused = nullptr,
                     LPCTSTR disabled = nullptr);
    // Gives the button the size of its normal image.
    void SizeToContent();

    const CBitmap& ImageFor(State state) const;
    int Width() const { return m_nWidth; }
    int Height() const { return m_nHeight; }

private:
    CBitmap m_normal, m_pressed, m_focused, m_disabled;
    int m_nWidth = 0;
    int m_nHeight = 0;
};
