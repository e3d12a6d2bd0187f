// Start-up and memory, each judged against its yardstick in the same run: a bare Qt dialog with
// the login window's controls (bench/yardstick/BareLogin.cpp), started as a process exactly as
// the portal is. Targets: process start to the login window painted within 1.3 times the bare
// dialog's start to its first paint (medians); resident memory at the menu within 1.2 times
// the bare dialog's after its first paint. Every start runs on the offscreen platform.
#include <benchmark/benchmark.h>

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QByteArray>
#include <QList>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <string>
#include <vector>

#include "support/BuildPaths.h"
#include "db/DemoDatabase.h"

extern char** environ;

namespace {

// A demo terminal whose start-up update has already run: later starts have nothing to apply.
const std::string& Terminal() {
  static QTemporaryDir dir;
  static const std::string path = [] {
    DemoDatabase::PrepareTerminal(dir.path());
    DemoDatabase::Build(dir.path());
    return dir.path().toStdString();
  }();
  return path;
}

struct Started {
  double ms = 0;       // spawn to the marker line read
  double readyMs = 0;  // spawn to a "ready" line (the portal: the login can take a login)
  QByteArray out;      // everything it printed
  bool ok = false;
};

// Starts `program` in `folder` with the offscreen platform (and the portal's exit switch),
// times until it prints `marker` on a line, then reads the rest and waits for it to end.
Started start(const std::string& program, const std::vector<std::string>& args, const std::string& folder,
              const QByteArray& marker, const std::string& cacheHome = std::string()) {
  std::vector<std::string> env = {"QT_QPA_PLATFORM=offscreen", "PORTAL_SALIR_TRAS_LOGIN=1"};
  if (!cacheHome.empty()) env.push_back("XDG_CACHE_HOME=" + cacheHome);
  for (char** e = environ; *e; ++e)
    if (qstrncmp(*e, "QT_QPA_PLATFORM=", 16) != 0 && qstrncmp(*e, "PORTAL_SALIR_TRAS_LOGIN=", 24) != 0 &&
        (cacheHome.empty() || qstrncmp(*e, "XDG_CACHE_HOME=", 15) != 0))
      env.emplace_back(*e);
  std::vector<char*> envp, argv = {const_cast<char*>(program.c_str())};
  for (auto& e : env) envp.push_back(e.data());
  envp.push_back(nullptr);
  for (auto& a : args) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);

  int fds[2];
  Started r;
  if (pipe(fds) != 0) return r;
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, fds[1], STDOUT_FILENO);
  posix_spawn_file_actions_addclose(&actions, fds[0]);
  posix_spawn_file_actions_addchdir_np(&actions, folder.c_str());
  const auto t0 = std::chrono::steady_clock::now();
  pid_t pid = 0;
  const int spawned = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), envp.data());
  posix_spawn_file_actions_destroy(&actions);
  close(fds[1]);
  if (spawned != 0) {
    close(fds[0]);
    return r;
  }
  char buf[4096];
  bool seen = false;
  const auto since = [t0] { return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count(); };
  for (ssize_t n; (n = read(fds[0], buf, sizeof buf)) > 0;) {
    r.out.append(buf, n);
    if (!seen && r.out.contains(marker + '\n')) {
      seen = true;
      r.ms = since();
    }
    if (r.readyMs == 0 && r.out.contains("ready\n")) r.readyMs = since();
  }
  close(fds[0]);
  int status = 0;
  waitpid(pid, &status, 0);
  r.ok = seen && WIFEXITED(status) && WEXITSTATUS(status) == 0;
  return r;
}

double median(std::vector<double> v) {
  if (v.empty()) return 0;
  std::sort(v.begin(), v.end());
  return v.size() % 2 ? v[v.size() / 2] : (v[v.size() / 2 - 1] + v[v.size() / 2]) / 2;
}

// "VmRSS: 12345 kB" of a start's output, in MB.
double statusMegabytes(const QByteArray& out, const QByteArray& key) {
  for (const QByteArray& line : out.split('\n'))
    if (line.startsWith(key)) return line.mid(key.size()).trimmed().split(' ').first().toDouble() / 1024.0;
  return 0;
}

