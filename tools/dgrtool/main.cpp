#include <cerrno>
#include <cstdlib>
#include <exception>
#include <iostream>
#include <new>
#include <string>

#include "Commands.h"
#include "Version.h"
#include "platform/system/DisplayText.h"
#include "platform/system/SystemError.h"

using dgr::AddCommentCommand;
using dgr::AddGenCommand;
using dgr::AddInfoCommand;
using dgr::AddRenderCommand;

namespace {

int Run(int argc, char** argv) {
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

// Output that did not reach its file (a full disk, a closed pipe) is a failure too.
int CheckOutput(int exitStatus) {
  errno = 0;
  if (std::cout.flush()) return exitStatus;
  const int error = errno;
  std::cerr << "dgrtool: the output cannot be written" << (error ? ": " + platform::system::SystemErrorText(error) : "") << "\n";
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  // The last resort: whatever escapes, or ends the program through std::terminate, is reported
  // and gives a failing exit status rather than an abort.
  std::set_terminate([] {
    std::cerr << "dgrtool: internal failure\n";
    std::_Exit(1);
  });
  try {
    return CheckOutput(Run(argc, argv));
  } catch (const std::bad_alloc&) {
    std::cerr << "dgrtool: out of memory\n";
  } catch (const std::exception& problem) {
    std::cerr << "dgrtool: internal failure: " << platform::system::EscapedForDisplay(problem.what()) << "\n";
  } catch (...) {
    std::cerr << "dgrtool: internal failure\n";
  }
  return 1;
}
