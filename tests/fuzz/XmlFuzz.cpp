#include "tests/fuzz/FuzzTargets.h"
#include "xml/XmlDocument.h"

namespace {

// Names and attributes of both trees agree, element by element. Text is
// not compared: the writer never writes it.
bool sameTree(const XmlElement& a, const XmlElement& b)
{
    if (a.name() != b.name())
        return false;
    auto aAttributes = a.attributes();
    auto bAttributes = b.attributes();
    if (aAttributes.size() != bAttributes.size())
        return false;
    for (auto i = aAttributes.begin(), j = bAttributes.begin(); i != aAttributes.end(); ++i, ++j)
        if ((*i).name != (*j).name || (*i).value != (*j).value)
            return false;
    auto aChildren = a.children();
    auto bChildren = b.children();
    auto j = bChildren.begin();
    for (auto i = aChildren.begin(); i != aChildren.end(); ++i, ++j)
        if (j == bChildren.end() || !sameTree(*i, *j))
            return false;
    return j == bChildren.end();
}

} // namespace

void fuzzXml(const uint8_t* data, size_t size)
{
    // The first byte picks the encoding, so the decoders are fuzzed too.
    if (size == 0)
        return;
    const TextEncoding encoding = TextEncoding(1 + data[0] % 3);
    XmlDocument document;
    if (!document.parseBytes(platform::Bytes(data + 1, data + size), encoding))
        return;
    // What the reader accepted, the writer can write (the input is far below
    // the size limit), and what it wrote reads back as the same tree and
    // writes again to the same bytes.
    const std::optional<platform::Bytes> written = document.serialize();
    fuzzCheck(written.has_value(), "an accepted document cannot be written");
    XmlDocument reread;
    fuzzCheck(reread.parseBytes(*written), "a written document does not read back");
    fuzzCheck(sameTree(document.root(), reread.root()), "a written document reads back as another tree");
    fuzzCheck(reread.serialize() == written, "a document read back writes other bytes");
}
