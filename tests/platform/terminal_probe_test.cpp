// The ambiguous-width probe: picking the cursor position reports out of
// what the terminal sends, and the probe over a pair of pipes standing in
// for the terminal, with answers whole, split, late and never.
#include "platform/posix/terminal_probe.h"

#include <gtest/gtest.h>
#include <poll.h>
#include <time.h>
#include <unistd.h>

#include <string>
#include <thread>

namespace {

long nowMs() {
    struct timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return (long)t.tv_sec * 1000 + t.tv_nsec / 1000000;
}

TEST(ReportScanner, PicksAReportOutOfTheKeysAroundIt) {
    ReportScanner scanner;
    std::string input;
    scanner.scan("a\x1b[A\x1b[12;34Rb", 13, input);
    ASSERT_EQ(scanner.reports.size(), 1u);
    EXPECT_EQ(scanner.reports[0].row, 12);
    EXPECT_EQ(scanner.reports[0].col, 34);
    EXPECT_EQ(input, "a\x1b[Ab");
}

TEST(ReportScanner, TakesAReportSplitAcrossReads) {
    const std::string answer = "\x1b[5;1R\x1b[5;3R";
    for (std::size_t cut = 0; cut <= answer.size(); cut++) {
        ReportScanner scanner;
        std::string input;
        scanner.scan(answer.data(), cut, input);
        scanner.scan(answer.data() + cut, answer.size() - cut, input);
        ASSERT_EQ(scanner.reports.size(), 2u) << "cut at " << cut;
        EXPECT_EQ(scanner.reports[1].col, 3);
        EXPECT_EQ(input, "");
    }
}

TEST(ReportScanner, GivesBackWhatOnlyLookedLikeAReport) {
    ReportScanner scanner;
    std::string input;
    scanner.scan("\x1b[1;5A\x1b[2~\x1b\x1b[3;", 15, input);
    EXPECT_TRUE(scanner.reports.empty());
    EXPECT_EQ(input, "\x1b[1;5A\x1b[2~\x1b");
    scanner.finish(input);
    EXPECT_EQ(input, "\x1b[1;5A\x1b[2~\x1b\x1b[3;");
}

// The probe on pipes: the test plays the terminal.
struct Pipes {
    int toProbe[2];
    int fromProbe[2];
    Pipes() {
        EXPECT_EQ(pipe(toProbe), 0);
        EXPECT_EQ(pipe(fromProbe), 0);
    }
    ~Pipes() {
        for (int fd : {toProbe[0], toProbe[1], fromProbe[0], fromProbe[1]})
            close(fd);
    }
    void answer(const std::string &bytes) {
        ASSERT_EQ(write(toProbe[1], bytes.data(), bytes.size()), (ssize_t)bytes.size());
    }
    std::string question() {
        std::string bytes;
        char buffer[256];
        struct pollfd p = {fromProbe[0], POLLIN, 0};
        while (poll(&p, 1, 0) > 0) {
            ssize_t n = read(fromProbe[0], buffer, sizeof buffer);
            if (n <= 0)
                break;
            bytes.append(buffer, (std::size_t)n);
        }
        return bytes;
    }
};

const std::string glyph = "\xE2\x94\x80";

TEST(ProbeGlyphWidth, AsksAroundTheGlyphAndPutsTheScreenBack) {
    Pipes pipes;
    pipes.answer("\x1b[3;7R\x1b[3;9R");
    std::string input;
    ProbeAnswer answer = probeGlyphWidth(pipes.toProbe[0], pipes.fromProbe[1], glyph, 5000, input);
    EXPECT_EQ(answer.width, 2);
    EXPECT_EQ(answer.owed, 0);
    EXPECT_EQ(input, "");
    EXPECT_EQ(pipes.question(), "\x1b" "7\x1b[6n" + glyph + "\x1b[6n\x1b" "8\x1b[2X");
}

TEST(ProbeGlyphWidth, KeepsKeysTypedBeforeAndBetweenTheAnswers) {
    Pipes pipes;
    pipes.answer("x\x1b[3;7R\x1b[B\x1b[3;8Ry");
    std::string input;
    ProbeAnswer answer = probeGlyphWidth(pipes.toProbe[0], pipes.fromProbe[1], glyph, 5000, input);
    EXPECT_EQ(answer.width, 1);
    EXPECT_EQ(answer.owed, 0);
    EXPECT_EQ(input.substr(0, 4), "x\x1b[B");
}

TEST(ProbeGlyphWidth, WaitsForAnAnswerSplitAcrossReads) {
    Pipes pipes;
    std::thread terminal([&] {
        pipes.answer("\x1b[10;1R\x1b[1");
        usleep(50 * 1000);
        pipes.answer("0;3R");
    });
    std::string input;
    ProbeAnswer answer = probeGlyphWidth(pipes.toProbe[0], pipes.fromProbe[1], glyph, 5000, input);
    terminal.join();
    EXPECT_EQ(answer.width, 2);
    EXPECT_EQ(answer.owed, 0);
    EXPECT_EQ(input, "");
}

TEST(ProbeGlyphWidth, GivesUpOnAnAnswerThatNeverComes) {
    Pipes pipes;
    std::string input;
    long start = nowMs();
    ProbeAnswer answer = probeGlyphWidth(pipes.toProbe[0], pipes.fromProbe[1], glyph, 100, input);
    long took = nowMs() - start;
    EXPECT_EQ(answer.width, 0);
    EXPECT_EQ(answer.owed, 2);
    EXPECT_GE(took, 90);
    EXPECT_LT(took, 10000);  // bounded: it does not wait for ever
    EXPECT_EQ(input, "");
}

TEST(ProbeGlyphWidth, OwesTheSecondAnswerWhenOnlyTheFirstCame) {
    Pipes pipes;
    pipes.answer("\x1b[1;1R");
    std::string input;
    ProbeAnswer answer = probeGlyphWidth(pipes.toProbe[0], pipes.fromProbe[1], glyph, 100, input);
    EXPECT_EQ(answer.width, 0);
    EXPECT_EQ(answer.owed, 1);
}

TEST(ProbeGlyphWidth, BlanksAGlyphThatWentOnToTheNextLine) {
    Pipes pipes;
    pipes.answer("\x1b[4;80R\x1b[5;3R");
    std::string input;
    ProbeAnswer answer = probeGlyphWidth(pipes.toProbe[0], pipes.fromProbe[1], glyph, 5000, input);
    EXPECT_EQ(answer.width, 0);
    std::string question = pipes.question();
    EXPECT_NE(question.find("\x1b[5;1H\x1b[2X"), std::string::npos);
}

}  // namespace
