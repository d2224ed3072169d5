#include "ArchiveFixtures.h"

#include <png.h>

std::string PngBytes(int width, int height, uint32_t color)
{
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    image.width = static_cast<png_uint_32>(width);
    image.height = static_cast<png_uint_32>(height);
    image.format = PNG_FORMAT_BGRA;
    std::vector<uint32_t> pixels(static_cast<size_t>(width) * height, color | 0xFF000000u);
    png_alloc_size_t size = 0;
    png_image_write_to_memory(&image, nullptr, &size, 0, pixels.data(), 0, nullptr);
    std::string file(size, '\0');
    png_image_write_to_memory(&image, file.data(), &size, 0, pixels.data(), 0, nullptr);
    return file;
}

ZipLayout FilesArchive(const ArchiveFiles& files)
{
    std::vector<ZipEntryPlan> entries;
    for (const auto& [name, data] : files)
        entries.push_back({name, data, entries.size() % 2 == 0});
    return BuildZip(entries);
}

ZipLayout SchemeArchive(const std::string& ini, const ArchiveFiles& files)
{
    ArchiveFiles all = {{"scheme.ini", ini}};
    all.insert(all.end(), files.begin(), files.end());
    return FilesArchive(all);
}
