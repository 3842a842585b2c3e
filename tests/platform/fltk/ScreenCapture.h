#pragma once

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <stdexcept>

#include "platform/graphics/Bitmap.h"

using platform::graphics::RGBColor;
using platform::graphics::TBitmap;

// Reads what the X server shows in a rectangle of the root window (DISPLAY), windows on
// top included, as a TBitmap. Needs a 24-bit true-colour screen such as XvfbDisplay's.
inline TBitmap CaptureScreen(int x, int y, int width, int height) {
  Display* display = XOpenDisplay(nullptr);
  if (!display) throw std::runtime_error("CaptureScreen: no display");
  XImage* image = XGetImage(display, DefaultRootWindow(display), x, y, unsigned(width), unsigned(height), AllPlanes, ZPixmap);
  if (!image) {
    XCloseDisplay(display);
    throw std::runtime_error("CaptureScreen: XGetImage failed");
  }
  TBitmap shot(width, height);
  for (int row = 0; row < height; ++row)
    for (int column = 0; column < width; ++column) {
      const unsigned long pixel = XGetPixel(image, column, row);
      shot.SetPixel(column, row, RGBColor(std::uint8_t(pixel >> 16), std::uint8_t(pixel >> 8), std::uint8_t(pixel)));
    }
  XDestroyImage(image);
  XCloseDisplay(display);
  return shot;
}
