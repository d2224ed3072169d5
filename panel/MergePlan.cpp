#include "MergePlan.h"

#include "CTheme.h"

namespace {

template <typename Slots> bool AnyFilled(const Slots& slots)
{
    for (const auto& slot : slots) {
        if (slot)
            return true;
    }
    return false;
}

}  // namespace

ThemeParts PartsOf(const CTheme& theme)
{
    ThemeParts parts{};
    parts[kPartSounds] = AnyFilled(theme.Sounds);
    parts[kPartEffects] = AnyFilled(theme.Effects);
    parts[kPartTrails] = AnyFilled(theme.Trails);
    return parts;
}

MergePlan PlanMerge(const ThemeParts* current, const ThemeParts& picked, int interactive, int merge)
{
    MergePlan plan;
    if (!current) {
        plan.Whole = true;
        return plan;
    }
    for (int part = 0; part < kThemePartCount; ++part) {
        PartChoice& choice = plan.Parts[part];
        if (!merge || !picked[part])
            choice = PartChoice::Keep;
        else if (!(*current)[part] || !interactive)
            choice = PartChoice::Take;
        else
            choice = PartChoice::Ask;
    }
    return plan;
}
