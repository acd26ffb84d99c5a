// make_samples OUTDIR: writes the sample pictures as placeable metafiles.
// make_samples --clip-art FILE: writes the 2,000-record picture the benchmark times.
#include "pictures.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <cstdio>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() == 3 && args[1] == QLatin1String("--clip-art")) {
        QFile f(args[2]);
        const QByteArray data = samples::clipArt();
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(data) != data.size()) {
            std::fprintf(stderr, "make_samples: cannot write %s\n", qPrintable(args[2]));
            return 1;
        }
        return 0;
    }
    if (args.size() != 2) {
        std::fprintf(stderr, "usage: make_samples OUTDIR | --clip-art FILE\n");
        return 2;
    }
    const QDir dir(args[1]);
    if (!dir.exists() && !QDir().mkpath(args[1])) {
        std::fprintf(stderr, "make_samples: cannot create %s\n", qPrintable(args[1]));
        return 1;
    }
    for (const samples::Picture &p : samples::pictures()) {
        QFile f(dir.filePath(p.fileName));
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(p.data) != p.data.size()) {
            std::fprintf(stderr, "make_samples: cannot write %s\n", qPrintable(f.fileName()));
            return 1;
        }
        std::printf("%s\n", qPrintable(f.fileName()));
    }
    return 0;
}
