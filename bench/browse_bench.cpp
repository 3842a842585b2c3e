// Folder browsing in a folder of 10,000 diagram files, each beside a baseline that does the least
// the operation must: listing the folder with the standard library, and reading one file's bytes.

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "Comment/CForm.h"
#include "RatioReporter.h"
#include "app/MForm.h"
#include "browse/FileList.h"
#include "diagram_file/DiagramFileEncoder.h"
#include "diagram_file/SyntheticDiagram.h"
#include "platform/forms/HeadlessBackend.h"
#include "platform/system/CommandLine.h"

using dgr::CForm;
using dgr::EncodeDiagramFile;
using dgr::FolderListing;
using dgr::ListDiagramFiles;
using dgr::MForm;
using dgr::MakeSyntheticDiagram;
using platform::forms::Application;
using platform::system::SetCommandLine;

namespace {

constexpr int FileCount = 10000;

// The folder, made once: 10,000 files of 1024 segments without comment (so stepping never
// touches the comment window).
const std::string& Folder() {
  static const std::string folder = [] {
    std::string pattern = (std::filesystem::temp_directory_path() / "dgr-bench-XXXXXX").string();
    if (!mkdtemp(pattern.data())) std::abort();
    const std::vector<std::uint8_t> bytes = EncodeDiagramFile(MakeSyntheticDiagram({.SegmentCount = 1024, .Comment = ""}));
    for (int i = 0; i < FileCount; ++i) {
      std::ofstream out(pattern + "/tank" + std::to_string(100000 + i) + ".dgr", std::ios::binary);
      out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    }
    return pattern + "/";
  }();
  return folder;
}

std::string FirstFile() { return Folder() + "tank100000.dgr"; }

void BM_BuildFileList(benchmark::State& state) {
  const std::string current = FirstFile();
  for (auto _ : state) {
    FolderListing listing = ListDiagramFiles(current);
    benchmark::DoNotOptimize(listing);
  }
}

void BM_ListFolder(benchmark::State& state) {
  for (auto _ : state) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(Folder())) names.push_back(entry.path().string());
    benchmark::DoNotOptimize(names);
  }
}

// One click on ">>" in the headless diagram window: the pending-comment step, the next file's
// load, the grid and three curve layers at zoom 1, and the read-outs.
void BM_StepToNextFile(benchmark::State& state) {
  std::string file = FirstFile();
  const char* args[] = {"dgrview", file.c_str()};
  SetCommandLine(2, args);
  Application->CreateForm(MForm);
  Application->CreateForm(CForm);
  Application->Headless().Advance(200);
  for (auto _ : state) MForm->sbNext->UserClick();
  Application->DestroyForms();
  Application->Headless().Reset();
}

void BM_ReadFileBytes(benchmark::State& state) {
  int index = 0;
  for (auto _ : state) {
    std::ifstream in(Folder() + "tank" + std::to_string(100000 + index++ % FileCount) + ".dgr", std::ios::binary);
    std::vector<char> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    benchmark::DoNotOptimize(bytes);
  }
}

BENCHMARK(BM_BuildFileList)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ListFolder)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StepToNextFile)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ReadFileBytes)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  RatioReporter reporter("browsing / baseline (time per iteration, 10,000 files of 1024 segments)",
                         {{"BM_BuildFileList", "BM_ListFolder"}, {"BM_StepToNextFile", "BM_ReadFileBytes"}});
  benchmark::RunSpecifiedBenchmarks(&reporter);
  reporter.PrintSummary();
  benchmark::Shutdown();
  std::filesystem::remove_all(Folder());
  return 0;
}
