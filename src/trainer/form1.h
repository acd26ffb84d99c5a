#pragma once
// The trainer's main window: toolbar, task picture with counter, answer
// display, mode panel and quiz panel. Each handler, named after its control
// and event, hands the action to the Trainer and shows what it then holds.

#include "trainer/trainer.h"
#include "ui/click.h"
#include "ui/window.h"

#include <QPointer>

#include <memory>

class QCheckBox;
class QFrame;
class QThread;
class QLineEdit;
class QRadioButton;

namespace editor {
class Form3;
}
namespace help {
class Form2;
class VAZIDEZA;
}
namespace speech {
class Engine;
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

    // The load handler: centre, then start the trainer on the task folder.
    // Returns false when the program has to end (no task list).
    bool Form_Load(const QDir &folder);
    void Form_KeyDown(int keyCode, int shift);

    const Trainer &trainer() const { return m_trainer; }

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
    void Option4_Click();        // writing mode
    void Bezeichnung6_Click();   // "Prüfen": checks what was typed, as Enter does
    void Bild1_Click();          // in writing mode, reads the answer aloud
    void Check1_Click();         // "Silben": the answers by syllables, kept for the next run
    void quiz1_Click();
    void quiz2_Click();
    void quiz3_Click();
    void quiz4_Click();
    // Reading aloud (key V, a click on the answer display): what the child
    // can see of the answer; a right click on a quiz label reads that label.
    void Vorlesen();
    // The engine that speaks; without one, the speech module's is loaded at the first use.
    void setSpeechEngine(std::unique_ptr<speech::Engine> engine);

protected:
    void keyPreview(int keyCode, Qt::KeyboardModifiers modifiers) override;
    void activated() override;
    void closeEvent(QCloseEvent *event) override;

private:
    void buildToolbar();
    void buildTaskArea();
    void buildModePanel();
    void buildQuizPanel();
    void buildWritingPanel();
    void showWriting();
    void showSyllables();
    // Puts what the trainer holds on the screen.
    void showState();
    void run(void (Trainer::*action)());
    void chooseMode(int mode);
    void judgeChoice(int position);
    void readAloud(const QStringList &parts);

    Trainer m_trainer;
    std::unique_ptr<speech::Engine> m_speech;
    bool m_speechChecked = false, m_speechWorks = false;
    int m_spokenTask = 0, m_spokenMode = 0; // what was shown when speaking began

    std::unique_ptr<editor::Form3> m_editor;  // created at its first opening, then kept
    int m_editorSaves = 0;                    // the editor's saves the trainer has read
    std::unique_ptr<help::Form2> m_keyWindow;   // likewise, shown without an owner
    std::unique_ptr<help::VAZIDEZA> m_aboutWindow;
    ui::AfterDoubleClickTime m_opening;

    ui::PictureBox *Bild1 = nullptr;
    ui::Label *Label1 = nullptr;
    ui::Label *Bezeichnung1 = nullptr;
    ui::Label *Bezeichnung3 = nullptr;
    ui::Label *Bezeichnung5 = nullptr;
    QFrame *Frame1 = nullptr;
    QRadioButton *Option[4] = {};
    ui::PictureBox *Picture1 = nullptr;
    ui::Label *quiz[4] = {};
    // Writing mode: the field, "Prüfen", the letters judged, the right answer.
    QLineEdit *Text1 = nullptr;
    ui::Label *Bezeichnung6 = nullptr;
    ui::Label *Bezeichnung7 = nullptr;
    ui::Label *Bezeichnung8 = nullptr;
    int m_writingTaskShows = -1;
    QCheckBox *Check1 = nullptr;
    QPointer<QThread> m_loadingSyllables;
};

} // namespace trainer
