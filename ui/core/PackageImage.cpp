// The program's own images from the "data" package.
#include "ui/core/PackageImage.h"

#include "app/Package.h"
#include "app/PackageFile.h"

UIImage packageImage(StringView name)
{
    UIImage image;
    if (const PackageFile* file = imageFile(name))
        image.loadFromMemory(file->data(), file->size());
    return image;
}
