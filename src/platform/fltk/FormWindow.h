#pragma once

#include <FL/Fl_Double_Window.H>

namespace platform::forms {
class TForm;
}  // namespace platform::forms

namespace platform::fltk {

using platform::forms::TForm;

// The FLTK window of a form; its client area is the window, whose frame the window manager
// draws. Mouse input that no widget takes (on images, panels, texts) goes to the form's
// user-input methods, which find the control under the pointer or the one holding the capture.
// The pointer shows the cursor of that control. The close button asks the form to close; a move
// or resize by the user or the window manager reaches the form as outer figures computed with
// the form's own frame widths.
class FormWindow : public Fl_Double_Window {
public:
  FormWindow(TForm& form, int x, int y, int w, int h);

  int handle(int event) override;
  void resize(int x, int y, int w, int h) override;

  // Sets place and size from the program, without reporting them back to the form.
  void Place(int x, int y, int w, int h, bool userSizable);
  // Shows the cursor of the control under the pointer (or holding the capture).
  void UpdateCursor();

protected:
  void draw() override;

private:
  void ApplySizeRange();

  TForm& form_;
  bool placing_ = false;
  bool userSizable_ = false;
  bool pointerInside_ = false;
  // A press went to the form (no widget took it): drags and releases follow it there.
  bool mouseHeld_ = false;
  int pointerX_ = 0;
  int pointerY_ = 0;
};

}  // namespace platform::fltk
