#include "LMObj.h"

LMObj::LMObj(int32_t typeWord) : TypeWord(typeWord) {}

LMObj::~LMObj()
{
    Signature = 0;
}

int LMObj::Update(DWORD)
{
    return 1;
}
