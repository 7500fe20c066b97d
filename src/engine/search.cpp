#include "engine/search.h"

#include <algorithm>
#include <utility>

#include "engine/evaluate.h"
#include "engine/movegen.h"
#include "engine/search_endgame.h"

namespace {

const int infinity = scoreWin + 1;
const int winBound = scoreWin - scoreWinMargin;

int lossIn(int ply) { return -scoreWin + ply; }

std::int64_t floorDiv(std::int64_t a, std::int64_t b) {
    std::int64_t q = a / b;
    return (a % b != 0 && a < 0) ? q - 1 : q;
}

std::int64_t ceilDiv(std::int64_t a, std::int64_t b) { return -floorDiv(-a, b); }

// Proven results are stored as distances from the stored node, not the root.
int toTable(int score, int ply) {
    if (score > winBound) return score + ply;
    if (score < -winBound) return score - ply;
    return score;
}

int fromTable(int score, int ply) {
    if (score > winBound) return score - ply;
    if (score < -winBound) return score + ply;
    return score;
}

// Moves the best-scored of moves[at..count) to at.
void pickNext(Move *moves, int *scores, int at, int count) {
    int best = at;
    for (int i = at + 1; i < count; i++)
        if (scores[i] > scores[best])
            best = i;
    std::swap(moves[at], moves[best]);
    std::swap(scores[at], scores[best]);
}

// Captures the quiescence search may add beyond the horizon, as far as
// bounding values goes.
const int spareForQuiescence = 4;

const int ttMoveOrder = 1 << 30;
const int captureOrder = 1 << 24;
const int killerOrder = 1 << 22;
const int historyCap = killerOrder - 1;

}  // namespace

Search::Search(TranspositionTable &tt, const TimeManager &time, const SearchOptions &options)
    : tt_(tt), time_(time), options_(options) {}

bool Search::timeUp() {
    if (!stopped_ && (nodes_ & 511) == 0 && time_.mustStop())
        stopped_ = true;
    return stopped_;
}

void Search::orderMoves(const Position &pos, Move *moves, int count, int scores[],
                        std::uint16_t ttMove, int ply) const {
    int side = pos.turn == noSide ? 0 : pos.turn;
    for (int i = 0; i < count; i++) {
        const Move &move = moves[i];
        std::uint16_t packed = packMove(move);
        if (packed == ttMove)
            scores[i] = ttMoveOrder;
        else if (move.kind == moveCapture)
            scores[i] = captureOrder + orderValue_[pos.board[move.to]] * 256 -
                        orderValue_[pos.board[move.from]];
        else if (packed == killers_[ply][0])
            scores[i] = killerOrder + 1;
        else if (packed == killers_[ply][1])
            scores[i] = killerOrder;
        else if (move.kind == moveFlip)
            // Flips next to face-up pieces change the most.
            scores[i] = history_[side][move.from][move.to] +
                        64 * popCount(neighbours(move.from) & (pos.bySide[0] | pos.bySide[1]));
        else
            scores[i] = history_[side][move.from][move.to];
    }
}

void Search::rememberCutoff(const Position &pos, const Move &move, int depth, int ply) {
    if (move.kind == moveCapture)
        return;
    std::uint16_t packed = packMove(move);
    if (killers_[ply][0] != packed) {
        killers_[ply][1] = killers_[ply][0];
        killers_[ply][0] = packed;
    }
    int &h = history_[pos.turn == noSide ? 0 : pos.turn][move.from][move.to];
    h += depth * depth;
    if (h > historyCap)
        h = historyCap;
}

int Search::leaf(const Position &pos, int ply, int alpha, int beta) {
    if (!options_.exact)
        return quiesce(pos, ply, alpha, beta);
    nodes_++;
    if (!pos.hasPieces(pos.turn))
        return lossIn(ply);
    if (pos.quietMoves >= quietMoveLimit)
        return 0;
    if (!hasMoves(pos))
        return lossIn(ply);
    return evaluate(pos);
}

