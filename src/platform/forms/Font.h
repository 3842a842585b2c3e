#pragma once

#include <string>

#include "platform/graphics/Color.h"

namespace platform::forms {

using platform::graphics::TColor;
using platform::graphics::clWindowText;

class TControl;

// The font of a control: face, character height in pixels (without internal leading), bold and
// colour. Every setter tells the owning control, which then stops following its parent's font.
class TFont {
public:
  TFont() = default;
  explicit TFont(TControl* owner) : owner_(owner) {}
  TFont(const TFont&) = delete;
  TFont& operator=(const TFont&) = delete;

  const std::string& Name() const { return name_; }
  void SetName(const std::string& name);
  int Height() const { return height_; }
  void SetHeight(int height);
  bool Bold() const { return bold_; }
  void SetBold(bool bold);
  TColor Color() const { return color_; }
  void SetColor(TColor color);

  // Copies face, height, style and colour from source, telling the owner once.
  void Assign(const TFont& source);
  bool SameAs(const TFont& other) const;

private:
  friend class TControl;
  // Copies the values without telling the owner: used when a control follows its parent's font.
  void CopyValues(const TFont& source);
  void Notify();

  TControl* owner_ = nullptr;
  std::string name_ = "MS Sans Serif";
  int height_ = 11;
  bool bold_ = false;
  TColor color_ = clWindowText;
};

}  // namespace platform::forms
