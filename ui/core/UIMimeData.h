#pragma once
// UIMimeData: the data of a drag and drop, as an ordered list of typed
// entries, at most one per type name. Text, file paths and an image have
// their own type names and payloads; every other type name carries bytes.
//
// Ownership: the container owns its payloads (an image shares its pixels
// by reference count, as images do).

#include "platform/DragDrop.h"
#include "platform/FileSystem.h"
#include "platform/Text.h"
#include "ui/core/UIImage.h"

#include <variant>
#include <vector>

class UIMimeData {
public:
    static constexpr StringView kTextType = u"text/plain";
    static constexpr StringView kFilePathListType = u"text/file-path-list";
    static constexpr StringView kImageType = u"image/*";

    String text() const;
    void setText(String text);
    bool hasText() const { return hasFormat(kTextType); }
    std::vector<String> filePaths() const;
    void setFilePaths(std::vector<String> paths);
    UIImage image() const;
    void setImage(UIImage image);
    // Bytes under any type name but the three above (which are refused, so
    // a byte array never stands where text, paths or an image belong).
    platform::Bytes data(StringView type) const;
    bool setData(StringView type, platform::Bytes bytes);
    // Exact comparison of type names.
    bool hasFormat(StringView type) const;
    // The type names in entry order.
    std::vector<String> formats() const;

    // Reads dragged data in this order: Unicode text, the file list, the
    // bitmap, the private format. A format whose block is malformed adds
    // nothing.
    static UIMimeData fromDragData(const platform::DragData& data);
    // The image of an uncompressed 24- or 32-bit bitmap block; empty for any
    // other block. A 32-bit bitmap whose alpha is all zero reads as opaque.
    static UIImage imageFromDib(const platform::Bytes& block);

private:
    using Payload = std::variant<String, std::vector<String>, UIImage, platform::Bytes>;
    struct Entry {
        String type;
        Payload payload;
    };

    // Replaces the payload of the type in place, or appends an entry.
    void set(StringView type, Payload payload);
    const Payload* find(StringView type) const;

    std::vector<Entry> m_entries;
};
