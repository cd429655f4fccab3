#pragma once

#include <optional>

#include "ui/commands/command_rules.h"

// A window that handles commands: it says, through its rules, whether it takes a command
// and how the command shows, and runs it. The main frame asks the active child window
// first, then itself, then the application, as the old framework routed commands.
class ICommandTarget {
public:
    virtual ~ICommandTarget() = default;

    // nullopt when this target does not handle id.
    virtual std::optional<CommandState> QueryCommand(int id) const = 0;
    // Runs an enabled command that QueryCommand accepted.
    virtual void RunCommand(int id) = 0;
};
