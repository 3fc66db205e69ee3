// The program's own images from the "data" package.
#include "ui/core/PackageImage.h"

#include "app/Package.h"
#include "app/PackageFile.h"

UIImage decodePackageImage(const uint8_t* data, size_t size)
{
    UIImage image;
    const auto declared = platform::declaredImageSize(data, size);
    if (declared && declared->width <= kMaxPackageImageSide && declared->height <= kMaxPackageImageSide)
        image.loadFromMemory(data, size);
    return image;
}

UIImage packageImage(StringView name)
{
    const PackageFile* file = imageFile(name);
    return file ? decodePackageImage(file->data(), file->size()) : UIImage();
}
