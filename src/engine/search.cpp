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

// A root move this much better than all others for this many iterations
// in a row is played without searching deeper.
const int easyMargin = 150;
const int easyIterationsNeeded = 3;

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

bool Search::settled(const Position &pos, int ply, int *score) {
    *score = 0;
    if (timeUp())
        return true;
    if (pos.turn != noSide && !pos.hasPieces(pos.turn)) {
        *score = lossIn(ply);
        return true;
    }
    if (pos.quietMoves >= quietMoveLimit)
        return true;
    return probeSolved(pos, ply, score);
}

int Search::quiesce(const Position &pos, int ply, int alpha, int beta) {
    nodes_++;
    int settledScore;
    if (settled(pos, ply, &settledScore))
        return settledScore;
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
    // A window beyond the bounds is decided already.
    if (alpha >= upper)
        return int(upper);
    if (beta <= lower)
        return int(lower);
    // Star2: a first look at each outcome, at the opponent's first move
    // alone, bounds from above what the outcome is worth to the flipper;
    // when those ceilings hold the mean at or below alpha, the node fails
    // low without a full search.
    std::int64_t ceiling[kindCount];
    std::int64_t ceilings = total * upper;
    for (int kind = 0; kind < kindCount; kind++)
        ceiling[kind] = upper;
    if (depth > 0 && alpha >= lower) {
        for (int kind = 0; kind < kindCount; kind++) {
            std::int64_t count = pos.pool[kind];
            if (count == 0)
                continue;
            std::int64_t low = floorDiv((alpha + 1) * total - 1 - (ceilings - count * upper), count);
            int probeBeta = int(low < lower ? -lower + 1 : -low);
            Position child = pos;
            child.reveal(cell, kind);
            int found = negamax(child, depth, ply + 1, int(-upper - 1), probeBeta, true);
            if (stopped_)
                return 0;
            // Above the window's floor, the one move's value: the opponent
            // has at least that.
            if (found > -upper - 1 && -found < upper) {
                ceiling[kind] = -found < lower ? lower : -found;
                ceilings -= count * (upper - ceiling[kind]);
                if (floorDiv(ceilings, total) <= alpha)
                    return int(floorDiv(ceilings, total));
            }
        }
    }
    // rest: the ceilings of the outcomes not yet searched; restCount: their
    // share of the pool.
    std::int64_t sum = 0, rest = ceilings, restCount = total;
    for (int kind = 0; kind < kindCount; kind++) {
        std::int64_t count = pos.pool[kind];
        if (count == 0)
            continue;
        rest -= count * ceiling[kind];
        restCount -= count;
        // The outcome's value at or below low proves the mean <= alpha; at or
        // above high, the mean >= beta.
        std::int64_t low = floorDiv((alpha + 1) * total - 1 - sum - rest, count);
        std::int64_t high = ceilDiv(beta * total - sum - restCount * lower, count);
        int childAlpha = int(low < lower - 1 ? lower - 1 : low);
        int childBeta = int(high > upper + 1 ? upper + 1 : high);
        Position child = pos;
        child.reveal(cell, kind);
        int value = -negamax(child, depth, ply + 1, -childBeta, -childAlpha);
        if (stopped_)
            return 0;
        value = int(std::min<std::int64_t>(std::max<std::int64_t>(value, lower), upper));
        if (value <= low)
            return int(floorDiv(sum + count * value + rest, total));
        if (value >= high)
            return int(floorDiv(sum + count * value + restCount * lower, total));
        sum += count * value;
    }
    return int(floorDiv(sum, total));
}

int Search::searchMove(const Position &pos, const Move &move, int depth, int ply, int alpha,
                       int beta) {
    if (move.kind == moveFlip)
        return chance(pos, move.from, flipDepth(depth, ply), ply, alpha, beta);
    Position child = pos;
    child.play(move);
    return -negamax(child, depth - 1, ply + 1, -beta, -alpha);
}

int Search::negamax(const Position &pos, int depth, int ply, int alpha, int beta, bool probe) {
    if (depth <= 0 || ply >= maxPly - 1)
        return leaf(pos, ply, alpha, beta);
    nodes_++;
    int settledScore;
    if (settled(pos, ply, &settledScore))
        return settledScore;
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
        if (move.kind == moveFlip && flipsLeft-- <= 0)
            continue;
        int score = searchMove(pos, move, depth, ply, alpha, beta);
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
        if (probe)
            break;
    }
    // A probe's one move bounds the node from below only.
    Bound bound = best >= beta ? boundLower : best <= alphaIn ? boundUpper : probe ? boundLower : boundExact;
    if (!probe || bound == boundLower)
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
    // The first iteration orders the root's moves as any node's; later ones
    // by what the one before found, its best move first.
    int order[maxMoves];
    orderMoves(pos, moves, count, order, noPackedMove, 0);
    SearchResult result{moves[0], 0, 0};
    std::uint16_t previousBest = noPackedMove;
    int easyIterations = 0;
    for (int depth = 1; depth < maxPly; depth++) {
        if ((options_.maxDepth > 0 && depth > options_.maxDepth) ||
            (options_.depthCap > 0 && depth > options_.depthCap))
            break;
        if (depth > 1 && !time_.mayStartIteration())
            break;
        int alpha = -infinity, best = -infinity, second = -infinity;
        Move bestMove = moves[0];
        int searched = 0;
        for (int i = 0; i < count; i++) {
            pickNext(moves, order, i, count);
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
            searched = i + 1;
            // Fail-soft: a move that failed low still tells how good it
            // could at most be.
            order[i] = score;
            if (score > best) {
                second = best;
                best = score;
                bestMove = move;
                if (score > alpha)
                    alpha = score;
            } else if (score > second) {
                second = score;
            }
        }
        for (int i = searched; i < count; i++)
            order[i] = -infinity;
        // A stopped iteration still searched the previous best first, so
        // whatever beat it is the better move.
        if (best > -infinity) {
            bool sameBest = packMove(bestMove) == previousBest;
            result.best = bestMove;
            result.score = best;
            previousBest = packMove(bestMove);
            for (int i = 0; i < searched; i++)
                if (packMove(moves[i]) == previousBest)
                    order[i] = infinity;
            easyIterations = sameBest && best - second >= easyMargin ? easyIterations + 1 : 0;
        }
        if (stopped_)
            break;
        result.depth = depth;
        tt_.store(pos.key, toTable(best, 0), depth, boundExact, previousBest);
        if (onInfo)
            onInfo(SearchInfo{depth, best, nodes_, time_.elapsedMs(),
                              principalVariation(pos, bestMove, depth)});
        if (options_.exact || options_.maxDepth > 0)
            continue;
        if (best > winBound || best < -winBound)
            break;
        // One move far better than every other, iteration after iteration
        // (a recapture, say), needs no more thought.
        if (easyIterations >= easyIterationsNeeded)
            break;
    }
    return result;
}
