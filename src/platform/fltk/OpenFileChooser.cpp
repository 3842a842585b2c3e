#include "platform/fltk/OpenFileChooser.h"

#include <FL/Fl_Native_File_Chooser.H>
#include <FL/fl_ask.H>

#include <filesystem>

#include "platform/fltk/FileFilter.h"

namespace platform::fltk {

std::optional<std::string> RunOpenFileChooser(const std::string& title, const std::string& filter,
                                              const std::string& initialFolder, bool mustExist) {
  const std::string fltkFilter = ToFltkFilter(filter);
  std::string folder = initialFolder;
  for (;;) {
    Fl_Native_File_Chooser chooser(Fl_Native_File_Chooser::BROWSE_FILE);
    chooser.title(title.empty() ? "Открыть" : title.c_str());
    if (!fltkFilter.empty()) chooser.filter(fltkFilter.c_str());
    if (!folder.empty()) chooser.directory(folder.c_str());
    if (chooser.show() != 0 || !chooser.filename() || !*chooser.filename()) return std::nullopt;
    std::string chosen = chooser.filename();
    std::error_code error;
    if (!mustExist || std::filesystem::is_regular_file(chosen, error)) return chosen;
    fl_message_title("Открыть");
    fl_alert("%s\nФайл не найден.\nПроверьте правильность имени файла.", chosen.c_str());
    folder = std::filesystem::path(chosen).parent_path().string();
  }
}

}  // namespace platform::fltk
