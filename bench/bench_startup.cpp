// Start-up time and memory of the game against a bare Qt window with one
// label, from exec to the main window's first paint: on a virtual X server
// when Xvfb is present, as users see it, and on the offscreen platform, which
// needs neither a display connection nor fonts. Medians of alternating runs,
// so that both see the same machine noise.
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

// A display for one platform: "offscreen", or "xcb" on the X display named.
struct Display
{
    QString platform;
    QString name;
};

bool runOnce(const QString &program, const QString &workDir, const Display &display, Sample &sample,
             const QStringList &arguments = {})
{
    QProcess process;
    process.setWorkingDirectory(workDir);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), display.platform);
    if (!display.name.isEmpty())
        environment.insert(QStringLiteral("DISPLAY"), display.name);
    process.setProcessEnvironment(environment);
    const qint64 started = monotonicNow();
    process.start(program, arguments);
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

struct Figures
{
    std::vector<double> gameTime, gameMemory, bareTime, bareMemory, timeRatio, memoryRatio;
};

// Ratios are taken run by run, game against the bare run next to it, and
// their median reported: the machine's speed drifts more between runs than
// it does within one pair.
bool measure(const QString &workDir, const Display &display, int runs, Figures &figures)
{
    const QString here = QCoreApplication::applicationDirPath();
    for (int run = 0; run < runs; ++run) {
        Sample game{}, bare{};
        if (!runOnce(here + QStringLiteral("/startup_sumdrop"), workDir, display, game)
            || !runOnce(here + QStringLiteral("/startup_bare"), workDir, display, bare)) {
            QTextStream(stderr) << "a start-up run on " << display.platform << " failed\n";
            return false;
        }
        figures.gameTime.push_back(game.milliseconds);
        figures.gameMemory.push_back(game.rssMiB);
        figures.bareTime.push_back(bare.milliseconds);
        figures.bareMemory.push_back(bare.rssMiB);
        figures.timeRatio.push_back(game.milliseconds / bare.milliseconds);
        figures.memoryRatio.push_back(game.rssMiB / bare.rssMiB);
    }
    return true;
}

// Starts a virtual X server and returns its display name, or "" when there is none.
QString startXvfb(QProcess &server)
{
    server.start(QStringLiteral("Xvfb"),
                 QStringLiteral("-displayfd 1 -screen 0 1280x1024x24 -nolisten tcp").split(QLatin1Char(' ')));
    if (!server.waitForStarted() || !server.waitForReadyRead(10000))
        return {};
    return QLatin1Char(':') + QString::fromLatin1(server.readLine().trimmed());
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    const int runs = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 15;

    // A settings file with every choice made and the introduction switched off.
    QTemporaryDir workDir;
    QFile ini(QDir(workDir.path()).filePath(QStringLiteral("sumdrop.ini")));
    if (!ini.open(QIODevice::WriteOnly))
        return 1;
    ini.write("20\r\n1\r\n1\r\n1\r\n1\r\n1\r\n1\r\n0\r\n1\r\n5\r\n50\r\n2\r\n9\r\n3\r\n7\r\n40\r\n9\r\n1\r\n1\r\n1\r\n1\r\n"
              "0\r\n0\r\n1\r\n1\r\n");
    ini.close();

    QProcess xserver;
    const QString xdisplay = startXvfb(xserver);
    if (xdisplay.isEmpty())
        QTextStream(stderr) << "no Xvfb: start-up measured offscreen only\n";
    std::vector<Display> displays;
    if (!xdisplay.isEmpty())
        displays.push_back({QStringLiteral("xcb"), xdisplay});
    displays.push_back({QStringLiteral("offscreen"), {}});

    const QString runsText = QStringLiteral(" (%1 runs, against a bare window with one label)").arg(runs);
    for (const Display &display : displays) {
        Figures figures;
        if (!measure(workDir.path(), display, runs, figures))
            return 1;
        const bool real = display.platform == QLatin1String("xcb");
        const QString where = real ? QStringLiteral("on Xvfb (xcb)") : QStringLiteral("offscreen");
        // The target is where users are: a real display.
        const QString target = real ? QStringLiteral("ratio <= 1.30") : QStringLiteral("-");
        printBenchRow(QStringLiteral("start-up to first paint ") + where + QStringLiteral(", ms") + runsText,
                      median(figures.gameTime), median(figures.bareTime), target, 2, median(figures.timeRatio));
        if (&display == &displays.front()) {
            printBenchRow(QStringLiteral("start-up resident memory ") + where + QStringLiteral(", MiB") + runsText,
                          median(figures.gameMemory), median(figures.bareMemory), QStringLiteral("ratio <= 1.50"), 2,
                          median(figures.memoryRatio));
        }
    }
    // A class server configured: its connection is made after the first
    // paint, so the start-up is the same. Paired run by run, as above.
    const Display &first = displays.front();
    const QString here = QCoreApplication::applicationDirPath() + QStringLiteral("/startup_sumdrop");
    const QStringList classServer{QStringLiteral("--class-server"),
                                  QStringLiteral("host=127.0.0.1 port=9 dbname=class4b connect_timeout=1")};
    std::vector<double> withClass, without, classRatio;
    for (int run = 0; run < runs; ++run) {
        Sample shared{}, alone{};
        if (!runOnce(here, workDir.path(), first, shared, classServer) || !runOnce(here, workDir.path(), first, alone))
            return 1;
        withClass.push_back(shared.milliseconds);
        without.push_back(alone.milliseconds);
        classRatio.push_back(shared.milliseconds / alone.milliseconds);
    }
    printBenchRow(QStringLiteral("start-up to first paint with a class server configured (baseline: without) ")
                      + (first.platform == QLatin1String("xcb") ? QStringLiteral("on Xvfb (xcb)") : QStringLiteral("offscreen"))
                      + QStringLiteral(", ms (%1 runs)").arg(runs),
                  median(withClass), median(without), QStringLiteral("ratio <= 1.05"), 2, median(classRatio));
    xserver.terminate();
    xserver.waitForFinished();
    return 0;
}
