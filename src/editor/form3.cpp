#include "form3.h"

#include "app/settings.h"
#include "resources/icons.h"
#include "ui/application.h"
#include "ui/clipboard.h"
#include "ui/filelist.h"
#include "ui/fonts.h"
#include "ui/inputbox.h"
#include "ui/label.h"
#include "ui/messagebox.h"
#include "ui/picturebox.h"
#include "ui/toolbar.h"
#include "ui/units.h"
#include "worksheet/printing.h"

#include <QAbstractListModel>
#include <QClipboard>
#include <QGuiApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QListView>
#include <QListWidget>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QSignalBlocker>
#include <QTextDocument>


namespace editor {

// Presents the editor's lines in Liste1; the lines stay the editor's.
class LinesModel : public QAbstractListModel {
public:
    LinesModel(const EditorList &list, QObject *parent) : QAbstractListModel(parent), m_list(list) {}

    int rowCount(const QModelIndex &parent) const override { return parent.isValid() ? 0 : m_list.count(); }
    QVariant data(const QModelIndex &index, int role) const override
    {
        if (role != Qt::DisplayRole || !index.isValid())
            return QVariant();
        return m_list.line(index.row());
    }
    // After the lines changed: the view reads them all again.
    void reset()
    {
        beginResetModel();
        endResetModel();
    }

private:
    const EditorList &m_list;
};

namespace {

const QString kSansSerif = QStringLiteral("MS Sans Serif");
const QString kVerdana = QStringLiteral("Verdana");

QIcon toolIcon(const char *name)
{
    return resources::icon(QStringLiteral("editor/") + QLatin1String(name));
}

// A picture as an image for programs that cannot paste a metafile; none for
// an empty picture or one too large to be meant as a task picture.
QImage renderPicture(const ui::Picture &picture)
{
    const QSize size = picture.size();
    if (picture.isNull() || size.isEmpty() || size.width() > 8192 || size.height() > 8192)
        return {};
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter painter(&image);
    picture.draw(painter);
    return image;
}

} // namespace

Form3::Form3(QWidget *mainWindow)
    : m_editor({[this](const QString &name) {
                    if (name.isEmpty()) {
                        Bild3->clearPicture();
                        return true;
                    }
                    return Bild3->loadPicture(name, m_editor.folder());
                },
                [this](const ui::Message &message) {
                    // The box comes up over the window as the editor left it.
                    showState();
                    return ui::showMessage(message, this);
                },
                [this](const QString &text, const QString &picturePath) { copyToClipboard(text, picturePath); }}),
      m_mainWindow(mainWindow)
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
    // An addition to the designed toolbar: outside the designed focus order.
    Bild8->setFocusPolicy(Qt::NoFocus);
    auto *print = new QShortcut(QKeySequence::Print, this);
    connect(print, &QShortcut::activated, this, &Form3::Bild8_Click);
}

Form3::~Form3() = default;

void Form3::buildWorkArea()
{
    addShape({ui::twipsRect(0, 0, 8775, 735), ui::colors::lightBlue, ui::colors::mediumBlue, 3});

    const QColor windowBackground = palette().color(QPalette::Window);
    const struct {
        const char *name;
        int left;
        int width;
        const char *caption;
    } headings[] = {
        {"Label1", 120, 2055, " Dateiverzeichnis"},
        {"Label2", 2280, 3135, "Bild"},
        {"Label3", 5520, 3135, "Text"},
    };
    for (const auto &heading : headings) {
        ui::Label *label = ui::makeLabel(this, heading.name, heading.left, 840, heading.width, 255);
        ui::setColors(label, ui::colors::mediumBlue, windowBackground);
        label->setBorder(true);
        label->setWordWrap(false);
        label->setCaption(QString::fromUtf8(heading.caption));
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
    connect(Datei1, &ui::FileList::filesDropped, this, &Form3::Datei1_Drop);
    connect(Datei1, &ui::FileList::pasteRequested, this, &Form3::Datei1_Paste);

    Bild3 = new ui::PictureBox(this);
    Bild3->setObjectName(QStringLiteral("Bild3"));
    ui::placeTwips(Bild3, 2280, 1095, 3135, 4320);
    ui::setColors(Bild3, ui::colors::lightBlue);
    // The preview is smaller than the trainer's picture box: it shows a
    // picture made for that box whole, scaled down.
    Bild3->setShrinkToFit(true);

    Text1 = new QPlainTextEdit(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    ui::placeTwips(Text1, 120, 5760, 8535, 975);
    ui::setColors(Text1, ui::colors::lightBlue);
    Text1->setFont(ui::designFont(kVerdana, 12, true));
    // Tab leaves the text for the "Eingabe" button instead of being typed.
    Text1->setTabChangesFocus(true);
    // A soft hyphen marks a word's syllables by hand, typed as in word processors.
    Text1->setToolTip(QStringLiteral("Strg+Minus: Silbentrenner, der die Silben eines Wortes selbst festlegt"));
    auto *softHyphen = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Minus), Text1, nullptr, nullptr, Qt::WidgetShortcut);
    connect(softHyphen, &QShortcut::activated, Text1, [this] { Text1->insertPlainText(QString(QChar(0x00AD))); });
}

