// bench_wmf [--no-libwmf] [FILES...]: median time to load and draw each picture at its
// natural size; with libwmf available, the same with libwmf's gd back end.
// Without arguments it times the sample pictures, a generated 2,000-record clip-art
// picture and the metafiles Inkscape and LibreOffice wrote in tests/wmf/data/producers.
#include "pictures.h"
#include "wmf/metafile.h"
#include "wmf/parser.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <algorithm>
#include <cstdio>
#include <vector>

#ifdef REVAZE_HAVE_LIBWMF
#include <libwmf/api.h>
#include <libwmf/gd.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace {

struct Input {
    QString name;
    QByteArray data;
};

double median(std::vector<double> v)
{
    if (v.empty())
        return 0;
    std::sort(v.begin(), v.end());
    return v.size() % 2 ? v[v.size() / 2] : (v[v.size() / 2 - 1] + v[v.size() / 2]) / 2;
}

// Repeats f until about 0.3 s or 200 runs have passed; returns the median in ms.
template <class F>
double timeIt(F f)
{
    std::vector<double> runs;
    QElapsedTimer total;
    total.start();
    f(); // warm caches (fonts, glyphs)
    while (runs.size() < 5 || (runs.size() < 200 && total.elapsed() < 300)) {
        QElapsedTimer t;
        t.start();
        if (!f())
            return -1;
        runs.push_back(double(t.nsecsElapsed()) / 1e6);
    }
    return median(runs);
}

bool ours(const QByteArray &data)
{
    wmf::Metafile mf;
    if (!mf.load(data))
        return false;
    QImage img(mf.naturalSize(), QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::white);
    QPainter p(&img);
    mf.render(p);
    return true;
}

#ifdef REVAZE_HAVE_LIBWMF
bool libwmf(const QByteArray &data)
{
    wmfAPI_Options options{};
    options.function = wmf_gd_function;
    wmfAPI *api = nullptr;
    const unsigned long flags = WMF_OPT_FUNCTION | WMF_OPT_IGNORE_NONFATAL;
    if (wmf_api_create(&api, flags, &options) != wmf_E_None) {
        if (api)
            wmf_api_destroy(api);
        return false;
    }
    QByteArray copy = data;
    bool ok = wmf_mem_open(api, reinterpret_cast<unsigned char *>(copy.data()), long(copy.size())) == wmf_E_None;
    wmfD_Rect bbox{};
    if (ok)
        ok = wmf_scan(api, 0, &bbox) == wmf_E_None;
    unsigned int w = 0, h = 0;
    if (ok)
        ok = wmf_display_size(api, &w, &h, 96, 96) == wmf_E_None;
    if (ok) {
        wmf_gd_t *dd = WMF_GD_GetData(api);
        dd->type = wmf_gd_image;
        dd->bbox = bbox;
        dd->width = w;
        dd->height = h;
        ok = wmf_play(api, 0, &bbox) == wmf_E_None;
    }
    wmf_api_destroy(api); // frees everything the API allocated, the gd image included
    return ok;
}

// libwmf crashes on some real files, so it is timed in a child process:
// a crash costs that file's figure only. -1 when it fails or crashes.
template <class F>
double timeInChild(F time)
{
    int fds[2];
    if (pipe(fds) != 0)
        return -1;
    const pid_t pid = fork();
    if (pid == 0) {
        close(fds[0]);
        const double t = time();
        const bool sent = write(fds[1], &t, sizeof t) == sizeof t;
        _exit(sent ? 0 : 1);
    }
    close(fds[1]);
    double t = -1;
    if (pid < 0 || read(fds[0], &t, sizeof t) != sizeof t)
        t = -1;
    close(fds[0]);
    if (pid > 0)
        waitpid(pid, nullptr, 0);
    return t;
}
#endif

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    std::vector<Input> inputs;
    QStringList args = app.arguments().mid(1);
    const bool compare = !args.removeAll(QStringLiteral("--no-libwmf"));
    Q_UNUSED(compare);
    for (const QString &path : args) {
        QFile f(path);
        if (!f.open(QIODevice::ReadOnly)) {
            std::fprintf(stderr, "bench_wmf: cannot open %s\n", qPrintable(path));
            return 1;
        }
        inputs.push_back({QFileInfo(path).fileName(), f.readAll()});
    }
    if (inputs.empty()) {
        for (const samples::Picture &p : samples::pictures())
            inputs.push_back({p.fileName, p.data});
        inputs.push_back({QStringLiteral("clipart-2000 (generated)"), samples::clipArt(2000)});
        const QDir producers(QStringLiteral(REVAZE_SOURCE_DIR "/tests/wmf/data/producers"));
        for (const QString &name : producers.entryList({QStringLiteral("*.wmf")}, QDir::Files, QDir::Name)) {
            QFile f(producers.filePath(name));
            if (f.open(QIODevice::ReadOnly))
                inputs.push_back({name, f.readAll()});
        }
    }

    std::printf("%-40s %8s %10s", "picture", "records", "ours ms");
#ifdef REVAZE_HAVE_LIBWMF
    std::printf(" %10s %8s", "libwmf ms", "ratio");
#endif
    std::printf("\n");
    std::vector<double> ourTimes, ratios;
    for (const Input &in : inputs) {
        wmf::Metafile mf;
        mf.load(in.data);
        const double t = timeIt([&] { return ours(in.data); });
        ourTimes.push_back(t);
        const int records = mf.isNull() ? 0 : int(mf.parsed()->records.size());
        std::printf("%-40s %8d %10.3f", qPrintable(in.name), records, t);
#ifdef REVAZE_HAVE_LIBWMF
        const double l = compare ? timeInChild([&] { return timeIt([&] { return libwmf(in.data); }); }) : -1;
        if (l > 0) {
            ratios.push_back(t / l);
            std::printf(" %10.3f %8.2f", l, t / l);
        } else {
            std::printf(" %10s %8s", compare ? "failed" : "-", "-");
        }
#endif
        std::printf("\n");
    }
    std::printf("median time per picture: %.3f ms\n", median(ourTimes));
#ifdef REVAZE_HAVE_LIBWMF
    if (!ratios.empty())
        std::printf("median ratio ours/libwmf: %.2f\n", median(ratios));
#endif
    return 0;
}
