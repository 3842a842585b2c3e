#include "platform/fltk/MemoPeer.h"

#include <FL/Fl.H>

#include "platform/fltk/Bevels.h"
#include "platform/fltk/FltkColor.h"
#include "platform/fltk/MemoWidget.h"
#include "platform/forms/Application.h"
#include "platform/forms/Memo.h"

namespace platform::fltk {

using platform::forms::Application;
using enum platform::forms::TScrollStyle;
using platform::graphics::TPoint;

std::string ToEditorText(const std::string& modelText) {
  std::string text;
  text.reserve(modelText.size());
  for (std::size_t i = 0; i < modelText.size(); ++i) {
    if (modelText[i] == '\r') {
      text += '\n';
      if (i + 1 < modelText.size() && modelText[i + 1] == '\n') ++i;
    } else {
      text += modelText[i];
    }
  }
  return text;
}

std::string ToModelText(const std::string& editorText) {
  std::string text;
  text.reserve(editorText.size() + editorText.size() / 16);
  for (char c : editorText) {
    if (c == '\n') text += '\r';
    text += c;
  }
  return text;
}

namespace {

class MemoPeer : public WidgetPeer {
public:
  explicit MemoPeer(TMemo& memo) : WidgetPeer(memo, NewEditor(memo)), memo_(memo), view_(static_cast<MemoWidget&>(*widget_)) {
    view_.box(ClassicFieldBox());
    view_.Filter = [&memo](const std::string& typed) { return ToEditorText(memo.Accepted(typed)); };
    view_.OnUserEdit = [this](const std::string& text) {
      Application->Dispatch([this, text] { memo_.UserEdit(ToModelText(text)); });
      // Should the model have kept other text than the editor shows, the editor follows it
      // once the buffer has finished its own change.
      if (ToEditorText(memo_.Text()) != text) Fl::add_timeout(0.0, &MemoPeer::Resync, this);
    };
  }
  ~MemoPeer() override { Fl::remove_timeout(&MemoPeer::Resync, this); }

protected:
  void Apply(TChange change) override {
    if (change == TChange::Text) view_.SetText(ToEditorText(memo_.Text()));
    if (change == TChange::Color) {
      view_.color(ToFlColor(memo_.Color()));
      view_.redraw();
    }
    if (change == TChange::Font) {
      view_.textfont(view_.labelfont());
      view_.textsize(view_.labelsize());
      view_.textcolor(view_.labelcolor());
      view_.redraw();
    }
    if (change == TChange::Appearance) {
      view_.SetWordWrap(memo_.WordWrap());
      view_.SetScrollBars(memo_.ScrollBars() != ssNone);
    }
  }

private:
  static void Resync(void* self) {
    auto& peer = *static_cast<MemoPeer*>(self);
    peer.view_.SetText(ToEditorText(peer.memo_.Text()));
  }

  static MemoWidget* NewEditor(const TMemo& memo) {
    Fl_Group::current(nullptr);
    const TPoint origin = memo.OriginInForm();
    return new MemoWidget(origin.X, origin.Y, memo.Width(), memo.Height());
  }

  TMemo& memo_;
  MemoWidget& view_;
};

}

std::unique_ptr<WidgetPeer> MakeMemoPeer(TMemo& memo) { return std::make_unique<MemoPeer>(memo); }

}  // namespace platform::fltk
