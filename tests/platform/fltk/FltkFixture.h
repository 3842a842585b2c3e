#pragma once

#include <FL/Fl.H>
#include <gtest/gtest.h>

#include <chrono>
#include <functional>

#include "platform/fltk/FltkBackend.h"
#include "platform/forms/Forms.h"
#include "platform/fltk/ScreenCapture.h"
#include "platform/fltk/XvfbDisplay.h"

using platform::fltk::FltkBackend;
using platform::forms::Application;

// Tests on a real X server: one Xvfb and one FLTK backend per test program (FLTK keeps its
// display connection for the life of the process); each test ends with no forms.
class FltkTest : public testing::Test {
protected:
  static void SetUpTestSuite() {
    static XvfbDisplay display;
    static FltkBackend backend;
    Application->SetBackend(&backend);
  }
  static void TearDownTestSuite() { Application->SetBackend(nullptr); }
  void TearDown() override {
    Application->DestroyForms();
    Settle();
  }

  // Lets FLTK handle what is queued and draw, for `ms` milliseconds.
  static void Settle(int ms = 150) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    while (std::chrono::steady_clock::now() < end) Fl::wait(0.01);
  }
  // Runs the FLTK loop until `done` holds or two seconds pass; returns whether it held.
  static bool RunUntil(const std::function<bool()>& done) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(2);
    while (!done() && std::chrono::steady_clock::now() < end) Fl::wait(0.01);
    return done();
  }
};
