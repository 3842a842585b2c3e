#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/forms/Forms.h"
#include "platform/forms/HeadlessBackend.h"

using platform::forms::Application;
using platform::forms::HeadlessBackend;
using platform::forms::TChange;
using platform::forms::TControlPeer;

// Every test starts and ends with no forms and a fresh headless backend.
class FormsTest : public ::testing::Test {
protected:
  void SetUp() override {
    Application->SetBackend(nullptr);
    Application->DestroyForms();
    Headless().Reset();
    Headless().SetScreenSize(1280, 1024);
  }
  void TearDown() override {
    Application->DestroyForms();
    Headless().Reset();
  }
  static HeadlessBackend& Headless() { return Application->Headless(); }
};

// Records every change a control reports through its peer.
class RecordingPeer : public TControlPeer {
public:
  explicit RecordingPeer(std::vector<TChange>& log) : log_(log) {}
  void Changed(TChange change) override { log_.push_back(change); }

private:
  std::vector<TChange>& log_;
};
