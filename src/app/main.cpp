#include <cstring>
#include <iostream>

#include "Version.h"
#include "app/Program.h"
#include "platform/fltk/FltkBackend.h"
#include "platform/forms/Application.h"
#include "platform/system/CommandLine.h"

using dgr::RunDiagramViewer;
using platform::fltk::FltkBackend;
using platform::forms::Application;
using platform::system::SetCommandLine;

int main(int argc, char** argv) {
  if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
    std::cout << "dgrview " << dgr::Version << '\n';
    return 0;
  }
  SetCommandLine(argc, argv);
  FltkBackend backend;
  Application->SetBackend(&backend);
  const int status = RunDiagramViewer();
  Application->SetBackend(nullptr);
  return status;
}
