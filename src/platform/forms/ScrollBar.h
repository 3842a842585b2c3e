#pragma once

#include "platform/forms/Control.h"

namespace platform::forms {

enum TScrollBarKind { sbHorizontal, sbVertical };

// A scroll bar whose Position stays within [Min, Max]. OnChange runs synchronously, and only
// when the stored position actually changes, whether the program or the user changed it.
class TScrollBar : public TWinControl {
public:
  explicit TScrollBar(TComponent* owner);

  TScrollBarKind Kind() const { return kind_; }
  void SetKind(TScrollBarKind kind);
  int Min() const { return min_; }
  int Max() const { return max_; }
  int Position() const { return position_; }
  int PageSize() const { return pageSize_; }
  int SmallChange() const { return smallChange_; }
  int LargeChange() const { return largeChange_; }

  // Clamps position into [Min, Max].
  void SetPosition(int position);
  // A Max below Min or below PageSize, or a Min above Max, is refused with an Exception and
  // changes nothing. Otherwise a Position outside the new range is clamped into it.
  void SetMin(int min);
  void SetMax(int max);
  void SetParams(int position, int min, int max);
  // A PageSize below 0 or above Max is refused with an Exception.
  void SetPageSize(int pageSize);
  void SetSmallChange(int change);
  void SetLargeChange(int change);

  TNotifyEvent OnChange;

  // The user moves the thumb (by arrows, paging or dragging) to position, clamped into
  // [Min, Max]. Nothing happens on a disabled scroll bar.
  void UserSetPosition(int position);

private:
  TScrollBarKind kind_ = sbHorizontal;
  int min_ = 0;
  int max_ = 100;
  int position_ = 0;
  int pageSize_ = 0;
  int smallChange_ = 1;
  int largeChange_ = 1;
};

}  // namespace platform::forms
