#include "form1.h"

#include "app/textmarks.h"
#include "editor/form3.h"
#include "tasklist/foldernames.h"
#include "help/form2.h"
#include "help/vazideza.h"
#include "resources/icons.h"
#include "ui/application.h"
#include "ui/folderdialog.h"
#include "ui/fonts.h"
#include "ui/label.h"
#include "ui/messagebox.h"
#include "ui/optionbutton.h"
#include "ui/picturebox.h"
#include "ui/units.h"

#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFrame>

namespace trainer {

namespace {

const QString kSansSerif = QStringLiteral("MS Sans Serif");
const QString kVerdana = QStringLiteral("Verdana");

struct ToolButton {
    const char *name;
    int left;
    const char *toolTip;
    const char *icon;
    void (Form1::*handler)();
};

// Left edges step by 840 twips along the toolbar.
const ToolButton kToolbar[] = {
    {"Bild7", 120, "Programmende", "stop", &Form1::Bild7_Click},
    {"Bild6", 960, "Einstellung", "trafficlight", &Form1::Bild6_Click},
    {"Bild9", 1800, "Erste Aufgabe", "start", &Form1::Bild9_Click},
    {"Bild2", 2640, "Vorherige Aufgabe", "turnleft", &Form1::Bild2_Click},
    {"Bild3", 3480, "Zufällige Aufgabe", "straight", &Form1::Bild3_Click},
    {"Bild4", 4320, "Nächste Aufgabe", "turnright", &Form1::Bild4_Click},
    {"Bild10", 5160, "Letzte Aufgabe", "ende", &Form1::Bild10_Click},
    {"Bild5", 6000, "Lösung zeigen", "cone", &Form1::Bild5_Click},
    {"Bild8", 6840, "Benutzerwahl", "children", &Form1::Bild8_Click},
    {"Bild12", 7680, "Tastenbelegung", "info", &Form1::Bild12_Click},
    {"Bild13", 8520, "Editor", "edit", &Form1::Bild13_Click},
    {"Bild11", 9360, "Copyright", "bicycle", &Form1::Bild11_Click},
};

struct ModeText {
    const char *first;
    const char *second;
};

const ModeText kModeNotice[] = {
    {"Du befindest dich jetzt im Arbeitsmodus:", "Lies die Fragen, überlege und drücke ENTER."},
    {"Du befindest dich jetzt im Lernmodus:", "Lies die Fragen und merke dir die Antworten gut."},
    {"Du befindest dich jetzt im Quizmodus:", "Lies die Fragen und klicke die passende Antwort an."},
};

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
    : ui::Window(parent), m_random(random ? std::move(random) : std::make_unique<app::TimeSeededRandom>())
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
    buildToolbar();
    buildModePanel();
    buildQuizPanel();
}

Form1::~Form1() = default;

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

    // Beyond the right edge of the client area: never seen, holds the answer.
    Bezeichnung3 = ui::makeLabel(this, "Bezeichnung3", 10200, 120, 1935, 375);

    Bild1 = new ui::PictureBox(this);
    Bild1->setObjectName(QStringLiteral("Bild1"));
    ui::placeTwips(Bild1, 120, 1200, 4815, 6615);
    ui::setColors(Bild1, ui::colors::lightBlue);
}

void Form1::buildToolbar()
{
    for (const ToolButton &button : kToolbar) {
        auto *box = new ui::PictureBox(this);
        box->setObjectName(QLatin1String(button.name));
        const int side = qstrcmp(button.name, "Bild4") == 0 ? 480 : 495;
        ui::placeTwips(box, button.left, 120, side, side);
        ui::setColors(box, ui::colors::lightBlue);
        box->setIcon(resources::icon(QLatin1String(button.icon)));
        box->setToolTip(QString::fromUtf8(button.toolTip));
        connect(box, &ui::PictureBox::clicked, this, button.handler);
    }
}

void Form1::buildModePanel()
{
    Frame1 = new QFrame(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    ui::placeTwips(Frame1, 840, 720, 2295, 1335);
    ui::setColors(Frame1, ui::colors::mediumBlue);
    const struct {
        QRadioButton *Form1::*member;
        const char *name;
        int top;
        const char *caption;
        void (Form1::*handler)();
    } options[] = {
        {&Form1::Option1, "Option1", 240, "Arbeitsmodus", &Form1::Option1_Click},
        {&Form1::Option2, "Option2", 600, "Lernmodus", &Form1::Option2_Click},
        {&Form1::Option3, "Option3", 960, "Quizmodus", &Form1::Option3_Click},
    };
    for (const auto &option : options) {
        auto *button = new ui::OptionButton(QString::fromUtf8(option.caption), Frame1);
        button->setObjectName(QLatin1String(option.name));
        ui::placeTwips(button, 120, option.top, 2055, 255);
        ui::setColors(button, ui::colors::mediumBlue, ui::colors::white);
        button->setFont(ui::designFont(kVerdana, 9.75, true));
        connect(button, &QRadioButton::clicked, this, option.handler);
        this->*option.member = button;
    }
    Option2->setChecked(true);
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
    }
}

