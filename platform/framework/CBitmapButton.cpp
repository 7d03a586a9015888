#include "platform/framework/CBitmapButton.h"

BOOL CBitmapButton::LoadBitmaps(LPCTSTR normal, LPCTSTR pressed, LPCTSTR focused, LPCTSTR disabled) {
    if (!normal || !m_normal.LoadBitmap(normal)) return FALSE;
    if (pressed) m_pressed.LoadBitmap(pressed);
    if (focused) m_focused.LoadBitmap(focused);
    if (disabled) m_disabled.LoadBitmap(disabled);
    NotifyPeer(ControlChange::Image);
    return TRUE;
}

void CBitmapButton::SizeToContent() {
    m_nWidth = m_normal.Width();
    m_nHeight = m_normal.Height();
    NotifyPeer(ControlChange::Image);
}

const CBitmap& CBitmapButton::ImageFor(State state) const {
    const CBitmap* chosen = &m_normal;
    if (state == State::Pressed) chosen = &m_pressed;
    if (state == State::Focused) chosen = &m_focused;
    if (state == State::Disabled) chosen = &m_disabled;
    return chosen->IsLoaded() ? *chosen : m_normal;
}
