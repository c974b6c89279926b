#pragma once

// Exit statuses of the command line.
namespace ExitStatus {
constexpr int success = 0;
constexpr int failure = 1; // the command ran and could not do its work
constexpr int usage = 2;   // bad options or arguments
} // namespace ExitStatus
