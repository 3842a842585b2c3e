#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "diagram_file/FileIdentity.h"
#include "diagram_file/SegmentArrays.h"

namespace dgr {

// Largest segment count a diagram file may announce; larger (or negative) counts are refused
// so that no file can make the program allocate without bound.
constexpr std::int32_t MaxSegments = 16384;

// Most bytes of a comment area that are read: a longer area (no real comment is) is shown cut,
// so that no file can make the program hold more than this of it. Reading stops earlier at the
// first zero byte, where the shown comment ends.
constexpr std::int64_t MaxCommentBytes = 16 << 20;

// Smallest header that holds the parameter block; the comment area never starts inside it.
constexpr std::uint32_t MinHeaderLength = 52;

// One parsed .dgr file: the header fields, the three segment arrays and the comment area.
struct DiagramFile : SegmentArrays {
  std::uint32_t HeaderLength = 0;
  std::int32_t SegmentCount = 0;

  // Parameter block, file offsets 8 to 51.
  std::uint16_t FuelLevelWhole = 0;
  std::uint8_t FuelLevelTenths = 0;
  std::uint8_t FuelLevelTag = 0;
  std::uint16_t WaterLevelWhole = 0;
  std::uint8_t WaterLevelTenths = 0;
  std::uint8_t WaterLevelTag = 0;
  float FuelTangent = 0;
  std::uint16_t FuelSegment = 0;
  float NoiseValue = 0;
  std::uint16_t AirValue = 0;
  std::uint16_t ScaleValue = 0;
  float DeltaValue = 0;
  float FuelAddition = 0;
  std::uint16_t WaterSegment = 0;

  // Present when HeaderLength >= 62.
  bool HasRecordTime = false;
  double RecordTime = 0;
  std::uint8_t SensorAddress = 0;
  std::uint8_t SiteType = 0;  // 0 when absent
  // Present when HeaderLength >= 64.
  std::int16_t LevelCorrection = 0;  // 0 when absent

  // The comment area's bytes up to and including its first zero byte (what follows is never shown
  // and a save replaces it), empty when the file has none.
  std::vector<std::uint8_t> Comment;

  bool operator==(const DiagramFile&) const = default;
};

// Why a read failed. A file announcing a SegmentCount below 0 or above MaxSegments is refused
// as if it could not be opened.
enum class ReadStatus { Ok, Missing, Folder, CannotOpen, SegmentCountOutOfRange };

// Text for a failed read, for messages of the command-line tool.
const char* ReadStatusText(ReadStatus status);

// Opens a diagram file for reading without sharing and parses it whole. The file stays open
// (so nobody else can open it) until Close() or destruction: loading fills the comment window
// while it still holds the file. A failed read holds nothing open.
//
// Reading: HeaderLength and SegmentCount from offset 0, the parameter block always from offset
// 8, RecordTime, SensorAddress and SiteType when HeaderLength >= 62, LevelCorrection when
// HeaderLength >= 64 (compared unsigned); the three arrays from offset HeaderLength; the
// comment is what follows the arrays up to its first zero byte. Bytes that lie beyond the end of
// the file read as 0. A good read also takes the file's identity, for the check of a later save.
class DiagramFileReader {
public:
  explicit DiagramFileReader(const std::string& path);
  ~DiagramFileReader();
  DiagramFileReader(const DiagramFileReader&) = delete;
  DiagramFileReader& operator=(const DiagramFileReader&) = delete;

  ReadStatus Status() const { return status_; }
  // Why a read failed, in words, with the system's reason where it gave one.
  const std::string& Problem() const { return problem_; }
  // After a good read: what a save compares to tell whether the file changed since.
  const std::optional<FileIdentity>& Identity() const { return identity_; }
  bool Ok() const { return status_ == ReadStatus::Ok; }
  const DiagramFile& File() const { return file_; }
  DiagramFile& File() { return file_; }
  void Close();

private:
  ReadStatus status_ = ReadStatus::CannotOpen;
  std::string problem_;
  std::optional<FileIdentity> identity_;
  int handle_ = 0;
  DiagramFile file_;
};

// Reads a whole diagram file and closes it. Does not test existence first: a failed open
// reports Missing, Folder or CannotOpen by what the path names.
ReadStatus ReadDiagramFile(const std::string& path, DiagramFile& file);

enum class CommentWriteStatus {
  Written,
  Missing,                 // no file of that path
  CannotOpen,              // a folder, or open elsewhere, or not permitted
  TooShort,                // fewer than 8 bytes
  SegmentCountOutOfRange,  // SegmentCount outside 0 to MaxSegments
  AreaInsideHeader,        // HeaderLength + 3 * SegmentCount below 52
  AreaBeyondEnd,           // HeaderLength + 3 * SegmentCount beyond the end of the file
  Changed,                 // not the file that was loaded: another program changed or replaced it
  WriteFailed,             // the new file could not be written, flushed or renamed over the old one
};

const char* CommentWriteStatusText(CommentWriteStatus status);

// Rewrites the comment area of the file at path with text (written unchanged), so that the file
// ends right after it, all or nothing and without checking for changes since a load
// (dgr::ReplaceCommentArea). Every status but Written leaves the file exactly as it was, unless
// only the final flush of the folder failed after the new file was in place.
CommentWriteStatus RewriteCommentArea(const std::string& path, std::span<const std::uint8_t> text);

// RewriteCommentArea, giving true when the comment area was rewritten.
bool WriteCommentArea(const std::string& path, std::span<const std::uint8_t> text);

}  // namespace dgr
