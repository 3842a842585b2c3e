#include <iostream>
#include <stdexcept>
#include <string>

#include "Commands.h"
#include "Report.h"
#include "diagram_file/DiagramFileEncoder.h"
#include "diagram_file/SyntheticDiagram.h"
#include "platform/system/FileReplacement.h"

namespace dgr {

void AddGenCommand(CLI::App& app, int& exitStatus) {
  struct Options {
    SyntheticDiagramOptions diagram;
    int siteType = 0;
    std::string output;
  };
  auto options = std::make_shared<Options>();
  CLI::App* command = app.add_subcommand("gen", "Write a synthetic diagram file: water, fuel and air over the segments, the same for the same options");
  command->add_option("--segments", options->diagram.SegmentCount, "Segment count, 0 to 16384")->capture_default_str();
  command->add_option("--header-length", options->diagram.HeaderLength,
                      "Header length: 52 (no date), 62 (date, sensor, site type), 64 (and correction) or more")
      ->capture_default_str();
  command->add_option("--site-type", options->siteType, "16 depot, 32 filling station, 0 not stated")->capture_default_str();
  command->add_option("--sensor", options->diagram.SensorNumber, "Sensor number as shown, 1 to 256")->capture_default_str();
  command->add_option("--comment", options->diagram.Comment, "Comment text (UTF-8, stored as Windows-1251 with CR LF); none when empty");
  command->add_option("--seed", options->diagram.Seed, "Seed of the generator")->capture_default_str();
  command->add_option("-o,--output", options->output, "File to write")->required();
  command->callback([options, &exitStatus] {
    try {
      if (options->siteType < 0 || options->siteType > 255) throw std::invalid_argument("site type must be 0 to 255");
      options->diagram.SiteType = static_cast<std::uint8_t>(options->siteType);
      std::vector<std::uint8_t> bytes = EncodeDiagramFile(MakeSyntheticDiagram(options->diagram));
      const std::string problem = platform::system::ReplaceFileContent(options->output, bytes);
      if (!problem.empty()) {
        ReportFileProblem(options->output, problem);
        exitStatus = 1;
      }
    } catch (const std::invalid_argument& problem) {
      std::cerr << "dgrtool: gen: " << problem.what() << "\n";
      exitStatus = 1;
    }
  });
}

}  // namespace dgr
