#pragma once

#include <cstdint>

#include "logic/fog_color.h"

// The ways ApplyFog can blend, all giving the same bytes; ApplyFog takes the fastest this
// processor has. Each takes one preview picture's source and destination, neither null.

// One byte at a time, for processors without a vector path.
void ApplyFogPortable(const std::uint8_t* source, std::uint8_t* destination, const FogColor& color);

#if defined(__SSE2__)
// 16 bytes at a time with SSE2, which every x86-64 processor has.
void ApplyFogSse2(const std::uint8_t* source, std::uint8_t* destination, const FogColor& color);

// 32 bytes at a time with AVX2: only where ProcessorHasAvx2().
void ApplyFogAvx2(const std::uint8_t* source, std::uint8_t* destination, const FogColor& color);
bool ProcessorHasAvx2();
#endif
