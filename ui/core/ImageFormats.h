#pragma once
// ImageFormats: the toolkit's image format handlers, in their fixed order
// "pix", "bmp", "jpeg", "png", "tiff", "gif". Constructing the list starts
// the platform's imaging library for its lifetime (one per process is
// enough; the UI manager owns it).

#include "platform/ImageCodec.h"
#include "ui/core/ImageFormatHandler.h"

#include <memory>
#include <vector>

class ImageFormats {
public:
    ImageFormats();
    ~ImageFormats();
    ImageFormats(const ImageFormats&) = delete;
    ImageFormats& operator=(const ImageFormats&) = delete;

    // Whether the imaging library could be started (never on the headless
    // build, where only "pix" works).
    bool imagingStarted() const { return m_session.isActive(); }

    const std::vector<std::unique_ptr<ImageFormatHandler>>& handlers() const { return m_handlers; }
    // The first handler whose name matches the type name (without case);
    // null when there is none.
    const ImageFormatHandler* handler(StringView typeName) const;

    // Loads by type name; with an empty type name by the file's extension,
    // and when no handler has that name by the imaging library, which
    // recognises the format from the content. Empty on failure.
    UIImage load(StringView path, StringView typeName = {}) const;
    // From memory the type name picks the handler; with an empty one a
    // "pix" block is recognised by its magic number and anything else is
    // left to the imaging library.
    UIImage loadFromMemory(const uint8_t* data, size_t size, StringView typeName = {}) const;
    // Saves in the format the type name names (a handler's name, or "jpg"
    // or "tif"); with an empty type name, by the file's extension.
    bool save(StringView path, const UIImage& image, StringView typeName = {}) const;

private:
    platform::ImagingSession m_session;
    std::vector<std::unique_ptr<ImageFormatHandler>> m_handlers;
};
