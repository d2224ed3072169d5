#pragma once
// Runs a test without the platform's AlphaBlend, as on a system that lacks it,
// so blends are the toolkit's own exact arithmetic.

#include "LMProcs.h"
#include "LMToolkit.h"

class SoftwareBlendScope {
public:
    SoftwareBlendScope() : saved_(LMProcs::AlphaBlend)
    {
        LMProcs::AlphaBlend = nullptr;
        if (!LMAlphaTable)
            LMBuildAlphaTable();
    }
    ~SoftwareBlendScope() { LMProcs::AlphaBlend = saved_; }

    SoftwareBlendScope(const SoftwareBlendScope&) = delete;
    SoftwareBlendScope& operator=(const SoftwareBlendScope&) = delete;

private:
    decltype(LMProcs::AlphaBlend) saved_;
};
