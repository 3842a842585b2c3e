#include "Commands.h"

int main(int argc, char** argv) {
  CLI::App app{"dgrtool: read, annotate, render and generate sensor diagram files (.dgr)"};
  app.require_subcommand(1);
  int exitStatus = 0;
  AddInfoCommand(app, exitStatus);
  AddCommentCommand(app, exitStatus);
  AddGenCommand(app, exitStatus);
  AddRenderCommand(app, exitStatus);
  CLI11_PARSE(app, argc, argv);
  return exitStatus;
}
