#include "app/PackageWriter.h"
#include "tests/fuzz/FuzzTargets.h"
#include "xml/XmlDocument.h"

namespace {

bool samePackage(const Package& a, const Package& b)
{
    if (a.headerValue1() != b.headerValue1() || a.headerValue2() != b.headerValue2()
        || a.folders().size() != b.folders().size())
        return false;
    for (size_t i = 0; i < a.folders().size(); ++i) {
        const PackageFolder& x = *a.folders()[i];
        const PackageFolder& y = *b.folders()[i];
        if (x.name() != y.name() || !(x.values() == y.values()) || x.files().size() != y.files().size())
            return false;
        for (size_t j = 0; j < x.files().size(); ++j) {
            const PackageFile& f = *x.files()[j];
            const PackageFile& g = *y.files()[j];
            if (f.name() != g.name() || !(f.values() == g.values()) || f.bytes() != g.bytes())
                return false;
        }
    }
    return true;
}

} // namespace

void fuzzPackage(const uint8_t* data, size_t size)
{
    const platform::Bytes bytes(data, data + size);
    const std::unique_ptr<Package> package = Package::parse(bytes);
    if (!package)
        return;
    size_t total = 0;
    for (const auto& folder : package->folders()) {
        for (const auto& file : folder->files()) {
            total += file->size();
            fuzzCheck(folder->file(file->name()) != nullptr, "a parsed file cannot be found by its name");
            XmlDocument document;
            file->readXml(document);
        }
    }
    fuzzCheck(total <= size, "a package holds more data than its bytes");
    // Everything a package can hold once parsed, the writer can write, and
    // the written bytes parse back to the same package.
    const std::optional<platform::Bytes> written = serializePackage(*package);
    fuzzCheck(written.has_value(), "a parsed package cannot be written");
    const std::unique_ptr<Package> reread = Package::parse(*written);
    fuzzCheck(reread && samePackage(*package, *reread), "a written package reads back differently");
    fuzzCheck(serializePackage(*reread) == written, "a package read back writes other bytes");
}
