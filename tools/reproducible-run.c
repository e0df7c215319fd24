/* Runs a command with the wall clock held at one instant and without address randomisation, so that a
 * tool which stamps its output with the time of day (chmcmd writes it into the CHM header and into the
 * compressed #SYSTEM file) and leaves a few bytes of uninitialised memory in it (its keyword map) writes
 * the same bytes on every run.
 *
 * usage: reproducible-run EPOCH COMMAND [ARGS...]
 * EPOCH is seconds since 1970 (UTC), or @FILE to read them from FILE.
 *
 * chmcmd's runtime asks the kernel for the time with raw system calls, which LD_PRELOAD tools such as
 * faketime cannot see; this traces the command and rewrites what time(), gettimeofday() and
 * clock_gettime() on the real-time clocks return. One process only: the tools it runs do not fork. */
#define _GNU_SOURCE
#include <errno.h>
#include <signal.h>
#include <stdio.h>
#include <stdlib.h>
#include <sys/personality.h>
#include <sys/ptrace.h>
#include <sys/syscall.h>
#include <sys/user.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

static void poke(pid_t pid, unsigned long long addr, long value) {
    ptrace(PTRACE_POKEDATA, pid, (void*)addr, (void*)value);
}

/* At the return of a system call: replace a real-time clock reading by EPOCH.0. */
static void pin_clock(pid_t pid, long epoch) {
    struct user_regs_struct r;
    if (ptrace(PTRACE_GETREGS, pid, 0, &r) != 0 || (long long)r.rax < 0) return;
    switch (r.orig_rax) {
        case SYS_time:
            if (r.rdi) poke(pid, r.rdi, epoch);
            r.rax = epoch;
            ptrace(PTRACE_SETREGS, pid, 0, &r);
            break;
        case SYS_gettimeofday:
            if (r.rdi) {
                poke(pid, r.rdi, epoch);
                poke(pid, r.rdi + 8, 0);
            }
            break;
        case SYS_clock_gettime:
            if ((r.rdi == CLOCK_REALTIME || r.rdi == CLOCK_REALTIME_COARSE || r.rdi == CLOCK_TAI) && r.rsi) {
                poke(pid, r.rsi, epoch);
                poke(pid, r.rsi + 8, 0);
            }
            break;
    }
}

int main(int argc, char** argv) {
    if (argc < 3) {
        fprintf(stderr, "usage: %s EPOCH COMMAND [ARGS...]\n", argv[0]);
        return 2;
    }
    long epoch = -1;
    if (argv[1][0] == '@') {
        FILE* f = fopen(argv[1] + 1, "r");
        if (f && fscanf(f, "%ld", &epoch) != 1) epoch = -1;
        if (f) fclose(f);
    } else {
        epoch = strtol(argv[1], NULL, 10);
    }
    if (epoch < 0) {
        fprintf(stderr, "%s: no time in '%s'\n", argv[0], argv[1]);
        return 2;
    }
    pid_t pid = fork();
    if (pid < 0) return 1;
    if (pid == 0) {
        personality(ADDR_NO_RANDOMIZE);
        /* Where tracing is not allowed the command still runs, with the real clock. */
        if (ptrace(PTRACE_TRACEME, 0, 0, 0) == 0)
            raise(SIGSTOP);
        else
            fprintf(stderr, "%s: cannot trace, %s runs with the real clock\n", argv[0], argv[2]);
        execvp(argv[2], argv + 2);
        perror(argv[2]);
        _exit(127);
    }
    int status;
    if (waitpid(pid, &status, 0) < 0) return 1;
    if (WIFEXITED(status)) return WEXITSTATUS(status);
    if (!WIFSTOPPED(status)) return 1;
    ptrace(PTRACE_SETOPTIONS, pid, 0, (void*)(long)(PTRACE_O_TRACESYSGOOD | PTRACE_O_EXITKILL));
    int in_call = 0, deliver = 0;
    for (;;) {
        if (ptrace(PTRACE_SYSCALL, pid, 0, (void*)(long)deliver) != 0) return 1;
        if (waitpid(pid, &status, 0) < 0) return 1;
        if (WIFEXITED(status)) return WEXITSTATUS(status);
        if (WIFSIGNALED(status)) return 128 + WTERMSIG(status);
        deliver = 0;
        int sig = WSTOPSIG(status);
        if (sig == (SIGTRAP | 0x80)) {
            in_call = !in_call;
            if (!in_call) pin_clock(pid, epoch);
        } else if (sig != SIGTRAP) {
            deliver = sig; /* the SIGTRAP of the exec is ours; every other signal is the command's */
        }
    }
}
