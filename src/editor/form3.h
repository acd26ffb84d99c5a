#pragma once
// The task list editor window: the picture files of the task folder, a
// preview of the selected picture with the answer the list holds for it,
// the text entry, and the list box with the list's lines. Each handler,
// named after its control and event, hands the action to the ListEditor
// and shows what it then holds.

#include "editor/listeditor.h"
#include "pictureimport/pictureimport.h"
#include "ui/window.h"
#include "worksheet/worksheetlayout.h"

#include <QPointer>

class QListView;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

namespace ui {
class FileList;
class Label;
class PictureBox;
}

namespace editor {

class LinesModel;

class Form3 : public ui::Window {
    Q_OBJECT
public:
    // `mainWindow` is shown again when the editor closes.
    explicit Form3(QWidget *mainWindow = nullptr);
    ~Form3() override;

    // The task folder whose list and pictures the editor works on.
    void setFolder(const QDir &folder) { m_editor.setFolder(folder); }
    const ListEditor &editor() const { return m_editor; }

    void Form_Load();
    void Form_Activate();

    void Datei1_Click();   // preview of the selected picture file
    void Bild1_Click();    // close the editor
    void Bild2_Click();    // save the list
    void Bild4_Click();    // fetch the current entry's text
    void Bild5_Click();    // copy picture and text to the clipboard
    void Bild6_Click();    // open the text entry
    void Bild7_Click();    // delete the current entry
    void Befehl1_Click();  // take over the typed text
    void Bild8_Click();    // print the worksheet of the task list
    // The family's own pictures: files dropped on Datei1, an image pasted into it.
    void Datei1_Drop(const QStringList &paths);
    void Datei1_Paste();

protected:
    void activated() override;
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void buildToolbar();
    void buildWorkArea();
    void buildHiddenControls();
    // Puts what the editor holds on the screen.
    void showState();
    // The text of Text1 with each typed line break as CR LF.
    QString typedText() const;
    void copyToClipboard(const QString &text, const QString &picturePath);
    // Stores pictures in the task folder, asking in this window before it replaces one.
    pictureimport::Importer importer();
    // Shows what an import did: the new picture selected, or why not.
    void showImported(const QString &storedFile, const QString &message);

    ListEditor m_editor;
    QPointer<QWidget> m_mainWindow;
    bool m_loaded = false;
    int m_shownRevision = -1;
    worksheet::Options m_printOptions;  // the print dialog's last choices
    bool m_bySyllables = false;         // the trainer's "Silben", read at each activation

    ui::Label *Label4 = nullptr;
    ui::Label *Bezeichnung1 = nullptr;
    ui::PictureBox *Bild1 = nullptr;
    ui::PictureBox *Bild2 = nullptr;
    ui::PictureBox *Bild3 = nullptr;
    ui::PictureBox *Bild4 = nullptr;
    ui::PictureBox *Bild5 = nullptr;
    ui::PictureBox *Bild6 = nullptr;
    ui::PictureBox *Bild7 = nullptr;
    ui::PictureBox *Bild8 = nullptr;
    ui::FileList *Datei1 = nullptr;
    QListView *Liste1 = nullptr;
    LinesModel *m_model = nullptr;
    QPlainTextEdit *Text1 = nullptr;
    QPushButton *Befehl1 = nullptr;
};

} // namespace editor
