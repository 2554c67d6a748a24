// Planning benchmark: the sets of sizes the best-fill plan is measured on, each planned once;
// prints one line per set: files, discs planned, lower bound, first-fit-decreasing discs, time.
#include <QCoreApplication>
#include <QFileInfo>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <numeric>

#include "search/BestFill.h"
#include "search/DiscAssignment.h"
#include "search/SearchRandom.h"

namespace {

constexpr qint64 mib = 1048576;
constexpr qint64 capacity = 702 * mib;

qint64 between(search::SearchRandom& random, qint64 low, qint64 high) {
  return low + qint64(random.next() % std::uint64_t(high - low + 1));
}

std::vector<qint64> uniform(qint64 low, qint64 high, int files) {
  search::SearchRandom random(7);
  std::vector<qint64> sizes(files);
  for (qint64& size : sizes) size = between(random, low, high);
  return sizes;
}

// Three files that fill a disc to the byte, each between a quarter and half a disc.
std::vector<qint64> triplets(int discs) {
  search::SearchRandom random(11);
  std::vector<qint64> sizes;
  const qint64 quarter = capacity / 4 + 1;
  const qint64 half = (capacity - 1) / 2;
  while (int(sizes.size()) < 3 * discs) {
    const qint64 a = between(random, quarter, half);
    const qint64 b = between(random, std::max(quarter, capacity - a - half), std::min(half, capacity - a - quarter));
    const qint64 c = capacity - a - b;
    if (c < quarter || c > half) continue;
    sizes.insert(sizes.end(), {a, b, c});
  }
  for (std::size_t i = sizes.size(); i > 1; --i) std::swap(sizes[i - 1], sizes[random.below(i)]);
  return sizes;
}

std::vector<qint64> logNormal(int files, double medianBytes, double sigma, std::uint64_t seed) {
  search::SearchRandom random(seed);
  std::vector<qint64> sizes(files);
  for (qint64& size : sizes) {
    const double u1 = (double(random.next() >> 11) + 1.0) / 9007199254740993.0;
    const double u2 = double(random.next() >> 11) / 9007199254740992.0;
    const double normal = std::sqrt(-2.0 * std::log(u1)) * std::cos(2.0 * M_PI * u2);
    size = std::clamp(qint64(medianBytes * std::exp(sigma * normal)), qint64(1), capacity);
  }
  return sizes;
}

// Sizes in bytes, one a line (see bench/sets); empty when the file cannot be read.
std::vector<qint64> fromFile(const QString& path) {
  std::vector<qint64> sizes;
  std::ifstream in(path.toStdString());
  for (long long size = 0; in >> size;) sizes.push_back(std::clamp(qint64(size), qint64(0), capacity));
  return sizes;
}

void run(const char* name, const std::vector<qint64>& sizes) {
  std::vector<int> order(sizes.size());
  std::iota(order.begin(), order.end(), 0);
  std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return sizes[a] > sizes[b]; });
  const std::size_t ffd = search::firstFit(sizes, order, capacity).discs();
  const auto start = std::chrono::steady_clock::now();
  // FILLPACK_WORK overrides the default budget, for tuning it.
  const search::PackingEffort effort{qgetenv("FILLPACK_WORK").toULongLong(), 1};
  const search::PackingPlan plan = search::planDiscs(sizes, capacity, [] { return true; }, effort);
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  std::printf("%-12s %8zu files %6zu discs  bound %6lld  ffd %6zu  %7.3f s\n", name, sizes.size(), plan.discs.size(),
              static_cast<long long>(plan.lowerBound), ffd, seconds);
  std::fflush(stdout);
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  // Arguments are set names, or paths (with a slash) of files of sizes; none runs every named set.
  QStringList only;
  QStringList files;
  for (const QString& argument : app.arguments().mid(1))
    (argument.contains(QLatin1Char('/')) ? files : only).append(argument);
  for (const QString& path : files) {
    const std::vector<qint64> sizes = fromFile(path);
    if (sizes.empty()) {
      std::fprintf(stderr, "%s: no sizes read\n", qPrintable(path));
      return 1;
    }
    run(qPrintable(QFileInfo(path).completeBaseName()), sizes);
  }
  auto wanted = [&](const char* name) {
    return (only.isEmpty() && files.isEmpty()) || only.contains(QString::fromLatin1(name));
  };
  if (wanted("video")) run("video", uniform(150 * mib, 520 * mib, 2000));
  if (wanted("u20-55")) run("u20-55", uniform(capacity / 5, capacity * 55 / 100, 2000));
  if (wanted("u25-50")) run("u25-50", uniform(capacity / 4, capacity / 2, 2000));
  if (wanted("triplets")) run("triplets", triplets(666));
  if (wanted("u15-20")) run("u15-20", uniform(capacity * 15 / 100, capacity / 5, 2000));
  if (wanted("music")) run("music", logNormal(50000, 5e6, 0.6, 13));
  if (wanted("small")) run("small", logNormal(1000000, 2e5, 1.0, 17));
  return 0;
}
