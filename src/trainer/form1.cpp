#include "form1.h"

#include "app/textmarks.h"
#include "app/settings.h"
#include "editor/form3.h"
#include "syllables/syllables.h"
#include "help/form2.h"
#include "help/vazideza.h"
#include "resources/icons.h"
#include "speech/loader.h"
#include "ui/application.h"
#include "ui/folderdialog.h"
#include "ui/fonts.h"
#include "ui/label.h"
#include "ui/messagebox.h"
#include "ui/optionbutton.h"
#include "ui/picturebox.h"
#include "ui/toolbar.h"
#include "ui/units.h"

#include <QCloseEvent>
#include <QDir>
#include <QFrame>
#include <QLineEdit>
#include <QThread>

namespace trainer {

namespace {

const QString kSansSerif = QStringLiteral("MS Sans Serif");
const QString kVerdana = QStringLiteral("Verdana");

// The look of the counter and of the answer header.
void styleHeading(ui::Label *label)
{
    ui::setColors(label, ui::colors::mediumBlue, ui::colors::white);
    label->setFont(ui::designFont(kVerdana, 12, true));
    label->setBorder(true);
    label->setWordWrap(false);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
}

} // namespace

Form1::Form1(std::unique_ptr<app::RandomSource> random, QWidget *parent)
    : ui::Window(parent),
      m_trainer({[this](const QString &name) { return Bild1->loadPicture(name, m_trainer.folder()); },
                 [this](const ui::Message &message) {
                     // The box comes up over the window as the trainer left it.
                     showState();
                     return ui::showMessage(message, this);
                 },
                 [] { ui::Application::endProgram(); }},
                std::move(random))
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("O n d r e l"));
    setWindowIcon(resources::icon(QStringLiteral("bicycle")));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setClientSizeTwips(9990, 7935);
    ui::setColors(this, ui::colors::white);
    setFont(ui::designFont(kSansSerif, 8.25, true));

    // Created bottom to top: labels lie beneath picture boxes, frame and panels.
    buildTaskArea();
    buildWritingPanel();
    buildToolbar();
    buildModePanel();
    buildQuizPanel();
    showSyllables();
}

Form1::~Form1()
{
    // The patterns load into the program's memory, not the window's: let it finish.
    if (m_loadingSyllables)
        m_loadingSyllables->wait();
}

void Form1::buildTaskArea()
{
    addShape({ui::twipsRect(0, 0, 9975, 735), ui::colors::lightBlue, ui::colors::mediumBlue, 3});
    addShape({ui::twipsRect(5040, 1200, 4815, 6615), ui::colors::lightBlue, palette().color(QPalette::WindowText), 1});

    Label1 = ui::makeLabel(this, "Label1", 120, 830, 4815, 375);
    styleHeading(Label1);
    Bezeichnung5 = ui::makeLabel(this, "Bezeichnung5", 5040, 830, 4815, 375);
    styleHeading(Bezeichnung5);
    Bezeichnung5->setCaption(QStringLiteral(" L ö s u n g   d e r   A u f g a b e "));

    Bezeichnung1 = ui::makeLabel(this, "Bezeichnung1", 5160, 1320, 4575, 6375);
    ui::setColors(Bezeichnung1, ui::colors::lightBlue, ui::colors::textBlue);
    Bezeichnung1->setFont(ui::designFont(kVerdana, 14.25, true));
    connect(Bezeichnung1, &ui::Label::clicked, this, &Form1::Vorlesen);

    // Beyond the right edge of the client area: never seen, holds the answer.
    Bezeichnung3 = ui::makeLabel(this, "Bezeichnung3", 10200, 120, 1935, 375);

    Bild1 = new ui::PictureBox(this);
    Bild1->setObjectName(QStringLiteral("Bild1"));
    ui::placeTwips(Bild1, 120, 1200, 4815, 6615);
    ui::setColors(Bild1, ui::colors::lightBlue);
}

