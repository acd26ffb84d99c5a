// libFuzzer entry: load arbitrary bytes as a metafile and draw them.
#include "wmf/metafile.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_LOGGING_RULES", "*=false");
    static QGuiApplication *app = new QGuiApplication(*argc, *argv); // fonts need an application
    Q_UNUSED(app);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    wmf::Metafile::looksLikeMetafile(bytes.left(64));
    wmf::Metafile mf;
    if (!mf.load(bytes))
        return 0;
    // Draw into a small fixed canvas, scaled down from the natural size, so
    // huge pictures cost no more than small ones.
    QImage img(128, 128, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::white);
    QPainter p(&img);
    const QSize n = mf.naturalSize();
    p.scale(128.0 / qMax(1, n.width()), 128.0 / qMax(1, n.height()));
    mf.render(p);
    return 0;
}
