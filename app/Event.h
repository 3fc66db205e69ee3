#pragma once
// The base of every event: a heap object with a type code. The kinds of
// events and their codes belong to the toolkit; the event service only
// queues, delivers and destroys them.

class Event {
public:
    explicit Event(int type = 0) : m_type(type) {}
    virtual ~Event() = default;
    int type() const { return m_type; }

private:
    int m_type;
};
