// Prints the worksheet's figures: time and peak memory for task lists of
// growing length, each task naming one of the sample pictures.
//   bench_worksheet [LARGEST]   (default 100000 tasks)
#include "worksheet/worksheet.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <sys/resource.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace {

long peakKilobytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    const int largest = argc > 1 ? std::max(1, atoi(argv[1])) : 100000;
    const QDir samples(QStringLiteral(REVAZE_SAMPLES));
    const QStringList pictures = samples.entryList({QStringLiteral("*.WMF")}, QDir::Files);
    QTemporaryDir dir;
    for (const QString &name : pictures)
        QFile::copy(samples.filePath(name), dir.filePath(name));
    std::printf("%8s %10s %12s %12s %10s\n", "tasks", "seconds", "ms/task", "peak MB", "PDF MB");
    for (int tasks = std::min(1000, largest); tasks <= largest; tasks *= 10) {
        QByteArray list;
        for (int k = 0; k < tasks; ++k)
            list += pictures.at(k % pictures.size()).toLatin1() + "\r\nAntwort " + QByteArray::number(k) + "@zweite Zeile\r\n";
        QFile file(dir.filePath(QStringLiteral("REVAZE.INI")));
        if (!file.open(QIODevice::WriteOnly) || file.write(list) != list.size())
            return 1;
        file.close();
        const QString pdf = dir.filePath(QStringLiteral("blatt.pdf"));
        QElapsedTimer timer;
        timer.start();
        const worksheet::Result result = worksheet::writePdf(pdf, QDir(dir.path()));
        const double seconds = timer.nsecsElapsed() / 1e9;
        if (!result.ok) {
            std::fprintf(stderr, "%s\n", qPrintable(result.message));
            return 1;
        }
        std::printf("%8d %10.2f %12.3f %12.1f %10.1f\n", tasks, seconds, 1000 * seconds / tasks, peakKilobytes() / 1024.0,
                    QFileInfo(pdf).size() / 1e6);
        QFile::remove(pdf);
    }
    return 0;
}
