#include "platform/forms/Application.h"

#include "platform/forms/Exception.h"
#include "platform/forms/HeadlessBackend.h"

namespace platform::forms {

namespace {
TApplication applicationInstance;
TScreen screenInstance;

TShiftState ButtonFlag(TMouseButton button) {
  switch (button) {
    case mbLeft:
      return ssLeft;
    case mbRight:
      return ssRight;
    case mbMiddle:
      return ssMiddle;
  }
  return 0;
}
}  // namespace

TApplication* Application = &applicationInstance;
TScreen* Screen = &screenInstance;

TApplication::TApplication() : headless_(std::make_unique<HeadlessBackend>()), backend_(headless_.get()) {}

TApplication::~TApplication() { DestroyForms(); }

void TApplication::Run() {
  if (mainForm_ != nullptr && !terminated_) {
    Dispatch([this] {
      if (!mainForm_->Visible()) {
        mainForm_->Show();
      }
    });
    if (!terminated_) {
      Backend().RunLoop();
    }
  }
  DestroyForms();
}

void TApplication::Terminate() {
  terminated_ = true;
  Backend().QuitLoop();
}

void TApplication::DestroyForms() {
  while (!forms_.empty()) {
    TForm& form = *forms_.back().form;
    if (form.Visible()) {
      Dispatch([&form] { form.Hide(); });
    }
    FormEntry entry = std::move(forms_.back());
    forms_.pop_back();
    if (mainForm_ == &form) {
      mainForm_ = nullptr;
    }
    entry.form.reset();
    entry.clearReference();
  }
  mainForm_ = nullptr;
  terminated_ = false;
  capture_ = nullptr;
  pointer_ = nullptr;
  buttons_ = 0;
}

void TApplication::ShowException(const std::exception& e) { Backend().ShowError(e.what()); }

void TApplication::Dispatch(const std::function<void()>& event) {
  try {
    event();
  } catch (const std::exception& e) {
    ShowException(e);
  } catch (...) {
    ShowException(Exception(""));
  }
}

void TApplication::SetBackend(PlatformBackend* backend) {
  backend_ = backend != nullptr ? backend : headless_.get();
}

TForm& TApplication::AdoptForm(std::unique_ptr<TForm> form, std::function<void()> clearReference) {
  TForm& adopted = *form;
  forms_.push_back({std::move(form), std::move(clearReference)});
  if (mainForm_ == nullptr) {
    mainForm_ = &adopted;
  }
  return adopted;
}

void TApplication::FinishCreate(TForm& form) {
  form.creating_ = false;
  form.announced_ = true;
  Backend().FormCreated(form);
  if (form.OnCreate) {
    Dispatch([&form] { form.OnCreate(&form); });
  }
  if (form.visibleAtCreation_) {
    Dispatch([&form] { form.Show(); });
  }
}

void TApplication::PressButton(TControl* control, TMouseButton button) {
  if (capture_ == nullptr) {
    capture_ = control;
  }
  buttons_ |= ButtonFlag(button);
}

void TApplication::ReleaseButton(TMouseButton button) {
  buttons_ &= ~ButtonFlag(button);
  if (buttons_ == 0) {
    capture_ = nullptr;
  }
}

void TApplication::PointerOver(TControl* control) {
  if (pointer_ == control) return;
  TControl* left = pointer_;
  pointer_ = control;
  if (left != nullptr) left->MouseLeave();
}

void TApplication::ForgetControl(TControl* control) {
  if (pointer_ == control) pointer_ = nullptr;
  if (capture_ == control) {
    capture_ = nullptr;
    buttons_ = 0;
  }
}

int TScreen::Width() const { return Application->Backend().ScreenWidth(); }

int TScreen::Height() const { return Application->Backend().ScreenHeight(); }

}  // namespace platform::forms
