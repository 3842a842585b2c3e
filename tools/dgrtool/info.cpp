#include <iostream>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include <fmt/format.h>
#include <nlohmann/json.hpp>

#include "Commands.h"
#include "Report.h"
#include "diagram_file/CommentText.h"
#include "diagram_file/DiagramFile.h"
#include "diagram_file/Readouts.h"
#include "platform/system/DisplayText.h"

namespace dgr {

namespace {

using Json = nlohmann::ordered_json;

// Every read-out as a first load into a fresh window leaves it: a hidden read-out keeps the
// empty text it starts with.
struct Shown {
  std::string name;
  std::string text;
  bool visible;
};

std::vector<Shown> FirstLoadReadouts(const DiagramFile& file) {
  std::vector<Shown> shown;
  for (const Readout& readout : Readouts()) {
    const std::optional<std::string> text = readout.Text(file);
    shown.push_back({std::string(readout.Control), text.value_or(""), text.has_value()});
  }
  return shown;
}

// A single-precision value as the shortest decimal that reads back as it, so 0.1f shows as 0.1.
double FloatForDisplay(float value) { return std::stod(fmt::format("{}", value)); }

Json HeaderJson(const DiagramFile& f) {
  Json header;
  header["HeaderLength"] = f.HeaderLength;
  header["SegmentCount"] = f.SegmentCount;
  header["FuelLevelWhole"] = f.FuelLevelWhole;
  header["FuelLevelTenths"] = f.FuelLevelTenths;
  header["FuelLevelTag"] = f.FuelLevelTag;
  header["WaterLevelWhole"] = f.WaterLevelWhole;
  header["WaterLevelTenths"] = f.WaterLevelTenths;
  header["WaterLevelTag"] = f.WaterLevelTag;
  header["FuelTangent"] = FloatForDisplay(f.FuelTangent);
  header["FuelSegment"] = f.FuelSegment;
  header["NoiseValue"] = FloatForDisplay(f.NoiseValue);
  header["AirValue"] = f.AirValue;
  header["ScaleValue"] = f.ScaleValue;
  header["DeltaValue"] = FloatForDisplay(f.DeltaValue);
  header["FuelAddition"] = FloatForDisplay(f.FuelAddition);
  header["WaterSegment"] = f.WaterSegment;
  header["RecordTime"] = f.HasRecordTime ? Json(f.RecordTime) : Json(nullptr);
  header["SensorAddress"] = f.HasRecordTime ? Json(f.SensorAddress) : Json(nullptr);
  header["SiteType"] = f.SiteType;
  header["LevelCorrection"] = f.LevelCorrection;
  return header;
}

std::optional<std::string> ShownComment(const DiagramFile& f) {
  if (f.Comment.empty()) return std::nullopt;
  return DecodeComment(f.Comment);
}

using platform::system::EscapedForDisplay;

void PrintJson(const std::string& path, const DiagramFile& f) {
  Json line;
  line["file"] = EscapedForDisplay(path);
  line["caption"] = EscapedForDisplay(DiagramCaption(path));
  Json readouts = Json::object();
  for (const Shown& r : FirstLoadReadouts(f)) readouts[r.name] = {{"text", r.text}, {"visible", r.visible}};
  line["readouts"] = std::move(readouts);
  line["header"] = HeaderJson(f);
  std::optional<std::string> comment = ShownComment(f);
  line["comment"] = comment ? Json(*comment) : Json(nullptr);
  std::cout << line.dump() << "\n";
}

void PrintText(const std::string& path, const DiagramFile& f) {
  auto row = [](std::string_view name, std::string_view value) { std::cout << fmt::format("  {:<18}{}\n", name, value); };
  std::cout << EscapedForDisplay(path) << "\n";
  row("caption", EscapedForDisplay(DiagramCaption(path)));
  for (const Shown& r : FirstLoadReadouts(f)) {
    row(r.name, r.visible ? r.text : r.text.empty() ? "(hidden)" : r.text + " (hidden)");
  }
  Json header = HeaderJson(f);
  for (const auto& [name, value] : header.items()) row(name, value.is_null() ? "(absent)" : value.dump());
  std::optional<std::string> comment = ShownComment(f);
  if (!comment) {
    row("comment", "(none)");
    return;
  }
  // Written line by line: a comment of millions of short lines needs no indented copy.
  std::cout << fmt::format("  {:<18}", "comment");
  const std::string_view text = *comment;
  for (std::size_t start = 0;;) {
    const std::size_t end = text.find('\n', start);
    std::cout << text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start);
    if (end == std::string_view::npos) break;
    std::cout << '\n' << std::string_view("                    ");
    start = end + 1;
  }
  std::cout << '\n';
}

}  // namespace

void AddInfoCommand(CLI::App& app, int& exitStatus) {
  struct Options {
    bool json = false;
    std::vector<std::string> files;
  };
  auto options = std::make_shared<Options>();
  CLI::App* command = app.add_subcommand("info", "Show what the viewer shows of each file: caption, read-outs, header fields, comment");
  command->add_flag("--json", options->json, "One JSON object per file, one per line");
  command->add_option("files", options->files, "Diagram files")->required();
  command->callback([options, &exitStatus] {
    for (const std::string& path : options->files) {
      DiagramFileReader reader(path);
      if (!reader.Ok()) {
        ReportFileProblem(path, reader.Problem());
        exitStatus = 1;
        continue;
      }
      reader.Close();
      const DiagramFile& file = reader.File();
      if (options->json) {
        PrintJson(path, file);
      } else {
        PrintText(path, file);
      }
    }
  });
}

}  // namespace dgr
