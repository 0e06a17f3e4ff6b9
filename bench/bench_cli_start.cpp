// The start of talvo-cli as a script sees it: whole processes, run in turns with a bare
// Qt Core program as the yardstick, so that a busy machine slows all of them alike; the
// medians are compared. Then the straightforward best-combination search of the tests
// once, against which the whole `combos --k 4 --last 0` run over 7,000 draws is set.
//
//   bench_cli_start [ROUNDS]   (default 30)

#include "logic/core/history_file.h"
#include "logic/statistics/absences.h"
#include "support/straight_combination_search.h"
#include "tools/generated_history.h"

#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fcntl.h>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

// One run of a process, its output thrown away: the milliseconds on the clock from its
// start to its end, and the processor time it used itself, which a busy machine disturbs
// less.
struct Times {
    double wallMs = 0;
    double cpuMs = 0;
};

double ms(const timeval& t) {
    return static_cast<double>(t.tv_sec) * 1000.0 + static_cast<double>(t.tv_usec) / 1000.0;
}

Times run(const std::vector<std::string>& command) {
    std::vector<char*> argv;
    for (const std::string& word : command)
        argv.push_back(const_cast<char*>(word.c_str()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    const auto start = Clock::now();
    pid_t pid = 0;
    int status = 0;
    rusage usage{};
    if (posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ) != 0 ||
        wait4(pid, &status, 0, &usage) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "%s failed\n", command[0].c_str());
        std::exit(1);
    }
    posix_spawn_file_actions_destroy(&actions);
    return {std::chrono::duration<double, std::milli>(Clock::now() - start).count(),
            ms(usage.ru_utime) + ms(usage.ru_stime)};
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

} // namespace

int main(int argc, char* argv[]) {
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 30;
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("KenoZahlen.tpp"));
    const talvo::logic::DrawHistory history = talvo::tools::generatedHistory(7000);
    talvo::logic::saveDrawHistory(file, history);

    const std::vector<std::string> bare = {TALVO_BARE_PROGRAM};
    const std::vector<std::string> version = {TALVO_CLI, "--version"};
    const std::vector<std::string> combos = {TALVO_CLI, "combos", "--history", file.toStdString(),
                                             "--k",     "4",      "--last",    "0"};
    std::vector<Times> bareRuns, versionRuns, combosRuns;
    for (int r = 0; r < rounds; ++r) {
        bareRuns.push_back(run(bare));
        versionRuns.push_back(run(version));
        combosRuns.push_back(run(combos));
    }
    const auto medians = [](const std::vector<Times>& runs) {
        std::vector<double> wall, cpu;
        for (const Times& t : runs) {
            wall.push_back(t.wallMs);
            cpu.push_back(t.cpuMs);
        }
        return Times{median(wall), median(cpu)};
    };
    const Times b = medians(bareRuns), v = medians(versionRuns), c = medians(combosRuns);

    const auto start = Clock::now();
    const std::clock_t cpuStart = std::clock();
    const auto straight = talvo::test::straightCombinationSearch(talvo::logic::collectDrawSets(history), 4);
    const Times s{std::chrono::duration<double, std::milli>(Clock::now() - start).count(),
                  static_cast<double>(std::clock() - cpuStart) * 1000.0 / CLOCKS_PER_SEC};
    if (straight.topCombinations.empty())
        return 1;

    std::printf("median of %d interleaved rounds, whole processes: time on the clock | processor time\n",
                rounds);
    std::printf("  bare Qt Core program               %8.1f ms            | %8.1f ms\n", b.wallMs, b.cpuMs);
    std::printf("  talvo-cli --version                %8.1f ms %6.2f x bare | %8.1f ms %6.2f x bare"
                "    (target <= 1.5)\n",
                v.wallMs, v.wallMs / b.wallMs, v.cpuMs, v.cpuMs / b.cpuMs);
    std::printf("  talvo-cli combos --k 4 --last 0    %8.1f ms %6.2f x bare | %8.1f ms %6.2f x bare"
                "    (target <= 2.5)\n",
                c.wallMs, c.wallMs / b.wallMs, c.cpuMs, c.cpuMs / b.cpuMs);
    std::printf("  straightforward search, k 4, once  %8.0f ms %6.0f x combos | %8.0f ms %6.0f x combos"
                "  (target >= 200)\n",
                s.wallMs, s.wallMs / c.wallMs, s.cpuMs, s.cpuMs / c.cpuMs);
    return 0;
}
