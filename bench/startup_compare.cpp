// Start-up and memory beside the bare Qt program: each started ten times as a new process, the
// time from starting it until it reports its window shown with its first status, and its
// resident memory then. Medians and ratios, one line per figure.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>

namespace {

struct Run
{
    double ms = -1;
    long residentKiB = -1;
};

Run runOnce(const QString &program, const QStringList &arguments, const QString &runtime)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime);
    process.setProcessEnvironment(environment);
    QElapsedTimer clock;
    clock.start();
    process.start(program, arguments);
    Run run;
    QByteArray output;
    while (process.waitForReadyRead(10000)) {
        output += process.readAllStandardOutput();
        if (run.ms < 0 && output.contains("ready\n"))
            run.ms = clock.nsecsElapsed() / 1e6;
    }
    process.waitForFinished(10000);
    output += process.readAllStandardOutput();
    const qsizetype at = output.indexOf("resident ");
    if (at >= 0)
        run.residentKiB = output.mid(at + 9).split('\n').first().toLong();
    return run;
}

template<typename T> T median(std::vector<T> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? T() : values[values.size() / 2];
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 4) {
        std::fprintf(stderr, "usage: startup_compare BELLS_STARTUP DATA_FOLDER BARE_PROGRAM\n");
        return 2;
    }
    const QString bells = QString::fromLocal8Bit(argv[1]);
    const QString data = QString::fromLocal8Bit(argv[2]);
    const QString bare = QString::fromLocal8Bit(argv[3]);
    QTemporaryDir runtime;
    constexpr int kRuns = 10;
    std::vector<double> bellsMs, bareMs;
    std::vector<long> bellsKiB, bareKiB;
    for (int i = 0; i < kRuns; ++i) {
        const Run b = runOnce(bells, { data }, runtime.path());
        const Run y = runOnce(bare, {}, runtime.path());
        bellsMs.push_back(b.ms);
        bellsKiB.push_back(b.residentKiB);
        bareMs.push_back(y.ms);
        bareKiB.push_back(y.residentKiB);
    }
    const double ms = median(bellsMs), bareMedian = median(bareMs);
    const long kib = median(bellsKiB), bareKib = median(bareKiB);
    std::printf("start-up until the strip shows its status: %.0f ms, bare program %.0f ms, "
                "ratio %.2f (median of %d)\n",
                ms, bareMedian, bareMedian > 0 ? ms / bareMedian : 0.0, kRuns);
    std::printf("resident memory after start-up: %ld KiB, bare program %ld KiB, ratio %.2f\n", kib,
                bareKib, bareKib > 0 ? double(kib) / bareKib : 0.0);
    return 0;
}
