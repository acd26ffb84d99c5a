// wmfrender IN.wmf OUT.png [--scale S] [--transparent]
// wmfrender --info IN.wmf
#include "wmf/gdiconstants.h"
#include "wmf/metafile.h"
#include "wmf/parser.h"
#include "wmf/records.h"

#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <cstdio>
#include <cstdlib>
#include <map>

namespace {

int usage()
{
    std::fprintf(stderr, "usage: wmfrender IN.wmf OUT.png [--scale S] [--transparent]\n"
                         "       wmfrender --info IN.wmf\n");
    return 2;
}

bool readFile(const QString &path, QByteArray *data)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "wmfrender: cannot open %s: %s\n", qPrintable(path), qPrintable(f.errorString()));
        return false;
    }
    *data = f.readAll();
    return true;
}

// Escapes carry comments and printer calls; one kind stands out: the
// complete EMF copy of the picture that some programs embed in comments.
std::string escapeName(const wmf::Record &r)
{
    const quint16 escape = r.u16(0);
    if (escape == wmf::MFCOMMENT)
        return r.params.u32(4) == 0x43464D57 ? " (comment: embedded EMF)" : " (comment)";
    char buf[32];
    std::snprintf(buf, sizeof buf, escape == wmf::SETMITERLIMIT ? " (SETMITERLIMIT)" : " (0x%04x)", escape);
    return buf;
}

int info(const QString &path)
{
    QByteArray data;
    if (!readFile(path, &data))
        return 1;
    wmf::Metafile mf;
    QString error;
    if (!mf.load(data, &error)) {
        std::fprintf(stderr, "wmfrender: %s: %s\n", qPrintable(path), qPrintable(error));
        return 1;
    }
    const wmf::ParsedMetafile &p = *mf.parsed();
    if (p.placeable.present) {
        std::printf("placeable header: bbox (%d, %d)-(%d, %d), %u units per inch, checksum 0x%04x (%s)\n",
                    p.placeable.left, p.placeable.top, p.placeable.right, p.placeable.bottom, p.placeable.inch,
                    p.placeable.checksum, p.placeable.checksumOk() ? "ok" : "wrong");
    } else {
        std::printf("placeable header: none\n");
    }
    std::printf("metafile header: type %u, version 0x%04x, size %u words, %u objects, largest record %u words\n",
                p.header.type, p.header.version, p.header.fileSizeWords, p.header.numberOfObjects,
                p.header.maxRecord);
    std::printf("natural size: %d x %d px\n", mf.naturalSize().width(), mf.naturalSize().height());
    std::printf("records: %zu%s\n", p.records.size(), p.sawEof ? " (plus META_EOF)" : "");
    std::map<std::string, int> counts;
    for (const wmf::Record &r : p.records) {
        std::string name = wmf::recordName(r.function);
        if (r.canonical == 0xFFFF) {
            char buf[32];
            std::snprintf(buf, sizeof buf, "unknown 0x%04x", r.function);
            name = buf;
        }
        if (r.canonical == wmf::META_ESCAPE)
            name += escapeName(r);
        ++counts[name];
    }
    for (const auto &[name, n] : counts)
        std::printf("  %-28s %d\n", name.c_str(), n);
    for (const QString &w : p.warnings)
        std::printf("warning: %s\n", qPrintable(w));
    return 0;
}

// Qt's note about a missing runtime directory means nothing to a command-line tool.
void quietHandler(QtMsgType type, const QMessageLogContext &, const QString &msg)
{
    if (msg.startsWith(QLatin1String("QStandardPaths:")))
        return;
    std::fprintf(stderr, "%s\n", qPrintable(msg));
    if (type == QtFatalMsg)
        std::abort();
}

} // namespace

int main(int argc, char **argv)
{
    qInstallMessageHandler(quietHandler);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.size() == 2 && args[0] == QLatin1String("--info"))
        return info(args[1]);

    QStringList files;
    double scale = 1.0;
    bool transparent = false;
    for (int i = 0; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--scale")) {
            if (i + 1 >= args.size())
                return usage();
            bool ok = false;
            scale = args[++i].toDouble(&ok);
            if (!ok || scale <= 0 || scale > 64)
                return usage();
        } else if (args[i] == QLatin1String("--transparent")) {
            transparent = true;
        } else if (args[i].startsWith(QLatin1String("--"))) {
            return usage();
        } else {
            files << args[i];
        }
    }
    if (files.size() != 2)
        return usage();

    QByteArray data;
    if (!readFile(files[0], &data))
        return 1;
    wmf::Metafile mf;
    QString error;
    if (!mf.load(data, &error)) {
        std::fprintf(stderr, "wmfrender: %s: not a metafile: %s\n", qPrintable(files[0]), qPrintable(error));
        return 1;
    }
    const QSize size = mf.naturalSize() * scale;
    if (size.width() > 16384 || size.height() > 16384 || size.isEmpty()) {
        std::fprintf(stderr, "wmfrender: output of %d x %d px is too large\n", size.width(), size.height());
        return 1;
    }
    QImage img(size, QImage::Format_ARGB32_Premultiplied);
    img.fill(transparent ? Qt::transparent : Qt::white);
    {
        QPainter p(&img);
        p.scale(scale, scale);
        mf.render(p);
    }
    if (!img.save(files[1], "PNG")) {
        std::fprintf(stderr, "wmfrender: cannot write %s\n", qPrintable(files[1]));
        return 1;
    }
    return 0;
}
