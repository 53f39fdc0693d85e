// The thirteen 11 x 26 battery pictures, drawn by the program: a terminal, a frame, a gap and a
// fill of up to 20 rows from the bottom; on mains a bolt or a plug is cut out of a full fill.
#pragma once

#include <memory>

#include "forms/picture.h"

namespace clock_panel {

inline constexpr int kBatteryPictures = 13;
inline constexpr int kPictureWidth = 11;
inline constexpr int kPictureHeight = 26;

// Picture 0: on mains and charging (bolt); 1: on mains and full (plug); 2..11: on battery,
// 20 down to 2 fill rows; 12: empty outline.
std::shared_ptr<const forms::Picture> batteryPicture(int index);

// The picture for a charge on battery: 91-100 gives 2, 81-90 gives 3, ..., 1-10 gives 11,
// 0 or less gives 12.
int batteryPictureIndex(int charge);

}  // namespace clock_panel
