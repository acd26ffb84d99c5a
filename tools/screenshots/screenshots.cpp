// Renders the program's windows on the sample task list to PNG files, for
// the README. Run offscreen: screenshots SAMPLE_FOLDER OUTDIR
#include "editor/form3.h"
#include "help/form2.h"
#include "syllables/syllables.h"
#include "help/vazideza.h"
#include "trainer/form1.h"
#include "ui/application.h"
#include "ui/messagebox.h"

#include <QCheckBox>
#include <QDir>
#include <QLineEdit>

#include <cstdio>

int main(int argc, char *argv[])
{
    ui::Application app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: screenshots SAMPLE_FOLDER OUTDIR\n");
        return 2;
    }
    const QDir out(QDir(QString::fromLocal8Bit(argv[2])).absolutePath());
    out.mkpath(QStringLiteral("."));
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    ui::setMessageHook([](const ui::Message &) { return ui::Answer::Ok; });

    trainer::Form1 form;
    if (!form.Form_Load(folder))
        return 1;
    form.show();
    form.Bild4_Click();
    form.Bild4_Click();
    form.Bild4_Click();
    bool ok = form.grab().save(out.filePath(QStringLiteral("trainer-learning.png")));
    form.Option3_Click();
    form.Bild4_Click();
    form.Bild4_Click();
    ok = ok && form.grab().save(out.filePath(QStringLiteral("trainer-quiz.png")));
    // Writing mode: a word spelt wrong, judged letter by letter.
    form.Option4_Click();
    form.Bild4_Click();
    form.findChild<QLineEdit *>(QStringLiteral("Text1"))->setText(QStringLiteral("Der Bam"));
    form.Bezeichnung6_Click();
    ok = ok && form.grab().save(out.filePath(QStringLiteral("trainer-writing.png")));

    editor::Form3 editorWindow(&form);
    editorWindow.setFolder(folder);
    editorWindow.show();
    editorWindow.Form_Activate();
    ok = ok && editorWindow.grab().save(out.filePath(QStringLiteral("editor.png")));
    // Learning mode by syllables, the patterns loaded first.
    syllables::usesPatterns();
    form.findChild<QCheckBox *>(QStringLiteral("Check1"))->click();
    form.Option2_Click();
    for (int i = 0; i < 9; ++i)
        form.Bild4_Click();
    ok = ok && form.grab().save(out.filePath(QStringLiteral("trainer-syllables.png")));
    help::Form2 keys;
    keys.show();
    ok = ok && keys.grab().save(out.filePath(QStringLiteral("keys.png")));
    help::VAZIDEZA about;
    about.show();
    ok = ok && about.grab().save(out.filePath(QStringLiteral("about.png")));
    return ok ? 0 : 1;
}