void Form1::buildWritingPanel()
{
    // Over the answer display, which stays empty in writing mode.
    // Its font comes first: made with the window's, it would load that font at start-up.
    Text1 = new QLineEdit;
    Text1->setFont(ui::designFont(kVerdana, 14.25, true));
    Text1->setParent(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    ui::placeTwips(Text1, 5160, 1320, 3240, 495);
    ui::setColors(Text1, ui::colors::lightBlue, ui::colors::textBlue);
    Text1->setMaxLength(1000); // a child's answer; a runaway paste is cut
    connect(Text1, &QLineEdit::textChanged, this, [this](const QString &typed) { m_trainer.setTyped(typed); });

    Bezeichnung6 = ui::makeLabel(this, "Bezeichnung6", 8520, 1320, 1215, 495);
    ui::setColors(Bezeichnung6, ui::colors::lightBlue, ui::colors::textBlue);
    Bezeichnung6->setFont(ui::designFont(kVerdana, 9.75, true));
    Bezeichnung6->setBorder(true);
    Bezeichnung6->setAlignment(Qt::AlignCenter);
    Bezeichnung6->setCaption(QStringLiteral("Prüfen"));
    connect(Bezeichnung6, &ui::Label::clicked, this, &Form1::Bezeichnung6_Click);

    // The letters judged, then the right answer.
    Bezeichnung7 = ui::makeLabel(this, "Bezeichnung7", 5160, 1935, 4575, 2655);
    Bezeichnung8 = ui::makeLabel(this, "Bezeichnung8", 5160, 4710, 4575, 2985);
    for (ui::Label *label : {Bezeichnung7, Bezeichnung8}) {
        ui::setColors(label, ui::colors::lightBlue, ui::colors::textBlue);
        label->setFont(ui::designFont(kVerdana, 14.25, true));
    }
    connect(Bild1, &ui::PictureBox::clicked, this, &Form1::Bild1_Click);
}

void Form1::buildToolbar()
{
    const auto now = [this](void (Form1::*handler)()) { return [this, handler] { (this->*handler)(); }; };
    // The buttons that open another window wait for the double-click time.
    const auto later = [this](void (Form1::*handler)()) {
        return [this, handler] { m_opening.run([this, handler] { (this->*handler)(); }); };
    };
    const auto icon = [](const char *name) { return resources::icon(QLatin1String(name)); };
    // Left edges step by 840 twips along the toolbar.
    ui::makeToolbar(this, {
        {"Bild7", 120, "Programmende", icon("stop"), now(&Form1::Bild7_Click)},
        {"Bild6", 960, "Einstellung", icon("trafficlight"), now(&Form1::Bild6_Click)},
        {"Bild9", 1800, "Erste Aufgabe", icon("start"), now(&Form1::Bild9_Click)},
        {"Bild2", 2640, "Vorherige Aufgabe", icon("turnleft"), now(&Form1::Bild2_Click)},
        {"Bild3", 3480, "Zufällige Aufgabe", icon("straight"), now(&Form1::Bild3_Click)},
        {"Bild4", 4320, "Nächste Aufgabe", icon("turnright"), now(&Form1::Bild4_Click), 480},
        {"Bild10", 5160, "Letzte Aufgabe", icon("ende"), now(&Form1::Bild10_Click)},
        {"Bild5", 6000, "Lösung zeigen", icon("cone"), now(&Form1::Bild5_Click)},
        {"Bild8", 6840, "Benutzerwahl", icon("children"), later(&Form1::Bild8_Click)},
        {"Bild12", 7680, "Tastenbelegung", icon("info"), later(&Form1::Bild12_Click)},
        {"Bild13", 8520, "Editor", icon("edit"), later(&Form1::Bild13_Click)},
        {"Bild11", 9360, "Copyright", icon("bicycle"), later(&Form1::Bild11_Click)},
    });
}

void Form1::buildModePanel()
{
    Frame1 = new QFrame(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    // Grown below the designed three options to hold writing mode's and "Silben".
    ui::placeTwips(Frame1, 840, 720, 2295, 2055);
    ui::setColors(Frame1, ui::colors::mediumBlue);
    const struct {
        const char *name;
        int top;
        const char *caption;
        void (Form1::*handler)();
    } options[] = {
        {"Option1", 240, "Arbeitsmodus", &Form1::Option1_Click},
        {"Option2", 600, "Lernmodus", &Form1::Option2_Click},
        {"Option3", 960, "Quizmodus", &Form1::Option3_Click},
        {"Option4", 1320, "Schreibmodus", &Form1::Option4_Click},
    };
    for (int i = 0; i < 4; ++i) {
        const auto &option = options[i];
        auto *button = new ui::OptionButton(QString::fromUtf8(option.caption), Frame1);
        button->setObjectName(QLatin1String(option.name));
        ui::placeTwips(button, 120, option.top, 2055, 255);
        ui::setColors(button, ui::colors::mediumBlue, ui::colors::white);
        button->setFont(ui::designFont(kVerdana, 9.75, true));
        connect(button, &QRadioButton::clicked, this, option.handler);
        Option[i] = button;
    }
    Option[1]->setChecked(true);
    Check1 = new ui::CheckBox(QStringLiteral("Silben"), Frame1);
    Check1->setObjectName(QStringLiteral("Check1"));
    ui::placeTwips(Check1, 120, 1680, 2055, 255);
    ui::setColors(Check1, ui::colors::mediumBlue, ui::colors::white);
    Check1->setFont(ui::designFont(kVerdana, 9.75, true));
    Check1->setChecked(app::readsBySyllables());
    connect(Check1, &QCheckBox::clicked, this, &Form1::Check1_Click);
    Frame1->hide();
}

void Form1::buildQuizPanel()
{
    Picture1 = new ui::PictureBox(this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    ui::placeTwips(Picture1, 10200, 840, 4815, 6975);
    ui::setColors(Picture1, ui::colors::mediumBlue);
    const int tops[4] = {120, 1800, 3480, 5160};
    void (Form1::*handlers[4])() = {&Form1::quiz1_Click, &Form1::quiz2_Click, &Form1::quiz3_Click, &Form1::quiz4_Click};
    for (int i = 0; i < 4; ++i) {
        const QByteArray name = "quiz" + QByteArray::number(i + 1);
        quiz[i] = ui::makeLabel(Picture1, name.constData(), 120, tops[i], 4575, 1695);
        ui::setColors(quiz[i], ui::colors::lightBlue, ui::colors::textBlue);
        quiz[i]->setFont(ui::designFont(kVerdana, 9.75, true));
        quiz[i]->setBorder(true);
        quiz[i]->setCaption(QString::fromLatin1(name));
        connect(quiz[i], &ui::Label::clicked, this, handlers[i]);
        connect(quiz[i], &ui::Label::rightClicked, this, [this, i] { readAloud(m_trainer.speakableChoice(i)); });
    }
}

bool Form1::Form_Load(const QDir &folder)
{
    centreOnScreen();
    const bool loaded = m_trainer.load(folder);
    showState();
    return loaded;
}

void Form1::showState()
{
    // Leaving the task or the mode ends what is being read aloud.
    if (m_speech && (m_trainer.modul().CurrentTask != m_spokenTask || m_trainer.modul().CurrentMode != m_spokenMode))
        m_speech->stop();
    Label1->setCaption(m_trainer.counter());
    Bezeichnung1->setCaption(m_trainer.answerDisplay());
    Bezeichnung3->setCaption(m_trainer.answer());
    Frame1->setVisible(m_trainer.modePanelShown());
    Option[m_trainer.modul().CurrentMode - 1]->setChecked(true);
    ui::setLeftTwips(Picture1, ui::leftTwips(m_trainer.quizPanelIn() ? Bezeichnung5 : Bezeichnung3));
    for (int i = 0; i < 4; ++i)
        quiz[i]->setCaption(m_trainer.choiceCaptions().at(i));
    showWriting();
}

namespace {

// The letters as judged: right ones in the text's colour, wrong ones in red,
// a missing one as a red gap, an extra one struck through.
void showMarks(ui::Label *label, const WritingCheck &check)
{
    const QColor red(220, 0, 0);
    QString text;
    QList<ui::TextColour> colours;
    for (const LetterMark &mark : check.marks) {
        if (mark.kind != LetterMark::Right)
            colours.append({text.size(), 1, red, mark.kind == LetterMark::Extra});
        text += mark.kind == LetterMark::Missing ? QChar('_') : mark.typed;
    }
    if (check.onlyCapitalsWrong)
        text += QStringLiteral("\r\rAchte auf große und kleine Buchstaben!");
    label->setCaption(text, colours);
}

} // namespace

void Form1::showWriting()
{
    const bool writing = m_trainer.writing();
    Text1->setVisible(writing);
    Bezeichnung6->setVisible(writing);
    Bezeichnung7->setVisible(writing && m_trainer.lastCheck());
    Bezeichnung8->setVisible(writing && m_trainer.solutionShown());
    if (!writing) {
        // The other modes' keys belong to the window alone.
        if (Text1->hasFocus())
            Text1->clearFocus();
        return;
    }
    // Each new task starts with an empty field that has the keyboard.
    if (m_writingTaskShows != m_trainer.taskShows()) {
        m_writingTaskShows = m_trainer.taskShows();
        Text1->clear();
    }
    if (!Text1->hasFocus())
        Text1->setFocus();
    if (m_trainer.lastCheck())
        showMarks(Bezeichnung7, *m_trainer.lastCheck());
    Bezeichnung8->setCaption(app::MarksToBreaks(m_trainer.answer()));
}

void Form1::run(void (Trainer::*action)())
{
    (m_trainer.*action)();
    showState();
}

void Form1::Bild9_Click() { run(&Trainer::firstTask); }
void Form1::Bild2_Click() { run(&Trainer::previousTask); }
void Form1::Bild3_Click() { run(&Trainer::randomTask); }
void Form1::Bild4_Click() { run(&Trainer::nextTask); }
void Form1::Bild10_Click() { run(&Trainer::lastTask); }
void Form1::Bild5_Click() { run(&Trainer::reveal); }
void Form1::Bild6_Click() { run(&Trainer::toggleModePanel); }
void Form1::Bild7_Click() { run(&Trainer::quit); }
void Form1::activated()
{
    // Back from the editor after it saved the list: the list as saved.
    if (m_editor && m_editor->editor().saveCount() != m_editorSaves) {
        m_editorSaves = m_editor->editor().saveCount();
        m_trainer.reloadList();
    }
    run(&Trainer::showModeNotice);
}

void Form1::chooseMode(int mode)
{
    m_trainer.chooseMode(mode);
    showState();
}

void Form1::Option1_Click() { chooseMode(app::WorkMode); }
void Form1::Option2_Click() { chooseMode(app::LearningMode); }
void Form1::Option3_Click() { chooseMode(app::QuizMode); }
void Form1::Option4_Click() { chooseMode(app::WritingMode); }

void Form1::Check1_Click()
{
    app::setReadsBySyllables(Check1->isChecked());
    showSyllables();
}

void Form1::showSyllables()
{
    const bool on = Check1->isChecked();
    // The syllable patterns take a second to load: meanwhile the answers show plain.
    if (on && !syllables::patternsReady() && !m_loadingSyllables) {
        m_loadingSyllables = QThread::create([] { syllables::usesPatterns(); });
        m_loadingSyllables->setParent(this);
        connect(m_loadingSyllables, &QThread::finished, this, &Form1::showSyllables);
        connect(m_loadingSyllables, &QThread::finished, m_loadingSyllables, &QObject::deleteLater);
        m_loadingSyllables->start();
    }
    for (ui::Label *label : {Bezeichnung1, quiz[0], quiz[1], quiz[2], quiz[3], Bezeichnung8})
        label->setReadBySyllables(on);
}

void Form1::Bezeichnung6_Click()
{
    m_trainer.checkWriting();
    showState();
}

void Form1::Bild1_Click()
{
    readAloud(m_trainer.dictation());
}

void Form1::judgeChoice(int position)
{
    m_trainer.judgeChoice(position);
    showState();
}

void Form1::quiz1_Click() { judgeChoice(0); }
void Form1::quiz2_Click() { judgeChoice(1); }
void Form1::quiz3_Click() { judgeChoice(2); }
void Form1::quiz4_Click() { judgeChoice(3); }

void Form1::Form_KeyDown(int keyCode, int)
{
    if (keyCode == 'V' && !m_trainer.writing()) { // not one of the designed keys: the trainer never sees it
        Vorlesen();
        return;
    }
    m_trainer.keyDown(keyCode);
    showState();
}

void Form1::keyPreview(int keyCode, Qt::KeyboardModifiers modifiers)
{
    Form_KeyDown(keyCode, int(modifiers));
}

void Form1::Bild8_Click()
{
    const QString folder = ui::chooseFolder(QStringLiteral("Revaze: Ordner mit Aufgaben wählen"),
                                            m_trainer.folder().absolutePath(), this);
    if (folder.isEmpty())
        return;
    m_trainer.switchFolder(QDir(folder));
    showState();
}

namespace {
// Shows a window without an owner, creating it at its first use; a shown
// window only comes to the front.
template <typename W> void showHelpWindow(std::unique_ptr<W> &window)
{
    if (!window)
        window = std::make_unique<W>();
    window->show();
    window->raise();
    window->activateWindow();
}
} // namespace

void Form1::Bild11_Click()
{
    showHelpWindow(m_aboutWindow);
}

void Form1::Bild12_Click()
{
    showHelpWindow(m_keyWindow);
}

void Form1::Bild13_Click()
{
    // One editor for the whole run; its load handler centres it at its first showing.
    if (!m_editor)
        m_editor = std::make_unique<editor::Form3>(this);
    m_editor->setFolder(m_trainer.folder());
    m_editor->show();
    m_editor->activateWindow();
    hide();
}

void Form1::setSpeechEngine(std::unique_ptr<speech::Engine> engine)
{
    m_speech = std::move(engine);
    m_speechChecked = false;
}

void Form1::Vorlesen()
{
    readAloud(m_trainer.speakable());
}

void Form1::readAloud(const QStringList &parts)
{
    if (parts.isEmpty())
        return;
    if (!m_speech)
        m_speech = speech::loadEngine();
    if (!m_speechChecked) {
        // Once a run: what is missing is said at the first try, then V is quiet.
        m_speechChecked = true;
        const QString problem = m_speech->problem();
        m_speechWorks = problem.isEmpty();
        if (!m_speechWorks)
            ui::inform(problem + QChar('\r'), QStringLiteral("Vorlesen"), this);
    }
    if (!m_speechWorks)
        return;
    m_spokenTask = m_trainer.modul().CurrentTask;
    m_spokenMode = m_trainer.modul().CurrentMode;
    m_speech->say(parts);
}

void Form1::closeEvent(QCloseEvent *event)
{
    if (ui::Application::isEnding()) {
        event->accept();
        return;
    }
    // The close box asks like "Programmende"; Yes ends the program from there.
    event->ignore();
    Bild7_Click();
}

} // namespace trainer
