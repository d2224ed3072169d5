#pragma once
// Which parts of a picked theme go into the current theme: a decision over
// what the two themes hold, apart from the themes themselves. Cursors and
// the name always go; the other parts in the order of the questions.

#include <array>

class CTheme;

enum ThemePart { kPartSounds, kPartEffects, kPartTrails, kThemePartCount };

// The question asked before a part replaces the current theme's own.
constexpr std::array<int, kThemePartCount> kPartQuestionText = {83, 56, 72};

// Which parts a theme holds: at least one slot of that kind filled. The
// content flags do not follow the slots, so they are not asked.
using ThemeParts = std::array<bool, kThemePartCount>;
ThemeParts PartsOf(const CTheme& theme);

enum class PartChoice { Keep, Take, Ask };

struct MergePlan {
    bool Whole = false;  // no current theme: the picked one becomes it
    std::array<PartChoice, kThemePartCount> Parts{};
};

// current null: no current theme. A part the picked theme lacks, or any
// part without merge, is kept; one the current theme lacks is taken; else
// asked when interactive, taken when not.
MergePlan PlanMerge(const ThemeParts* current, const ThemeParts& picked, int interactive,
                    int merge);
