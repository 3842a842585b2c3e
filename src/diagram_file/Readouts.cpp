#include "diagram_file/Readouts.h"

#include <array>
#include <stdexcept>

#include <fmt/format.h>

#include "diagram_file/FileLayout.h"
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

using enum ReadoutStep;

// The panel's read-outs row by row, then the bottom bar.
constexpr std::array<Readout, 17> Table{{
    {"stFLvl", AfterPlot, true,
     [](const DiagramFile& f) -> std::optional<std::string> {
       return LevelText(f.FuelLevelWhole, f.FuelLevelTenths, f.FuelLevelTag);
     }},
    // Shown only when the fuel level and the correction are both non-zero.
    {"stRFLvl", AfterPlot, false,
     [](const DiagramFile& f) -> std::optional<std::string> {
       const int levelInTenths = f.FuelLevelWhole * 10 + f.FuelLevelTenths;
       if (levelInTenths == 0 || f.LevelCorrection == 0) return std::nullopt;
       return FormatFixed((levelInTenths - f.LevelCorrection) * 0.1, 1);
     }},
    {"stFnd", WithHeader, true,
     [](const DiagramFile& f) -> std::optional<std::string> {
       if (f.HeaderLength < HeaderWithCorrection) return "";
       return FormatFixed(f.LevelCorrection * 0.1, 1);
     }},
    {"stWLvl", AfterPlot, true,
     [](const DiagramFile& f) -> std::optional<std::string> {
       return LevelText(f.WaterLevelWhole, f.WaterLevelTenths, f.WaterLevelTag);
     }},
    {"stCFsn", AfterPlot, true,
     [](const DiagramFile& f) -> std::optional<std::string> { return SegmentText(f.FuelSegment, f.SegmentCount); }},
    {"stFADif", AfterPlot, true,
     [](const DiagramFile& f) -> std::optional<std::string> { return FormatFixed(f.ScaleValue * 0.125, 2); }},
    {"stAFnd", AfterPlot, true,
     [](const DiagramFile& f) -> std::optional<std::string> { return FormatFixed(f.AirValue * 0.125, 2); }},
    {"stWsn", AfterPlot, true,
     [](const DiagramFile& f) -> std::optional<std::string> { return SegmentText(f.WaterSegment, f.SegmentCount); }},
    {"stFtg", AfterPlot, true,
     [](const DiagramFile& f) -> std::optional<std::string> { return FormatFixed(f.FuelTangent, 3); }},
    {"stShum", AfterPlot, true,
     [](const DiagramFile& f) -> std::optional<std::string> { return FormatFixed(f.NoiseValue, 3); }},
    {"stRng", AfterPlot, true,
     [](const DiagramFile& f) -> std::optional<std::string> { return FormatFixed(f.FuelSegment * 0.125, 2); }},
    {"stFadd", AfterPlot, true,
     [](const DiagramFile& f) -> std::optional<std::string> { return FormatFixed(f.FuelAddition, 3); }},
    {"stDelta", AfterPlot, true,
     [](const DiagramFile& f) -> std::optional<std::string> { return FormatFixed(f.DeltaValue, 3); }},
    // Emptied by the display of a file, not by every load: a reload keeps it.
    {"stSegNum", WithHeader, false,
     [](const DiagramFile& f) -> std::optional<std::string> { return fmt::format("Сегментов : {}", f.SegmentCount); }},
    {"stSAdr", WithHeader, true,
     [](const DiagramFile& f) -> std::optional<std::string> {
       if (f.HeaderLength < HeaderWithRecordTime) return "";
       return fmt::format("Датчик № {}", f.SensorAddress + 1);
     }},
    {"stDTime", WithHeader, true,
     [](const DiagramFile& f) -> std::optional<std::string> {
       if (f.HeaderLength < HeaderWithRecordTime) return "";
       return FormatDateTime(RecordTimePattern, f.RecordTime);
     }},
    // No field of the file is ever shown in it.
    {"stVer", AfterPlot, true, [](const DiagramFile&) -> std::optional<std::string> { return ""; }},
}};

}  // namespace

std::span<const Readout> Readouts() { return Table; }

std::optional<std::string> ReadoutText(const DiagramFile& file, std::string_view control) {
  for (const Readout& readout : Table)
    if (readout.Control == control) return readout.Text(file);
  throw std::out_of_range("no read-out named " + std::string(control));
}

std::string DiagramCaption(const std::string& path) {
  return std::string(DiagramCaptionBase) + " : " + ExtractFileName(path);
}

}  // namespace dgr
