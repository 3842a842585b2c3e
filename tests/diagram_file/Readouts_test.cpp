#include "diagram_file/Readouts.h"

#include <gtest/gtest.h>

#include <bit>

using dgr::DiagramCaption;
using dgr::DiagramFile;

namespace {

// The read-outs a load fills for f, by control name.
struct ReadoutTexts {
  const DiagramFile& file;
  std::optional<std::string> operator[](std::string_view control) const { return dgr::ReadoutText(file, control); }
};
ReadoutTexts MakeReadoutTexts(const DiagramFile& f) { return {f}; }

DiagramFile Header(std::uint32_t headerLength) {
  DiagramFile f;
  f.HeaderLength = headerLength;
  f.SegmentCount = 256;
  f.HasRecordTime = headerLength >= 62;
  return f;
}

TEST(ReadoutTexts, LevelsShowTheirBytesUnchanged) {
  struct Case {
    std::uint16_t whole;
    std::uint8_t tenths, tag;
    const char* text;
  };
  for (const Case& c : std::vector<Case>{{1234, 5, 10, "1234.5 (0A)"}, {1234, 12, 10, "1234.12 (0A)"}, {0, 0, 0, "0.0 (00)"}, {65535, 255, 255, "65535.255 (FF)"}}) {
    DiagramFile f = Header(64);
    f.FuelLevelWhole = f.WaterLevelWhole = c.whole;
    f.FuelLevelTenths = f.WaterLevelTenths = c.tenths;
    f.FuelLevelTag = f.WaterLevelTag = c.tag;
    ReadoutTexts texts = MakeReadoutTexts(f);
    EXPECT_EQ(texts["stFLvl"], c.text);
    EXPECT_EQ(texts["stWLvl"], c.text);
  }
}

TEST(ReadoutTexts, SegmentsAndEighths) {
  struct Case {
    std::uint16_t segment;
    const char* segmentText;
    const char* eighths;
  };
  for (const Case& c : std::vector<Case>{{100, "100 / 156", "12.50"}, {300, "300 / -44", "37.50"}, {1, "1 / 255", "0.13"}, {0, "0 / 256", "0.00"}}) {
    DiagramFile f = Header(64);
    f.FuelSegment = f.WaterSegment = f.AirValue = f.ScaleValue = c.segment;
    ReadoutTexts texts = MakeReadoutTexts(f);
    EXPECT_EQ(texts["stCFsn"], c.segmentText);
    EXPECT_EQ(texts["stWsn"], c.segmentText);
    EXPECT_EQ(texts["stRng"], c.eighths);
    EXPECT_EQ(texts["stAFnd"], c.eighths);
    EXPECT_EQ(texts["stFADif"], c.eighths);
  }
}

TEST(ReadoutTexts, CorrectionAndUncorrectedLevel) {
  struct Case {
    std::uint32_t headerLength;
    std::uint16_t whole;
    std::uint8_t tenths;
    std::int16_t correction;
    const char* fnd;
    std::optional<std::string> rflvl;
  };
  for (const Case& c : std::vector<Case>{{64, 1234, 5, -15, "-1.5", "1236.0"},
                                         {64, 1234, 5, 15, "1.5", "1233.0"},
                                         {64, 1234, 5, 0, "0.0", std::nullopt},
                                         {52, 1234, 5, 0, "", std::nullopt},
                                         {64, 0, 0, 15, "1.5", std::nullopt},
                                         {64, 0, 1, 15, "1.5", "-1.4"},
                                         {64, 0, 0, -32768, "-3276.8", std::nullopt}}) {
    DiagramFile f = Header(c.headerLength);
    f.FuelLevelWhole = c.whole;
    f.FuelLevelTenths = c.tenths;
    f.LevelCorrection = c.correction;
    ReadoutTexts texts = MakeReadoutTexts(f);
    EXPECT_EQ(texts["stFnd"], c.fnd) << c.correction;
    EXPECT_EQ(texts["stRFLvl"], c.rflvl) << c.correction;
  }
}

TEST(ReadoutTexts, FloatsWithThreeDecimals) {
  struct Case {
    std::uint32_t bits;
    const char* text;
  };
  for (const Case& c : std::vector<Case>{{0x3F800000, "1.000"}, {0x00000000, "0.000"}, {0x40490FDB, "3.142"}, {0xBE800000, "-0.250"}, {0x3A800000, "0.001"}, {0x7FC00000, "NAN"}}) {
    DiagramFile f = Header(64);
    f.FuelTangent = f.NoiseValue = f.FuelAddition = f.DeltaValue = std::bit_cast<float>(c.bits);
    ReadoutTexts texts = MakeReadoutTexts(f);
    for (const char* control : {"stFtg", "stShum", "stFadd", "stDelta"}) EXPECT_EQ(texts[control], c.text) << control << std::hex << c.bits;
  }
}

TEST(ReadoutTexts, BottomBarByHeaderLength) {
  struct Case {
    std::uint32_t headerLength;
    std::uint8_t address;
    double time;
    const char* sensor;
    const char* dateTime;
  };
  for (const Case& c : std::vector<Case>{{62, 0, 0.0, "Датчик № 1", "30.12.99  00:00:00"},
                                         {64, 255, 1.5, "Датчик № 256", "31.12.99  12:00:00"},
                                         {64, 3, -1e9, "Датчик № 4", ""},
                                         {52, 3, 1.5, "", ""}}) {
    DiagramFile f = Header(c.headerLength);
    f.SensorAddress = c.address;
    f.RecordTime = c.time;
    ReadoutTexts texts = MakeReadoutTexts(f);
    EXPECT_EQ(texts["stSAdr"], c.sensor);
    EXPECT_EQ(texts["stDTime"], c.dateTime);
    EXPECT_EQ(texts["stSegNum"], "Сегментов : 256");
    EXPECT_EQ(texts["stVer"], "");
  }
}

TEST(DiagramCaption, NamesTheFileWithoutItsFolder) {
  EXPECT_EQ(DiagramCaption("/data/site 1/T-05.dgr"), "ДИАГРАММА ДАТЧИКА : T-05.dgr");
  EXPECT_EQ(DiagramCaption("a.dgr"), "ДИАГРАММА ДАТЧИКА : a.dgr");
}

}  // namespace
