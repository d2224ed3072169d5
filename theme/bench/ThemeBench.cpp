// Save and load times of a large theme, stored and compressed, next to raw
// zlib on the same body; then what a preview load costs for a small and a
// large theme. Usage: theme_bench [runs]

#include "CTheme.h"
#include "LMToolkit.h"
#include "ThemeContainer.h"

#include <zlib.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace
{

constexpr int kFrames = 24;
constexpr int kFrameSize = 64;
constexpr int kSoundBytes = 50 * 1024;

// Soft, partly transparent frames: a blurred disc that moves and changes
// colour from frame to frame, with a little deterministic grain.
std::unique_ptr<LMBitmap> MakeStrip(int seed)
{
    auto bitmap = std::make_unique<LMBitmap>(kFrames * kFrameSize, kFrameSize, LMBitmapHasAlpha);
    uint32_t grain = 0x9E3779B9u * static_cast<uint32_t>(seed + 1);
    for (int y = 0; y < kFrameSize; ++y) {
        uint32_t* row = bitmap->Row(y);
        for (int x = 0; x < bitmap->Width; ++x) {
            int frame = x / kFrameSize;
            double dx = x % kFrameSize - (24 + frame % 8 * 2);
            double dy = y - (32 + (frame + seed) % 5 * 2);
            double distance = std::sqrt(dx * dx + dy * dy);
            grain = grain * 1664525u + 1013904223u;
            int alpha = std::clamp(static_cast<int>(255 - distance * 9) + int(grain >> 29), 0, 255);
            auto blue = static_cast<uint32_t>((seed * 37 + frame * 9) & 0xFF);
            auto green = static_cast<uint32_t>((128 + y * 2) & 0xFF);
            auto red = static_cast<uint32_t>((x * 3 + seed) & 0xFF);
            row[x] = blue | (green << 8) | (red << 16) | (static_cast<uint32_t>(alpha) << 24);
        }
    }
    return bitmap;
}

void BuildLargeTheme(CTheme* theme)
{
    theme->Name = DuplicateText(L"Benchmark");
    for (int role = 0; role < kCursorRoleCount; ++role) {
        for (int state = 1; state <= 2; ++state) {
            auto cursor = std::make_unique<CThemeCursor>();
            cursor->Role = role;
            cursor->State = state;
            cursor->Group = kThemeCursorGroup;
            cursor->Frames = kFrames;
            cursor->Interval = 40;
            cursor->Loop = 1;
            cursor->SetUpAnimation(
                MakeStrip(role * 2 + state), L"bench", LMFrameInterruptible, false);
            theme->AddCursor(std::move(cursor));
        }
    }
    for (int slot = 0; slot < kMouseEventCount; ++slot) {
        std::vector<uint8_t> wave(kSoundBytes);
        for (int i = 0; i < kSoundBytes; ++i)
            wave[i] = static_cast<uint8_t>(128 + 100 * std::sin(i * (0.05 + slot * 0.01)));
        theme->Sounds[slot] = std::make_unique<CThemeSound>();
        theme->Sounds[slot]->Assign(wave.data(), kSoundBytes);
    }
}

double NowMs()
{
    LARGE_INTEGER counter;
    LARGE_INTEGER frequency;
    QueryPerformanceCounter(&counter);
    QueryPerformanceFrequency(&frequency);
    return counter.QuadPart * 1000.0 / frequency.QuadPart;
}

double MedianMs(int runs, const std::function<bool()>& work)
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        double start = NowMs();
        if (!work()) {
            std::fprintf(stderr, "a run failed\n");
            std::exit(1);
        }
        times.push_back(NowMs() - start);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

std::wstring TempPath(const wchar_t* name)
{
    wchar_t folder[MAX_PATH];
    GetTempPathW(MAX_PATH, folder);
    return std::wstring(folder) + name;
}

constexpr int kPreviewFrames = 4;
constexpr int kPreviewSide = 32;

// Cursors of 4 frames of 32 x 32 (16 KiB each) until the body holds about
// `bodyBytes`; a list only ever previews the first.
void BuildPreviewTheme(CTheme* theme, size_t bodyBytes)
{
    size_t cursorBytes = kPreviewFrames * kPreviewSide * kPreviewSide * 4;
    for (size_t i = 0; i * cursorBytes < bodyBytes; ++i) {
        auto cursor = std::make_unique<CThemeCursor>();
        cursor->Role = static_cast<int32_t>(i % kCursorRoleCount);
        cursor->State = 1;
        cursor->Group = kThemeCursorGroup;
        cursor->Frames = kPreviewFrames;
        auto strip = MakeStrip(static_cast<int>(i));
        auto frames = std::make_unique<LMBitmap>(
            kPreviewFrames * kPreviewSide, kPreviewSide, LMBitmapHasAlpha);
        for (int y = 0; y < kPreviewSide; ++y)
            std::memcpy(frames->Row(y), strip->Row(y), kPreviewFrames * kPreviewSide * 4);
        cursor->SetUpAnimation(std::move(frames), L"preview", LMFrameInterruptible, false);
        theme->AddCursor(std::move(cursor));
    }
}

struct PreviewFigures {
    size_t FileBytes[2];
    double Ms[2]; // stored, compressed
};

PreviewFigures TimePreviews(size_t bodyBytes, int runs)
{
    CTheme theme;
    BuildPreviewTheme(&theme, bodyBytes);
    PreviewFigures figures {};
    std::wstring path = TempPath(L"trivane-bench-preview.trivane");
    for (int compress : { 0, 1 }) {
        if (theme.Save(path.c_str(), compress) != 1)
            std::exit(1);
        WIN32_FILE_ATTRIBUTE_DATA data {};
        GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data);
        figures.FileBytes[compress] = data.nFileSizeLow;
        figures.Ms[compress] = MedianMs(runs, [&] {
            CTheme previewed;
            return previewed.Load(path.c_str(), 1) == 1 && previewed.CursorCount() == 1;
        });
    }
    DeleteFileW(path.c_str());
    return figures;
}

