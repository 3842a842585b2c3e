#pragma once

#include "platform/forms/Backend.h"

namespace platform::fltk {

using platform::forms::PlatformBackend;
using platform::forms::TControl;
using platform::forms::TForm;
using platform::forms::TOpenDialog;
using platform::forms::TTimer;

// The real screen for the form library, through FLTK 1.3 on X11: a window per form, a widget per
// control, FLTK's event loop and timeouts, its file chooser and our own message box. Install it
// before the first form is created; it must outlive the forms:
//   FltkBackend backend;
//   Application->SetBackend(&backend);
// Constructing it opens the display (DISPLAY) and sets up fonts, colours and dialog texts.
class FltkBackend : public PlatformBackend {
public:
  FltkBackend();
  ~FltkBackend() override;

  void RunLoop() override;
  void QuitLoop() override { quit_ = true; }

  void FormCreated(TForm& form) override;
  void ControlAdded(TControl& control) override;
  void FormDestroying(TForm& form) override;

  std::optional<std::string> ExecuteOpenDialog(const TOpenDialog& dialog) override;
  int ShowMessageBox(TForm* owner, const std::string& text, const std::string& caption, unsigned flags) override;
  void ShowError(const std::string& message) override;

  void StartTimer(TTimer& timer) override;
  void StopTimer(TTimer& timer) override;

  int ScreenWidth() override;
  int ScreenHeight() override;

private:
  bool quit_ = false;
};

}  // namespace platform::fltk
