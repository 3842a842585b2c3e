#pragma once

#include <CLI/CLI.hpp>

namespace dgr {

// Each command registers itself as a subcommand; its callback stores the exit status.
void AddInfoCommand(CLI::App& app, int& exitStatus);
void AddCommentCommand(CLI::App& app, int& exitStatus);
void AddGenCommand(CLI::App& app, int& exitStatus);
void AddRenderCommand(CLI::App& app, int& exitStatus);

}  // namespace dgr
