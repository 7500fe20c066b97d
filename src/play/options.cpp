#include "play/options.h"

#include <getopt.h>

#include <cstdlib>

#include "engine/engine.h"

namespace {

// What getopt_long returns for --help and --version: above any character,
// so that a long option given an argument can be told from a short one.
const int optVersion = 256;
const int optHelp = 257;

const struct option longOptions[] = {
    {"computer", optional_argument, nullptr, 'c'},
    {"level", required_argument, nullptr, 'l'},
    {"help", no_argument, nullptr, optHelp},
    {"version", no_argument, nullptr, optVersion},
    {nullptr, 0, nullptr, 0},
};

bool parseLevel(const char *text, int *level) {
    char *end;
    long value = std::strtol(text, &end, 10);
    if (end == text || *end != '\0' || value < levelMin || value > levelMax)
        return false;
    *level = (int)value;
    return true;
}

}  // namespace

const char playUsage[] =
    "Usage: banqi-play [OPTION]...\n"
    "Dark chess (banqi) on the play screen: two players at one keyboard, or\n"
    "one player against the computer.\n"
    "\n"
    "  -c, --computer[=first]  play against the computer, which moves second,\n"
    "                          or first with =first\n"
    "  -l, --level=N           the computer's strength, from 1 (quick) to 5\n"
    "                          (strong); 3 when not given. Alone, it means\n"
    "                          --computer as well\n"
    "  -h, --help              show this help and exit\n"
    "      --version           show the version and exit\n"
    "\n"
    "Keys: arrows move, Space flips, selects and moves, S shows or hides the\n"
    "captured pieces, G gives up, T offers a draw, Esc quits.\n";

bool parseOptions(int argc, char **argv, PlayOptions *options, std::string *error) {
    *options = PlayOptions();
    // Our own messages; and 0 starts a fresh scan, so that a second call
    // (a test's) reads its own argv.
    opterr = 0;
    optind = 0;
    // The leading ':' tells a missing argument from an unknown option.
    int c;
    while ((c = getopt_long(argc, argv, ":cl:h", longOptions, nullptr)) != -1) {
        switch (c) {
        case 'c':
            options->computer = true;
            if (optarg) {
                if (std::string(optarg) != "first") {
                    *error = "--computer takes only =first, not '" + std::string(optarg) + "'";
                    return false;
                }
                options->computerFirst = true;
            }
            break;
        case 'l':
            // Nobody asks for a strength without wanting an opponent.
            options->computer = true;
            if (!parseLevel(optarg, &options->level)) {
                *error = "the level must be a number from 1 to 5, not '" + std::string(optarg) + "'";
                return false;
            }
            break;
        case 'h':
        case optHelp:
            options->help = true;
            break;
        case optVersion:
            options->version = true;
            break;
        case ':':
            if (optopt == 'l') {
                *error = "the level needs a number from 1 to 5";
                return false;
            }
            // MinGW's getopt_long says ':' also for an argument given to a
            // long option that takes none.
            [[fallthrough]];
        default:  // '?'
            if (optopt > 0 && optopt < 256)
                *error = std::string("unknown option '-") + (char)optopt + "'";
            else  // an unknown long option, or a long one given an argument
                *error = std::string("cannot understand '") + argv[optind - 1] + "'";
            return false;
        }
    }
    if (optind < argc) {
        *error = std::string("unexpected argument '") + argv[optind] + "'";
        return false;
    }
    return true;
}
