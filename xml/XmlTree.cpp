#include "xml/XmlTree.h"

#include <algorithm>
#include <limits>

namespace {

constexpr uint64_t kMaxChars = std::numeric_limits<uint32_t>::max();

// FNV-1a over the code units.
uint32_t hashOf(StringView text)
{
    uint32_t hash = 2166136261u;
    for (char16_t c : text)
        hash = (hash ^ c) * 16777619u;
    return hash;
}

} // namespace

XmlTree::XmlTree(StringView rootName) { reset(rootName); }

void XmlTree::reset(StringView rootName, String text)
{
    m_blocks.clear();
    m_totalChars = 0;
    m_nodes.clear();
    m_attributes.clear();
    m_texts.clear();
    m_names.clear();
    m_nameSlots.assign(16, 0);
    // Index 0 of the side tables is the "none" entry.
    m_attributes.emplace_back();
    m_texts.emplace_back();
    m_nodes.push_back({internName(rootName)});
    m_source = {};
    if (!text.empty() && m_totalChars + text.size() <= kMaxChars) {
        m_source = {uint32_t(m_totalChars), uint32_t(text.size())};
        m_totalChars += text.size();
        m_blocks.push_back({m_source.offset, std::move(text)});
    }
}

StringView XmlTree::view(Span span) const
{
    if (span.length == 0)
        return {};
    const auto block = std::upper_bound(m_blocks.begin(), m_blocks.end(), span.offset,
                                        [](uint32_t offset, const Block& b) { return offset < b.start; });
    return StringView(std::prev(block)->chars).substr(span.offset - std::prev(block)->start, span.length);
}

XmlTree::Span XmlTree::store(StringView text)
{
    if (text.empty() || m_totalChars + text.size() > kMaxChars)
        return {};
    // A block is only ever appended to within its capacity, so the
    // characters of earlier spans never move.
    if (m_blocks.empty() || m_blocks.back().chars.capacity() - m_blocks.back().chars.size() < text.size()) {
        Block block{uint32_t(m_totalChars), String()};
        block.chars.reserve(std::max(kBlockChars, text.size()));
        m_blocks.push_back(std::move(block));
    }
    Block& block = m_blocks.back();
    const Span span{uint32_t(block.start + block.chars.size()), uint32_t(text.size())};
    block.chars.append(text);
    m_totalChars = uint64_t(block.start) + block.chars.size();
    return span;
}

uint32_t XmlTree::slotOf(StringView name) const
{
    const size_t mask = m_nameSlots.size() - 1;
    size_t slot = hashOf(name) & mask;
    while (m_nameSlots[slot] != 0 && view(m_names[m_nameSlots[slot] - 1]) != name)
        slot = (slot + 1) & mask;
    return uint32_t(slot);
}

void XmlTree::growNameSlots()
{
    m_nameSlots.assign(m_nameSlots.size() * 2, 0);
    for (uint32_t id = 0; id < m_names.size(); ++id)
        m_nameSlots[slotOf(view(m_names[id]))] = id + 1;
}

std::optional<uint32_t> XmlTree::findName(StringView name) const
{
    const uint32_t slot = m_nameSlots[slotOf(name)];
    if (slot == 0)
        return std::nullopt;
    return slot - 1;
}

uint32_t XmlTree::internName(Span name)
{
    const StringView text = view(name);
    uint32_t slot = slotOf(text);
    if (m_nameSlots[slot] != 0)
        return m_nameSlots[slot] - 1;
    m_names.push_back(name);
    const uint32_t id = uint32_t(m_names.size() - 1);
    m_nameSlots[slot] = id + 1;
    if (m_names.size() * 2 > m_nameSlots.size())
        growNameSlots();
    return id;
}

uint32_t XmlTree::internName(StringView name)
{
    if (const auto id = findName(name))
        return *id;
    return internName(store(name));
}

uint32_t XmlTree::addNode(uint32_t nameId)
{
    m_nodes.push_back({nameId});
    return uint32_t(m_nodes.size() - 1);
}

void XmlTree::link(uint32_t parent, uint32_t previous, uint32_t node)
{
    if (previous == kNone)
        m_nodes[parent].firstChild = node;
    else
        m_nodes[previous].next = node;
}

uint32_t XmlTree::appendChild(uint32_t parent, uint32_t nameId)
{
    uint32_t last = m_nodes[parent].firstChild;
    while (last != kNone && m_nodes[last].next != kNone)
        last = m_nodes[last].next;
    const uint32_t node = addNode(nameId);
    link(parent, last, node);
    return node;
}

void XmlTree::appendText(uint32_t node, Span text)
{
    if (text.length == 0)
        return;
    Node& owner = m_nodes[node];
    if (owner.text == kNone) {
        m_texts.push_back(text);
        owner.text = uint32_t(m_texts.size() - 1);
        return;
    }
    // Rare (the reader sets each text once): join into new characters.
    String joined(view(m_texts[owner.text]));
    joined.append(view(text));
    m_texts[owner.text] = store(joined);
}

void XmlTree::appendAttribute(uint32_t node, Span name, Span value)
{
    const uint32_t index = uint32_t(m_attributes.size());
    m_attributes.push_back({name, value});
    Node& owner = m_nodes[node];
    if (owner.lastAttribute == kNone) {
        m_attributes.back().next = index;
    } else {
        m_attributes.back().next = m_attributes[owner.lastAttribute].next;
        m_attributes[owner.lastAttribute].next = index;
    }
    owner.lastAttribute = index;
}

StringView XmlTree::text(uint32_t node) const
{
    const uint32_t text = m_nodes[node].text;
    return text == kNone ? StringView() : view(m_texts[text]);
}

uint32_t XmlTree::firstAttribute(uint32_t node) const
{
    const uint32_t last = m_nodes[node].lastAttribute;
    return last == kNone ? kNone : m_attributes[last].next;
}

uint32_t XmlTree::nextAttribute(uint32_t node, uint32_t current) const
{
    return current == m_nodes[node].lastAttribute ? kNone : m_attributes[current].next;
}