void PrintPreviews(int runs)
{
    PreviewFigures small = TimePreviews(50 * 1024, runs);
    PreviewFigures large = TimePreviews(5 * 1024 * 1024, runs);
    const char* forms[] = { "stored    ", "compressed" };
    bool met = true;
    for (int i = 0; i < 2; ++i) {
        double ratio = large.Ms[i] / small.Ms[i];
        met = met && ratio <= 1.5;
        std::printf("preview %s  %7zu bytes %6.3f ms, %7zu bytes %6.3f ms: %.2fx\n", forms[i],
            small.FileBytes[i], small.Ms[i], large.FileBytes[i], large.Ms[i], ratio);
    }
    std::printf("the 5 MB preview within 1.5x of the 50 KB one: %s\n", met ? "yes" : "no");
}

} // namespace

int main(int argc, char** argv)
{
    int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    LMInitialize(GetModuleHandleW(nullptr), L"TrivaneThemeBench", 0);
    CTheme theme;
    BuildLargeTheme(&theme);
    ThemeFileHeader header {};
    std::vector<uint8_t> body;
    if (!BuildThemeFile(theme, &header, &body))
        return 1;
    uLongf packedSize = compressBound(static_cast<uLong>(body.size()));
    std::vector<uint8_t> packed(packedSize);
    std::vector<uint8_t> unpacked(body.size());

    std::wstring stored = TempPath(L"trivane-bench-stored.trivane");
    std::wstring compressed = TempPath(L"trivane-bench-compressed.trivane");
    double saveStored = MedianMs(runs, [&] { return theme.Save(stored.c_str(), 0) == 1; });
    double saveCompressed = MedianMs(runs, [&] { return theme.Save(compressed.c_str(), 1) == 1; });
    double loadStored = MedianMs(runs, [&] { return CTheme().Load(stored.c_str(), 0) == 1; });
    double loadCompressed
        = MedianMs(runs, [&] { return CTheme().Load(compressed.c_str(), 0) == 1; });
    double rawCompress = MedianMs(runs, [&] {
        packedSize = compressBound(static_cast<uLong>(body.size()));
        return compress2(
                   packed.data(), &packedSize, body.data(), static_cast<uLong>(body.size()), 9)
            == Z_OK;
    });
    // A loader must put the body into fresh memory, so the raw figure the
    // loads are held against allocates its output too.
    double rawUncompress = MedianMs(runs, [&] {
        std::unique_ptr<uint8_t[]> fresh(new uint8_t[body.size()]);
        uLongf length = static_cast<uLongf>(body.size());
        return uncompress(fresh.get(), &length, packed.data(), packedSize) == Z_OK
            && length == body.size();
    });
    double rawUncompressWarm = MedianMs(runs, [&] {
        uLongf length = static_cast<uLongf>(unpacked.size());
        return uncompress(unpacked.data(), &length, packed.data(), packedSize) == Z_OK
            && length == body.size();
    });
    double parseBody = MedianMs(runs, [&] {
        CTheme parsed;
        return ParseThemeBody(&parsed, header, body.data(), body.size(), 0) == 1;
    });
    DeleteFileW(stored.c_str());
    DeleteFileW(compressed.c_str());

    std::printf("theme: 40 cursors of %d frames %dx%d, 9 sounds of %d bytes\n", kFrames, kFrameSize,
        kFrameSize, kSoundBytes);
    std::printf("body %zu bytes, compressed %lu bytes; median of %d runs\n", body.size(),
        static_cast<unsigned long>(packedSize), runs);
    std::printf(
        "save stored      %8.1f ms  (%.2fx raw compress2)\n", saveStored, saveStored / rawCompress);
    std::printf("save compressed  %8.1f ms  (%.2fx raw compress2)\n", saveCompressed,
        saveCompressed / rawCompress);
    std::printf("load stored      %8.1f ms  (%.2fx raw uncompress)\n", loadStored,
        loadStored / rawUncompress);
    std::printf("load compressed  %8.1f ms  (%.2fx raw uncompress)\n", loadCompressed,
        loadCompressed / rawUncompress);
    std::printf("raw compress2(9) %8.1f ms\n", rawCompress);
    std::printf("raw uncompress   %8.1f ms  (into new memory; %.1f ms into reused memory)\n",
        rawUncompress, rawUncompressWarm);
    std::printf("parse of a body in memory %.1f ms (bitmaps made and filled)\n", parseBody);
    bool met = loadStored <= 1.5 * rawUncompress && loadCompressed <= 1.5 * rawUncompress;
    std::printf("each load within 1.5x of raw uncompress: %s\n", met ? "yes" : "no");
    PrintPreviews(runs * 40);
    return 0;
}
