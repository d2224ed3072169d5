#include "ArchiveTestSupport.h"

#include "BmpFixture.h"
#include "ThemeTestSupport.h"

#include <algorithm>

std::string BmpFile(int width, int height, uint32_t color, uint32_t mask)
{
    std::vector<uint32_t> pixels(static_cast<size_t>(width) * height, mask);
    std::fill_n(pixels.begin(), static_cast<size_t>(width) * (height / 2), color);
    Bytes file = MakeBmp24(width, height, pixels);
    return std::string(file.begin(), file.end());
}

std::vector<std::wstring> ArchiveLeftovers()
{
    wchar_t temp[MAX_PATH + 1];
    GetTempPathW(MAX_PATH + 1, temp);
    std::vector<std::wstring> names = FolderFiles(temp);
    names.erase(
        std::remove_if(names.begin(), names.end(),
            [](const std::wstring& name) { return _wcsnicmp(name.c_str(), L"TV", 2) != 0; }),
        names.end());
    return names;
}
