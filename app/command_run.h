#pragma once

struct CommandLine;

// Carries out a command line that opens no window: help, version, a refusal
// of the arguments, or a command. Answers the exit status: 0 done, 1 it could
// not be done, 2 the arguments were refused.
int runCommand(const CommandLine& command);
