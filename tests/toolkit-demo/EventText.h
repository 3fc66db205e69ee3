#pragma once
// One line of text per toolkit event, for the logs of the toolkit test
// program and the host tests: the event's name, then its payload as
// name=value pairs ("MousePress buttons=1 button=1 x=10 y=12 modifiers=0").

#include "platform/Text.h"
#include "ui/core/UIEvent.h"

#include <string>

inline std::string eventText(const UIEvent& event)
{
    const auto number = [](int64_t value) { return std::to_string(value); };
    switch (event.kind()) {
    case UIEventType::MousePress:
    case UIEventType::MouseRelease:
    case UIEventType::Click:
    case UIEventType::MouseDoubleClick:
    case UIEventType::MouseMove: {
        static const char* const names[] = {"MousePress", "MouseRelease", "Click", "MouseDoubleClick", "MouseMove"};
        const auto& mouse = event.as<UIMouseEvent>();
        return std::string(names[int(event.kind()) - int(UIEventType::MousePress)]) + " buttons="
            + number(mouse.buttons()) + " button=" + number(mouse.button()) + " x=" + number(mouse.position().x)
            + " y=" + number(mouse.position().y) + " modifiers=" + number(mouse.modifiers());
    }
    case UIEventType::Wheel: {
        const auto& wheel = event.as<UIWheelEvent>();
        return "Wheel x=" + number(wheel.position().x) + " y=" + number(wheel.position().y)
            + " delta=" + number(wheel.delta()) + " direction=" + number(int(wheel.direction()));
    }
    case UIEventType::KeyPress:
    case UIEventType::KeyRelease: {
        const auto& key = event.as<UIKeyEvent>();
        return std::string(event.kind() == UIEventType::KeyPress ? "KeyPress" : "KeyRelease")
            + " key=" + number(key.key()) + " text=" + toUtf8(key.text()) + " repeat=" + number(key.isAutoRepeat())
            + " modifiers=" + number(key.modifiers());
    }
    case UIEventType::Resize: {
        const auto& resize = event.as<UIResizeEvent>();
        return "Resize width=" + number(resize.size().width) + " height=" + number(resize.size().height);
    }
    case UIEventType::Move: {
        const auto& move = event.as<UIMoveEvent>();
        return "Move x=" + number(move.position().x) + " y=" + number(move.position().y);
    }
    case UIEventType::ContextMenu: {
        const auto& menu = event.as<UIContextMenuEvent>();
        return "ContextMenu x=" + number(menu.position().x) + " y=" + number(menu.position().y);
    }
    case UIEventType::Close:
        return std::string("Close accepted=") + number(event.isAccepted());
    case UIEventType::Show:
        return "Show";
    case UIEventType::Hide:
        return "Hide";
    case UIEventType::FocusIn:
        return "FocusIn";
    case UIEventType::FocusOut:
        return "FocusOut";
    case UIEventType::Enter:
        return "Enter";
    case UIEventType::Leave:
        return "Leave";
    case UIEventType::EnabledChange:
        return "EnabledChange";
    case UIEventType::WindowStateChange:
        return "WindowStateChange";
    case UIEventType::HotKey:
        return "HotKey id=" + number(event.as<UIHotKeyEvent>().id());
    case UIEventType::InstanceMessage:
        return "InstanceMessage value=" + number(event.as<UIInstanceMessageEvent>().value());
    default:
        return "Event type=" + number(event.type());
    }
}
