#pragma once
// The trainer's main window: toolbar, task picture with counter, answer
// display, mode panel and quiz panel. The handlers carry the names of the
// control and event they serve; the rules themselves live in tasklogic.h.

#include "app/modul1.h"
#include "app/random.h"
#include "tasklist/taskfile.h"
#include "trainer/tasklogic.h"
#include "ui/window.h"

#include <QStringList>

#include <memory>

class QFrame;
class QRadioButton;

namespace editor {
class Form3;
}
namespace help {
class Form2;
class VAZIDEZA;
}
namespace ui {
class Label;
class PictureBox;
}

namespace trainer {

class Form1 : public ui::Window {
    Q_OBJECT
public:
    explicit Form1(std::unique_ptr<app::RandomSource> random = nullptr, QWidget *parent = nullptr);
    ~Form1() override;

    // The load handler: centre, seed, read the task list, learning mode,
    // task 1. Returns false when the program has to end (no task list).
    bool Form_Load();
    void Form_KeyDown(int keyCode, int shift);

    const app::Modul1 &modul() const { return m_modul; }
    const std::string &VisitedMask() const { return m_visited.text(); }
    const QStringList &List3() const { return m_choices; }

    // Navigation and the reveal (toolbar buttons).
    void Bild9_Click();   // first task
    void Bild2_Click();   // previous task
    void Bild3_Click();   // random task not yet drawn
    void Bild4_Click();   // next task
    void Bild10_Click();  // last task
    void Bild5_Click();   // reveal the answer
    void Bild6_Click();   // show or hide the mode panel
    void Bild7_Click();   // end after confirmation
    void Bild8_Click();   // choose the task folder
    void Bild11_Click();  // about window
    void Bild12_Click();  // key assignment window
    void Bild13_Click();  // editor

    void Option1_Click();
    void Option2_Click();
    void Option3_Click();
    void quiz1_Click() { judgeChoice(0); }
    void quiz2_Click() { judgeChoice(1); }
    void quiz3_Click() { judgeChoice(2); }
    void quiz4_Click() { judgeChoice(3); }

protected:
    void keyPreview(int keyCode, Qt::KeyboardModifiers modifiers) override;
    void activated() override;
    void closeEvent(QCloseEvent *event) override;

private:
    void buildToolbar();
    void buildTaskArea();
    void buildModePanel();
    void buildQuizPanel();

    bool LoadTaskList();
    void takeTaskList(tasklist::LoadResult loaded);
    void startOver();
    void ShowTask();
    void ShowModeNotice();
    void FillQuizChoices();
    void chooseMode(int mode);
    void judgeChoice(int position);
    void emptyAnswerDisplay();

    app::Modul1 m_modul;
    std::unique_ptr<app::RandomSource> m_random;
    tasklist::TaskList m_tasks;   // List1 (pictures) and List2 (answers)
    trainer::VisitedMask m_visited;
    QStringList m_choices;        // List3
    QCollator m_collator = choiceCollator();

    std::unique_ptr<editor::Form3> m_editor;  // created at its first opening, then kept
    std::unique_ptr<help::Form2> m_keyWindow;   // likewise, shown without an owner
    std::unique_ptr<help::VAZIDEZA> m_aboutWindow;

    ui::PictureBox *Bild1 = nullptr;
    ui::Label *Label1 = nullptr;
    ui::Label *Bezeichnung1 = nullptr;
    ui::Label *Bezeichnung3 = nullptr;
    ui::Label *Bezeichnung5 = nullptr;
    QFrame *Frame1 = nullptr;
    QRadioButton *Option1 = nullptr;
    QRadioButton *Option2 = nullptr;
    QRadioButton *Option3 = nullptr;
    ui::PictureBox *Picture1 = nullptr;
    ui::Label *quiz[4] = {};
};

} // namespace trainer
