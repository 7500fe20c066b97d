/* Times whole processes: runs two commands alternately, many times each,
 * with stdin and stdout on /dev/null, and prints the median wall time of
 * each and their ratio. */
#define _GNU_SOURCE
#include <fcntl.h>
#include <spawn.h>
#include <stdio.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

extern char **environ;

static double runOnce(char *path, posix_spawn_file_actions_t *io) {
    char *argv[] = {path, NULL};
    struct timespec a, b;
    pid_t pid;
    int status;
    clock_gettime(CLOCK_MONOTONIC, &a);
    if (posix_spawn(&pid, path, io, NULL, argv, environ) != 0) {
        perror(path);
        exit(1);
    }
    waitpid(pid, &status, 0);
    clock_gettime(CLOCK_MONOTONIC, &b);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        fprintf(stderr, "%s did not exit 0\n", path);
        exit(1);
    }
    return (b.tv_sec - a.tv_sec) * 1e6 + (b.tv_nsec - a.tv_nsec) / 1e3;
}

static int ascending(const void *x, const void *y) {
    double a = *(const double *)x, b = *(const double *)y;
    return (a > b) - (a < b);
}

static double median(double *v, int n) {
    qsort(v, n, sizeof *v, ascending);
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

int main(int argc, char **argv) {
    if (argc != 4) {
        fprintf(stderr, "usage: %s RUNS PROGRAM BASELINE\n", argv[0]);
        return 2;
    }
    int runs = atoi(argv[1]);
    double *t0 = calloc(runs, sizeof *t0), *t1 = calloc(runs, sizeof *t1);
    posix_spawn_file_actions_t io;
    posix_spawn_file_actions_init(&io);
    posix_spawn_file_actions_addopen(&io, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&io, 1, "/dev/null", O_WRONLY, 0);
    for (int i = 0; i < 20; i++) { /* warm the page cache */
        runOnce(argv[2], &io);
        runOnce(argv[3], &io);
    }
    for (int i = 0; i < runs; i++) {
        t0[i] = runOnce(argv[2], &io);
        t1[i] = runOnce(argv[3], &io);
    }
    double m0 = median(t0, runs), m1 = median(t1, runs);
    printf("runs each:        %d (alternating)\n", runs);
    printf("banqi median:     %.0f us\n", m0);
    printf("baseline median:  %.0f us\n", m1);
    printf("ratio:            %.2f\n", m0 / m1);
    return 0;
}
