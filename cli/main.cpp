#include "CliApp.h"

#include <csignal>
#include <iostream>

int main(int argc, char** argv)
{
    // A file-size limit should fail the write with an error, not kill the process mid-way.
    std::signal(SIGXFSZ, SIG_IGN);
    return crestmap::cli::run(argc, argv, std::cout, std::cerr);
}
