#pragma once

#include <string>
#include <vector>

#include "platform/forms/Control.h"

namespace platform::forms {

// An item of a menu; the caption "-" makes a separator.
class TMenuItem : public TComponent {
public:
  explicit TMenuItem(TComponent* owner);

  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& caption) { caption_ = caption; }
  bool IsSeparator() const { return caption_ == "-"; }
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled) { enabled_ = enabled; }

  TNotifyEvent OnClick;

  // The user chooses the item: runs OnClick when the item is enabled and no separator.
  void UserClick();

private:
  std::string caption_;
  bool enabled_ = true;
};

enum TMenuAutoFlag { maAutomatic, maManual };

// A pop-up menu. It lists its items; nothing shows it unless a control opens it.
class TPopupMenu : public TComponent {
public:
  explicit TPopupMenu(TComponent* owner);

  void Add(TMenuItem* item) { items_.push_back(item); }
  int Count() const { return int(items_.size()); }
  TMenuItem* Items(int index) const { return items_.at(std::size_t(index)); }
  TMenuAutoFlag AutoHotkeys() const { return autoHotkeys_; }
  void SetAutoHotkeys(TMenuAutoFlag flag) { autoHotkeys_ = flag; }

private:
  std::vector<TMenuItem*> items_;
  TMenuAutoFlag autoHotkeys_ = maAutomatic;
};

}  // namespace platform::forms
