// Prints the trainer's speed figures: loading a long task list, the random
// button over a whole list, single key actions, and showing sample tasks.
//   bench_trainer [SAMPLE_FOLDER]
#include "tasklist/taskfile.h"
#include "trainer/form1.h"
#include "ui/application.h"
#include "ui/messagebox.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace {

long residentKiB()
{
    std::ifstream status("/proc/self/status");
    std::string key;
    while (status >> key) {
        if (key == "VmRSS:") {
            long kib = 0;
            status >> kib;
            return kib;
        }
        status.ignore(4096, '\n');
    }
    return 0;
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

void writeList(const QString &path, int tasks, bool withPictures)
{
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    QByteArray bytes;
    for (int k = 1; k <= tasks; ++k)
        bytes += (withPictures ? "BILD" + QByteArray::number(k) + ".WMF" : QByteArray()) + "\r\nDas ist die Antwort " +
                 QByteArray::number(k) + "@zweite Zeile\r\n";
    file.write(bytes);
}

} // namespace

int main(int argc, char *argv[])
{
    ui::Application app(argc, argv);
    ui::setMessageHook([](const ui::Message &) { return ui::Answer::Ok; });
    const int n = 100000;
    const QString samples = argc > 1 ? QDir(QString::fromLocal8Bit(argv[1])).absolutePath() : QString();

    QTemporaryDir dir;
    const QString list = dir.filePath("REVAZE.INI");
    writeList(list, n, true);
    std::vector<double> loads;
    long memory = 0;
    for (int i = 0; i < 7; ++i) {
        const long before = residentKiB();
        QElapsedTimer t;
        t.start();
        const tasklist::LoadResult loaded = tasklist::loadTaskList(list);
        loads.push_back(t.nsecsElapsed() / 1e6);
        memory = std::max(memory, residentKiB() - before);
        if (loaded.tasks.count() != n)
            return 1;
    }
    std::printf("load %d tasks:            median %.1f ms, lists %.1f MB resident\n", n, median(loads), memory / 1024.0);

    // The trainer on a list without picture names: no picture loading at all.
    writeList(list, n, false);
    {
        trainer::Form1 form;
        form.Form_Load(QDir(dir.path()));
        QElapsedTimer t;
        t.start();
        for (int i = 0; i < n; ++i)
            form.Bild3_Click();
        const double all = t.nsecsElapsed() / 1e6;
        t.restart();
        form.Bild3_Click(); // the press after the last: reset message and a new draw
        std::printf("random button x %d:     %.1f ms in total (reset press %.3f ms)\n", n, all, t.nsecsElapsed() / 1e6);

        struct Action { const char *name; int key; };
        const Action actions[] = {{"Right", 39}, {"Left", 37}, {"Home", 36}, {"End", 35}, {"Space", 32}, {"Enter", 13}};
        double worst = 0;
        for (const Action &a : actions) {
            std::vector<double> times;
            for (int i = 0; i < 1000; ++i) {
                QElapsedTimer k;
                k.start();
                form.Form_KeyDown(a.key, 0);
                times.push_back(k.nsecsElapsed() / 1e6);
            }
            worst = std::max(worst, *std::max_element(times.begin(), times.end()));
            std::printf("key %-6s (%d tasks): median %.4f ms, worst %.4f ms\n", a.name, n, median(times),
                        *std::max_element(times.begin(), times.end()));
        }
        std::vector<double> modes;
        for (int i = 0; i < 300; ++i) {
            QElapsedTimer k;
            k.start();
            (i % 2 ? form.Option1_Click() : form.Option3_Click());
            modes.push_back(k.nsecsElapsed() / 1e6);
        }
        std::printf("mode change (%d tasks):  median %.4f ms, worst %.4f ms (first %.4f ms)\n", n, median(modes),
                    *std::max_element(modes.begin(), modes.end()), modes.front());
    }

    // Task changes on the sample pictures, each drawn once.
    if (!samples.isEmpty()) {
        trainer::Form1 form;
        int failures = 0;
        ui::setMessageHook([&failures](const ui::Message &m) {
            failures += m.title == QStringLiteral("Ladefehler");
            return ui::Answer::Ok;
        });
        if (!form.Form_Load(QDir(samples)))
            return 1;
        form.show();
        std::vector<double> changes;
        for (int i = 0; i < 1000; ++i) {
            QElapsedTimer t;
            t.start();
            form.Bild4_Click();
            form.repaint();
            changes.push_back(t.nsecsElapsed() / 1e6);
        }
        std::printf("task change on samples: median %.2f ms, worst %.2f ms (1000 changes, picture drawn)\n",
                    median(changes), *std::max_element(changes.begin(), changes.end()));
        if (failures > 0) {
            std::printf("%d sample pictures failed to load\n", failures);
            return 1;
        }
    }
    return 0;
}
