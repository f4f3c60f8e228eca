// ventrel-cli: batch access to the windchest core for organ builders' scripts and for tests.
#include "Cli.h"

int main(int argc, char **argv) {
    return ventrel::cli::RunCli(argc, argv);
}
