// tarvel3ctl: the command-line companion of Tarvel 3.
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string_view>

#include "Commands.h"
#include "model/LogSink.h"

namespace {

struct Command {
    const char* name;
    const char* usage;
    const char* summary;
    int (*run)(const tarvel::ctl::Args&);
};

const Command kCommands[] = {
    {"defaults", "defaults [--bike CODE]", "write the .ign file of the start-up image (bike 20 unless CODE)", tarvel::ctl::cmdDefaults},
    {"normalise", "normalise FILE", "read FILE over the start-up image, repair it and write the result", tarvel::ctl::cmdNormalise},
    {"diff", "diff A B", "compare two parameter sets, each FILE or --port PORT (exit 0 same, 1 different, 2 trouble)", tarvel::ctl::cmdDiff},
    {"simulate", "simulate [options]", "run a simulated ignition unit on a pseudo-terminal", tarvel::ctl::cmdSimulate},
    {"read", "read --port PORT FILE", "read the unit's parameters into FILE", tarvel::ctl::cmdRead},
    {"program", "program --port PORT FILE", "program the parameters of FILE into the unit", tarvel::ctl::cmdProgram},
    {"verify", "verify --port PORT FILE", "compare the unit's parameters with FILE", tarvel::ctl::cmdVerify},
    {"monitor", "monitor --port PORT [--frames N] [--log FILE]", "print the unit's live data, recording it to FILE (.mlg or .msl)", tarvel::ctl::cmdMonitor},
    {"log", "log info FILE | log export FILE OUT", "describe a data log, or convert it to OUT (.mlg, .msl or .csv)", tarvel::ctl::cmdLog},
    {"loader-message", "loader-message WPARAM LPARAM [--socket PATH]", "send the firmware loader's message to a running program", tarvel::ctl::cmdLoaderMessage},
};

void printHelp(std::FILE* out)
{
    std::fprintf(out, "usage: tarvel3ctl COMMAND [ARGS]\n\ncommands:\n");
    for (const Command& c : kCommands)
        std::fprintf(out, "  %-46s %s\n", c.usage, c.summary);
    std::fprintf(out,
                 "\nPORT is COM1..COM20 or a device path.\n"
                 "Exit status: 0 success, 1 failed operation, 2 usage error, 3 the unit had not\n"
                 "finished saving when program ended (do not disconnect it until it has).\n"
                 "TARVEL_LOG=1 in the environment prints why a file, device or socket call failed "
                 "on standard error.\n");
}

// TARVEL_LOG=1: the reasons the core reports go to standard error.
void connectLogToStandardError()
{
    const char* wanted = std::getenv("TARVEL_LOG");
    if (wanted == nullptr || std::strcmp(wanted, "1") != 0)
        return;
    tarvel::log::setSink([](tarvel::log::Area area, std::string_view message) {
        std::fprintf(stderr, "tarvel.%s: %.*s\n", tarvel::log::areaName(area), static_cast<int>(message.size()),
                     message.data());
    });
}

}  // namespace

int main(int argc, char** argv)
{
    // Past a file size limit a write fails with EFBIG and is reported, instead
    // of the signal ending the command mid-write.
    std::signal(SIGXFSZ, SIG_IGN);
    connectLogToStandardError();
    if (argc < 2) {
        printHelp(stderr);
        return tarvel::ctl::kUsage;
    }
    const std::string_view name = argv[1];
    if (name == "--help" || name == "-h" || name == "help") {
        printHelp(stdout);
        return tarvel::ctl::kOk;
    }
    for (const Command& c : kCommands) {
        if (name == c.name)
            return c.run(tarvel::ctl::Args(argv + 2, argv + argc));
    }
    std::fprintf(stderr, "tarvel3ctl: unknown command '%s'\n\n", argv[1]);
    printHelp(stderr);
    return tarvel::ctl::kUsage;
}
