// The batch tool's command line: every command added to one parser, parsed and run.
#pragma once

namespace ventrel::cli {

// Parses the arguments (argv[0] is the program's name), runs the command they name and returns the
// exit status: 0 on success, 1 on a failure, 2 on a usage error, a fatal input error's own status.
int RunCli(int argc, char **argv);

} // namespace ventrel::cli
