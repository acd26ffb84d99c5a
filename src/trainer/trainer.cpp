#include "trainer.h"

#include "app/settings.h"
#include "app/textmarks.h"
#include "tasklist/foldernames.h"
#include "ui/virtualkeys.h"


#include <algorithm>

namespace trainer {

namespace {

struct ModeText {
    const char *first;
    const char *second;
};

const ModeText kModeNotice[] = {
    {"Du befindest dich jetzt im Arbeitsmodus:", "Lies die Fragen, überlege und drücke ENTER."},
    {"Du befindest dich jetzt im Lernmodus:", "Lies die Fragen und merke dir die Antworten gut."},
    {"Du befindest dich jetzt im Quizmodus:", "Lies die Fragen und klicke die passende Antwort an."},
    {"Du befindest dich jetzt im Schreibmodus:", "Schau dir das Bild an, schreibe das Wort und drücke ENTER."},
};

} // namespace

Trainer::Trainer(TrainerView view, std::unique_ptr<app::RandomSource> random)
    : m_view(std::move(view)), m_random(random ? std::move(random) : std::make_unique<app::TimeSeededRandom>())
{
}

void Trainer::inform(const QString &text, const QString &title)
{
    m_view.ask(ui::information(text, title));
}

bool Trainer::load(const QDir &folder)
{
    m_random->reseedFromTime();
    tasklist::LoadResult loaded = tasklist::loadTaskList(tasklist::taskListFile(folder));
    if (!loaded.ok) {
        m_view.ask({QStringLiteral("Die Datei 'REVAZE.INI' wurde nicht gefunden!\r\r"), QStringLiteral("REVAZE.INI"),
                    ui::Buttons::YesNo, ui::Icon::None, ui::Answer::Yes});
        m_view.endProgram();
        return false;
    }
    m_folder = folder;
    takeTaskList(std::move(loaded));
    m_modul.CurrentMode = app::LearningMode;
    m_modul.CurrentTask = 1;
    ShowTask();
    return true;
}

void Trainer::takeTaskList(tasklist::LoadResult loaded)
{
    m_tasks = std::move(loaded.tasks);
    m_modul.TaskCount = m_tasks.count();
    if (loaded.unpairedLastLine)
        inform(QStringLiteral("Unterschiedliche Dateieinträge!\r\r"), QStringLiteral("Revaze: Dateifehler"));
    m_visited.reset(m_modul.TaskCount);
}

bool Trainer::switchFolder(const QDir &folder)
{
    const QString file = tasklist::taskListFile(folder);
    tasklist::LoadResult loaded = tasklist::loadTaskList(file);
    if (!loaded.ok) {
        const QString why = QFileInfo::exists(file)
                                ? QStringLiteral("Die Aufgabenliste 'REVAZE.INI' in diesem Ordner kann nicht gelesen werden:")
                                : QStringLiteral("In diesem Ordner gibt es keine Aufgabenliste 'REVAZE.INI':");
        inform(why + QChar('\r') + QDir::toNativeSeparators(folder.absolutePath()) + QStringLiteral("\r\r"),
               QStringLiteral("Revaze"));
        return false;
    }
    m_folder = folder;
    // The next start from the desktop menu opens it again.
    app::rememberTaskFolder(folder.absolutePath());
    takeTaskList(std::move(loaded));
    // As at start-up: learning mode, panels in their places, task 1, notice.
    m_modul.CurrentMode = app::LearningMode;
    m_modePanelShown = false;
    emptyAnswerDisplay();
    m_counter.clear();
    m_modul.CurrentTask = 1;
    ShowTask();
    showModeNotice();
    return true;
}

void Trainer::reloadList()
{
    tasklist::LoadResult loaded = tasklist::loadTaskList(tasklist::taskListFile(m_folder));
    if (!loaded.ok)
        return;
    takeTaskList(std::move(loaded));
    if (m_modul.CurrentTask < 1 || m_modul.CurrentTask > m_modul.TaskCount)
        m_modul.CurrentTask = 1;
    // The answer shown may have been changed too.
    emptyAnswerDisplay();
    ShowTask();
}

void Trainer::ShowTask()
{
    // A new task starts writing afresh.
    ++m_taskShows;
    m_typed.clear();
    m_check.reset();
    m_wrongChecks = 0;
    m_solutionShown = false;
    auto &task = m_modul.CurrentTask;
    task = wrapTask(task, m_modul.TaskCount);
    QString picture;
    if (m_modul.TaskCount == 0) {
        task = 0;
        m_answer.clear();
    } else {
        picture = m_tasks.pictures.at(task - 1);
        m_answer = m_tasks.answers.at(task - 1);
    }
    if (!m_view.showPicture(picture)) {
        inform(picture + QStringLiteral(" wurde nicht gefunden!\r"), QStringLiteral("Ladefehler"));
        return;
    }
    m_counter = counterText(task, m_modul.TaskCount);
    if (m_modul.CurrentMode == app::LearningMode)
        reveal();
    if (m_modul.CurrentMode == app::QuizMode)
        FillQuizChoices();
}

void Trainer::firstTask()
{
    emptyAnswerDisplay();
    m_modul.CurrentTask = 1;
    ShowTask();
}

void Trainer::previousTask()
{
    emptyAnswerDisplay();
    m_modul.CurrentTask -= 1;
    ShowTask();
}

void Trainer::nextTask()
{
    emptyAnswerDisplay();
    m_modul.CurrentTask += 1;
    ShowTask();
}

void Trainer::lastTask()
{
    emptyAnswerDisplay();
    m_modul.CurrentTask = m_modul.TaskCount;
    ShowTask();
}

void Trainer::randomTask()
{
    // With no tasks there is nothing to draw and nothing to mark.
    if (m_modul.TaskCount == 0)
        return;
    emptyAnswerDisplay();
    if (m_visited.allDrawn()) {
        m_visited.reset(m_modul.TaskCount);
        inform(QStringLiteral("Es wurden alle Aufgaben bearbeitet.\rDie Reihe beginnt wieder von vorn.\r\r"),
               QStringLiteral("Revaze"));
    }
    m_modul.CurrentTask = m_visited.draw(m_random->next());
    ShowTask();
}

void Trainer::reveal()
{
    if (m_modul.TaskCount == 0)
        return;
    if (writing()) {
        m_solutionShown = true;
        return;
    }
    m_answerDisplay = app::MarksToBreaks(m_answer) + QChar('\r');
}

void Trainer::toggleModePanel()
{
    m_modePanelShown = !m_modePanelShown;
}

void Trainer::quit()
{
    if (m_view.ask(ui::stopQuestion(QStringLiteral("Dieses Programm jetzt beenden?"), QStringLiteral("Ridoziruvirer")))
        != ui::Answer::No)
        m_view.endProgram();
}

void Trainer::chooseMode(int mode)
{
    m_modul.CurrentMode = std::clamp(mode, int(app::WorkMode), int(app::WritingMode));
    firstTask();
    m_modePanelShown = false;
    showModeNotice();
}

void Trainer::showModeNotice()
{
    const ModeText &notice = kModeNotice[m_modul.CurrentMode - 1];
    inform(QString::fromUtf8(notice.first) + QStringLiteral("\r\r") + QString::fromUtf8(notice.second)
               + QStringLiteral("\r\r"),
           QStringLiteral("Revaze"));
}

void Trainer::FillQuizChoices()
{
    if (m_modul.TaskCount == 0)
        return;
    QStringList choices{m_answer};
    m_random->reseedFromTime();
    for (int i = 0; i < 3; ++i) {
        auto r = qsizetype(double(m_modul.TaskCount) * m_random->next());
        r = std::clamp<qsizetype>(r, 0, m_modul.TaskCount - 1);
        choices.append(m_tasks.answers.at(r));
    }
    if (!m_collator)
        m_collator = choiceCollator();
    m_choices = sortedChoices(choices, *m_collator);
    for (qsizetype j = 0; j < m_choices.size(); ++j)
        m_choiceCaptions[j] = app::MarksToBreaks(m_choices.at(j));
}

void Trainer::judgeChoice(int position)
{
    if (m_modul.TaskCount == 0 || position < 0 || position >= m_choices.size())
        return;
    if (m_choices.at(position) != m_answer) {
        inform(QStringLiteral("Das ist leider falsch!\r\r"), QStringLiteral("Veduzozeva"));
        return;
    }
    inform(QStringLiteral("Das ist richtig, weiter!\r\r"), QStringLiteral("Veduzozeva"));
    nextTask();
}

void Trainer::checkWriting()
{
    if (m_modul.TaskCount == 0 || !writing())
        return;
    WritingCheck check = judgeWriting(m_typed, m_answer);
    if (check.right) {
        inform(QStringLiteral("Das ist richtig, weiter!\r\r"), QStringLiteral("Veduzozeva"));
        nextTask();
        return;
    }
    m_check = std::move(check);
    if (++m_wrongChecks >= 3)
        m_solutionShown = true;
}

void Trainer::keyDown(int keyCode)
{
    if (writing()) {
        switch (keyCode) {
        case ui::vk::Escape: quit(); break;
        case ui::vk::Return: checkWriting(); break;
        case ui::vk::PageDown: nextTask(); break;
        case ui::vk::PageUp: previousTask(); break;
        default: break;
        }
        return;
    }
    switch (keyCode) {
    case ui::vk::Escape: quit(); break;
    case ui::vk::Return: reveal(); break;
    case ui::vk::Space: randomTask(); break;
    case ui::vk::Left: previousTask(); break;
    case ui::vk::Right: nextTask(); break;
    case ui::vk::Home:
        m_modul.CurrentTask = m_modul.TaskCount;
        nextTask();
        break;
    case ui::vk::End:
        m_modul.CurrentTask = 1;
        previousTask();
        break;
    default: break;
    }
}

namespace {
// The lines of a text as shown: CR breaks them.
QStringList lines(const QString &shown)
{
    QStringList parts;
    for (const QString &line : shown.split(QChar('\r'))) {
        if (!line.trimmed().isEmpty())
            parts.append(line.trimmed());
    }
    return parts;
}
} // namespace

QStringList Trainer::dictation() const
{
    return writing() ? lines(app::MarksToBreaks(m_answer)) : QStringList();
}

QStringList Trainer::speakable() const
{
    if (writing())
        return {};
    if (!quizPanelIn())
        return lines(m_answerDisplay);
    QStringList parts;
    for (int position = 0; position < m_choiceCaptions.size(); ++position)
        parts += speakableChoice(position);
    return parts;
}

QStringList Trainer::speakableChoice(int position) const
{
    if (!quizPanelIn() || position < 0 || position >= m_choiceCaptions.size())
        return {};
    return lines(m_choiceCaptions.at(position));
}

} // namespace trainer
