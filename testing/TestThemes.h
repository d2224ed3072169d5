#pragma once
// Test themes drawn with the theme library.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class CTheme;

struct TestCursor {
    int32_t Role = 0;
    int32_t State = 1;
    int Width = 32;
    int Height = 32;
    int Frames = 1;
    uint32_t Colour = 0xFF808080;  // premultiplied BGRA of every pixel
};

// A theme named "Test" with a cursor of one colour (opaque grey unless
// given) for each entry, in order.
std::unique_ptr<CTheme> MakeTestTheme(const std::vector<TestCursor>& cursors);
void AddTestEffect(CTheme& theme, int slot);
void AddTestTrail(CTheme& theme, int slot);
void AddTestSound(CTheme& theme, int slot, const std::string& bytes);

// Saves the theme uncompressed.
bool SaveTestTheme(const std::wstring& path, CTheme& theme);
bool SaveTestTheme(const std::wstring& path, const std::vector<TestCursor>& cursors);