bool Form1::Form_Load()
{
    centreOnScreen();
    m_random->reseedFromTime();
    if (!LoadTaskList())
        return false;
    m_modul.CurrentMode = app::LearningMode;
    m_modul.CurrentTask = 1;
    ShowTask();
    return true;
}

bool Form1::LoadTaskList()
{
    const QString file = tasklist::taskListFile(QDir::current());
    tasklist::LoadResult loaded = tasklist::loadTaskList(QFile::encodeName(file).toStdString());
    if (!loaded.ok) {
        ui::showMessage({QStringLiteral("Die Datei 'REVAZE.INI' wurde nicht gefunden!\r\r"), QStringLiteral("REVAZE.INI"),
                         ui::Buttons::YesNo, ui::Icon::None, ui::Answer::Yes},
                        this);
        ui::Application::endProgram();
        return false;
    }
    takeTaskList(std::move(loaded));
    return true;
}

void Form1::takeTaskList(tasklist::LoadResult loaded)
{
    m_tasks = std::move(loaded.tasks);
    m_modul.TaskCount = std::int64_t(m_tasks.count());
    if (loaded.unpairedLastLine)
        ui::inform(QStringLiteral("Unterschiedliche Dateieinträge!\r\r"), QStringLiteral("Revaze: Dateifehler"), this);
    m_visited.reset(m_modul.TaskCount);
}

void Form1::ShowTask()
{
    auto &task = m_modul.CurrentTask;
    task = wrapTask(task, m_modul.TaskCount);
    QString picture;
    QString answer;
    if (m_modul.TaskCount == 0) {
        task = 0;
    } else {
        picture = QString::fromStdString(m_tasks.pictures[std::size_t(task - 1)]);
        answer = QString::fromStdString(m_tasks.answers[std::size_t(task - 1)]);
    }
    Bezeichnung3->setCaption(answer);
    if (!Bild1->loadPicture(picture)) {
        ui::inform(picture + QStringLiteral(" wurde nicht gefunden!\r"), QStringLiteral("Ladefehler"), this);
        return;
    }
    Label1->setCaption(counterText(task, m_modul.TaskCount));
    if (m_modul.CurrentMode == app::LearningMode)
        Bild5_Click();
    if (m_modul.CurrentMode == app::QuizMode)
        FillQuizChoices();
}

void Form1::emptyAnswerDisplay()
{
    Bezeichnung1->setCaption(QString());
}

void Form1::Bild9_Click()
{
    emptyAnswerDisplay();
    m_modul.CurrentTask = 1;
    ShowTask();
}

void Form1::Bild2_Click()
{
    emptyAnswerDisplay();
    m_modul.CurrentTask -= 1;
    ShowTask();
}

void Form1::Bild4_Click()
{
    emptyAnswerDisplay();
    m_modul.CurrentTask += 1;
    ShowTask();
}

void Form1::Bild10_Click()
{
    emptyAnswerDisplay();
    m_modul.CurrentTask = m_modul.TaskCount;
    ShowTask();
}

void Form1::Bild3_Click()
{
    // With no tasks there is nothing to draw and nothing to mark.
    if (m_modul.TaskCount == 0)
        return;
    emptyAnswerDisplay();
    if (m_visited.allDrawn()) {
        m_visited.reset(m_modul.TaskCount);
        ui::inform(QStringLiteral("Es wurden alle Aufgaben bearbeitet.\rDie Reihe beginnt wieder von vorn.\r\r"),
                   QStringLiteral("Revaze"), this);
    }
    m_modul.CurrentTask = m_visited.draw(m_random->next());
    ShowTask();
}

void Form1::Bild5_Click()
{
    if (m_modul.TaskCount == 0)
        return;
    Bezeichnung1->setCaption(app::MarksToBreaks(Bezeichnung3->caption()) + QChar('\r'));
}

void Form1::Bild6_Click()
{
    Frame1->setVisible(Frame1->isHidden());
}

void Form1::Bild7_Click()
{
    if (ui::askStop(QStringLiteral("Dieses Programm jetzt beenden?"), QStringLiteral("Ridoziruvirer"), this)
        != ui::Answer::No)
        ui::Application::endProgram();
}

