#pragma once
// An object told after a window has been painted, with the window's paint
// buffer and rectangle. Listeners are owned by the window they listen to.

#include "platform/Geometry.h"

class UIImage;

class UIPaintListener {
public:
    virtual ~UIPaintListener() = default;
    virtual void windowPainted(const UIImage& buffer, const Rect& windowRect) = 0;

    // An inactive listener stays in the list but is not called.
    bool isActive() const { return m_active; }
    void setActive(bool active) { m_active = active; }

private:
    bool m_active = true;
};
