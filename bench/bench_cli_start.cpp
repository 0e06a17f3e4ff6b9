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
#include <fcntl.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

// Milliseconds from the start of the process to its end, its output thrown away.
double runMs(const std::vector<std::string>& command) {
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
    if (posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ) != 0 ||
        waitpid(pid, &status, 0) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "%s failed\n", command[0].c_str());
        std::exit(1);
    }
    posix_spawn_file_actions_destroy(&actions);
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
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
    std::vector<double> bareMs, versionMs, combosMs;
    for (int r = 0; r < rounds; ++r) {
        bareMs.push_back(runMs(bare));
        versionMs.push_back(runMs(version));
        combosMs.push_back(runMs(combos));
    }
    const double b = median(bareMs), v = median(versionMs), c = median(combosMs);

    const auto start = Clock::now();
    const auto straight = talvo::test::straightCombinationSearch(talvo::logic::collectDrawSets(history), 4);
    const double s = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    if (straight.topCombinations.empty())
        return 1;

    std::printf("median of %d interleaved rounds, whole processes\n", rounds);
    std::printf("  bare Qt Core program               %9.1f ms\n", b);
    std::printf("  talvo-cli --version                %9.1f ms   %5.2f x bare    (target <= 1.5)\n", v,
                v / b);
    std::printf("  talvo-cli combos --k 4 --last 0    %9.1f ms   %5.2f x bare    (target <= 2.5)\n", c,
                c / b);
    std::printf("  straightforward search, k 4, once  %9.1f ms   %5.0f x combos  (target >= 200)\n", s,
                s / c);
    return 0;
}
