#include "diagram_file/DiagramFile.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "diagram_file/ByteEdits.h"
#include "platform/system/Files.h"
#include "platform/system/ScratchFolder.h"

using dgr::DiagramFileReader;
using dgr::EncodeDiagramFile;
using dgr::MaxCommentBytes;
using dgr::MaxSegments;
using dgr::ReadDiagramFile;
using dgr::ReadStatus;
using dgr::ReadStatusText;
using dgr::WriteCommentArea;
using platform::system::FileClose;
using platform::system::FileOpen;
using platform::system::fmOpenRead;
using platform::system::fmOpenReadWrite;

namespace {

// A record whose every field has a distinct value, so a field read from the wrong place shows.
DiagramFile FullRecord(std::uint32_t headerLength) {
  DiagramFile f;
  f.HeaderLength = headerLength;
  f.SegmentCount = 5;
  f.FuelLevelWhole = 1234;
  f.FuelLevelTenths = 5;
  f.FuelLevelTag = 0x0A;
  f.WaterLevelWhole = 300;
  f.WaterLevelTenths = 7;
  f.WaterLevelTag = 0xB2;
  f.FuelTangent = 1.25f;
  f.FuelSegment = 100;
  f.NoiseValue = 0.5f;
  f.AirValue = 321;
  f.ScaleValue = 654;
  f.DeltaValue = -0.75f;
  f.FuelAddition = 2.5f;
  f.WaterSegment = 12;
  f.HasRecordTime = true;
  f.RecordTime = 45000.5;
  f.SensorAddress = 7;
  f.SiteType = 32;
  f.LevelCorrection = -15;
  f.CodeData = {1, 2, 3, 4, 5};
  f.FuelData = {11, 12, 13, 14, 15};
  f.AirData = {21, 22, 23, 24, 25};
  f.Comment = {'h', 'i'};
  return f;
}

TEST(ReadDiagramFile, OptionalFieldsFollowTheHeaderLength) {
  struct Case {
    std::uint32_t headerLength;
    bool hasTimeAndSite;
    bool hasCorrection;
  };
  for (const Case& c : std::vector<Case>{{52, false, false}, {61, false, false}, {62, true, false}, {63, true, false}, {64, true, true}, {70, true, true}}) {
    SCOPED_TRACE(c.headerLength);
    ScratchFolder folder;
    DiagramFile written = FullRecord(c.headerLength);
    std::vector<std::uint8_t> bytes = EncodeDiagramFile(written);
    // Bytes the reader must skip: the gap of a long header, the correction of a 63-byte one.
    for (std::size_t i = 62; i < c.headerLength; ++i) bytes[i] = c.hasCorrection && i < 64 ? bytes[i] : 0xEE;
    DiagramFile read;
    ASSERT_EQ(ReadDiagramFile(folder.Write("a.dgr", bytes), read), ReadStatus::Ok);
    EXPECT_EQ(read.HeaderLength, c.headerLength);
    EXPECT_EQ(read.FuelLevelWhole, 1234);
    EXPECT_EQ(read.WaterSegment, 12);
    EXPECT_EQ(read.HasRecordTime, c.hasTimeAndSite);
    EXPECT_EQ(read.RecordTime, c.hasTimeAndSite ? 45000.5 : 0.0);
    EXPECT_EQ(read.SensorAddress, c.hasTimeAndSite ? 7 : 0);
    EXPECT_EQ(read.SiteType, c.hasTimeAndSite ? 32 : 0);
    EXPECT_EQ(read.LevelCorrection, c.hasCorrection ? -15 : 0);
    EXPECT_EQ(read.CodeData, written.CodeData);
    EXPECT_EQ(read.FuelData, written.FuelData);
    EXPECT_EQ(read.AirData, written.AirData);
    EXPECT_EQ(read.Comment, written.Comment);
  }
}

TEST(ReadDiagramFile, ByteOrderOfTheFields) {
  ScratchFolder folder;
  std::vector<std::uint8_t> bytes(64, 0);
  PutLittle32(bytes, 0, 64);
  const std::vector<std::pair<std::size_t, std::vector<std::uint8_t>>> fields = {
      {8, {0x01, 0x2C}},                                        // FuelLevelWhole 300
      {18, {0x40, 0x49, 0x0F, 0xDB}},                           // FuelTangent pi
      {26, {0x3F, 0x80, 0x00, 0x00}},                           // NoiseValue 1
      {50, {0x12, 0x34}},                                       // WaterSegment
      {52, {0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0xF8, 0x3F}},   // RecordTime 1.5
      {62, {0xF1, 0xFF}}};                                      // LevelCorrection -15
  for (const auto& [offset, value] : fields) std::copy(value.begin(), value.end(), bytes.begin() + static_cast<std::ptrdiff_t>(offset));
  DiagramFile read;
  ASSERT_EQ(ReadDiagramFile(folder.Write("a.dgr", bytes), read), ReadStatus::Ok);
  EXPECT_EQ(read.FuelLevelWhole, 300);
  EXPECT_FLOAT_EQ(read.FuelTangent, 3.1415927f);
  EXPECT_EQ(read.NoiseValue, 1.0f);
  EXPECT_EQ(read.WaterSegment, 0x1234);
  EXPECT_EQ(read.RecordTime, 1.5);
  EXPECT_EQ(read.LevelCorrection, -15);
}

TEST(ReadDiagramFile, GeneratedFilesReadBackAsGenerated) {
  ScratchFolder folder;
  for (std::uint64_t seed = 1; seed <= 30; ++seed) {
    for (std::uint32_t headerLength : {52u, 62u, 64u, 80u}) {
      DiagramFile written = SampleDiagram(static_cast<std::int32_t>(seed * 37 % 600), headerLength, seed % 2 ? "Резервуар 3\nпроверка" : "", seed);
      DiagramFile read;
      ASSERT_EQ(ReadDiagramFile(folder.Write("a.dgr", EncodeDiagramFile(written)), read), ReadStatus::Ok);
      EXPECT_EQ(read, written) << "seed " << seed << " header " << headerLength;
    }
  }
}

TEST(ReadDiagramFile, ShortFilesReadAsIfTheirMissingBytesWereZero) {
  ScratchFolder folder;
  std::vector<std::uint8_t> full = EncodeDiagramFile(FullRecord(64));
  full.resize(full.size() - 2);  // without the comment
  for (std::size_t length = 0; length <= full.size(); ++length) {
    SCOPED_TRACE(length);
    std::vector<std::uint8_t> prefix(full.begin(), full.begin() + static_cast<std::ptrdiff_t>(length));
    std::vector<std::uint8_t> padded = prefix;
    padded.resize(full.size(), 0);
    DiagramFile fromShort;
    DiagramFile fromPadded;
    ASSERT_EQ(ReadDiagramFile(folder.Write("short.dgr", prefix), fromShort), ReadStatus::Ok);
    ASSERT_EQ(ReadDiagramFile(folder.Write("padded.dgr", padded), fromPadded), ReadStatus::Ok);
    // While the header is cut short the arrays move, so the comment is what follows them.
    std::size_t arraysEnd = std::min<std::size_t>(length, fromShort.HeaderLength + 3 * static_cast<std::size_t>(fromShort.SegmentCount));
    EXPECT_EQ(fromShort.Comment, std::vector<std::uint8_t>(prefix.begin() + static_cast<std::ptrdiff_t>(arraysEnd), prefix.end()));
    fromShort.Comment.clear();
    fromPadded.Comment.clear();
    EXPECT_EQ(fromShort, fromPadded);
  }
}

TEST(ReadDiagramFile, HostileHeaderLengths) {
  ScratchFolder folder;
  std::vector<std::uint8_t> bytes = EncodeDiagramFile(FullRecord(64));
  struct Case {
    std::uint32_t headerLength;
    std::vector<std::uint8_t> code;
    std::size_t commentStart;
  };
  const std::vector<Case> cases = {
      {0, {0, 0, 0, 0, 5}, 15},                 // arrays overlap the header
      {40, std::vector<std::uint8_t>(bytes.begin() + 40, bytes.begin() + 45), 55},
      {0xFFFFFFFFu, {0, 0, 0, 0, 0}, bytes.size()},  // arrays far beyond the end
      {0x80000000u, {0, 0, 0, 0, 0}, bytes.size()}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.headerLength);
    PutLittle32(bytes, 0, c.headerLength);
    DiagramFile read;
    ASSERT_EQ(ReadDiagramFile(folder.Write("a.dgr", bytes), read), ReadStatus::Ok);
    EXPECT_EQ(read.HeaderLength, c.headerLength);
    EXPECT_EQ(read.FuelLevelWhole, 1234);
    EXPECT_EQ(read.CodeData, c.code);
    EXPECT_EQ(read.AirData.size(), 5u);
    EXPECT_EQ(read.Comment, ReadPartOfCommentArea({bytes.begin() + static_cast<std::ptrdiff_t>(c.commentStart), bytes.end()}));
  }
}

