#pragma once

#include <string>
#include <vector>

#include "platform/forms/Control.h"

namespace platform::forms {

enum TComboBoxStyle { csDropDown, csDropDownList };

// A drop-down list of texts with one selected item.
class TComboBox : public TWinControl {
public:
  explicit TComboBox(TComponent* owner);

  TComboBoxStyle Style() const { return style_; }
  void SetStyle(TComboBoxStyle style);
  const std::vector<std::string>& Items() const { return items_; }
  // Replacing the items clears the selection.
  void SetItems(const std::vector<std::string>& items);
  void AddItem(const std::string& item);
  // -1 when nothing is selected. Setting it runs nothing; an index outside the items selects
  // nothing.
  int ItemIndex() const { return itemIndex_; }
  void SetItemIndex(int index);
  // The selected item's text, or "".
  std::string Text() const;
  int ItemHeight() const { return itemHeight_; }
  void SetItemHeight(int height);

  // Runs only on the user's choice.
  TNotifyEvent OnChange;

  // The user chooses item index from the list: selects it and runs OnChange, also when it was
  // selected already. Nothing happens on a disabled box or an index outside the items.
  void UserSelect(int index);

private:
  TComboBoxStyle style_ = csDropDown;
  std::vector<std::string> items_;
  int itemIndex_ = -1;
  int itemHeight_ = 13;
};

}  // namespace platform::forms
