#pragma once
// The trainer's state and rules: the task list, the task shown, the mode,
// the answer display, the random draw and the quiz. It knows nothing of
// widgets; the main window calls one method per button, key or option and
// then shows what the trainer holds. Pictures, message boxes and the end of
// the program are the window's, reached through a TrainerView.

#include "ui/message.h"
#include "app/modul1.h"
#include "app/random.h"
#include "tasklist/taskfile.h"
#include "trainer/tasklogic.h"
#include "trainer/writing.h"

#include <QCollator>
#include <QDir>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>
#include <memory>

namespace trainer {

struct TrainerView {
    // Shows the picture a stored name means (an empty name clears the box);
    // false when it cannot be loaded, which leaves the old picture.
    std::function<bool(const QString &storedName)> showPicture;
    ui::Ask ask;
    std::function<void()> endProgram;
};

class Trainer {
public:
    explicit Trainer(TrainerView view, std::unique_ptr<app::RandomSource> random = nullptr);

    // Start-up in `folder`: seed, read the task list, learning mode, task 1.
    // False when there is no readable list: the box was shown and the
    // program is ending.
    bool load(const QDir &folder);
    // "Benutzerwahl": the list of another folder, started afresh as at
    // start-up and with the mode notice, and remembered for the next start
    // from the desktop menu. A folder without a readable list is reported
    // and changes nothing.
    bool switchFolder(const QDir &folder);
    // After the editor saved the list: it is read again. The task shown
    // stays (task 1 when the list no longer reaches it), so does the mode,
    // and random draws start anew. An unreadable list changes nothing.
    void reloadList();

    void firstTask();     // "Erste Aufgabe"
    void previousTask();  // "Vorherige Aufgabe", Left
    void randomTask();    // "Zufällige Aufgabe", Space: a task not yet drawn
    void nextTask();      // "Nächste Aufgabe", Right
    void lastTask();      // "Letzte Aufgabe"
    void reveal();        // "Lösung zeigen", Enter; in writing mode the right answer under the marks
    void toggleModePanel();  // "Einstellung"
    void quit();          // "Programmende", Esc: ends after a question
    void chooseMode(int mode);
    void judgeChoice(int position);  // quiz label 0..3
    // The key handler, with the Windows virtual key code. In writing mode
    // the keys type, but for Esc, Enter (which checks), Page Down and Page Up.
    void keyDown(int keyCode);
    // Writing mode: what the child has typed so far, and the check of it.
    // Right: the box says so, then the next task. Wrong: the letters are
    // judged; after the third wrong check the right answer shows too.
    void setTyped(const QString &typed) { m_typed = typed; }
    void checkWriting();
    void showModeNotice();

    const app::Modul1 &modul() const { return m_modul; }
    const QDir &folder() const { return m_folder; }
    const tasklist::TaskList &tasks() const { return m_tasks; }
    const std::string &visitedMask() const { return m_visited.text(); }
    // The raw answer of the task shown, "@" marks included.
    const QString &answer() const { return m_answer; }
    const QString &answerDisplay() const { return m_answerDisplay; }
    const QString &counter() const { return m_counter; }
    // The quiz choices, raw and sorted, and the four labels' captions.
    const QStringList &choices() const { return m_choices; }
    const QStringList &choiceCaptions() const { return m_choiceCaptions; }
    bool modePanelShown() const { return m_modePanelShown; }
    // What reading aloud says, part by part with pauses between: only what
    // the child can see. The answer display's lines, once it shows them; in
    // quiz mode the four choices from top to bottom, or one of them.
    QStringList speakable() const;
    QStringList speakableChoice(int position) const;
    // In writing mode, what a click on the picture reads aloud: the answer,
    // to be written down as at a dictation. Nothing in the other modes.
    QStringList dictation() const;
    // The quiz panel covers the answer display in quiz mode.
    bool quizPanelIn() const { return m_modul.CurrentMode == app::QuizMode; }
    bool writing() const { return m_modul.CurrentMode == app::WritingMode; }
    // Writing mode's state for the task shown: the text typed, the last
    // wrong check (none before one), and whether the right answer shows.
    const QString &typed() const { return m_typed; }
    const std::optional<WritingCheck> &lastCheck() const { return m_check; }
    bool solutionShown() const { return m_solutionShown; }
    // Counts the tasks shown, so that a view knows a task change, also one
    // to the same task, and empties the writing field.
    int taskShows() const { return m_taskShows; }

private:
    void takeTaskList(tasklist::LoadResult loaded);
    void ShowTask();
    void FillQuizChoices();
    void emptyAnswerDisplay() { m_answerDisplay.clear(); }
    void inform(const QString &text, const QString &title);

    TrainerView m_view;
    std::unique_ptr<app::RandomSource> m_random;
    // Made at the first quiz: it loads the collation tables, which start-up need not.
    std::optional<QCollator> m_collator;
    QDir m_folder;
    app::Modul1 m_modul;
    tasklist::TaskList m_tasks;  // List1 (pictures) and List2 (answers)
    VisitedMask m_visited;
    QString m_answer;            // Bezeichnung3
    QString m_answerDisplay;     // Bezeichnung1
    QString m_counter;           // Label1
    QStringList m_choices;       // List3
    QStringList m_choiceCaptions{QStringLiteral("quiz1"), QStringLiteral("quiz2"), QStringLiteral("quiz3"),
                                 QStringLiteral("quiz4")};
    bool m_modePanelShown = false;
    QString m_typed;
    std::optional<WritingCheck> m_check;
    int m_wrongChecks = 0;
    bool m_solutionShown = false;
    int m_taskShows = 0;
};

} // namespace trainer
