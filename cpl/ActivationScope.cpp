#include "ActivationScope.h"

namespace cpl {

ActivationScope::ActivationScope(HMODULE module)
{
    wchar_t path[MAX_PATH];
    DWORD length = GetModuleFileNameW(module, path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return;
    ACTCTXW description{};
    description.cbSize = sizeof(description);
    description.dwFlags = ACTCTX_FLAG_HMODULE_VALID | ACTCTX_FLAG_RESOURCE_NAME_VALID;
    description.lpSource = path;
    description.hModule = module;
    description.lpResourceName = ISOLATIONAWARE_MANIFEST_RESOURCE_ID;
    context_ = CreateActCtxW(&description);
    if (context_ != INVALID_HANDLE_VALUE)
        active_ = ActivateActCtx(context_, &cookie_) != FALSE;
}

ActivationScope::~ActivationScope()
{
    if (active_)
        DeactivateActCtx(0, cookie_);
    if (context_ != INVALID_HANDLE_VALUE)
        ReleaseActCtx(context_);
}

}  // namespace cpl
