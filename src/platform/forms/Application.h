#pragma once

#include <exception>
#include <functional>
#include <memory>
#include <vector>

#include "platform/forms/Backend.h"
#include "platform/forms/Form.h"

namespace platform::forms {

class HeadlessBackend;

// The program's application object: creates the forms, runs the message loop, shows exceptions,
// and holds the backend and the mouse capture.
class TApplication {
public:
  TApplication();
  ~TApplication();

  void Initialize() {}

  // Creates a form of class T: constructs it, stores it in reference, runs its OnCreate and then
  // shows it when its constructor set Visible. The first form created becomes the main form.
  template <class T>
  void CreateForm(T*& reference);

  // Shows the main form if it is not shown yet and runs the loop until the main form closes;
  // then destroys all forms (see DestroyForms).
  void Run();
  // Ends the loop (the main form's Close does this).
  void Terminate();
  bool Terminated() const { return terminated_; }
  TForm* MainForm() const { return mainForm_; }
  int FormCount() const { return int(forms_.size()); }
  TForm* Forms(int index) const { return forms_.at(std::size_t(index)).form.get(); }

  // Destroys the forms in reverse order of creation, hiding each one that is still shown (which
  // runs its OnHide) just before it is destroyed, and sets their global pointers to nullptr.
  // Afterwards the Application is as before the first CreateForm.
  void DestroyForms();

  // Shows the exception's message in the backend's error box.
  void ShowException(const std::exception& e);
  // Runs an event from outside (user input, a timer tick): an exception that escapes it is shown
  // with ShowException and goes no further.
  void Dispatch(const std::function<void()>& event);

  // nullptr restores the built-in headless backend. The backend must outlive its use.
  void SetBackend(PlatformBackend* backend);
  PlatformBackend& Backend() { return *backend_; }
  // The built-in headless backend, used until SetBackend installs another.
  HeadlessBackend& Headless() { return *headless_; }

  // The control that holds the mouse capture, or nullptr; and the buttons held.
  TControl* MouseCapture() const { return capture_; }
  TShiftState MouseButtons() const { return buttons_; }
  // The control that had the last mouse move, or nullptr.
  TControl* PointerControl() const { return pointer_; }

private:
  friend class TControl;
  friend class TForm;
  struct FormEntry {
    std::unique_ptr<TForm> form;
    std::function<void()> clearReference;
  };

  void BeginConstruction() { ++constructing_; }
  void EndConstruction() { --constructing_; }
  bool Constructing() const { return constructing_ > 0; }
  TForm& AdoptForm(std::unique_ptr<TForm> form, std::function<void()> clearReference);
  void FinishCreate(TForm& form);
  void PressButton(TControl* control, TMouseButton button);
  void ReleaseButton(TMouseButton button);
  void ForgetControl(TControl* control);
  // The pointer is now over control (nullptr: over none of this program's); the control it
  // was over before is told it left.
  void PointerOver(TControl* control);

  std::unique_ptr<HeadlessBackend> headless_;
  PlatformBackend* backend_ = nullptr;
  std::vector<FormEntry> forms_;
  TForm* mainForm_ = nullptr;
  bool terminated_ = false;
  int constructing_ = 0;
  TControl* capture_ = nullptr;
  TControl* pointer_ = nullptr;
  TShiftState buttons_ = 0;
};

template <class T>
void TApplication::CreateForm(T*& reference) {
  BeginConstruction();
  std::unique_ptr<T> form;
  try {
    form = std::make_unique<T>();
  } catch (...) {
    EndConstruction();
    throw;
  }
  EndConstruction();
  T* created = form.get();
  AdoptForm(std::move(form), [&reference] { reference = nullptr; });
  reference = created;
  FinishCreate(*created);
}

// The desktop, as the backend reports it.
class TScreen {
public:
  int Width() const;
  int Height() const;
};

extern TApplication* Application;
extern TScreen* Screen;

}  // namespace platform::forms
