#pragma once

#include <QString>
#include <QTextStream>

#include <optional>

// Every benchmark prints its figures as rows of the one table `make bench`
// shows, which prints the header once:
// | measure | median | baseline | ratio | target |
// The ratio is median / baseline, for the figures measured against a baseline,
// unless the benchmark gives its own (such as the median of paired ratios).
inline void printBenchRow(const QString &measure, double median, std::optional<double> baseline,
                          const QString &target, int decimals = 2, std::optional<double> ratio = {})
{
    if (!ratio && baseline && *baseline > 0)
        ratio = median / *baseline;
    const auto number = [decimals](double value) { return QString::number(value, 'f', decimals); };
    const QString none = QStringLiteral("-");
    QTextStream(stdout) << "| " << measure << " | " << number(median) << " | "
                        << (baseline ? number(*baseline) : none) << " | "
                        << (ratio ? QString::number(*ratio, 'f', 2) : none)
                        << " | " << target << " |\n";
}
