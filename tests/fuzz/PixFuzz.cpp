#include "platform/Text.h"
#include "tests/fuzz/FuzzTargets.h"
#include "ui/core/UIImage.h"

#include <fstream>

void fuzzPix(const uint8_t* data, size_t size)
{
    const UIImage image = UIImage::fromPix(data, size);
    // The file reader accepts exactly what the memory reader accepts.
    const std::filesystem::path path = fuzzScratchFolder() / "image.pix";
    {
        std::ofstream file(path, std::ios::binary | std::ios::trunc);
        file.write(reinterpret_cast<const char*>(data), std::streamsize(size));
    }
    const UIImage loaded = UIImage::loadPix(fromUtf8(path.string()));
    fuzzCheck(loaded.isEmpty() == image.isEmpty(), "the file and memory pix readers disagree");
    if (image.isEmpty())
        return;
    // A pix block has one valid form for its pixels, so an accepted block
    // is written back byte for byte.
    const platform::Bytes written = image.toPix();
    fuzzCheck(written == platform::Bytes(data, data + size), "an accepted pix block writes back differently");
    fuzzCheck(loaded.toPix() == written, "the pix file reads other pixels than the same block in memory");
}