TEST(ReadDiagramFile, SegmentCountsOutOfRangeAreRefused) {
  ScratchFolder folder;
  std::vector<std::uint8_t> bytes = EncodeDiagramFile(FullRecord(64));
  struct Case {
    std::int32_t count;
    ReadStatus status;
  };
  for (const Case& c : std::vector<Case>{{0, ReadStatus::Ok},
                                         {MaxSegments, ReadStatus::Ok},
                                         {MaxSegments + 1, ReadStatus::SegmentCountOutOfRange},
                                         {-1, ReadStatus::SegmentCountOutOfRange},
                                         {INT32_MIN, ReadStatus::SegmentCountOutOfRange},
                                         {INT32_MAX, ReadStatus::SegmentCountOutOfRange}}) {
    PutLittle32(bytes, 4, static_cast<std::uint32_t>(c.count));
    std::string path = folder.Write("a.dgr", bytes);
    DiagramFileReader reader(path);
    EXPECT_EQ(reader.Status(), c.status) << c.count;
    if (c.status == ReadStatus::Ok) {
      EXPECT_EQ(reader.File().CodeData.size(), static_cast<std::size_t>(c.count));
      reader.Close();
    }
    int handle = FileOpen(path, fmOpenRead);
    EXPECT_GT(handle, 0) << "a refused file is not held open";
    FileClose(handle);
  }
}

