#pragma once
// The task list editor: the picture files of the current folder, a preview
// of the selected picture with the answer the list holds for it, the text
// entry, and the editor's own copy of the task list file's lines. The
// handlers carry the names of the control and event they serve; the list
// rules live in editorlist.h.

#include "editor/editorlist.h"
#include "ui/window.h"

#include <QPointer>

class QListView;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

namespace ui {
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

protected:
    void activated() override;
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void buildToolbar();
    void buildWorkArea();
    void buildHiddenControls();

    void LoadEditorList();
    void SaveStep();

    // Liste1 follows the editor list.
    void showSelection();
    void setTextEntryVisible(bool visible);
    // The text of Text1 with each typed line break as CR LF.
    QString typedText() const;
    // The picture file selected in Datei1, or nothing.
    QString selectedFile() const;
    void loadPreviewPicture(const QString &fileName);

    QPointer<QWidget> m_mainWindow;
    bool m_loaded = false;
    EditorList m_list;
    // False while the task list file exists but could not be read: saving
    // would overwrite what was never read.
    bool m_fileRead = true;
    // The file that Bild3 shows, empty when it shows nothing.
    QString m_previewFile;

    ui::Label *Label1 = nullptr;
    ui::Label *Label2 = nullptr;
    ui::Label *Label3 = nullptr;
    ui::Label *Label4 = nullptr;
    ui::Label *Bezeichnung1 = nullptr;
    ui::PictureBox *Bild1 = nullptr;
    ui::PictureBox *Bild2 = nullptr;
    ui::PictureBox *Bild3 = nullptr;
    ui::PictureBox *Bild4 = nullptr;
    ui::PictureBox *Bild5 = nullptr;
    ui::PictureBox *Bild6 = nullptr;
    ui::PictureBox *Bild7 = nullptr;
    QListWidget *Datei1 = nullptr;
    QListView *Liste1 = nullptr;
    LinesModel *m_model = nullptr;
    QPlainTextEdit *Text1 = nullptr;
    QPushButton *Befehl1 = nullptr;
};

} // namespace editor
