#include "logic/apply_fog.h"

#include "logic/fog_paths.h"

namespace {

using Blend = void (*)(const std::uint8_t*, std::uint8_t*, const FogColor&);

Blend FastestBlend() {
#if defined(__SSE2__)
  return ProcessorHasAvx2() ? ApplyFogAvx2 : ApplyFogSse2;
#else
  return ApplyFogPortable;
#endif
}

}  // namespace

#if defined(__SSE2__)
bool ProcessorHasAvx2() {
  __builtin_cpu_init();
  return __builtin_cpu_supports("avx2");
}
#endif

void ApplyFog(const std::uint8_t* source, std::uint8_t* destination, const FogColor& color) {
  if (source == nullptr || destination == nullptr) {
    return;
  }
  static const Blend blend = FastestBlend();
  blend(source, destination, color);
}
