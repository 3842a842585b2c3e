#pragma once

#include <cstdint>

namespace platform::graphics {

// A colour as the old platform wrote it: $00BBGGRR.
using TColor = std::uint32_t;

constexpr std::uint8_t RedOf(TColor c) { return c & 0xFF; }
constexpr std::uint8_t GreenOf(TColor c) { return (c >> 8) & 0xFF; }
constexpr std::uint8_t BlueOf(TColor c) { return (c >> 16) & 0xFF; }
constexpr TColor RGBColor(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
  return TColor(r) | TColor(g) << 8 | TColor(b) << 16;
}

constexpr TColor clBlack = 0x000000;
constexpr TColor clWhite = 0xFFFFFF;
constexpr TColor clAqua = 0xFFFF00;
constexpr TColor clMedGray = 0xA4A0A0;
constexpr TColor clBlue = 0xFF0000;
constexpr TColor clRed = 0x0000FF;
constexpr TColor clGreen = 0x008000;
constexpr TColor clNavy = 0x800000;
// System colours, fixed to the classic desktop scheme so every machine shows the same.
constexpr TColor clBtnFace = RGBColor(212, 208, 200);
constexpr TColor clBtnHighlight = RGBColor(255, 255, 255);
constexpr TColor clBtnShadow = RGBColor(128, 128, 128);
constexpr TColor cl3DDkShadow = RGBColor(64, 64, 64);
constexpr TColor clInfoBk = RGBColor(255, 255, 225);
constexpr TColor clWindow = RGBColor(255, 255, 255);
constexpr TColor clWindowText = RGBColor(0, 0, 0);

}  // namespace platform::graphics
