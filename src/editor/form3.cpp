#include "form3.h"

#include "app/textmarks.h"
#include "resources/icons.h"
#include "tasklist/foldernames.h"
#include "tasklist/taskfile.h"
#include "ui/application.h"
#include "ui/clipboard.h"
#include "ui/filelist.h"
#include "ui/fonts.h"
#include "ui/label.h"
#include "ui/messagebox.h"
#include "ui/picturebox.h"
#include "ui/units.h"

#include <QAbstractListModel>
#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QListView>
#include <QListWidget>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTextDocument>

#include <filesystem>

namespace editor {

// Presents the editor list in Liste1; the list itself stays the editor's.
class LinesModel : public QAbstractListModel {
public:
    LinesModel(EditorList &list, QObject *parent) : QAbstractListModel(parent), m_list(list) {}

    int rowCount(const QModelIndex &parent) const override { return parent.isValid() ? 0 : m_list.count(); }
    QVariant data(const QModelIndex &index, int role) const override
    {
        if (role != Qt::DisplayRole || !index.isValid())
            return QVariant();
        return m_list.line(index.row());
    }

    // Every change of the list goes through here, so the view never reads a stale row.
    template <typename Change> void change(Change &&apply)
    {
        beginResetModel();
        apply(m_list);
        endResetModel();
    }

private:
    EditorList &m_list;
};

namespace {

const QString kSansSerif = QStringLiteral("MS Sans Serif");
const QString kVerdana = QStringLiteral("Verdana");
const QString kFileError = QStringLiteral("Revaze: Dateifehler");

struct ToolButton {
    ui::PictureBox *Form3::*member;
    const char *name;
    int left;
    const char *toolTip;
    const char *icon;
    void (Form3::*handler)();
};

QIcon toolIcon(const char *name)
{
    return resources::icon(QStringLiteral("editor/") + QLatin1String(name));
}

std::filesystem::path taskListFile()
{
    return QFile::encodeName(tasklist::taskListFile(QDir::current())).toStdString();
}

// A picture as an image for programs that cannot paste a metafile; none for
// an empty picture or one too large to be meant as a task picture.
QImage renderPicture(const ui::Picture &picture)
{
    const QSize size = picture.size();
    if (picture.isNull() || size.isEmpty() || size.width() > 8192 || size.height() > 8192)
        return QImage();
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter painter(&image);
    picture.draw(painter);
    return image;
}

} // namespace

Form3::Form3(QWidget *mainWindow) : m_mainWindow(mainWindow)
{
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QStringLiteral("Revaze: Editor"));
    setWindowIcon(toolIcon("edit"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setClientSizeTwips(8790, 6870);
    setFont(ui::designFont(kSansSerif, 8.25, true));

    // Created bottom to top: the labels lie beneath every other control.
    buildWorkArea();
    buildToolbar();
    buildHiddenControls();

    QWidget *const focusOrder[] = {Bild1, Bild2, Datei1, Liste1, Bild3, Bild4, Bild5, Bild6, Text1, Befehl1, Bild7};
    for (std::size_t i = 0; i + 1 < std::size(focusOrder); ++i)
        setTabOrder(focusOrder[i], focusOrder[i + 1]);
}

Form3::~Form3() = default;

void Form3::buildWorkArea()
{
    addShape({ui::twipsRect(0, 0, 8775, 735), ui::colors::lightBlue, ui::colors::mediumBlue, 3});

    const QColor windowBackground = palette().color(QPalette::Window);
    const struct {
        ui::Label *Form3::*member;
        const char *name;
        int left;
        int width;
        const char *caption;
    } headings[] = {
        {&Form3::Label1, "Label1", 120, 2055, " Dateiverzeichnis"},
        {&Form3::Label2, "Label2", 2280, 3135, "Bild"},
        {&Form3::Label3, "Label3", 5520, 3135, "Text"},
    };
    for (const auto &heading : headings) {
        ui::Label *label = ui::makeLabel(this, heading.name, heading.left, 840, heading.width, 255);
        ui::setColors(label, ui::colors::mediumBlue, windowBackground);
        label->setBorder(true);
        label->setWordWrap(false);
        label->setCaption(QString::fromUtf8(heading.caption));
        this->*heading.member = label;
    }

    Bezeichnung1 = ui::makeLabel(this, "Bezeichnung1", 5520, 1080, 3135, 4335);
    ui::setColors(Bezeichnung1, ui::colors::lightBlue, palette().color(QPalette::WindowText));
    Bezeichnung1->setFont(ui::designFont(kVerdana, 9.75, true));
    Bezeichnung1->setBorder(true);

    Label4 = ui::makeLabel(this, "Label4", 120, 5520, 8535, 255);
    ui::setColors(Label4, ui::colors::mediumBlue, ui::colors::white);
    Label4->setBorder(true);
    Label4->setWordWrap(false);
    Label4->setCaption(QStringLiteral(" Texteingabe:  Zeilenumbruch erfolgt durch das @-Zeichen"));

    Datei1 = new ui::FileList(this);
    Datei1->setObjectName(QStringLiteral("Datei1"));
    ui::placeTwips(Datei1, 120, 1080, 2055, 4320);
    ui::setColors(Datei1, ui::colors::lightBlue, ui::colors::white);
    Datei1->setFont(ui::designFont(kVerdana, 8.25, true));
    Datei1->setUniformItemSizes(true);
    connect(Datei1, &QListWidget::itemSelectionChanged, this, &Form3::Datei1_Click);

    Bild3 = new ui::PictureBox(this);
    Bild3->setObjectName(QStringLiteral("Bild3"));
    ui::placeTwips(Bild3, 2280, 1095, 3135, 4320);
    ui::setColors(Bild3, ui::colors::lightBlue);

    Text1 = new QPlainTextEdit(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    ui::placeTwips(Text1, 120, 5760, 8535, 975);
    ui::setColors(Text1, ui::colors::lightBlue);
    Text1->setFont(ui::designFont(kVerdana, 12, true));
    // Tab leaves the text for the "Eingabe" button instead of being typed.
    Text1->setTabChangesFocus(true);
}

void Form3::buildToolbar()
{
    const ToolButton toolbar[] = {
        {&Form3::Bild1, "Bild1", 120, "Abbrechen", "cancel", &Form3::Bild1_Click},
        {&Form3::Bild4, "Bild4", 840, "Editieren", "edit", &Form3::Bild4_Click},
        {&Form3::Bild6, "Bild6", 1560, "Neue Eingabe", "new", &Form3::Bild6_Click},
        {&Form3::Bild2, "Bild2", 2280, "Speichern", "save", &Form3::Bild2_Click},
        {&Form3::Bild5, "Bild5", 3000, "Kopieren", "copy", &Form3::Bild5_Click},
        {&Form3::Bild7, "Bild7", 3720, "Löschen", "delete", &Form3::Bild7_Click},
    };
    for (const ToolButton &button : toolbar) {
        auto *box = new ui::PictureBox(this);
        box->setObjectName(QLatin1String(button.name));
        const int side = qstrcmp(button.name, "Bild4") == 0 ? 480 : 495;
        ui::placeTwips(box, button.left, 120, side, side);
        ui::setColors(box, ui::colors::lightBlue);
        box->setIcon(toolIcon(button.icon));
        box->setToolTip(QString::fromUtf8(button.toolTip));
        connect(box, &ui::PictureBox::clicked, this, button.handler);
        this->*button.member = box;
    }
}

void Form3::buildHiddenControls()
{
    // Both lie beyond the right edge of the client area and are never seen.
    m_model = new LinesModel(m_list, this);
    Liste1 = new QListView(this);
    Liste1->setObjectName(QStringLiteral("Liste1"));
    ui::placeTwips(Liste1, 9120, 240, 2535, 6270);
    ui::setColors(Liste1, ui::colors::mediumBlue, ui::colors::white);
    Liste1->setFont(ui::designFont(kSansSerif, 9.75, true));
    Liste1->setUniformItemSizes(true);
    Liste1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Liste1->setSelectionMode(QAbstractItemView::SingleSelection);
    Liste1->setModel(m_model);
    // A line picked in the list box with the keyboard becomes the current entry.
    connect(Liste1->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        const QModelIndexList rows = Liste1->selectionModel()->selectedRows();
        m_list.select(rows.isEmpty() ? -1 : rows.first().row());
    });

    Befehl1 = new QPushButton(QStringLiteral("Eingabe"), this);
    Befehl1->setObjectName(QStringLiteral("Befehl1"));
    ui::placeTwips(Befehl1, 9480, 6720, 1695, 375);
    Befehl1->setFont(ui::designFont(kSansSerif, 9.75, true));
    // Return presses the focused button as the space bar does.
    Befehl1->setAutoDefault(true);
    Befehl1->hide();
    connect(Befehl1, &QPushButton::clicked, this, &Form3::Befehl1_Click);
}

void Form3::Form_Load()
{
    centreOnScreen();
}

void Form3::showEvent(QShowEvent *event)
{
    if (!m_loaded) {
        m_loaded = true;
        Form_Load();
    }
    ui::Window::showEvent(event);
}

void Form3::activated()
{
    Form_Activate();
}

void Form3::Form_Activate()
{
    LoadEditorList();
}

void Form3::closeEvent(QCloseEvent *event)
{
    if (ui::Application::isEnding()) {
        event->accept();
        return;
    }
    // The close box closes the editor like "Abbrechen": hidden, and the main window back.
    event->ignore();
    Bild1_Click();
}

void Form3::LoadEditorList()
{
    // A missing file is an empty list, which saving creates; a file that is
    // there but cannot be read must not be overwritten by a save.
    const std::filesystem::path file = taskListFile();
    std::error_code ec;
    const bool missing = std::filesystem::symlink_status(file, ec).type() == std::filesystem::file_type::not_found;
    QStringList lines;
    QString error;
    if (!missing) {
        tasklist::ReadResult read = tasklist::readLines(file);
        if (read.ok) {
            lines.reserve(qsizetype(read.lines.size()));
            for (const std::string &line : read.lines)
                lines.append(QString::fromStdString(line));
        } else {
            error = QString::fromStdString(read.error);
        }
    }
    m_fileRead = missing || error.isEmpty();
    // The old lines go and the file's lines come in one step; nothing is selected.
    m_model->change([&lines](EditorList &list) { list.setLines(std::move(lines)); });

    {
        // New picture files appear at every activation.
        const QSignalBlocker blocker(Datei1);
        Datei1->clear();
        Datei1->addItems(pictureFiles(QDir::current()));
        if (Datei1->count() > 0)
            Datei1->setCurrentRow(0);
    }
    Datei1_Click();

    if (!m_fileRead) {
        ui::inform(QStringLiteral("Die Datei 'REVAZE.INI' kann nicht gelesen werden:\r") + error
                       + QStringLiteral("\r\rDie Liste bleibt leer. Gespeichert wird erst wieder, wenn die Datei"
                                        " beim nächsten Öffnen des Editors gelesen werden kann.\r"),
                   kFileError, this);
    }
}

QString Form3::selectedFile() const
{
    const QList<QListWidgetItem *> selected = Datei1->selectedItems();
    return selected.isEmpty() ? QString() : selected.first()->text();
}

void Form3::loadPreviewPicture(const QString &fileName)
{
    // A picture that cannot be loaded leaves the preview empty, not showing the one before.
    if (fileName.isEmpty() || !Bild3->loadPicture(fileName)) {
        Bild3->clearPicture();
        m_previewFile.clear();
        return;
    }
    m_previewFile = QDir::current().filePath(fileName);
}

void Form3::showSelection()
{
    QItemSelectionModel *selection = Liste1->selectionModel();
    const int row = m_list.selected();
    if (row < 0)
        selection->clear();
    else
        selection->setCurrentIndex(m_model->index(row), QItemSelectionModel::ClearAndSelect);
}

void Form3::Datei1_Click()
{
    const QString name = selectedFile();
    loadPreviewPicture(name);
    QString answer;
    if (!name.isEmpty())
        m_list.preview(name, &answer);
    showSelection();
    Bezeichnung1->setCaption(app::MarksToBreaks(answer));
}

void Form3::Bild1_Click()
{
    m_model->change([](EditorList &list) { list.clear(); });
    hide();
    if (m_mainWindow) {
        m_mainWindow->show();
        m_mainWindow->activateWindow();
    }
}

void Form3::Bild2_Click()
{
    SaveStep();
}

void Form3::setTextEntryVisible(bool visible)
{
    Label4->setVisible(visible);
    Text1->setVisible(visible);
    Befehl1->setVisible(visible);
}

QString Form3::typedText() const
{
    // The raw text, as toPlainText() would turn no-break spaces into plain ones.
    // Its blocks are separated by U+2029; the list rules expect typed line
    // ends as CR LF.
    QString text = Text1->document()->toRawText();
    text.replace(QChar::ParagraphSeparator, QStringLiteral("\r\n"));
    text.replace(QChar::LineSeparator, QStringLiteral("\r\n"));
    return text;
}

void Form3::Bild6_Click()
{
    Bezeichnung1->setCaption(QString());
    Text1->clear();
    setTextEntryVisible(true);
    Text1->setFocus();
}

void Form3::Bild4_Click()
{
    const std::optional<QString> line = m_list.editLine();
    if (line)
        Text1->setPlainText(*line);
}

void Form3::Befehl1_Click()
{
    const QString name = selectedFile();
    if (name.isEmpty()) {
        ui::inform(QStringLiteral("Es ist kein Bild ausgewählt.\r"), QStringLiteral("Revaze"), this);
        return;
    }
    const QString pictureLine = upperName(name);
    const QString stored = BreaksToMarks(typedText());
    const QString unstorable = unstorableCharacters(pictureLine + stored);
    if (!unstorable.isEmpty()) {
        // The entry stays open, so the text can be corrected.
        ui::inform(QStringLiteral("Diese Zeichen kann die Aufgabenliste nicht aufnehmen: ") + unstorable
                       + QStringLiteral("\r\rEs wurde nichts übernommen.\r"),
                   QStringLiteral("Revaze"), this);
        return;
    }

    setTextEntryVisible(false);
    loadPreviewPicture(name);
    Bezeichnung1->setCaption(app::MarksToBreaks(stored));
    const ui::Answer answer =
        ui::askStop(QStringLiteral("Angezeigtes Bild mit Text übernehmen?\r"), QStringLiteral("Eingabe bestätigen:"), this);
    Bezeichnung1->setCaption(QString());
    if (answer != ui::Answer::Yes) {
        Datei1_Click();
        return;
    }
    m_model->change([&](EditorList &list) {
        list.append(pictureLine);
        list.append(stored);
    });
    showSelection();
    SaveStep();
}

void Form3::SaveStep()
{
    if (ui::askStop(QStringLiteral("Änderungen an der Liste abspeichern?\r"), QStringLiteral("Eingabe speichern"), this)
        != ui::Answer::Yes) {
        Datei1_Click();
        return;
    }
    if (!m_fileRead) {
        Datei1_Click();
        ui::inform(QStringLiteral("Die Datei 'REVAZE.INI' konnte nicht gelesen werden und wird deshalb nicht"
                                  " überschrieben.\rDie Liste wurde nicht gespeichert.\r"),
                   kFileError, this);
        return;
    }
    std::vector<std::string> lines;
    lines.reserve(std::size_t(m_list.count()));
    for (const QString &line : m_list.lines())
        lines.push_back(line.toStdString());
    const std::filesystem::path file = taskListFile();
    const tasklist::WriteResult written = tasklist::writeLines(file, lines);
    Datei1_Click();
    if (written.writeProtected) {
        ui::inform(QStringLiteral("Die Datei '") + QFileInfo(QFile::decodeName(file.c_str())).fileName()
                       + QStringLiteral("' ist schreibgeschützt.\rDie Liste wurde nicht gespeichert; sie bleibt im Editor.\r"),
                   kFileError, this);
        return;
    }
    if (!written.ok) {
        ui::inform(QStringLiteral("Die Liste konnte nicht gespeichert werden:\r") + QString::fromStdString(written.error)
                       + QStringLiteral("\r\rDie Datei 'REVAZE.INI' ist unverändert; die Liste bleibt im Editor.\r"),
                   kFileError, this);
        return;
    }
    ui::inform(QStringLiteral("Liste wurde gespeichert!\r"), QStringLiteral("Liste speichern"), this);
}

void Form3::Bild7_Click()
{
    const std::optional<Entry> entry = m_list.currentEntry();
    if (!entry)
        return;
    const QString question = m_list.line(entry->picture) + QStringLiteral("\r\r")
                             + answerPreview(m_list.line(entry->answer)) + QStringLiteral("\r");
    if (ui::askStop(question, QStringLiteral("Diese Einträge löschen?"), this) != ui::Answer::Yes)
        return;
    m_model->change([&entry](EditorList &list) { list.removeEntry(*entry); });
    showSelection();
    SaveStep();
}

void Form3::Bild5_Click()
{
    if (selectedFile().isEmpty())
        return;
    const QString text = app::MarksToBreaks(Bezeichnung1->caption());
    if (m_previewFile.isEmpty()) {
        // Nothing to show means nothing to copy as a picture: say what was copied.
        ui::copyToClipboard(text);
        ui::inform(QStringLiteral("Die Lösung wurde in\rdie Zwischenablage kopiert !\r"), QStringLiteral("Kopieren"), this);
        return;
    }
    QByteArray bytes;
    QFile file(m_previewFile);
    if (file.open(QIODevice::ReadOnly))
        bytes = file.readAll();
    ui::copyToClipboard(text, bytes, renderPicture(Bild3->picture()));
    ui::inform(QStringLiteral("Grafik und Lösung wurden in\rdie Zwischenablage kopiert !\r"), QStringLiteral("Kopieren"),
               this);
}

} // namespace editor
