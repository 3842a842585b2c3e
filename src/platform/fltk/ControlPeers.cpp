#include "platform/fltk/ControlPeers.h"

#include <FL/Fl_Choice.H>
#include <FL/Fl_Scrollbar.H>

#include <algorithm>

#include "platform/fltk/BevelWidget.h"
#include "platform/fltk/CheckWidget.h"
#include "platform/fltk/FltkColor.h"
#include "platform/fltk/Fonts.h"
#include "platform/fltk/ImageWidget.h"
#include "platform/fltk/PanelWidget.h"
#include "platform/fltk/PushButtonWidget.h"
#include "platform/fltk/SpeedButtonWidget.h"
#include "platform/fltk/StaticTextWidget.h"
#include "platform/fltk/TextDrawing.h"
#include "platform/forms/Application.h"
#include "platform/forms/Button.h"
#include "platform/forms/CheckBox.h"
#include "platform/forms/ComboBox.h"
#include "platform/forms/Image.h"
#include "platform/forms/Label.h"
#include "platform/forms/Panel.h"
#include "platform/forms/RadioButton.h"
#include "platform/forms/ScrollBar.h"
#include "platform/forms/SpeedButton.h"
#include "platform/forms/StaticText.h"

namespace platform::fltk {

using platform::forms::Application;
using platform::forms::TAlignment;
using platform::forms::TBevelCut;
using platform::forms::TCheckableControl;
using platform::forms::TStaticBorderStyle;
using enum platform::forms::TAlignment;
using enum platform::forms::TBevelCut;
using enum platform::forms::TScrollBarKind;
using enum platform::forms::TStaticBorderStyle;
using platform::graphics::TPoint;

namespace {

Fl_Align ToFlAlign(TAlignment alignment) {
  switch (alignment) {
  case taLeftJustify:
    return FL_ALIGN_LEFT;
  case taRightJustify:
    return FL_ALIGN_RIGHT;
  case taCenter:
    break;
  }
  return FL_ALIGN_CENTER;
}

BevelStyle ToBevelStyle(TBevelCut cut) {
  switch (cut) {
  case bvRaised:
    return BevelStyle::Raised;
  case bvLowered:
    return BevelStyle::Lowered;
  case bvNone:
    break;
  }
  return BevelStyle::Off;
}

// The widget is created outside any group; the factory inserts it into its parent's.
template <class W, class... Args>
W* NewWidget(const TControl& control, Args... args) {
  Fl_Group::current(nullptr);
  const TPoint origin = control.OriginInForm();
  return new W(args..., origin.X, origin.Y, control.Width(), control.Height());
}

template <class C, class W>
class TypedPeer : public WidgetPeer {
public:
  TypedPeer(C& control, W* widget) : WidgetPeer(control, widget), model_(control), view_(*widget) {}

protected:
  C& model_;
  W& view_;
};

class PanelPeer : public TypedPeer<TPanel, PanelWidget> {
public:
  explicit PanelPeer(TPanel& panel) : TypedPeer(panel, NewWidget<PanelWidget>(panel)) { holdsChildWidgets_ = true; }
  Fl_Group* ChildGroup() const override { return &view_; }

protected:
  void Apply(TChange change) override {
    if (change == TChange::Appearance)
      view_.SetBevels(ToBevelStyle(model_.BevelOuter()), ToBevelStyle(model_.BevelInner()), model_.BevelWidth(),
                      model_.BorderWidth());
    if (change == TChange::Appearance || change == TChange::Text)
      view_.SetCaption(model_.Caption(), ToFlAlign(model_.Alignment()));
    if (change == TChange::Color) view_.SetFace(model_.Color());
  }
};

class ImagePeer : public TypedPeer<TImage, ImageWidget> {
public:
  explicit ImagePeer(TImage& image) : TypedPeer(image, NewWidget<ImageWidget>(image)) {}

protected:
  void Apply(TChange change) override {
    if (change == TChange::Picture)
      view_.SetPicture(model_.HasPicture() ? &model_.Picture() : nullptr, model_.Transparent());
  }
};

class StaticTextPeer : public TypedPeer<TStaticText, StaticTextWidget> {
public:
  explicit StaticTextPeer(TStaticText& text) : TypedPeer(text, NewWidget<StaticTextWidget>(text)) {}

protected:
  void Apply(TChange change) override {
    if (change == TChange::Text) view_.SetText(model_.Caption());
    if (change == TChange::Color) view_.SetFace(model_.Color());
    if (change == TChange::Appearance) {
      view_.SetAlignment(ToFlAlign(model_.Alignment()));
      const TStaticBorderStyle border = model_.BorderStyle();
      view_.SetBorder(border == sbsSunken   ? StaticTextWidget::Border::Sunken
                      : border == sbsSingle ? StaticTextWidget::Border::Single
                                            : StaticTextWidget::Border::Off);
    }
  }
};

// A label sizes itself to its caption, as the old platform's labels did, so a caption that this
// font sets wider than the designed one is not cut.
class LabelPeer : public TypedPeer<TLabel, StaticTextWidget> {
public:
  explicit LabelPeer(TLabel& label) : TypedPeer(label, NewWidget<StaticTextWidget>(label)) {}

