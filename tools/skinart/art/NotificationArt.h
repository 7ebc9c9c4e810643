#pragma once
// The background of the pop-up notification: a small card with a light title band, a close box in its top
// right corner and a pale body for the message.

#include "tools/skinart/art/ArtSizes.h"
#include "tools/skinart/raster/RgbImage.h"

#include <string_view>

namespace skinart {

inline constexpr std::string_view kNotificationName = "MSNPOPFORM";
inline constexpr TSize kNotificationSize{181, 116};
// The close box the notification's window reacts to, both corners included: (162, 6) to (175, 19).
inline constexpr int kNotificationCloseLeft = 162;
inline constexpr int kNotificationCloseTop = 6;
inline constexpr int kNotificationCloseSide = 14;

TRgbImage PaintNotification(const TStylePalette& style, const TArtLayout& layout);

} // namespace skinart