void Form3::buildToolbar()
{
    const auto on = [this](void (Form3::*handler)()) { return [this, handler] { (this->*handler)(); }; };
    // Left edges step by 720 twips along the toolbar.
    ui::makeToolbar(this, {
        {"Bild1", 120, "Abbrechen", toolIcon("cancel"), on(&Form3::Bild1_Click), 495, &Bild1},
        {"Bild4", 840, "Editieren", toolIcon("edit"), on(&Form3::Bild4_Click), 480, &Bild4},
        {"Bild6", 1560, "Neue Eingabe", toolIcon("new"), on(&Form3::Bild6_Click), 495, &Bild6},
        {"Bild2", 2280, "Speichern", toolIcon("save"), on(&Form3::Bild2_Click), 495, &Bild2},
        {"Bild5", 3000, "Kopieren", toolIcon("copy"), on(&Form3::Bild5_Click), 495, &Bild5},
        {"Bild7", 3720, "Löschen", toolIcon("delete"), on(&Form3::Bild7_Click), 495, &Bild7},
        {"Bild8", 4440, "Arbeitsblatt drucken", toolIcon("print"), on(&Form3::Bild8_Click), 495, &Bild8},
    });
}

void Form3::buildHiddenControls()
{
    // Both lie beyond the right edge of the client area and are never seen.
    m_model = new LinesModel(m_editor.list(), this);
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
        m_editor.selectLine(rows.isEmpty() ? -1 : rows.first().row());
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

void Form3::showState()
{
    if (m_shownRevision != m_editor.listRevision()) {
        m_shownRevision = m_editor.listRevision();
        m_model->reset();
    }
    {
        const QSignalBlocker blocker(Liste1->selectionModel());
        const int line = m_editor.list().selected();
        if (line < 0)
            Liste1->selectionModel()->clear();
        else
            Liste1->selectionModel()->setCurrentIndex(m_model->index(line), QItemSelectionModel::ClearAndSelect);
    }
    {
        const QSignalBlocker blocker(Datei1);
        const QStringList &files = m_editor.files();
        bool same = Datei1->count() == files.size();
        for (int i = 0; same && i < files.size(); ++i)
            same = Datei1->item(i)->text() == files.at(i);
        if (!same) {
            Datei1->clear();
            Datei1->addItems(files);
        }
        if (m_editor.selectedFile() >= 0)
            Datei1->setCurrentRow(m_editor.selectedFile());
    }
    Bezeichnung1->setCaption(m_editor.previewText());
    // Coloured once the trainer's worker has loaded the syllable patterns.
    Bezeichnung1->setReadBySyllables(m_bySyllables);
    Label4->setVisible(m_editor.textEntryShown());
    Text1->setVisible(m_editor.textEntryShown());
    Befehl1->setVisible(m_editor.entryButtonShown());
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
    m_bySyllables = app::readsBySyllables();
    m_editor.LoadEditorList();
    showState();
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

void Form3::Datei1_Click()
{
    const QList<QListWidgetItem *> selected = Datei1->selectedItems();
    m_editor.selectFile(selected.isEmpty() ? -1 : Datei1->row(selected.first()));
    showState();
}

void Form3::Bild1_Click()
{
    m_editor.close();
    showState();
    hide();
    if (m_mainWindow) {
        m_mainWindow->show();
        m_mainWindow->activateWindow();
    }
}

void Form3::Bild2_Click()
{
    m_editor.SaveStep();
    showState();
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
    m_editor.newEntry();
    Text1->clear();
    showState();
    Text1->setFocus();
}

void Form3::Bild4_Click()
{
    if (const std::optional<QString> line = m_editor.editText())
        Text1->setPlainText(*line);
}

void Form3::Befehl1_Click()
{
    m_editor.enter(typedText());
    showState();
}

void Form3::Bild7_Click()
{
    m_editor.deleteEntry();
    showState();
}

void Form3::Bild5_Click()
{
    m_editor.copy();
    showState();
}

void Form3::Bild8_Click()
{
    // The arcs under the syllables follow the trainer's "Silben".
    m_printOptions.syllables = app::readsBySyllables();
    if (const worksheet::Result printed = worksheet::printWithDialog(m_editor.folder(), m_printOptions, this); !printed.ok)
        ui::showMessage(ui::information(printed.message + QChar('\r'), QStringLiteral("Arbeitsblatt drucken")), this);
}

void Form3::Datei1_Drop(const QStringList &paths)
{
    pictureimport::Importer pictures = importer();
    QString stored;
    QStringList problems;
    for (const QString &path : paths) {
        const pictureimport::Result result = pictures.importFile(path);
        if (result.ok())
            stored = result.fileName;
        else if (result.status == pictureimport::Result::Failed)
            problems.append(result.message);
    }
    showImported(stored, problems.join(QChar('\r')));
}

void Form3::Datei1_Paste()
{
    const QImage image = QGuiApplication::clipboard()->image();
    if (image.isNull()) {
        showImported(QString(), QStringLiteral("In der Zwischenablage ist kein Bild."));
        return;
    }
    const std::optional<QString> name = ui::askText(QStringLiteral("Name des Bildes:"), QStringLiteral("Bild einfügen"), this);
    if (!name)
        return;
    const pictureimport::Result result = importer().importImage(image, *name);
    showImported(result.fileName, result.status == pictureimport::Result::Failed ? result.message : QString());
}

pictureimport::Importer Form3::importer()
{
    return pictureimport::Importer(m_editor.folder(), [this](const ui::Message &m) { return ui::showMessage(m, this); });
}

void Form3::showImported(const QString &storedFile, const QString &message)
{
    if (!storedFile.isEmpty())
        m_editor.showNewPicture(storedFile);
    showState();
    if (!message.isEmpty())
        ui::showMessage(ui::information(message + QChar('\r'), QStringLiteral("Bild übernehmen")), this);
}

void Form3::copyToClipboard(const QString &text, const QString &picturePath)
{
    QByteArray bytes;
    QImage image;
    if (!picturePath.isEmpty()) {
        QFile file(picturePath);
        if (file.open(QIODevice::ReadOnly))
            bytes = file.readAll();
        image = renderPicture(Bild3->picture());
    }
    ui::copyToClipboard(text, bytes, image);
}

} // namespace editor
