#pragma once
// Building the library lists: the installed themes with cached previews,
// the effect and trail themes with looping previews, and the Sounds
// folder's WAV files, each after its fixed rows. Every build first deletes
// the rows of the previous one and ends with the list's selection and
// hover inside its new rows.

void BuildThemeList();
void BuildEffectList();
void BuildTrailList();
void BuildSoundList();

// Delete every row of the list (the bars stay) and empty its row list.
void ClearEffectRows();
void ClearTrailRows();
void ClearSoundRows();
