#pragma once

// The command-line front end: parses the arguments, runs one command, returns the exit status.
namespace CommandLine {
int run(int argc, char** argv);
}
