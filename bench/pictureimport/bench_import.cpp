// Prints the time to import a 4000 x 3000 JPEG photo as a task picture.
//   bench_import [RUNS]
#include "pictureimport/pictureimport.h"

#include <QDir>
#include <QFileInfo>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 9;
    QTemporaryDir dir;
    // A photo-like picture: gradients and noise, so the JPEG is of a photo's size.
    QImage photo(4000, 3000, QImage::Format_RGB32);
    {
        QPainter p(&photo);
        QLinearGradient sky(0, 0, 4000, 3000);
        sky.setColorAt(0, QColor(90, 150, 230));
        sky.setColorAt(1, QColor(240, 200, 120));
        p.fillRect(photo.rect(), sky);
    }
    std::srand(1);
    for (int y = 0; y < photo.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(photo.scanLine(y));
        for (int x = 0; x < photo.width(); ++x) {
            const int n = std::rand() % 24 - 12;
            const QRgb c = line[x];
            line[x] = qRgb(std::clamp(qRed(c) + n, 0, 255), std::clamp(qGreen(c) + n, 0, 255), std::clamp(qBlue(c) + n, 0, 255));
        }
    }
    const QString jpeg = dir.filePath(QStringLiteral("foto.jpg"));
    photo.save(jpeg, "JPG", 90);
    std::vector<double> ms;
    for (int run = 0; run < runs; ++run) {
        pictureimport::Importer importer(QDir(dir.path()), [](const ui::Message &) { return ui::Answer::Yes; });
        QElapsedTimer timer;
        timer.start();
        if (!importer.importFile(jpeg).ok())
            return 1;
        ms.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::sort(ms.begin(), ms.end());
    std::printf("import of a 4000 x 3000 JPEG (%.1f MB): median %.0f ms, max %.0f ms over %d runs\n",
                QFileInfo(jpeg).size() / 1e6, ms[ms.size() / 2], ms.back(), runs);
    return 0;
}
