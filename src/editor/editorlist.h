#pragma once
// The editor's rules, apart from its window: the list of task list lines
// with its selected line (the current entry), the picture line test, the
// answer text conversion for typed text and the file list of the folder.

#include <QDir>
#include <QString>
#include <QStringList>

#include <optional>

namespace editor {

// Of typed text: each CR becomes "@", each LF is dropped, every other
// character ("@" included) is copied unchanged.
QString BreaksToMarks(const QString &text);

// A line is a picture line when its last four characters, in capitals, are ".WMF".
bool isPictureLine(const QString &line);

// A picture name in capitals, the way the editor stores it: a letter gets its
// capital only where Windows-1252 has one (ä → Ä, ÿ → Ÿ; ß and µ stay).
QString upperName(const QString &name);

// Whether a line names the picture whose name in capitals is `upperFileName`.
bool namesPicture(const QString &line, const QString &upperFileName);

// An answer line as the delete question shows it: at most its first 20
// characters, with " ..." after them when the line is longer.
QString answerPreview(const QString &answerLine);

// The picture files of a folder: regular files whose names end in ".WMF" in
// any letter case, sorted without regard to case.
QStringList pictureFiles(const QDir &dir);

// The characters of `text` that a task list file cannot hold, each once;
// empty when the text can be stored.
QString unstorableCharacters(const QString &text);

// The two lines of an entry.
struct Entry {
    int picture = -1;
    int answer = -1;
};

// The editor's list: every line of the task list file in file order, and at
// most one selected line, which is the picture line of the current entry.
class EditorList {
public:
    const QStringList &lines() const { return m_lines; }
    int count() const { return int(m_lines.size()); }
    // The line at `index`, or the empty text beyond the list.
    QString line(int index) const;

    // -1: nothing selected.
    int selected() const { return m_selected; }
    void select(int index);

    // Replaces every line; nothing is selected afterwards.
    void setLines(QStringList lines);
    void clear() { setLines({}); }
    void append(const QString &line) { m_lines.append(line); }
    // Removes the two lines of an entry; nothing is selected afterwards.
    void removeEntry(const Entry &entry);

    // The preview's search: the last line naming the picture becomes the
    // selected line, and the line after it is the answer (empty when it is
    // the last line). Without a match the selection stays and the answer is
    // empty. Returns whether a line matched.
    bool preview(const QString &fileName, QString *answer);

    // The line "Editieren" fetches: the answer line of the current entry.
    // Nothing when there is no current entry (see currentEntry).
    std::optional<QString> editLine() const;

    // The entry "Löschen" removes: a selected picture line and the line after
    // it, or a selected answer line and the line before it. Nothing when no
    // line is selected or the lines around it do not form a pair.
    std::optional<Entry> currentEntry() const;

private:
    QStringList m_lines;
    int m_selected = -1;
};

} // namespace editor
