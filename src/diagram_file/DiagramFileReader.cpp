#include <algorithm>
#include <bit>
#include <cerrno>
#include <sys/stat.h>

#include "diagram_file/DiagramFile.h"
#include "platform/system/Files.h"

namespace dgr {

using platform::system::FileClose;
using platform::system::FileOpen;
using platform::system::FileRead;
using platform::system::FileSeek;
using platform::system::fmOpenRead;

const char* ReadStatusText(ReadStatus status) {
  switch (status) {
    case ReadStatus::Ok: return "ok";
    case ReadStatus::Missing: return "no such file";
    case ReadStatus::Folder: return "is a folder";
    case ReadStatus::CannotOpen: return "cannot be opened";
    case ReadStatus::SegmentCountOutOfRange: return "segment count out of range";
  }
  return "cannot be opened";
}

namespace {

std::uint32_t Little(const std::uint8_t* at, int size) {
  std::uint32_t value = 0;
  for (int i = size - 1; i >= 0; --i) value = (value << 8) | at[i];
  return value;
}

std::uint32_t Big(const std::uint8_t* at, int size) {
  std::uint32_t value = 0;
  for (int i = 0; i < size; ++i) value = (value << 8) | at[i];
  return value;
}

float BigFloat(const std::uint8_t* at) { return std::bit_cast<float>(Big(at, 4)); }

// Why an open of path failed, judged after the fact.
ReadStatus OpenFailure(const std::string& path) {
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0) return errno == ENOENT || errno == ENOTDIR ? ReadStatus::Missing : ReadStatus::CannotOpen;
  return S_ISDIR(info.st_mode) ? ReadStatus::Folder : ReadStatus::CannotOpen;
}

// Reads size bytes at offset into out; what lies beyond the end of the file stays 0.
void ReadAt(int handle, std::int64_t offset, std::uint8_t* out, std::size_t size) {
  std::fill(out, out + size, std::uint8_t{0});
  if (size > 0 && FileSeek(handle, offset, 0) == offset) FileRead(handle, out, size);
}

}  // namespace

DiagramFileReader::DiagramFileReader(const std::string& path) {
  handle_ = FileOpen(path, fmOpenRead);
  if (handle_ <= 0) {
    handle_ = 0;
    status_ = OpenFailure(path);
    return;
  }
  const std::int64_t fileSize = std::max<std::int64_t>(FileSeek(handle_, 0, 2), 0);

  std::uint8_t header[64];
  ReadAt(handle_, 0, header, sizeof header);
  DiagramFile& f = file_;
  f.HeaderLength = Little(header, 4);
  f.SegmentCount = static_cast<std::int32_t>(Little(header + 4, 4));
  if (f.SegmentCount < 0 || f.SegmentCount > MaxSegments) {
    Close();
    status_ = ReadStatus::SegmentCountOutOfRange;
    return;
  }
  f.FuelLevelWhole = static_cast<std::uint16_t>(Big(header + 8, 2));
  f.FuelLevelTenths = header[10];
  f.FuelLevelTag = header[11];
  f.WaterLevelWhole = static_cast<std::uint16_t>(Big(header + 12, 2));
  f.WaterLevelTenths = header[14];
  f.WaterLevelTag = header[15];
  f.FuelTangent = BigFloat(header + 18);
  f.FuelSegment = static_cast<std::uint16_t>(Big(header + 22, 2));
  f.NoiseValue = BigFloat(header + 26);
  f.AirValue = static_cast<std::uint16_t>(Big(header + 30, 2));
  f.ScaleValue = static_cast<std::uint16_t>(Big(header + 32, 2));
  f.DeltaValue = BigFloat(header + 42);
  f.FuelAddition = BigFloat(header + 46);
  f.WaterSegment = static_cast<std::uint16_t>(Big(header + 50, 2));
  if (f.HeaderLength >= 62) {
    f.HasRecordTime = true;
    f.RecordTime = std::bit_cast<double>(std::uint64_t{Little(header + 52, 4)} | std::uint64_t{Little(header + 56, 4)} << 32);
    f.SensorAddress = header[60];
    f.SiteType = header[61];
  }
  if (f.HeaderLength >= 64) f.LevelCorrection = static_cast<std::int16_t>(Little(header + 62, 2));

  const auto count = static_cast<std::size_t>(f.SegmentCount);
  std::int64_t position = f.HeaderLength;
  for (auto* array : {&f.CodeData, &f.FuelData, &f.AirData}) {
    array->resize(count);
    ReadAt(handle_, position, array->data(), count);
    position += f.SegmentCount;
  }
  if (fileSize > position) {
    f.Comment.resize(static_cast<std::size_t>(std::min(fileSize - position, MaxCommentBytes)));
    ReadAt(handle_, position, f.Comment.data(), f.Comment.size());
  }
  status_ = ReadStatus::Ok;
}

DiagramFileReader::~DiagramFileReader() { Close(); }

void DiagramFileReader::Close() {
  if (handle_ > 0) FileClose(handle_);
  handle_ = 0;
}

ReadStatus ReadDiagramFile(const std::string& path, DiagramFile& file) {
  DiagramFileReader reader(path);
  if (reader.Ok()) file = std::move(reader.File());
  return reader.Status();
}

}  // namespace dgr
