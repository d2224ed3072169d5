#!/usr/bin/env bash
# Refreshes the README's pictures in docs/images from the screenshot tests:
# the control panel's themes page, the settings page's theme pane and the
# editor's cursors page. Builds the x86_64 tree first (set up beforehand).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build/x86_64"
cmake --build "$build" -j"$(nproc)" --target panel_screen_tests cpl_dll_tests editor_screen_tests \
  TrivaneCpl
"$root/tools/with-wine.sh" "$build" ctest --test-dir "$build" --output-on-failure \
  -R 'PanelScreenshot.EveryPageAndSubTabIsDrawn|SettingsPageScreenshot.TheThemePane|EditorScreenshot.EachTabShowsItsPage'
mkdir -p "$root/docs/images"
for picture in panel-themes settings-page-themes editor-cursors; do
  cp "$build/screenshots/$picture.png" "$root/docs/images/$picture.png"
  echo "docs/images/$picture.png"
done
