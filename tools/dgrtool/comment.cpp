#include <iostream>
#include <optional>
#include <string>

#include <fmt/format.h>

#include "Commands.h"
#include "Report.h"
#include "diagram_file/CommentAreaReplacement.h"
#include "diagram_file/CommentText.h"
#include "diagram_file/DiagramFile.h"
#include "platform/system/Utf8.h"

namespace dgr {

using platform::system::IsValidUtf8;

namespace {

int PrintComment(const std::string& path) {
  DiagramFileReader reader(path);
  if (!reader.Ok()) {
    ReportFileProblem(path, reader.Problem());
    return 1;
  }
  reader.Close();
  std::string text = DecodeComment(reader.File().Comment);
  std::cout << text;
  if (!text.empty() && text.back() != '\n') std::cout << "\n";
  return 0;
}

// Saves text as the viewer's comment window saves it. The file is read first, so that a change
// by another program between this read and the save is noticed as the viewer notices one.
int SetComment(const std::string& path, const std::string& text, bool force) {
  if (!IsValidUtf8(text)) {
    ReportFileProblem(path, "the text is not valid UTF-8; nothing written");
    return 1;
  }
  EncodedComment encoded = EncodeCommentForSave(text);
  if (!encoded.Ok) {
    ReportFileProblem(path, fmt::format("the text holds U+{:04X}, which Windows-1251 cannot hold; nothing written",
                                        static_cast<std::uint32_t>(encoded.Unencodable)));
    return 1;
  }
  DiagramFileReader reader(path);
  if (!reader.Ok()) {
    ReportFileProblem(path, reader.Problem());
    return 1;
  }
  reader.Close();
  const CommentReplacement saved =
      ReplaceCommentArea(path, encoded.Bytes, force ? std::nullopt : reader.Identity());
  if (saved.Status == CommentWriteStatus::Changed) {
    ReportFileProblem(path, saved.Problem + "; nothing written (--force writes anyway)");
    return 1;
  }
  if (saved.Status != CommentWriteStatus::Written) {
    ReportFileProblem(path, saved.Problem + (saved.Replaced ? "" : "; the file is unchanged"));
    return 1;
  }
  return 0;
}

}  // namespace

void AddCommentCommand(CLI::App& app, int& exitStatus) {
  struct Options {
    std::string file;
    std::optional<std::string> text;
    bool force = false;
  };
  auto options = std::make_shared<Options>();
  CLI::App* command = app.add_subcommand("comment", "Print the comment of a file as the viewer shows it, or replace it");
  command->add_option("file", options->file, "Diagram file")->required();
  command->add_option("--set", options->text,
                      "Replace the comment with TEXT as the viewer saves it: line breaks as CR LF, Windows-1251, "
                      "blanks trimmed at both ends; the file is replaced whole, never left half written")
      ->type_name("TEXT");
  command->add_flag("--force", options->force,
                    "With --set: write even when another program changed the file between this tool's read and its save");
  command->callback([options, &exitStatus] {
    exitStatus = options->text ? SetComment(options->file, *options->text, options->force) : PrintComment(options->file);
  });
}

}  // namespace dgr
