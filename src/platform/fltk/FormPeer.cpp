#include "platform/fltk/FormPeer.h"

#include <FL/Fl_RGB_Image.H>

#include <vector>

#include "platform/fltk/FltkColor.h"
#include "platform/fltk/FormWindow.h"
#include "platform/forms/Form.h"

namespace platform::fltk {

using platform::forms::TFormFrame;
using enum platform::forms::TFormBorderStyle;
using platform::graphics::TBitmap;

namespace {

class FormPeer : public WidgetPeer {
public:
  explicit FormPeer(TForm& form) : WidgetPeer(form, NewWindow(form)), form_(form), window_(static_cast<FormWindow&>(*widget_)) {
    holdsChildWidgets_ = true;
  }
  Fl_Group* ChildGroup() const override { return &window_; }

  void ApplyBounds() override {
    const TFormFrame frame = form_.Frame();
    window_.Place(form_.Left() + frame.Left, form_.Top() + frame.Top, form_.ClientWidth(), form_.ClientHeight(),
                  form_.BorderStyle() == bsSizeToolWin);
    for (int i = 0; i < form_.ControlCount(); ++i)
      if (WidgetPeer* child = PeerOf(*form_.Controls(i))) child->ApplyBounds();
  }

protected:
  void Apply(TChange change) override {
    switch (change) {
    case TChange::Text:
      window_.copy_label(form_.Caption().c_str());
      break;
    case TChange::Color:
      window_.color(ToFlColor(form_.Color()));
      window_.redraw();
      break;
    case TChange::Appearance:
      ApplyIcon();
      ApplyBounds();
      break;
    case TChange::BringToFront:
      if (form_.Visible()) window_.show();
      break;
    default:
      break;
    }
  }

private:
  static FormWindow* NewWindow(TForm& form) {
    Fl_Group::current(nullptr);
    const TFormFrame frame = form.Frame();
    return new FormWindow(form, form.Left() + frame.Left, form.Top() + frame.Top, form.ClientWidth(),
                          form.ClientHeight());
  }

  void ApplyIcon() {
    const TBitmap& icon = form_.Icon();
    if (icon.Width() <= 0 || icon.Height() <= 0) return;
    std::vector<unsigned char> rgba;
    rgba.reserve(std::size_t(icon.Width() * icon.Height() * 4));
    for (int y = 0; y < icon.Height(); ++y)
      for (int x = 0; x < icon.Width(); ++x) {
        const TColor color = icon.Pixel(x, y);
        rgba.insert(rgba.end(), {RedOf(color), GreenOf(color), BlueOf(color), 255});
      }
    // The window keeps its own copy of the icon.
    const Fl_RGB_Image image(rgba.data(), icon.Width(), icon.Height(), 4);
    window_.icon(&image);
  }

  TForm& form_;
  FormWindow& window_;
};

}

std::unique_ptr<WidgetPeer> MakeFormPeer(TForm& form) { return std::make_unique<FormPeer>(form); }

}  // namespace platform::fltk
