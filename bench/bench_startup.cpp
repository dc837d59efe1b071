// Start-up time and memory of the game against a bare Qt window, medians of
// alternating runs so that both see the same machine noise.
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>
#include <ctime>
#include <vector>

#include "benchtable.h"

namespace {

struct Sample
{
    double milliseconds;
    double rssMiB;
};

qint64 monotonicNow()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return qint64(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

bool runOnce(const QString &program, const QString &workDir, Sample &sample)
{
    QProcess process;
    process.setWorkingDirectory(workDir);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    process.setProcessEnvironment(environment);
    const qint64 started = monotonicNow();
    process.start(program, {});
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return false;
    const QList<QByteArray> fields = process.readAllStandardOutput().trimmed().split(' ');
    if (fields.size() != 2)
        return false;
    sample.milliseconds = double(fields[0].toLongLong() - started) / 1e6;
    sample.rssMiB = fields[1].toDouble() / 1024.0;
    return true;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    const QString here = QCoreApplication::applicationDirPath();
    const int runs = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 15;

    // A settings file with every choice made and the introduction switched off.
    QTemporaryDir workDir;
    QFile ini(QDir(workDir.path()).filePath(QStringLiteral("sumdrop.ini")));
    if (!ini.open(QIODevice::WriteOnly))
        return 1;
    ini.write("20\r\n1\r\n1\r\n1\r\n1\r\n1\r\n1\r\n0\r\n1\r\n5\r\n50\r\n2\r\n9\r\n3\r\n7\r\n40\r\n9\r\n1\r\n1\r\n1\r\n1\r\n"
              "0\r\n0\r\n1\r\n1\r\n");
    ini.close();

    // Ratios are taken run by run, game against the bare run next to it, and
    // their median reported: the machine's speed drifts more between runs
    // than it does within one pair.
    std::vector<double> gameTime, gameMemory, bareTime, bareMemory, timeRatio, memoryRatio;
    for (int run = 0; run < runs; ++run) {
        Sample game{}, bare{};
        if (!runOnce(here + QStringLiteral("/startup_sumdrop"), workDir.path(), game)
            || !runOnce(here + QStringLiteral("/startup_bare"), workDir.path(), bare)) {
            QTextStream(stderr) << "a start-up run failed\n";
            return 1;
        }
        gameTime.push_back(game.milliseconds);
        gameMemory.push_back(game.rssMiB);
        bareTime.push_back(bare.milliseconds);
        bareMemory.push_back(bare.rssMiB);
        timeRatio.push_back(game.milliseconds / bare.milliseconds);
        memoryRatio.push_back(game.rssMiB / bare.rssMiB);
    }
    // The baseline is a bare Qt window started the same way; the ratio is the
    // median of the paired ratios.
    const QString runsText = QStringLiteral(" (%1 runs, against a bare window)").arg(runs);
    printBenchRow(QStringLiteral("start-up to window shown, ms") + runsText, median(gameTime), median(bareTime),
                  QStringLiteral("ratio <= 1.30"), 2, median(timeRatio));
    printBenchRow(QStringLiteral("start-up resident memory, MiB") + runsText, median(gameMemory),
                  median(bareMemory), QStringLiteral("ratio <= 1.50"), 2, median(memoryRatio));
    return 0;
}
