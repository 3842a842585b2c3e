#include <string>

#include "Commands.h"
#include "Version.h"

using dgr::AddCommentCommand;
using dgr::AddGenCommand;
using dgr::AddInfoCommand;
using dgr::AddRenderCommand;

int main(int argc, char** argv) {
  CLI::App app{"dgrtool: read, annotate, render and generate sensor diagram files (.dgr)"};
  app.set_version_flag("--version", "dgrtool " + std::string(dgr::Version));
  app.require_subcommand(1);
  int exitStatus = 0;
  AddInfoCommand(app, exitStatus);
  AddCommentCommand(app, exitStatus);
  AddGenCommand(app, exitStatus);
  AddRenderCommand(app, exitStatus);
  CLI11_PARSE(app, argc, argv);
  return exitStatus;
}