int Search::quiesce(const Position &pos, int ply, int alpha, int beta) {
    nodes_++;
    if (timeUp())
        return 0;
    if (!pos.hasPieces(pos.turn))
        return lossIn(ply);
    if (pos.quietMoves >= quietMoveLimit)
        return 0;
    int solved;
    if (probeSolved(pos, ply, &solved))
        return solved;
    Move moves[maxMoves];
    int count = generateCaptures(pos, moves);
    if (count == 0 && !hasMoves(pos))
        return lossIn(ply);
    int best = evaluate(pos);
    if (best >= beta || ply >= maxPly - 1)
        return best;
    if (best > alpha)
        alpha = best;
    int scores[maxMoves];
    orderMoves(pos, moves, count, scores, noPackedMove, ply);
    for (int i = 0; i < count; i++) {
        pickNext(moves, scores, i, count);
        Position child = pos;
        child.play(moves[i]);
        int score = -quiesce(child, ply + 1, -beta, -alpha);
        if (stopped_)
            return 0;
        if (score > best) {
            best = score;
            if (score > alpha) {
                alpha = score;
                if (score >= beta)
                    break;
            }
        }
    }
    return best;
}

bool Search::probeSolved(const Position &pos, int ply, int *score) const {
    return options_.useEndgame && !options_.exact &&
           solvedValue(pos, ply, rootPieces_, options_.mayBuildEndgames, score);
}

int Search::flipDepth(int depth, int ply) const {
    int reduction = options_.exact || ply == 0 ? 0 : options_.flipReduction;
    return depth - 1 - reduction > 0 ? depth - 1 - reduction : 0;
}

// Star1: each outcome is searched with the narrowest window that still
// decides whether the mean falls outside (alpha, beta), given the values
// found so far and the widest the rest could be.
int Search::chance(const Position &pos, int cell, int depth, int ply, int alpha, int beta) {
    const std::int64_t total = pos.poolTotal;
    // The tighter the bounds on an outcome's value, the sooner the mean is
    // decided. With pieces and face-down cells to spare, no game ends
    // within the horizon, and values stay within the evaluation's range.
    // Those few lines that still end beyond it are taken at the bound.
    int fewest = std::min(popCount(pos.bySide[0]) + pos.poolSide[0],
                          popCount(pos.bySide[1]) + pos.poolSide[1]);
    bool tight = !options_.exact && pos.poolTotal > depth + 1 && fewest >= depth + spareForQuiescence;
    const std::int64_t lower = tight ? -evalLimit : -scoreWin;
    const std::int64_t upper = tight ? evalLimit : scoreWin;
    std::int64_t sum = 0, rest = total;
    for (int kind = 0; kind < kindCount; kind++) {
        std::int64_t count = pos.pool[kind];
        if (count == 0)
            continue;
        rest -= count;
        // The outcome's value at or below low proves the mean <= alpha; at or
        // above high, the mean >= beta.
        std::int64_t low = floorDiv((alpha + 1) * total - 1 - sum - rest * upper, count);
        std::int64_t high = ceilDiv(beta * total - sum - rest * lower, count);
        int childAlpha = int(low < lower - 1 ? lower - 1 : low);
        int childBeta = int(high > upper + 1 ? upper + 1 : high);
        Position child = pos;
        child.reveal(cell, kind);
        int value = -negamax(child, depth, ply + 1, -childBeta, -childAlpha);
        if (stopped_)
            return 0;
        value = int(std::min<std::int64_t>(std::max<std::int64_t>(value, lower), upper));
        if (value <= low)
            return int(floorDiv(sum + count * value + rest * upper, total));
        if (value >= high)
            return int(floorDiv(sum + count * value + rest * lower, total));
        sum += count * value;
    }
    return int(floorDiv(sum, total));
}