// Another build's programs can be judged by the same run (PORTAL_BENCH_PORTAL and
// PORTAL_BENCH_AT_MENU, for before-and-after figures).
std::string programFrom(const char* variable, const std::string& built) {
  const QByteArray chosen = qgetenv(variable);
  return chosen.isEmpty() ? built : chosen.toStdString();
}
const std::string kBare = BuildPaths::Binary(QStringLiteral("/bench/bench_bare_login")).toStdString();
const std::string kPortal = programFrom("PORTAL_BENCH_PORTAL", BuildPaths::Binary(QStringLiteral("/portal-empleado")).toStdString());
const std::string kPortalAtMenu = programFrom("PORTAL_BENCH_AT_MENU", BuildPaths::Binary(QStringLiteral("/bench/bench_portal_at_menu")).toStdString());

// Medians of the yardstick's resident memory, for the ratios of the benchmark after it.
double gBareRssMb = 0;
double gBareHwmMb = 0;

// Each iteration one start; the first, untimed, warms the caches of the files. With `paired`,
// each start is followed by one of the yardstick, and the ratio is taken between the medians of
// the two series: both see the same load of the machine.
void timedStarts(benchmark::State& state, const std::string& program, bool paired) {
  start(program, {}, Terminal(), "shown");
  std::vector<double> ms, ready, bare;
  for (auto _ : state) {
    const Started s = start(program, {}, Terminal(), "shown");
    if (!s.ok) {
      state.SkipWithError("the program did not show its window");
      return;
    }
    ms.push_back(s.ms);
    ready.push_back(s.readyMs);
    state.SetIterationTime(s.ms / 1000.0);
    if (paired) bare.push_back(start(kBare, {}, Terminal(), "shown").ms);
  }
  const double m = median(ms);
  state.counters["median_ms"] = m;
  if (paired) {
    state.counters["yardstick_ms"] = median(bare);
    state.counters["ratio"] = m / median(bare);
    state.counters["min_ratio"] = *std::min_element(ms.begin(), ms.end()) / *std::min_element(bare.begin(), bare.end());
    // Painted is what the employee sees; ready adds the connection and the update check.
    state.counters["ready_ms"] = median(ready);
    state.counters["ready_ratio"] = median(ready) / median(bare);
    // The first start on a machine draws the pictures that later starts read back.
    std::vector<double> first;
    for (int i = 0; i < 5; ++i) {
      QTemporaryDir cache;
      first.push_back(start(program, {}, Terminal(), "shown", cache.path().toStdString()).ms);
    }
    state.counters["first_start_ms"] = median(first);
  }
}

void BM_Yardstick_BareDialogStartToShown(benchmark::State& state) {
  timedStarts(state, kBare, false);
  state.counters["ratio"] = 1.0;
}
BENCHMARK(BM_Yardstick_BareDialogStartToShown)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(30);

void BM_PortalStartToLoginShown(benchmark::State& state) { timedStarts(state, kPortal, true); }
BENCHMARK(BM_PortalStartToLoginShown)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(30);

// Resident memory: medians over the iterations of VmRSS (now) and VmHWM (peak) in MB.
void residentAt(benchmark::State& state, const std::string& program, const std::vector<std::string>& args,
                const QByteArray& marker, bool yardstick) {
  std::vector<double> rss, hwm;
  for (auto _ : state) {
    const Started s = start(program, args, Terminal(), marker);
    if (!s.ok) {
      state.SkipWithError("the program did not reach its window");
      return;
    }
    rss.push_back(statusMegabytes(s.out, "VmRSS:"));
    hwm.push_back(statusMegabytes(s.out, "VmHWM:"));
    state.SetIterationTime(s.ms / 1000.0);
  }
  const double r = median(rss), h = median(hwm);
  if (yardstick) {
    gBareRssMb = r;
    gBareHwmMb = h;
  }
  state.counters["rss_mb"] = r;
  state.counters["hwm_mb"] = h;
  if (gBareRssMb > 0) state.counters["rss_ratio"] = r / gBareRssMb;
  if (gBareHwmMb > 0) state.counters["hwm_ratio"] = h / gBareHwmMb;
}

void BM_Yardstick_BareDialogResident(benchmark::State& state) {
  residentAt(state, kBare, {"resident"}, "shown", true);
}
BENCHMARK(BM_Yardstick_BareDialogResident)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(5);

void BM_PortalResidentAtMenu(benchmark::State& state) { residentAt(state, kPortalAtMenu, {}, "menu", false); }
BENCHMARK(BM_PortalResidentAtMenu)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(5);

}  // namespace
