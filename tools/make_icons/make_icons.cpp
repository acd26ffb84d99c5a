// Writes the program's icon for the desktop's icon theme, drawn at each size
// the theme has. Run: make_icons APPDIR (data/icons in the source tree).
#include "resources/icons.h"

#include <QDir>
#include <QGuiApplication>

#include <cstdio>

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_icons APPDIR\n");
        return 2;
    }
    QDir apps(QString::fromLocal8Bit(argv[1]));
    for (int size : {32, 48, 64, 128, 256}) {
        const QString dir = QStringLiteral("%1x%1/apps").arg(size);
        const QString file = apps.filePath(dir + QStringLiteral("/org.revaze.Revaze.png"));
        if (!apps.mkpath(dir) || !resources::drawIcon(QStringLiteral("bicycle"), size).save(file)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
            return 1;
        }
    }
    return 0;
}
