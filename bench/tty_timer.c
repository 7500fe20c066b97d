/* Times whole processes on the terminal this runs in: runs PROGRAM with
 * the terminal as standard input and output, alternately with TERM set to
 * xterm-256color (the program asks the terminal how wide it shows
 * ambiguous characters) and to dumb (it does not ask), each time with one
 * key typed ahead (TIOCSTI) for its pause; writes both medians, their 90th
 * percentiles and the difference of the medians to RESULT. */
#define _GNU_SOURCE
#include <spawn.h>
#include <stdio.h>
#include <stdlib.h>
#include <sys/ioctl.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

static int ascending(const void *x, const void *y) {
    double a = *(const double *)x, b = *(const double *)y;
    return (a > b) - (a < b);
}

static double runOnce(char *path, const char *term) {
    char *argv[] = {path, NULL};
    char termVar[64];
    snprintf(termVar, sizeof termVar, "TERM=%s", term);
    char *env[] = {termVar, "LC_ALL=C.UTF-8", NULL};
    char key = 'x';
    if (ioctl(STDIN_FILENO, TIOCSTI, &key) != 0) {
        perror("TIOCSTI (typing ahead the pause's key)");
        exit(1);
    }
    struct timespec a, b;
    pid_t pid;
    int status;
    clock_gettime(CLOCK_MONOTONIC, &a);
    if (posix_spawn(&pid, path, NULL, NULL, argv, env) != 0) {
        perror(path);
        exit(1);
    }
    waitpid(pid, &status, 0);
    clock_gettime(CLOCK_MONOTONIC, &b);
    return (b.tv_sec - a.tv_sec) * 1e6 + (b.tv_nsec - a.tv_nsec) / 1e3;
}

int main(int argc, char **argv) {
    if (argc != 4) {
        fprintf(stderr, "usage: %s RUNS PROGRAM RESULT\n", argv[0]);
        return 2;
    }
    int runs = atoi(argv[1]);
    double *probe = calloc(runs, sizeof *probe), *none = calloc(runs, sizeof *none);
    for (int i = 0; i < 20; i++) { /* warm the page cache */
        runOnce(argv[2], "xterm-256color");
        runOnce(argv[2], "dumb");
    }
    for (int i = 0; i < runs; i++) {
        probe[i] = runOnce(argv[2], "xterm-256color");
        none[i] = runOnce(argv[2], "dumb");
    }
    qsort(probe, runs, sizeof *probe, ascending);
    qsort(none, runs, sizeof *none, ascending);
    FILE *result = fopen(argv[3], "w");
    if (!result)
        return 1;
    fprintf(result, "runs each:          %d (alternating)\n", runs);
    fprintf(result, "with the probe:     median %.0f us, 90%% %.0f us\n", probe[runs / 2],
            probe[runs * 9 / 10]);
    fprintf(result, "without:            median %.0f us, 90%% %.0f us\n", none[runs / 2],
            none[runs * 9 / 10]);
    fprintf(result, "the probe adds:     %.0f us (medians)\n", probe[runs / 2] - none[runs / 2]);
    return fclose(result) != 0;
}
