#include "diagram_file/Readouts.h"

#include <fmt/format.h>

#include "platform/system/DateTime.h"
#include "platform/system/NumberFormat.h"
#include "platform/system/Paths.h"

namespace dgr {

using platform::system::ExtractFileName;
using platform::system::FormatDateTime;
using platform::system::FormatFixed;

namespace {

std::string LevelText(int whole, int tenths, int tag) { return fmt::format("{}.{} ({:02X})", whole, tenths, tag); }

std::string SegmentText(int segment, int count) { return fmt::format("{} / {}", segment, count - segment); }

}  // namespace

ReadoutTexts MakeReadoutTexts(const DiagramFile& file) {
  ReadoutTexts texts;
  const int levelInTenths = file.FuelLevelWhole * 10 + file.FuelLevelTenths;
  if (levelInTenths != 0 && file.LevelCorrection != 0) {
    texts.stRFLvl = FormatFixed((levelInTenths - file.LevelCorrection) * 0.1, 1);
  }
  texts.stFLvl = LevelText(file.FuelLevelWhole, file.FuelLevelTenths, file.FuelLevelTag);
  texts.stCFsn = SegmentText(file.FuelSegment, file.SegmentCount);
  texts.stAFnd = FormatFixed(file.AirValue * 0.125, 2);
  texts.stFADif = FormatFixed(file.ScaleValue * 0.125, 2);
  texts.stRng = FormatFixed(file.FuelSegment * 0.125, 2);
  texts.stFtg = FormatFixed(file.FuelTangent, 3);
  texts.stFadd = FormatFixed(file.FuelAddition, 3);
  texts.stShum = FormatFixed(file.NoiseValue, 3);
  texts.stDelta = FormatFixed(file.DeltaValue, 3);
  texts.stWLvl = LevelText(file.WaterLevelWhole, file.WaterLevelTenths, file.WaterLevelTag);
  texts.stWsn = SegmentText(file.WaterSegment, file.SegmentCount);
  texts.stSegNum = fmt::format("Сегментов : {}", file.SegmentCount);
  if (file.HeaderLength >= 62) {
    texts.stSAdr = fmt::format("Датчик № {}", file.SensorAddress + 1);
    texts.stDTime = FormatDateTime(RecordTimePattern, file.RecordTime);
  }
  if (file.HeaderLength >= 64) texts.stFnd = FormatFixed(file.LevelCorrection * 0.1, 1);
  return texts;
}

std::string DiagramCaption(const std::string& path) {
  return std::string(DiagramCaptionBase) + " : " + ExtractFileName(path);
}

}  // namespace dgr
