#pragma once

struct CommandLine;

// Carries out a command that opens no window: help, version, a refusal of the
// arguments, or writing the reach-me table. Answers the exit status: 0 done,
// 1 the file could not be written, 2 the arguments were refused.
int runCommand(const CommandLine& command);
