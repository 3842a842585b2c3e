#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Comment/CForm.h"
#include "app/MForm.h"
#include "app/Program.h"
#include "diagram_file/DiagramFileEncoder.h"
#include "diagram_file/SyntheticDiagram.h"
#include "platform/forms/FormsFixture.h"
#include "platform/system/CommandLine.h"
#include "platform/system/ScratchFolder.h"

using dgr::CForm;
using dgr::DiagramFile;
using dgr::EncodeDiagramFile;
using dgr::MForm;
using dgr::MakeSyntheticDiagram;
using platform::system::SetCommandLine;

// Both windows on the headless platform, started as the program starts them, with a scratch
// folder for diagram files.
class AppTest : public FormsTest {
protected:
  // Creates the diagram window and then the comment window, with the given arguments after the
  // program's own path.
  void Start(const std::vector<std::string>& arguments = {}) {
    commandLine = {"/opt/dgrview.dgr/bin/dgrview"};
    commandLine.insert(commandLine.end(), arguments.begin(), arguments.end());
    std::vector<const char*> argv;
    for (const std::string& argument : commandLine) argv.push_back(argument.c_str());
    SetCommandLine(int(argv.size()), argv.data());
    Application->CreateForm(MForm);
    Application->CreateForm(CForm);
  }

  static DiagramFile Diagram(int segments, std::uint8_t siteType = 0, const std::string& comment = "",
                             std::uint32_t headerLength = 64) {
    return MakeSyntheticDiagram({.SegmentCount = segments,
                                 .HeaderLength = headerLength,
                                 .SiteType = siteType,
                                 .Comment = comment});
  }
  std::string Write(const std::string& name, const DiagramFile& diagram) const {
    return folder.Write(name, EncodeDiagramFile(diagram));
  }

  // Chooses path in the open dialog.
  static void Open(const std::string& path) {
    Headless().ChooseInNextDialog(path);
    MForm->sbFOpen->UserClick();
  }

  // The user types text at the end of the comment.
  static void Type(const std::string& text) { CForm->mCmt->UserType(text); }

  ScratchFolder folder;
  std::vector<std::string> commandLine;
};

inline std::vector<std::uint8_t> Bytes(const std::string& text) { return {text.begin(), text.end()}; }

// The comment area of a file: everything after its three arrays.
inline std::vector<std::uint8_t> CommentArea(const std::string& path, int headerLength, int segments) {
  const std::vector<std::uint8_t> bytes = ReadAllBytes(path);
  const std::size_t start = std::size_t(headerLength) + 3 * std::size_t(segments);
  if (bytes.size() < start) return {};
  return {bytes.begin() + std::ptrdiff_t(start), bytes.end()};
}
