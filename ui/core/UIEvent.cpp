#include "ui/core/UIEvent.h"

namespace {

bool isInputType(UIEventType type)
{
    switch (type) {
    case UIEventType::MousePress:
    case UIEventType::MouseRelease:
    case UIEventType::Click:
    case UIEventType::MouseDoubleClick:
    case UIEventType::MouseMove:
    case UIEventType::ContextMenu:
    case UIEventType::DragEnter:
    case UIEventType::DragMove:
    case UIEventType::DragLeave:
    case UIEventType::Drop:
    case UIEventType::KeyPress:
    case UIEventType::KeyRelease:
    case UIEventType::Wheel:
        return true;
    default:
        // Enter and Leave are not input: a widget disabled under the
        // pointer must still learn that the pointer left.
        return false;
    }
}

} // namespace

UIEvent::UIEvent(UIEventType type)
    : Event(static_cast<int>(type))
    , m_accepted(type == UIEventType::Close)
    , m_input(isInputType(type))
{}

UIEndSessionEvent::UIEndSessionEvent() : UIEvent(static_cast<UIEventType>(0)) { setAccepted(true); }
