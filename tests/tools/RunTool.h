#pragma once

#include <sys/wait.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "platform/system/ScratchFolder.h"

struct ToolRun {
  int status = -1;
  std::string out;
  std::string err;
};

inline std::string ShellQuoted(const std::string& word) {
  std::string quoted = "'";
  for (char c : word) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
}

inline std::string FileText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Runs program with arguments through the shell, with stdout and stderr caught in files of
// folder, and gives its exit status and both outputs.
inline ToolRun RunProgram(const ScratchFolder& folder, const std::string& program, const std::vector<std::string>& arguments,
                          const std::string& environment = "") {
  std::string command = environment + " " + ShellQuoted(program);
  for (const std::string& argument : arguments) command += " " + ShellQuoted(argument);
  std::string outPath = folder.Path("stdout.txt");
  std::string errPath = folder.Path("stderr.txt");
  command += " >" + ShellQuoted(outPath) + " 2>" + ShellQuoted(errPath);
  int raw = std::system(command.c_str());
  ToolRun run;
  run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  run.out = FileText(outPath);
  run.err = FileText(errPath);
  return run;
}

inline ToolRun RunDgrtool(const ScratchFolder& folder, const std::vector<std::string>& arguments) {
  return RunProgram(folder, DGRTOOL_PATH, arguments);
}
