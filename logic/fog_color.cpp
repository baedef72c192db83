#include "logic/fog_color.h"

EntityFieldTexts FieldTexts(const FogColor& color) {
  return {std::to_string(color.m_nAlpha), std::to_string(color.m_nRed),
          std::to_string(color.m_nGreen), std::to_string(color.m_nBlue)};
}
