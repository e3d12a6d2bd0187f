#pragma once
// What Qt itself costs for the work the portal's figures are judged against, measured in the
// same process: a bare PDF page with a receipt's amount of text, and a bare window with a
// screen's amount of controls. Benchmarks time each iteration by hand (UseManualTime) so that
// they can report medians and their ratios to the yardstick's medians.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QFont>
#include <QLabel>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPixmap>
#include <QPushButton>
#include <QTemporaryDir>
#include <algorithm>
#include <ctime>
#include <functional>
#include <vector>

namespace Bench {

// Median of per-iteration samples, in milliseconds.
inline double Median(std::vector<double> ms) {
  if (ms.empty()) return 0;
  std::sort(ms.begin(), ms.end());
  const size_t n = ms.size();
  return n % 2 ? ms[n / 2] : (ms[n / 2 - 1] + ms[n / 2]) / 2;
}

// CPU time of the calling thread: steadier than the wall clock while others build beside us.
inline double ThreadCpuMs() {
  timespec ts{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
  return ts.tv_sec * 1e3 + ts.tv_nsec / 1e6;
}

// Medians of a yardstick: wall clock and thread CPU time, in milliseconds.
struct Yardstick {
  double wall = 0, cpu = 0;
};

// Reports the median of per-iteration milliseconds, the median thread CPU time, the first
// (coldest) sample, and the ratios of both medians to the yardstick's.
// `once` returns its own milliseconds: the time to the moment that counts, which may come
// before the call returns.
inline void TimeEachMeasured(benchmark::State& state, const std::function<double()>& once, const Yardstick& yardstick,
                             const std::function<void()>& between = {}) {
  std::vector<double> samples, cpu;
  for (auto _ : state) {
    const double cpuStart = ThreadCpuMs();
    const double ms = once();
    cpu.push_back(ThreadCpuMs() - cpuStart);
    state.SetIterationTime(ms / 1e3);
    samples.push_back(ms);
    if (between) between();
  }
  const double median = Median(samples), cpuMedian = Median(cpu);
  state.counters["median_ms"] = median;
  state.counters["cpu_median_ms"] = cpuMedian;
  state.counters["first_ms"] = samples.empty() ? 0 : samples.front();
  if (yardstick.wall > 0) state.counters["x_yardstick"] = median / yardstick.wall;
  if (yardstick.cpu > 0) state.counters["x_yardstick_cpu"] = cpuMedian / yardstick.cpu;
}

// As TimeEachMeasured, timing the whole of `once`.
inline void TimeEach(benchmark::State& state, const std::function<void()>& once, const Yardstick& yardstick,
                     const std::function<void()>& between = {}) {
  TimeEachMeasured(state, [&] {
    QElapsedTimer t;
    t.start();
    once();
    return t.nsecsElapsed() / 1e6;
  }, yardstick, between);
}

// Medians of `runs` timed calls of `once`, after one untimed warm-up call.
inline Yardstick MedianOf(int runs, const std::function<void()>& once) {
  once();
  std::vector<double> wall, cpu;
  for (int i = 0; i < runs; ++i) {
    QElapsedTimer t;
    t.start();
    const double cpuStart = ThreadCpuMs();
    once();
    cpu.push_back(ThreadCpuMs() - cpuStart);
    wall.push_back(t.nsecsElapsed() / 1e6);
  }
  return {Median(wall), Median(cpu)};
}

// Lets the event loop deliver the expose of a window just shown, which paints it with all its
// controls; returns false when no paint came within a few rounds.
inline bool PaintNow(QWidget* window) {
  struct Seen : QObject {
    bool painted = false;
    bool eventFilter(QObject*, QEvent* e) override {
      if (e->type() == QEvent::Paint || e->type() == QEvent::UpdateRequest) painted = true;
      return false;
    }
  } seen;
  window->installEventFilter(&seen);
  for (int i = 0; i < 10 && !seen.painted; ++i) QCoreApplication::processEvents();
  window->removeEventFilter(&seen);
  return seen.painted;
}

// --- A bare PDF page ------------------------------------------------------------------------

// A letter page written by QPdfWriter at the portal's resolution, 60 text runs in the receipt
// template's faces and sizes, to a file, with the creator and title set. Every face embedded
// costs the writer a few milliseconds, so the page uses the same three faces as the receipt.
inline void WriteBarePdfPage(const QString& path) {
  QPdfWriter writer(path);
  writer.setResolution(1200);
  writer.setCreator(QStringLiteral("yardstick"));
  writer.setTitle(QStringLiteral("recibo"));
  writer.setPageLayout(QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0),
                                   QPageLayout::Millimeter));
  QPainter p(&writer);
  p.setRenderHint(QPainter::Antialiasing, true);
  p.setRenderHint(QPainter::TextAntialiasing, true);
  const double k = 1200 / 25.4;  // dots per mm
  struct Run {
    double size;
    bool bold, italic;
  };
  // Liberation Sans in the template's three faces: regular, bold and italic.
  static const Run kRuns[] = {{13, true, false}, {9, false, false}, {12, true, false},
                              {9, false, false}, {6, false, true},  {9, true, false}};
  for (int i = 0; i < 60; ++i) {
    const Run& r = kRuns[i % 6];
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPointSizeF(r.size);
    font.setBold(r.bold);
    font.setItalic(r.italic);
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setKerning(false);
    p.setFont(font);
    p.setPen(Qt::black);
    const double x = 15 + (i % 3) * 62, y = 20 + (i / 3) * 11;
    p.drawText(QPointF(x * k, y * k), QStringLiteral("Percepción %1: $ %2.00 JOSÉ NÚÑEZ").arg(i).arg(i * 137));
  }
}

// Medians of the bare page, measured once per process.
inline Yardstick BarePdfPage() {
  static const Yardstick ms = [] {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("bare.pdf"));
    return MedianOf(30, [&] { WriteBarePdfPage(path); });
  }();
  return ms;
}

// --- A bare window --------------------------------------------------------------------------

// A top-level window of a screen's size with a painted background and `controls` labels and
// buttons, created, shown and painted once, then deleted.
inline void ShowBareWindow(int controls) {
  static const QPixmap background = [] {
    QPixmap pm(1010, 701);
    pm.fill(QColor(40, 80, 140));
    return pm;
  }();
  auto* w = new QWidget;
  w->setFixedSize(1010, 701);
  w->setAutoFillBackground(true);
  QPalette pal = w->palette();
  pal.setBrush(QPalette::Window, background);
  w->setPalette(pal);
  for (int i = 0; i < controls; ++i) {
    QWidget* c = i % 2 ? static_cast<QWidget*>(new QPushButton(QStringLiteral("Botón %1").arg(i), w))
                       : static_cast<QWidget*>(new QLabel(QStringLiteral("Etiqueta %1").arg(i), w));
    c->setGeometry(10 + (i % 8) * 120, 10 + (i / 8) * 40, 110, 30);
  }
  w->show();
  PaintNow(w);
  delete w;
}

// Medians of a bare window with 40 controls, measured once per process.
inline Yardstick BareWindow() {
  static const Yardstick ms = MedianOf(30, [] { ShowBareWindow(40); });
  return ms;
}

}  // namespace Bench
