// The reader with every read-out and the caption: any bytes as a file, any bytes as its name.

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>

#include "FuzzFile.h"
#include "diagram_file/CommentText.h"
#include "diagram_file/DiagramFile.h"
#include "diagram_file/Readouts.h"
#include "diagram_file/SiteMode.h"
#include "platform/system/DisplayText.h"
#include "platform/system/Utf8.h"

using dgr::DecideSiteMode;
using dgr::DecodeComment;
using dgr::DiagramCaption;
using dgr::DiagramCaptionBase;
using dgr::DiagramFile;
using dgr::DiagramFileReader;
using dgr::EditorComment;
using dgr::MaxCommentBytes;
using dgr::MaxSegments;
using dgr::Readout;
using dgr::Readouts;
using dgr::ReadStatus;
using dgr::SiteModeDecision;
using platform::system::IsValidUtf8;

namespace {

bool Printable(const std::string& text) {
  return IsValidUtf8(text) && std::none_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7F; });
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const FuzzFolder folder;
  folder.Write({data, size});

  DiagramFileReader reader(folder.File());
  if (!reader.Ok()) {
    FUZZ_CHECK(reader.Status() == ReadStatus::SegmentCountOutOfRange);
    return 0;
  }
  reader.Close();
  const DiagramFile& file = reader.File();
  FUZZ_CHECK(file.SegmentCount >= 0 && file.SegmentCount <= MaxSegments);
  for (const auto* array : {&file.CodeData, &file.FuelData, &file.AirData}) FUZZ_CHECK(array->size() == std::size_t(file.SegmentCount));
  FUZZ_CHECK(file.Comment.size() <= std::size_t(MaxCommentBytes));
  const auto zero = std::find(file.Comment.begin(), file.Comment.end(), std::uint8_t{0});
  FUZZ_CHECK(zero == file.Comment.end() || zero + 1 == file.Comment.end());
  FUZZ_CHECK(reader.Identity() && reader.Identity()->Stamp.Size == static_cast<std::int64_t>(size));

  for (const Readout& readout : Readouts()) {
    const std::optional<std::string> text = readout.Text(file);
    if (text) FUZZ_CHECK(IsValidUtf8(*text));
  }
  FUZZ_CHECK(IsValidUtf8(DecodeComment(file.Comment)));
  FUZZ_CHECK(IsValidUtf8(EditorComment(file.Comment)));
  for (const bool depot : {false, true}) {
    const SiteModeDecision mode = DecideSiteMode(file.SiteType, file.SegmentCount, depot);
    FUZZ_CHECK(mode.GroupSize == 16 || mode.GroupSize == 32);
  }

  // The last bytes of the input stand for a file name, as a folder listing may deliver any.
  const std::string name(reinterpret_cast<const char*>(data) + size - std::min<std::size_t>(size, 24), reinterpret_cast<const char*>(data) + size);
  const std::string caption = DiagramCaption("folder/" + name);
  FUZZ_CHECK(caption.rfind(DiagramCaptionBase, 0) == 0);
  FUZZ_CHECK(Printable(platform::system::EscapedForDisplay(caption)));
  return 0;
}