int Search::negamax(const Position &pos, int depth, int ply, int alpha, int beta) {
    if (depth <= 0 || ply >= maxPly - 1)
        return leaf(pos, ply, alpha, beta);
    nodes_++;
    if (timeUp())
        return 0;
    if (pos.turn != noSide && !pos.hasPieces(pos.turn))
        return lossIn(ply);
    if (pos.quietMoves >= quietMoveLimit)
        return 0;
    int solved;
    if (probeSolved(pos, ply, &solved))
        return solved;
    std::uint16_t ttMove = noPackedMove;
    if (const TTEntry *entry = tt_.probe(pos.key)) {
        ttMove = entry->move;
        if (!options_.exact && entry->depth >= depth) {
            int score = fromTable(entry->score, ply);
            if (entry->bound == boundExact || (entry->bound == boundLower && score >= beta) ||
                (entry->bound == boundUpper && score <= alpha))
                return score;
        }
    }
    Move moves[maxMoves];
    int count = generateMoves(pos, moves);
    if (count == 0)
        return lossIn(ply);
    int scores[maxMoves];
    orderMoves(pos, moves, count, scores, ttMove, ply);
    int alphaIn = alpha;
    int best = -infinity;
    std::uint16_t bestMove = noPackedMove;
    int flipsLeft = options_.exact ? maxMoves : options_.interiorFlips;
    for (int i = 0; i < count; i++) {
        pickNext(moves, scores, i, count);
        const Move &move = moves[i];
        int score;
        if (move.kind == moveFlip) {
            if (flipsLeft-- <= 0)
                continue;
            score = chance(pos, move.from, flipDepth(depth, ply), ply, alpha, beta);
        } else {
            Position child = pos;
            child.play(move);
            score = -negamax(child, depth - 1, ply + 1, -beta, -alpha);
        }
        if (stopped_)
            return 0;
        if (score > best) {
            best = score;
            bestMove = packMove(move);
            if (score > alpha) {
                alpha = score;
                if (score >= beta) {
                    rememberCutoff(pos, move, depth, ply);
                    break;
                }
            }
        }
    }
    Bound bound = best >= beta ? boundLower : best > alphaIn ? boundExact : boundUpper;
    tt_.store(pos.key, toTable(best, ply), depth, bound, bestMove);
    return best;
}

std::vector<Move> Search::principalVariation(const Position &pos, const Move &best,
                                             int depth) const {
    std::vector<Move> pv{best};
    Position at = pos;
    Move move = best;
    // A flip's outcome is not known, so the line ends there.
    while (move.kind != moveFlip && int(pv.size()) < depth) {
        at.play(move);
        const TTEntry *entry = tt_.probe(at.key);
        if (!entry || entry->move == noPackedMove)
            break;
        move = unpackMove(entry->move);
        Move moves[maxMoves];
        int count = generateMoves(at, moves);
        bool legal = false;
        for (int i = 0; i < count && !legal; i++)
            legal = moves[i].kind == move.kind && moves[i].from == move.from && moves[i].to == move.to;
        if (!legal)
            break;
        pv.push_back(move);
    }
    return pv;
}

SearchResult Search::run(const Position &pos,
                         const std::function<void(const SearchInfo &)> &onInfo) {
    pieceValues(pos, orderValue_);
    rootPieces_ = popCount(pos.occupied);
    tt_.nextGeneration();
    Move moves[maxMoves];
    int count = generateMoves(pos, moves);
    SearchResult result{moves[0], 0, 0};
    std::uint16_t previousBest = noPackedMove;
    for (int depth = 1; depth < maxPly; depth++) {
        if (options_.maxDepth > 0 && depth > options_.maxDepth)
            break;
        if (depth > 1 && !time_.mayStartIteration())
            break;
        int scores[maxMoves];
        orderMoves(pos, moves, count, scores, previousBest, 0);
        int alpha = -infinity, best = -infinity;
        Move bestMove = moves[0];
        for (int i = 0; i < count; i++) {
            pickNext(moves, scores, i, count);
            const Move &move = moves[i];
            int score;
            if (move.kind == moveFlip) {
                score = chance(pos, move.from, depth - 1, 0, alpha, infinity);
            } else {
                Position child = pos;
                child.play(move);
                score = -negamax(child, depth - 1, 1, -infinity, -alpha);
            }
            if (stopped_)
                break;
            if (score > best) {
                best = score;
                bestMove = move;
                if (score > alpha)
                    alpha = score;
            }
        }
        // A stopped iteration still searched the previous best first, so
        // whatever beat it is the better move.
        if (best > -infinity) {
            result.best = bestMove;
            result.score = best;
            previousBest = packMove(bestMove);
        }
        if (stopped_)
            break;
        result.depth = depth;
        tt_.store(pos.key, toTable(best, 0), depth, boundExact, previousBest);
        if (onInfo)
            onInfo(SearchInfo{depth, best, nodes_, time_.elapsedMs(),
                              principalVariation(pos, bestMove, depth)});
        if (!options_.exact && (best > winBound || best < -winBound))
            break;
    }
    return result;
}