  void ApplyBounds() override {
    TypedPeer::ApplyBounds();
    const int textWidth = TextWidth(model_.Caption(), view_.labelfont(), view_.labelsize()) + 1;
    if (textWidth > view_.w()) view_.size(textWidth, view_.h());
  }

protected:
  void Apply(TChange change) override {
    if (change == TChange::Text) view_.SetText(model_.Caption());
    if (change == TChange::Color) view_.SetFace(model_.Color());
    if (change == TChange::Appearance) view_.SetAlignment(ToFlAlign(model_.Alignment()));
    if (change == TChange::Text || change == TChange::Font) ApplyBounds();
  }
};

class BevelPeer : public TypedPeer<TBevel, BevelWidget> {
public:
  explicit BevelPeer(TBevel& bevel) : TypedPeer(bevel, NewWidget<BevelWidget>(bevel)) {}

protected:
  void Apply(TChange change) override {
    if (change == TChange::Appearance) view_.SetShape(model_.Shape(), model_.Style());
  }
};

class SpeedButtonPeer : public TypedPeer<TSpeedButton, SpeedButtonWidget> {
public:
  explicit SpeedButtonPeer(TSpeedButton& button) : TypedPeer(button, NewWidget<SpeedButtonWidget>(button)) {
    view_.OnClick = [&button] { Application->Dispatch([&button] { button.UserClick(); }); };
  }

protected:
  void Apply(TChange change) override {
    if (change == TChange::Text) view_.SetCaption(model_.Caption());
    if (change == TChange::Down) view_.SetDown(model_.Down());
    if (change == TChange::Color) view_.SetFace(model_.Color());
    if (change == TChange::Appearance) {
      view_.SetFlat(model_.Flat());
      const TBitmap& glyph = model_.Glyph();
      view_.SetGlyph(glyph.Width() > 0 && glyph.Height() > 0 ? &glyph : nullptr);
    }
  }
};

class CheckPeer : public TypedPeer<TCheckableControl, CheckWidget> {
public:
  CheckPeer(TCheckableControl& control, CheckWidget::Kind kind)
      : TypedPeer(control, NewWidget<CheckWidget>(control, kind)) {
    view_.OnClick = [&control] { Application->Dispatch([&control] { control.UserClick(); }); };
  }

protected:
  void Apply(TChange change) override {
    if (change == TChange::Text) view_.SetCaption(model_.Caption());
    if (change == TChange::Checked) view_.SetChecked(model_.Checked());
    if (change == TChange::Color) view_.SetFace(model_.Color());
    if (change == TChange::Appearance) view_.SetCaptionLeft(model_.Alignment() == taLeftJustify);
  }
};

class ButtonPeer : public TypedPeer<TButton, PushButtonWidget> {
public:
  explicit ButtonPeer(TButton& button) : TypedPeer(button, NewWidget<PushButtonWidget>(button)) {
    view_.OnClick = [&button] { Application->Dispatch([&button] { button.UserClick(); }); };
  }

protected:
  void Apply(TChange change) override {
    if (change == TChange::Text) view_.SetCaption(model_.Caption());
  }
};

// Menu texts are paths to FLTK: '/', '\\', '&' and '_' need escaping to show as they are.
std::string MenuLabel(const std::string& text) {
  std::string label;
  for (char c : text) {
    if (c == '/' || c == '\\' || c == '_') label += '\\';
    if (c == '&') label += '&';
    label += c;
  }
  return label;
}

class ComboBoxPeer : public TypedPeer<TComboBox, Fl_Choice> {
public:
  explicit ComboBoxPeer(TComboBox& box) : TypedPeer(box, NewWidget<Fl_Choice>(box)) {
    view_.down_box(FL_FLAT_BOX);
    view_.when(FL_WHEN_RELEASE | FL_WHEN_NOT_CHANGED);
    view_.callback([](Fl_Widget* widget, void* data) {
      auto& model = *static_cast<TComboBox*>(data);
      const int index = static_cast<Fl_Choice*>(widget)->value();
      Application->Dispatch([&model, index] { model.UserSelect(index); });
    }, &box);
  }

protected:
  void Apply(TChange change) override {
    if (change == TChange::Font) {
      view_.textfont(view_.labelfont());
      view_.textsize(view_.labelsize());
      view_.textcolor(view_.labelcolor());
    }
    if (change == TChange::Color) view_.color(ToFlColor(model_.Color()));
    if (change == TChange::Items) {
      view_.clear();
      for (const std::string& item : model_.Items()) view_.add(MenuLabel(item).c_str(), 0, nullptr, nullptr, 0);
    }
    if (change == TChange::Items || change == TChange::ItemIndex) {
      const int index = model_.ItemIndex();
      if (index >= 0 && index < view_.size() - 1)
        view_.value(index);
      else
        view_.value(static_cast<const Fl_Menu_Item*>(nullptr));
      view_.redraw();
    }
  }
};

class ScrollBarPeer : public TypedPeer<TScrollBar, Fl_Scrollbar> {
public:
  explicit ScrollBarPeer(TScrollBar& bar) : TypedPeer(bar, NewWidget<Fl_Scrollbar>(bar)) {
    view_.callback([](Fl_Widget* widget, void* data) {
      auto& model = *static_cast<TScrollBar*>(data);
      const int position = int(static_cast<Fl_Scrollbar*>(widget)->value());
      if (position != model.Position()) Application->Dispatch([&model, position] { model.UserSetPosition(position); });
    }, &bar);
  }

protected:
  void Apply(TChange change) override {
    if (change == TChange::Appearance) view_.type(model_.Kind() == sbHorizontal ? FL_HORIZONTAL : FL_VERTICAL);
    if (change == TChange::Scroll || change == TChange::Appearance) {
      // Positions run from Min to Max; the thumb is PageSize long (at least one step).
      const int size = std::max(model_.PageSize(), 1);
      view_.value(model_.Position(), size, model_.Min(), model_.Max() - model_.Min() + size);
      view_.linesize(std::max(model_.SmallChange(), 1));
      view_.redraw();
    }
  }
};

}

std::unique_ptr<WidgetPeer> MakePanelPeer(TPanel& panel) { return std::make_unique<PanelPeer>(panel); }
std::unique_ptr<WidgetPeer> MakeImagePeer(TImage& image) { return std::make_unique<ImagePeer>(image); }
std::unique_ptr<WidgetPeer> MakeStaticTextPeer(TStaticText& text) { return std::make_unique<StaticTextPeer>(text); }
std::unique_ptr<WidgetPeer> MakeLabelPeer(TLabel& label) { return std::make_unique<LabelPeer>(label); }
std::unique_ptr<WidgetPeer> MakeBevelPeer(TBevel& bevel) { return std::make_unique<BevelPeer>(bevel); }
std::unique_ptr<WidgetPeer> MakeSpeedButtonPeer(TSpeedButton& button) {
  return std::make_unique<SpeedButtonPeer>(button);
}
std::unique_ptr<WidgetPeer> MakeRadioButtonPeer(TRadioButton& button) {
  return std::make_unique<CheckPeer>(button, CheckWidget::Kind::Radio);
}
std::unique_ptr<WidgetPeer> MakeCheckBoxPeer(TCheckBox& box) {
  return std::make_unique<CheckPeer>(box, CheckWidget::Kind::CheckBox);
}
std::unique_ptr<WidgetPeer> MakeButtonPeer(TButton& button) { return std::make_unique<ButtonPeer>(button); }
std::unique_ptr<WidgetPeer> MakeComboBoxPeer(TComboBox& box) { return std::make_unique<ComboBoxPeer>(box); }
std::unique_ptr<WidgetPeer> MakeScrollBarPeer(TScrollBar& bar) { return std::make_unique<ScrollBarPeer>(bar); }

}  // namespace platform::fltk
