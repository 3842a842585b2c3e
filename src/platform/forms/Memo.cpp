#include "platform/forms/Memo.h"

#include "platform/forms/Application.h"
#include "platform/system/Utf8.h"

namespace platform::forms {

using platform::graphics::clWindow;
using platform::system::AppendUtf8;
using platform::system::NextCodePoint;

TMemo::TMemo(TComponent* owner) : TWinControl(owner) { SetDefaultColor(clWindow); }

void TMemo::SetText(const std::string& text) {
  text_ = text;
  Changed(TChange::Text);
  if (OnChange) {
    OnChange(this);
  }
}

void TMemo::SetTextBuf(const char* buffer) { SetText(buffer != nullptr ? std::string(buffer) : std::string()); }

void TMemo::Clear() {
  if (!text_.empty()) {
    SetText(std::string());
  }
}

std::vector<std::string> TMemo::Lines() const {
  std::vector<std::string> lines;
  if (text_.empty()) {
    return lines;
  }
  std::size_t start = 0;
  for (;;) {
    const std::size_t lineFeed = text_.find('\n', start);
    if (lineFeed == std::string::npos) {
      lines.push_back(text_.substr(start));
      break;
    }
    std::size_t end = lineFeed;
    if (end > start && text_[end - 1] == '\r') {
      --end;
    }
    lines.push_back(text_.substr(start, end - start));
    start = lineFeed + 1;
    if (start == text_.size()) {
      break;
    }
  }
  return lines;
}

void TMemo::SetWordWrap(bool wordWrap) {
  if (wordWrap != wordWrap_) {
    wordWrap_ = wordWrap;
    Changed(TChange::Appearance);
  }
}

void TMemo::SetScrollBars(TScrollStyle scrollBars) {
  if (scrollBars != scrollBars_) {
    scrollBars_ = scrollBars;
    Changed(TChange::Appearance);
  }
}

std::string TMemo::Accepted(const std::string& text) const {
  std::string accepted;
  accepted.reserve(text.size());
  std::size_t index = 0;
  while (index < text.size()) {
    char32_t codePoint = 0;
    if (NextCodePoint(text, index, codePoint) && (!AcceptChar || AcceptChar(codePoint))) {
      AppendUtf8(accepted, codePoint);
    }
  }
  return accepted;
}

bool TMemo::UserEdit(const std::string& newText) {
  bool changed = false;
  Application->Dispatch([&] {
    if (!EnabledInTree()) {
      return;
    }
    std::string accepted = Accepted(newText);
    if (accepted == text_) {
      return;
    }
    text_ = std::move(accepted);
    changed = true;
    Changed(TChange::Text);
    if (OnChange) {
      OnChange(this);
    }
  });
  return changed;
}

bool TMemo::UserType(const std::string& text) { return UserEdit(text_ + text); }

}  // namespace platform::forms
