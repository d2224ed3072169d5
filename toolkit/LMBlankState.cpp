#include "LMBlankState.h"

LMBlankState::LMBlankState(const wchar_t* name)
    : LMVisualState(name)
{
    Kind = LMStateKindBlank;
}

int LMBlankState::HitTest(int, int)
{
    return HitMode == LMHitWholeFrame ? 1 : 0;
}

int LMBlankState::Draw(HDC, int, int, int, int, int, int)
{
    return 1;
}
