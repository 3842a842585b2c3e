#pragma once

#include <optional>
#include <string>

namespace platform::forms {

class TControl;
class TForm;
class TOpenDialog;
class TTimer;

// Everything the form library needs from a real screen. The Application holds one backend; the
// headless one serves tests, the FLTK one the program.
class PlatformBackend {
public:
  virtual ~PlatformBackend() = default;

  // Runs the message loop until QuitLoop is called.
  virtual void RunLoop() = 0;
  virtual void QuitLoop() = 0;

  // A form has been constructed with all its controls (before its OnCreate runs): the backend
  // may attach peers to it and its controls (TControl::SetPeer).
  virtual void FormCreated(TForm& form);
  // A control (with any children it holds) was given a parent on a form that has already been
  // created; a peer it had was dropped before.
  virtual void ControlAdded(TControl& control);
  // A form is about to be destroyed; its controls still exist.
  virtual void FormDestroying(TForm& form);

  // Runs the open dialog modally; gives the chosen file's path, or nothing when cancelled.
  virtual std::optional<std::string> ExecuteOpenDialog(const TOpenDialog& dialog) = 0;
  // Runs a message box modally (flags and result as in MessageBox.h).
  virtual int ShowMessageBox(TForm* owner, const std::string& text, const std::string& caption,
                             unsigned flags) = 0;
  // Shows an error box with message.
  virtual void ShowError(const std::string& message) = 0;

  // Starts (or restarts) delivering ticks to timer every timer.Interval() ms through
  // timer.Tick(), until StopTimer.
  virtual void StartTimer(TTimer& timer) = 0;
  virtual void StopTimer(TTimer& timer) = 0;

  virtual int ScreenWidth() = 0;
  virtual int ScreenHeight() = 0;
};

}  // namespace platform::forms
