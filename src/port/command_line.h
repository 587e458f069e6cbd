#pragma once
// The game binary's arguments: --version and --help answer and end; anything else is for a
// run that plays, whose options the port reads.

enum class Command { kPlay, kVersion, kHelp, kUsage };

// What the arguments ask for: kVersion or kHelp for that one argument alone, kUsage for
// either of them among others, kPlay for anything else.
Command readCommandLine(int argc, const char* const* argv);

// Answers a command other than kPlay: the version or the help on stdout (exit code 0), or one
// line of usage on stderr naming the argument (exit code 2). Returns the exit code.
int answerCommand(Command command, int argc, const char* const* argv);

// One line of usage on stderr naming what is wrong; returns the exit code, 2.
int reportBadArgument(const char* what);

// "quorvish-blemp <version>", the answer to --version.
const char* versionLine();

// The version alone, for instance "1.2.0".
const char* gameVersion();
