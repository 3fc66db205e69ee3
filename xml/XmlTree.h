#pragma once
// The storage behind an XML document: every element, attribute and text in
// a few chunked tables addressed by 32-bit indices, so a parsed document of
// empty elements costs about 20 bytes per element beyond its own text.
//
// Characters live in blocks that never move: the decoded document itself is
// the first block (names, values and texts of a parsed tree are spans of
// it, not copies), and text added later goes to blocks of its own. Views
// handed out therefore stay valid for the life of the tree, whatever is
// added to it. Nothing is ever removed except by reset().
//
// Elements are reached through XmlElement handles; node 0 is the root.

#include "platform/Text.h"

#include <cstdint>
#include <deque>
#include <optional>
#include <vector>

class XmlTree {
public:
    // Index 0 of every table means "none" (node 0, the root, is never a
    // child or a sibling).
    static constexpr uint32_t kNone = 0;
    static constexpr uint32_t kRoot = 0;

    struct Span {
        uint32_t offset = 0;
        uint32_t length = 0;
    };

    explicit XmlTree(StringView rootName);

    XmlTree(const XmlTree&) = delete;
    XmlTree& operator=(const XmlTree&) = delete;
    XmlTree(XmlTree&&) noexcept = default;
    XmlTree& operator=(XmlTree&&) noexcept = default;

    // Empties the tree down to a childless root and keeps `text` as a
    // character block of its own, without copying it.
    void reset(StringView rootName, String text = {});
    // Where reset() kept its text: a span of sourceSpan().offset + i
    // characters starts at character i of that text.
    Span sourceSpan() const { return m_source; }

    StringView view(Span span) const;
    // Copies the characters into the tree (an empty span when the tree's
    // 4 Gi characters are used up).
    Span store(StringView text);

    // Element names are interned: equal names share one id.
    uint32_t internName(Span name);
    uint32_t internName(StringView name);
    // The id of a name already in the tree, if any.
    std::optional<uint32_t> findName(StringView name) const;

    // Appends a new last child of `parent` and returns its node. The
    // children are walked to find the last one: trees built by the program
    // are small, and the reader links what it reads without walking.
    uint32_t appendChild(uint32_t parent, uint32_t nameId);
    void appendText(uint32_t node, Span text);
    void appendAttribute(uint32_t node, Span name, Span value);

    struct Node {
        uint32_t name = 0;
        uint32_t text = kNone;          // into m_texts
        uint32_t lastAttribute = kNone; // into m_attributes; its `next` is the first
        uint32_t firstChild = kNone;
        uint32_t next = kNone; // the next sibling
    };
    struct Attribute {
        Span name;
        Span value;
        uint32_t next = kNone;
    };

    const Node& node(uint32_t index) const { return m_nodes[index]; }
    Attribute& attribute(uint32_t index) { return m_attributes[index]; }
    const Attribute& attribute(uint32_t index) const { return m_attributes[index]; }
    StringView name(uint32_t node) const { return view(m_names[m_nodes[node].name]); }
    StringView text(uint32_t node) const;

    // The first child or attribute, and the one after `current` (kNone
    // after the last).
    uint32_t firstChild(uint32_t node) const { return m_nodes[node].firstChild; }
    uint32_t nextChild(uint32_t current) const { return m_nodes[current].next; }
    uint32_t firstAttribute(uint32_t node) const;
    uint32_t nextAttribute(uint32_t node, uint32_t current) const;

    void rename(uint32_t node, StringView name) { m_nodes[node].name = internName(name); }

private:
    // The reader links nodes itself (see XmlReader::m_lastChild).
    friend class XmlReader;
    uint32_t addNode(uint32_t nameId);
    // Makes `node` the child of `parent` that follows `previous` (kNone:
    // the first child).
    void link(uint32_t parent, uint32_t previous, uint32_t node);
    Node& mutableNode(uint32_t index) { return m_nodes[index]; }

    struct Block {
        uint32_t start;
        String chars;
    };

    uint32_t slotOf(StringView name) const;
    void growNameSlots();

    static constexpr size_t kBlockChars = 4096;

    std::vector<Block> m_blocks;
    uint64_t m_totalChars = 0;
    Span m_source;
    std::deque<Node> m_nodes;
    std::deque<Attribute> m_attributes;
    std::deque<Span> m_texts;
    std::deque<Span> m_names;
    // Open addressing over the name ids (id + 1; 0 marks a free slot); the
    // size is a power of two kept at least twice the number of names.
    std::vector<uint32_t> m_nameSlots;
};
