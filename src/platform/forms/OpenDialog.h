#pragma once

#include <string>

#include "platform/forms/Component.h"

namespace platform::forms {

// Options of the open dialog, or-ed together.
using TOpenOptions = unsigned;
constexpr TOpenOptions ofReadOnly = 0x01;
constexpr TOpenOptions ofHideReadOnly = 0x02;
constexpr TOpenOptions ofFileMustExist = 0x04;
constexpr TOpenOptions ofEnableSizing = 0x08;

// The file open dialog, run through the Application's backend.
class TOpenDialog : public TComponent {
public:
  explicit TOpenDialog(TComponent* owner);

  const std::string& FileName() const { return fileName_; }
  void SetFileName(const std::string& fileName) { fileName_ = fileName; }
  // "description|pattern" pairs joined by "|", e.g. "Diagr.Files(*.dgr)|*.dgr".
  const std::string& Filter() const { return filter_; }
  void SetFilter(const std::string& filter) { filter_ = filter; }
  const std::string& InitialDir() const { return initialDir_; }
  void SetInitialDir(const std::string& folder) { initialDir_ = folder; }
  TOpenOptions Options() const { return options_; }
  void SetOptions(TOpenOptions options) { options_ = options; }
  bool HasOption(TOpenOptions option) const { return (options_ & option) != 0; }
  const std::string& Title() const { return title_; }
  void SetTitle(const std::string& title) { title_ = title; }

  // Runs the modal dialog. When the user chooses a file, FileName becomes its path and the
  // result is true; when the user cancels, FileName stays and the result is false.
  bool Execute();

private:
  std::string fileName_;
  std::string filter_;
  std::string initialDir_;
  TOpenOptions options_ = ofHideReadOnly | ofEnableSizing;
  std::string title_;
};

}  // namespace platform::forms
