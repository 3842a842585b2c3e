#include <iostream>
#include <optional>
#include <string>

#include "Commands.h"
#include "Report.h"
#include "diagram_file/CommentSave.h"
#include "diagram_file/CommentText.h"
#include "diagram_file/DiagramFile.h"

namespace dgr {

namespace {

int PrintComment(const std::string& path) {
  DiagramFile file;
  ReadStatus status = ReadDiagramFile(path, file);
  if (status != ReadStatus::Ok) {
    ReportFileProblem(path, ReadStatusText(status));
    return 1;
  }
  std::string text = DecodeComment(file.Comment);
  std::cout << text;
  if (!text.empty() && text.back() != '\n') std::cout << "\n";
  return 0;
}

// Saves text as the viewer's comment window saves it.
int SetComment(const std::string& path, const std::string& text) {
  const CommentSaveResult saved = SaveComment({path}, text);
  if (saved.Saved()) return 0;
  ReportFileProblem(path, CommentSaveReason(saved));
  return 1;
}

}  // namespace

void AddCommentCommand(CLI::App& app, int& exitStatus) {
  struct Options {
    std::string file;
    std::optional<std::string> text;
  };
  auto options = std::make_shared<Options>();
  CLI::App* command = app.add_subcommand("comment", "Print the comment of a file as the viewer shows it, or replace it");
  command->add_option("file", options->file, "Diagram file")->required();
  command->add_option("--set", options->text,
                      "Replace the comment with TEXT as the viewer saves it: line breaks as CR LF, Windows-1251, "
                      "blanks trimmed at both ends")
      ->type_name("TEXT");
  command->callback([options, &exitStatus] {
    exitStatus = options->text ? SetComment(options->file, *options->text) : PrintComment(options->file);
  });
}

}  // namespace dgr