void Form1::Bild8_Click()
{
    const QString folder =
        ui::chooseFolder(QStringLiteral("Revaze: Ordner mit Aufgaben wählen"), QDir::currentPath(), this);
    if (folder.isEmpty())
        return;
    const QString file = tasklist::taskListFile(QDir(folder));
    tasklist::LoadResult loaded = tasklist::loadTaskList(QFile::encodeName(file).toStdString());
    if (!loaded.ok) {
        const QString why = QFileInfo::exists(file)
                                ? QStringLiteral("Die Aufgabenliste 'REVAZE.INI' in diesem Ordner kann nicht gelesen werden:")
                                : QStringLiteral("In diesem Ordner gibt es keine Aufgabenliste 'REVAZE.INI':");
        ui::inform(why + QChar('\r') + QDir::toNativeSeparators(folder) + QStringLiteral("\r\r"), QStringLiteral("Revaze"), this);
        return;
    }
    QDir::setCurrent(folder);
    takeTaskList(std::move(loaded));
    startOver();
}

void Form1::startOver()
{
    // As at start-up: learning mode, panels in their places, task 1, notice.
    m_modul.CurrentMode = app::LearningMode;
    Option2->setChecked(true);
    Frame1->hide();
    ui::setLeftTwips(Picture1, ui::leftTwips(Bezeichnung3));
    emptyAnswerDisplay();
    Label1->setCaption(QString());
    m_modul.CurrentTask = 1;
    ShowTask();
    ShowModeNotice();
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
    m_editor->show();
    m_editor->activateWindow();
    hide();
}

void Form1::chooseMode(int mode)
{
    m_modul.CurrentMode = mode;
    Bild9_Click();
    Frame1->hide();
    ui::setLeftTwips(Picture1, ui::leftTwips(mode == app::QuizMode ? Bezeichnung5 : Bezeichnung3));
    ShowModeNotice();
}

void Form1::Option1_Click()
{
    chooseMode(app::WorkMode);
}

void Form1::Option2_Click()
{
    chooseMode(app::LearningMode);
}

void Form1::Option3_Click()
{
    chooseMode(app::QuizMode);
}

void Form1::ShowModeNotice()
{
    QString text;
    const QRadioButton *options[] = {Option1, Option2, Option3};
    for (int i = 0; i < 3; ++i) {
        if (options[i]->isChecked())
            text = QString::fromUtf8(kModeNotice[i].first) + QStringLiteral("\r\r") + QString::fromUtf8(kModeNotice[i].second);
    }
    ui::inform(text + QStringLiteral("\r\r"), QStringLiteral("Revaze"), this);
}

void Form1::FillQuizChoices()
{
    if (m_modul.TaskCount == 0)
        return;
    QStringList choices{Bezeichnung3->caption()};
    m_random->reseedFromTime();
    for (int i = 0; i < 3; ++i) {
        auto r = std::int64_t(double(m_modul.TaskCount) * m_random->next());
        r = std::clamp<std::int64_t>(r, 0, m_modul.TaskCount - 1);
        choices.append(QString::fromStdString(m_tasks.answers[std::size_t(r)]));
    }
    m_choices = sortedChoices(choices, m_collator);
    for (int j = 0; j < m_choices.size(); ++j)
        quiz[j]->setCaption(app::MarksToBreaks(m_choices.at(j)));
}

void Form1::judgeChoice(int position)
{
    if (m_modul.TaskCount == 0 || position >= m_choices.size())
        return;
    if (m_choices.at(position) != Bezeichnung3->caption()) {
        ui::inform(QStringLiteral("Das ist leider falsch!\r\r"), QStringLiteral("Veduzozeva"), this);
        return;
    }
    ui::inform(QStringLiteral("Das ist richtig, weiter!\r\r"), QStringLiteral("Veduzozeva"), this);
    Bild4_Click();
}

void Form1::Form_KeyDown(int keyCode, int)
{
    switch (keyCode) {
    case 27: Bild7_Click(); break;
    case 13: Bild5_Click(); break;
    case 32: Bild3_Click(); break;
    case 37: Bild2_Click(); break;
    case 39: Bild4_Click(); break;
    case 36:
        m_modul.CurrentTask = m_modul.TaskCount;
        Bild4_Click();
        break;
    case 35:
        m_modul.CurrentTask = 1;
        Bild2_Click();
        break;
    default: break;
    }
}

void Form1::keyPreview(int keyCode, Qt::KeyboardModifiers modifiers)
{
    Form_KeyDown(keyCode, int(modifiers));
}

void Form1::activated()
{
    ShowModeNotice();
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
