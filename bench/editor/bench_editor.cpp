// Prints the editor's speed figures: an activation (read the list of
// 100,000 tasks, list 1,000 picture files, first preview) and a save.
//   bench_editor [RUNS]
#include "editor/form3.h"
#include "ui/application.h"
#include "ui/messagebox.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

int main(int argc, char *argv[])
{
    ui::Application app(argc, argv);
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 5;
    // Every question answered Yes, every notice OK.
    ui::setMessageHook([](const ui::Message &m) { return m.buttons == ui::Buttons::YesNo ? ui::Answer::Yes : ui::Answer::Ok; });

    QTemporaryDir dir;
    QByteArray list;
    for (int k = 1; k <= 100000; ++k)
        list += "BILD" + QByteArray::number(k % 1000) + ".WMF\r\nAntwort " + QByteArray::number(k) + "@zweite Zeile\r\n";
    QFile file(dir.filePath("REVAZE.INI"));
    file.open(QIODevice::WriteOnly);
    file.write(list);
    file.close();
    QFile picture(QStringLiteral(REVAZE_SAMPLE_PICTURE));
    picture.open(QIODevice::ReadOnly);
    const QByteArray bytes = picture.readAll();
    for (int k = 0; k < 1000; ++k) {
        QFile out(dir.filePath(QStringLiteral("bild%1.wmf").arg(k)));
        out.open(QIODevice::WriteOnly);
        out.write(bytes);
    }
    editor::Form3 form;
    form.setFolder(QDir(dir.path()));
    form.show();
    std::vector<double> activations, saves;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer t;
        t.start();
        form.Form_Activate();
        activations.push_back(t.nsecsElapsed() / 1e6);
        t.restart();
        form.Bild2_Click();
        saves.push_back(t.nsecsElapsed() / 1e6);
    }
    const double firstActivation = activations.front();
    const double firstSave = saves.front();
    std::sort(activations.begin(), activations.end());
    std::sort(saves.begin(), saves.end());
    std::printf("editor activation (100000 tasks, 1000 files): median %.1f ms, worst %.1f ms, first %.1f ms\n",
                activations[activations.size() / 2], activations.back(), firstActivation);
    std::printf("editor save (100000 tasks):                    median %.1f ms, worst %.1f ms, first %.1f ms\n",
                saves[saves.size() / 2], saves.back(), firstSave);
    return 0;
}
