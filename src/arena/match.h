// A match: two players over a fixed series of seeded deals, each deal
// played twice with the first move swapped, the games spread over threads.
#ifndef ARENA_MATCH_H
#define ARENA_MATCH_H

#include <string>
#include <vector>

#include "rules/rules.h"

struct MatchSetup {
    std::string a, b;   // player names, as makePlayer takes them
    int games = 2;      // games 2i (a first) and 2i+1 (b first) share deal i
    unsigned seed = 1;  // deal i is shuffle's after srand(seed + i)
};

struct GameRecord {
    int result = 0;       // +1 a won, 0 a draw, -1 b won
    EndReason end = endNone;
    bool illegal = false; // the loser offered a move the rules refuse
    int plies = 0;
    std::vector<double> msA, msB;  // each answer's time, milliseconds
};

struct MatchResult {
    MatchSetup setup;
    int threads = 1;
    std::vector<GameRecord> games;
    double seconds = 0;  // the whole match, wall clock
};

// Deals in the calling thread (shuffle draws on rand()), then plays on
// threads threads, each game with players of its own.
MatchResult playMatch(const MatchSetup &setup, int threads);

#endif
