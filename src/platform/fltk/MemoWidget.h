#pragma once

#include <FL/Fl_Text_Buffer.H>
#include <FL/Fl_Text_Editor.H>

#include <functional>
#include <string>

namespace platform::fltk {

// A multi-line editor over its own text buffer. Only the user's edits reach OnUserEdit (with
// the whole new text): setting the text from the program, and selection changes, do not.
// Typed or pasted text passes through Filter first, which returns what may be inserted.
class MemoWidget : public Fl_Text_Editor {
public:
  MemoWidget(int x, int y, int w, int h);
  ~MemoWidget() override;

  // Replaces the whole text without telling OnUserEdit.
  void SetText(const std::string& text);
  std::string Text() const;
  void SetWordWrap(bool wrap);
  void SetScrollBars(bool shown);

  std::function<void(const std::string& text)> OnUserEdit;
  std::function<std::string(const std::string& typed)> Filter;

  int handle(int event) override;

private:
  static void Modified(int position, int inserted, int deleted, int restyled, const char* deletedText, void* self);
  int InsertFiltered(int event);

  Fl_Text_Buffer buffer_;
  bool settingText_ = false;
};

}  // namespace platform::fltk
