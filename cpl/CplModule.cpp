#include "CplModule.h"

namespace cpl {

namespace {

HINSTANCE g_module = nullptr;
// Unsigned for the sheet, read as signed: the counts never come near the top bit.
UINT g_objectCount = 0;

}  // namespace

HINSTANCE Module()
{
    return g_module;
}

void SetModule(HINSTANCE module)
{
    g_module = module;
}

LONG ObjectCount()
{
    return static_cast<LONG>(g_objectCount);
}

void AddObject()
{
    ++g_objectCount;
}

void ReleaseObject()
{
    --g_objectCount;
}

UINT* ObjectCounter()
{
    return &g_objectCount;
}

}  // namespace cpl