TEST(ReadDiagramFile, FailedOpensSayWhy) {
  ScratchFolder folder;
  std::filesystem::create_directory(folder.Path("x.dgr"));
  std::string locked = folder.Write("locked.dgr", EncodeDiagramFile(FullRecord(64)));
  int handle = FileOpen(locked, fmOpenRead);
  ASSERT_GT(handle, 0);
  struct Case {
    std::string path;
    ReadStatus status;
  };
  for (const Case& c : std::vector<Case>{{folder.Path("x.dgr"), ReadStatus::Folder},
                                         {folder.Path("none.dgr"), ReadStatus::Missing},
                                         {folder.Path("none/a.dgr"), ReadStatus::Missing},
                                         {locked, ReadStatus::CannotOpen}}) {
    DiagramFile read;
    EXPECT_EQ(ReadDiagramFile(c.path, read), c.status) << c.path;
    EXPECT_STRNE(ReadStatusText(c.status), "");
  }
  FileClose(handle);
}

TEST(ReadDiagramFile, EmptyFileHasNothing) {
  ScratchFolder folder;
  DiagramFile read;
  ASSERT_EQ(ReadDiagramFile(folder.Write("a.dgr", {}), read), ReadStatus::Ok);
  EXPECT_EQ(read, DiagramFile{});
}

TEST(DiagramFileReader, HoldsTheFileUntilClosed) {
  ScratchFolder folder;
  std::string path = folder.Write("a.dgr", EncodeDiagramFile(FullRecord(64)));
  DiagramFileReader reader(path);
  ASSERT_TRUE(reader.Ok());
  EXPECT_LE(FileOpen(path, fmOpenReadWrite), 0);
  EXPECT_FALSE(WriteCommentArea(path, std::vector<std::uint8_t>{'x'}));
  reader.Close();
  int handle = FileOpen(path, fmOpenReadWrite);
  EXPECT_GT(handle, 0);
  FileClose(handle);
}

}  // namespace

namespace {

TEST(ReadDiagramFile, AHugeCommentAreaIsReadOnlyUpToTheLimit) {
  ScratchFolder folder;
  DiagramFile record = FullRecord(64);
  record.Comment.assign(std::size_t(20) << 20, 'x');
  const std::string path = folder.Write("a.dgr", EncodeDiagramFile(record));
  DiagramFile read;
  ASSERT_EQ(ReadDiagramFile(path, read), ReadStatus::Ok);
  EXPECT_EQ(read.Comment, std::vector<std::uint8_t>(std::size_t(MaxCommentBytes), 'x'));
}

TEST(ReadDiagramFile, AHugeCommentAreaIsReadOnlyUpToItsFirstZeroByte) {
  ScratchFolder folder;
  DiagramFile record = FullRecord(64);
  record.Comment = {'a', 'b', 'c'};
  const std::string path = folder.Write("a.dgr", EncodeDiagramFile(record));
  // A sparse tail of zero bytes: the area grows to 20 MiB without using the disk.
  std::filesystem::resize_file(path, std::uintmax_t(64 + 15 + (20 << 20)));
  DiagramFile read;
  ASSERT_EQ(ReadDiagramFile(path, read), ReadStatus::Ok);
  EXPECT_EQ(read.Comment, (std::vector<std::uint8_t>{'a', 'b', 'c', 0}));
  EXPECT_LE(read.Comment.capacity(), 16u);
}

}  // namespace
