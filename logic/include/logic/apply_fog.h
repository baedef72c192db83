#pragma once

#include <cstdint>

#include "logic/fog_color.h"

// Lays the fog over a picture of kPreviewPixelCount pixels: every colour byte b of the source
// becomes the channel's fog part plus trunc((1 - alpha) * b) in the destination. The fourth byte
// of each destination pixel keeps its value and the source is never changed, so every blend
// starts from the clean picture. An alpha above 100 blends as 100 and one below 0 as 0. A
// missing buffer leaves everything untouched.
void ApplyFog(const std::uint8_t* source, std::uint8_t* destination, const FogColor& color);
