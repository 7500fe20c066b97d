// libFuzzer target over banqi-engine's command loop and its notation:
// whatever lines arrive, the loop must not crash or hang, must answer
// only in the protocol's own lines, and every bestmove must be legal in
// the position searched ("none" exactly when the game is over). Searches
// are held to depth 1 so each input runs in milliseconds.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <streambuf>
#include <string>
#include <vector>

#include "protocol/notation.h"
#include "protocol/session.h"
#include "protocol/stand_in.h"

namespace {

bool startsWith(const std::string &text, const char *prefix) {
    return text.compare(0, std::char_traits<char>::length(prefix), prefix) == 0;
}

// Checks each answer line as the session writes it, while the position it
// answers about is still the session's.
class CheckedLines : public std::streambuf {
public:
    const Session *session = nullptr;

protected:
    int overflow(int c) override {
        if (c == traits_type::eof())
            return 0;
        if (c != '\n') {
            line_ += (char)c;
            return c;
        }
        check(line_);
        line_.clear();
        return c;
    }

private:
    void check(const std::string &line) {
        const Visible &view = session->position();
        Game game = standInGame(view);
        bool over = gameEnd(&game) != endNone;
        if (startsWith(line, "bestmove ")) {
            std::string text = line.substr(9);
            if ((text == "none") != over)
                std::abort();
            Move move;
            if (!over && (!parseMove(text, view, &move) || checkMove(&game, move) != moveAllowed))
                std::abort();
        } else if (!(startsWith(line, "error ") && line.size() > 6) &&
                   !startsWith(line, "info depth ") && line != "readyok" &&
                   line != "banqiok" && line != "id name banqi-engine fuzz" &&
                   !startsWith(line, "option name Level ")) {
            std::abort();
        }
    }

    std::string line_;
};

// A position that reads must write back as text that reads the same.
void roundTrip(const std::string &text) {
    std::istringstream in(text);
    std::vector<std::string> fields;
    for (std::string field; fields.size() < 5 && in >> field;)
        fields.push_back(field);
    Visible view;
    std::string why;
    if (!parsePosition(fields, &view, &why))
        return;
    std::string written = positionText(view);
    std::istringstream again(written);
    std::vector<std::string> reread;
    for (std::string field; again >> field;)
        reread.push_back(field);
    Visible back;
    if (!parsePosition(reread, &back, &why) || positionText(back) != written)
        std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    // One engine for the whole run: building its table for every input
    // would cost more than the input.
    static Engine engine;
    engine.setLevel(levelDefault);
    std::string text(reinterpret_cast<const char *>(data), size);
    roundTrip(text);

    CheckedLines lines;
    std::ostream out(&lines);
    std::istringstream in(text);
    Session session(engine, out, SessionSettings{"fuzz", 1});
    lines.session = &session;
    runSession(in, session);
    return 0;
}
