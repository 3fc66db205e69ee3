#pragma once
// One image file format the toolkit can read and write, known by its name
// ("pix", "bmp", "jpeg", "png", "tiff", "gif"). Handlers are stateless and
// owned by ImageFormats.

#include "ui/core/UIImage.h"

class ImageFormatHandler {
public:
    explicit ImageFormatHandler(String name) : m_name(std::move(name)) {}
    virtual ~ImageFormatHandler() = default;
    ImageFormatHandler(const ImageFormatHandler&) = delete;
    ImageFormatHandler& operator=(const ImageFormatHandler&) = delete;

    const String& name() const { return m_name; }
    // Whether the extension (without the dot) is the handler's name,
    // compared without case.
    bool canHandle(StringView extension) const;

    // Empty images on failure.
    virtual UIImage load(StringView path) const = 0;
    virtual UIImage loadFromMemory(const uint8_t* data, size_t size) const = 0;
    virtual bool save(StringView path, const UIImage& image) const = 0;

private:
    String m_name;
};
