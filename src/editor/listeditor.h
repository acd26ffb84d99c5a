#pragma once
// The editor's state and rules: the picture files of the task folder, the
// preview of the selected one with the answer the list holds for it, the
// text entry, and the steps that enter, fetch, delete, copy and save. It
// knows nothing of widgets; the editor window calls one method per control
// and shows what it then holds. Pictures, message boxes and the clipboard
// are the window's, reached through an EditorView.

#include "ui/message.h"
#include "editor/editorlist.h"

#include <QDir>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

namespace editor {

struct EditorView {
    // Shows a picture file of the folder in the preview (an empty name
    // clears it); false when it cannot be loaded.
    std::function<bool(const QString &fileName)> showPicture;
    ui::Ask ask;
    // Puts the text and, unless the path is empty, the picture file on the clipboard.
    std::function<void(const QString &text, const QString &picturePath)> copyToClipboard;
};

class ListEditor {
public:
    explicit ListEditor(EditorView view) : m_view(std::move(view)) {}

    void setFolder(const QDir &folder) { m_folder = folder; }
    const QDir &folder() const { return m_folder; }

    // At each activation: the task list's lines and the folder's picture
    // files are read again, and the first file is previewed.
    void LoadEditorList();
    // Closing drops the list; the next activation reads it again.
    void close();
    // The preview of a file of the list ("Datei1_Click").
    void selectFile(int row);
    // A picture just stored in the folder: the files are read again and it is
    // selected with its preview, ready for "Neue Eingabe".
    void showNewPicture(const QString &fileName);
    // A line picked in the list box becomes the current entry.
    void selectLine(int row) { m_list.select(row); }

    void newEntry();                      // "Neue Eingabe": opens the text entry
    std::optional<QString> editText() const;  // "Editieren": the text to put into the entry
    // "Eingabe" with the typed text, its line breaks as CR LF.
    void enter(const QString &typed);
    void deleteEntry();                   // "Löschen"
    void SaveStep();                      // also "Speichern"
    void copy();                          // "Kopieren"

    const QStringList &files() const { return m_files; }
    int selectedFile() const { return m_selectedFile; }
    const EditorList &list() const { return m_list; }
    // Counts the changes of the list's lines, so a view knows when to read them again.
    int listRevision() const { return m_revision; }
    // Counts the times the list was written to its file, so that the trainer
    // knows when to read it again.
    int saveCount() const { return m_saves; }
    // The answer under the preview, in display form.
    const QString &previewText() const { return m_previewText; }
    // The text entry with its heading, and the "Eingabe" button: at first
    // only the entry is shown; "Neue Eingabe" shows both, "Eingabe" hides both.
    bool textEntryShown() const { return m_textEntryShown; }
    bool entryButtonShown() const { return m_entryButtonShown; }

private:
    QString selectedFileName() const;
    void showPreviewPicture(const QString &fileName);
    void refreshPreview() { selectFile(m_selectedFile); }
    void inform(const QString &text, const QString &title);
    void changeLines(const std::function<void(EditorList &)> &change);

    EditorView m_view;
    QDir m_folder;
    EditorList m_list;
    int m_revision = 0;
    int m_saves = 0;
    QStringList m_files;
    int m_selectedFile = -1;
    // The file the preview shows, empty when it shows nothing.
    QString m_previewFile;
    QString m_previewText;
    bool m_textEntryShown = true;
    bool m_entryButtonShown = false;
    // False while the task list file exists but could not be read: saving
    // would overwrite what was never read.
    bool m_fileRead = true;
};

} // namespace editor
