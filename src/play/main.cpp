// banqi-play: two players at one keyboard, or one against the computer,
// play a game of dark chess on the play screen, from a fresh deal.
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>

#include "console/utilwin32.h"
#include "game/deal.h"
#include "platform/textout.h"
#include "play/options.h"
#include "play/play.h"
#include "ui/screen.h"
#include "version/version.h"

namespace {

// BANQI_SEED, a testing aid: a number there replays the same deal.
// Otherwise the deal follows the clock, as banqi's does.
unsigned dealSeed() {
    const char *text = std::getenv("BANQI_SEED");
    if (text && *text) {
        char *end;
        unsigned long seed = std::strtoul(text, &end, 10);
        if (*end == '\0')
            return (unsigned)seed;
    }
    return (unsigned)time(NULL);
}

}  // namespace

int main(int argc, char **argv) {
    PlayOptions options;
    std::string error;
    // Whatever the command line holds is settled before the screen is
    // touched: a mistake or a question draws nothing.
    if (!parseOptions(argc, argv, &options, &error)) {
        std::fprintf(stderr, "banqi-play: %s (see banqi-play --help)\n", error.c_str());
        return 2;
    }
    if (options.help) {
        std::fputs(playUsage, stdout);
        return 0;
    }
    if (options.version) {
        std::printf("banqi-play %s\n", BANQI_VERSION);
        return 0;
    }
    if (!screenPossible("banqi-play"))
        return 1;

    Engine engine;
    engine.setLevel(options.level);
    Opponent opponent = !options.computer     ? twoPlayers
                        : options.computerFirst ? computerFirst
                                                : computerSecond;
    int deal[32];
    srand(dealSeed());
    shuffle(deal, 32);
    playGame(deal, opponent, engine);
    // Leave a clean screen in the plain attribute.
    setTextColor(7);
    clrscr();
    textFlush();
    return 0;
}
