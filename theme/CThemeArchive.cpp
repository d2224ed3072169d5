// ".PvltTheme" archives of the predecessor product.

#include "CTheme.h"

// Archives are not read yet: no theme comes from them.
int CTheme::LoadZipTheme(const wchar_t* /*path*/, int /*preview*/)
{
    return 0;
}
