#include "platform/fltk/MemoWidget.h"

#include <FL/Fl.H>
#include <FL/fl_ask.H>

namespace platform::fltk {

MemoWidget::MemoWidget(int x, int y, int w, int h) : Fl_Text_Editor(x, y, w, h) {
  buffer(&buffer_);
  buffer_.add_modify_callback(&MemoWidget::Modified, this);
  wrap_mode(WRAP_AT_BOUNDS, 0);
}

MemoWidget::~MemoWidget() {
  buffer_.remove_modify_callback(&MemoWidget::Modified, this);
  buffer(nullptr);
}

void MemoWidget::SetText(const std::string& text) {
  if (text == Text()) return;
  settingText_ = true;
  buffer_.text(text.c_str());
  settingText_ = false;
}

std::string MemoWidget::Text() const {
  char* text = const_cast<Fl_Text_Buffer&>(buffer_).text();
  std::string copy = text;
  free(text);
  return copy;
}

void MemoWidget::SetWordWrap(bool wrap) {
  wrap_mode(wrap ? WRAP_AT_BOUNDS : WRAP_NONE, 0);
}

void MemoWidget::SetScrollBars(bool shown) {
  scrollbar_width(shown ? Fl::scrollbar_size() : 0);
  redraw();
}

void MemoWidget::Modified(int, int inserted, int deleted, int, const char*, void* self) {
  auto& memo = *static_cast<MemoWidget*>(self);
  if (memo.settingText_ || (inserted == 0 && deleted == 0) || !memo.OnUserEdit) return;
  memo.OnUserEdit(memo.Text());
}

int MemoWidget::InsertFiltered(int event) {
  const std::string offered(Fl::event_text(), std::size_t(Fl::event_length()));
  const std::string accepted = Filter(offered);
  if (accepted == offered) return Fl_Text_Editor::handle(event);
  if (accepted.empty()) {
    if (event == FL_KEYBOARD) fl_beep();
    return 1;
  }
  if (buffer_.selected()) buffer_.remove_selection();
  insert(accepted.c_str());
  show_insert_position();
  return 1;
}

int MemoWidget::handle(int event) {
  const bool insertsText = (event == FL_PASTE) || (event == FL_KEYBOARD && Fl::event_length() > 0 &&
                                                   static_cast<unsigned char>(Fl::event_text()[0]) >= 0x20 &&
                                                   !(Fl::event_state() & (FL_CTRL | FL_ALT | FL_META)));
  if (insertsText && Filter) return InsertFiltered(event);
  return Fl_Text_Editor::handle(event);
}

}  // namespace platform::fltk
