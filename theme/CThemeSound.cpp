#include "CThemeSound.h"

#include <cstring>
#include <new>

void CThemeSound::Release()
{
    Data.reset();
    Size = 0;
}

bool CThemeSound::Assign(const uint8_t* data, uint32_t size)
{
    Release();
    if (size > INT32_MAX)
        return false;
    Data.reset(new (std::nothrow) uint8_t[size == 0 ? 1 : size]);
    if (!Data)
        return false;
    if (size != 0)
        std::memcpy(Data.get(), data, size);
    Size = static_cast<int32_t>(size);
    return true;
}
