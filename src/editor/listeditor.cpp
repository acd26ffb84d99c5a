#include "listeditor.h"

#include "app/textmarks.h"
#include "tasklist/foldernames.h"
#include "tasklist/taskfile.h"

#include <QFileInfo>

namespace editor {

namespace {
const QString kFileError = QStringLiteral("Revaze: Dateifehler");
}

void ListEditor::inform(const QString &text, const QString &title)
{
    m_view.ask(ui::information(text, title));
}

void ListEditor::changeLines(const std::function<void(EditorList &)> &change)
{
    change(m_list);
    ++m_revision;
}

void ListEditor::LoadEditorList()
{
    // A missing file is an empty list, which saving creates; a file that is
    // there but cannot be read must not be overwritten by a save.
    const QString file = tasklist::taskListFile(m_folder);
    const bool missing = !QFileInfo(file).exists() && !QFileInfo(file).isSymLink();
    tasklist::ReadResult read;
    if (!missing)
        read = tasklist::readLines(file);
    m_fileRead = missing || read.ok;
    changeLines([&read](EditorList &list) { list.setLines(std::move(read.lines)); });

    // New picture files appear at every activation.
    m_files = pictureFiles(m_folder);
    selectFile(m_files.isEmpty() ? -1 : 0);

    if (!m_fileRead) {
        inform(QStringLiteral("Die Datei 'REVAZE.INI' kann nicht gelesen werden:\r") + read.error
                   + QStringLiteral("\r\rDie Liste bleibt leer. Gespeichert wird erst wieder, wenn die Datei"
                                    " beim nächsten Öffnen des Editors gelesen werden kann.\r"),
               kFileError);
    }
}

void ListEditor::close()
{
    changeLines([](EditorList &list) { list.clear(); });
}

void ListEditor::showNewPicture(const QString &fileName)
{
    m_files = pictureFiles(m_folder);
    selectFile(int(m_files.indexOf(fileName)));
}

QString ListEditor::selectedFileName() const
{
    return m_selectedFile >= 0 && m_selectedFile < m_files.size() ? m_files.at(m_selectedFile) : QString();
}

void ListEditor::showPreviewPicture(const QString &fileName)
{
    // A picture that cannot be loaded leaves the preview empty, not showing the one before.
    if (fileName.isEmpty() || !m_view.showPicture(fileName)) {
        m_view.showPicture(QString());
        m_previewFile.clear();
        return;
    }
    m_previewFile = m_folder.filePath(fileName);
}

void ListEditor::selectFile(int row)
{
    m_selectedFile = row >= 0 && row < m_files.size() ? row : -1;
    const QString name = selectedFileName();
    showPreviewPicture(name);
    QString answer;
    if (!name.isEmpty())
        m_list.preview(name, &answer);
    m_previewText = app::MarksToBreaks(answer);
}

void ListEditor::newEntry()
{
    m_previewText.clear();
    m_textEntryShown = true;
    m_entryButtonShown = true;
}

std::optional<QString> ListEditor::editText() const
{
    return m_list.editLine();
}

void ListEditor::enter(const QString &typed)
{
    const QString name = selectedFileName();
    if (name.isEmpty()) {
        inform(QStringLiteral("Es ist kein Bild ausgewählt.\r"), QStringLiteral("Revaze"));
        return;
    }
    const QString pictureLine = upperName(name);
    const QString stored = BreaksToMarks(typed);
    const QString unstorable = unstorableCharacters(pictureLine + stored);
    if (!unstorable.isEmpty()) {
        // The entry stays open, so the text can be corrected.
        inform(QStringLiteral("Diese Zeichen kann die Aufgabenliste nicht aufnehmen: ") + unstorable
                   + QStringLiteral("\r\rEs wurde nichts übernommen.\r"),
               QStringLiteral("Revaze"));
        return;
    }

    m_textEntryShown = false;
    m_entryButtonShown = false;
    showPreviewPicture(name);
    m_previewText = app::MarksToBreaks(stored);
    const ui::Answer answer = m_view.ask(
        ui::stopQuestion(QStringLiteral("Angezeigtes Bild mit Text übernehmen?\r"), QStringLiteral("Eingabe bestätigen:")));
    m_previewText.clear();
    if (answer != ui::Answer::Yes) {
        refreshPreview();
        return;
    }
    changeLines([&](EditorList &list) {
        list.append(pictureLine);
        list.append(stored);
    });
    SaveStep();
}

void ListEditor::SaveStep()
{
    if (m_view.ask(ui::stopQuestion(QStringLiteral("Änderungen an der Liste abspeichern?\r"),
                                     QStringLiteral("Eingabe speichern")))
        != ui::Answer::Yes) {
        refreshPreview();
        return;
    }
    if (!m_fileRead) {
        refreshPreview();
        inform(QStringLiteral("Die Datei 'REVAZE.INI' konnte nicht gelesen werden und wird deshalb nicht"
                              " überschrieben.\rDie Liste wurde nicht gespeichert.\r"),
               kFileError);
        return;
    }
    const QString file = tasklist::taskListFile(m_folder);
    const tasklist::WriteResult written = tasklist::writeLines(file, m_list.lines());
    refreshPreview();
    if (written.writeProtected) {
        inform(QStringLiteral("Die Datei '") + QFileInfo(file).fileName()
                   + QStringLiteral("' ist schreibgeschützt.\rDie Liste wurde nicht gespeichert; sie bleibt im Editor.\r"),
               kFileError);
        return;
    }
    if (!written.ok) {
        inform(QStringLiteral("Die Liste konnte nicht gespeichert werden:\r") + written.error
                   + QStringLiteral("\r\rDie Datei 'REVAZE.INI' ist unverändert; die Liste bleibt im Editor.\r"),
               kFileError);
        return;
    }
    ++m_saves;
    inform(QStringLiteral("Liste wurde gespeichert!\r"), QStringLiteral("Liste speichern"));
}

void ListEditor::deleteEntry()
{
    const std::optional<Entry> entry = m_list.currentEntry();
    if (!entry)
        return;
    const QString question = m_list.line(entry->picture) + QStringLiteral("\r\r")
                             + answerPreview(m_list.line(entry->answer)) + QStringLiteral("\r");
    if (m_view.ask(ui::stopQuestion(question, QStringLiteral("Diese Einträge löschen?"))) != ui::Answer::Yes)
        return;
    changeLines([&entry](EditorList &list) { list.removeEntry(*entry); });
    SaveStep();
}

void ListEditor::copy()
{
    if (selectedFileName().isEmpty())
        return;
    const QString text = app::MarksToBreaks(m_previewText);
    m_view.copyToClipboard(text, m_previewFile);
    // Nothing to show means nothing to copy as a picture: say what was copied.
    inform(m_previewFile.isEmpty() ? QStringLiteral("Die Lösung wurde in\rdie Zwischenablage kopiert !\r")
                                   : QStringLiteral("Grafik und Lösung wurden in\rdie Zwischenablage kopiert !\r"),
           QStringLiteral("Kopieren"));
}

} // namespace editor
