// banqi-play: two players at one keyboard play a game of dark chess on
// the play screen, from a fresh deal.
#include <cstdlib>
#include <ctime>

#include "console/utilwin32.h"
#include "game/deal.h"
#include "platform/textout.h"
#include "play/play.h"
#include "ui/screen.h"

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

int main() {
    if (!screenPossible("banqi-play"))
        return 1;
    int deal[32];
    srand(dealSeed());
    shuffle(deal, 32);
    playGame(deal);
    // Leave a clean screen in the plain attribute.
    setTextColor(7);
    clrscr();
    textFlush();
    return 0;
}
