#pragma once
// Runs a stretch of code inside the activation context of a module's
// manifest (resource 2), so the sheets and pages it makes use common
// controls 6 whatever the host process asked for.

#include <windows.h>

namespace cpl {

class ActivationScope {
public:
    // Without a manifest, or when the context cannot be made, the code runs
    // in the caller's context.
    explicit ActivationScope(HMODULE module);
    ~ActivationScope();
    ActivationScope(const ActivationScope&) = delete;
    ActivationScope& operator=(const ActivationScope&) = delete;

private:
    HANDLE context_ = INVALID_HANDLE_VALUE;
    ULONG_PTR cookie_ = 0;
    bool active_ = false;
};

}  // namespace cpl
