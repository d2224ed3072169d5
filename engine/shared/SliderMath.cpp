#include "SliderMath.h"

#include <algorithm>
#include <cstdint>

namespace {

int ClampBetween(int value, int a, int b)
{
    return std::clamp(value, std::min(a, b), std::max(a, b));
}

bool IsEmpty(const SliderTrack& track)
{
    return track.TrackMax == track.TrackMin || track.ValueMax == track.ValueMin;
}

int ClampToTrack(const SliderTrack& track, int position)
{
    return ClampBetween(position, track.TrackMin, track.TrackMax);
}

}  // namespace

int SliderKnobPosition(const SliderTrack& track, int value)
{
    if (IsEmpty(track))
        return track.TrackMin;
    value = ClampBetween(value, track.ValueMin, track.ValueMax);
    const int64_t trackSpan = static_cast<int64_t>(track.TrackMax) - track.TrackMin;
    const int64_t valueSpan = static_cast<int64_t>(track.ValueMax) - track.ValueMin;
    const int64_t along = trackSpan * (static_cast<int64_t>(value) - track.ValueMin) / valueSpan;
    return static_cast<int>(track.Vertical ? track.TrackMax - along : track.TrackMin + along);
}

int SliderDragPosition(const SliderTrack& track, int position)
{
    return IsEmpty(track) ? track.TrackMin : ClampToTrack(track, position);
}

int SliderValueAt(const SliderTrack& track, int position)
{
    if (IsEmpty(track))
        return track.ValueMin;
    position = ClampToTrack(track, position);
    const int64_t trackSpan = static_cast<int64_t>(track.TrackMax) - track.TrackMin;
    const int64_t valueSpan = static_cast<int64_t>(track.ValueMax) - track.ValueMin;
    const int64_t along = track.Vertical ? static_cast<int64_t>(track.TrackMax) - position
                                         : static_cast<int64_t>(position) - track.TrackMin;
    return static_cast<int>(track.ValueMin + valueSpan * along / trackSpan);
}
