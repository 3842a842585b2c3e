#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "diagram_file/DiagramFile.h"

namespace dgr {

// When a load fills a read-out: as soon as the header is read, or once the plot is drawn.
enum class ReadoutStep { WithHeader, AfterPlot };

// One read-out of the diagram window: the static text that shows it and what it shows.
struct Readout {
  std::string_view Control;  // the static text's name
  ReadoutStep Step;
  bool EmptiedByLoad;        // a load empties it before it opens the file
  // The text for a file, or nothing when the read-out is hidden, its text then left as it was.
  std::optional<std::string> (*Text)(const DiagramFile& file);
};

// Every read-out of a file's parameters, in the order the tool lists them.
std::span<const Readout> Readouts();

// The text of the read-out shown by control, as Readout::Text gives it. Throws
// std::out_of_range for a name that is no read-out.
std::optional<std::string> ReadoutText(const DiagramFile& file, std::string_view control);

// Caption of the diagram window while a load is under way, and after it.
inline constexpr const char* DiagramCaptionBase = "ДИАГРАММА ДАТЧИКА";
std::string DiagramCaption(const std::string& path);

// The pattern of the record time read-out.
inline constexpr const char* RecordTimePattern = "dd.mm.yy  hh:nn:ss";

}  // namespace dgr
