#include "editorlist.h"

#include "tasklist/cp1252.h"

#include <QFileInfo>

#include <algorithm>

namespace editor {

QString BreaksToMarks(const QString &text)
{
    QString result;
    result.reserve(text.size());
    for (const QChar c : text) {
        if (c == QChar('\r'))
            result += QChar('@');
        else if (c != QChar('\n'))
            result += c;
    }
    return result;
}

bool isPictureLine(const QString &line)
{
    if (line.size() < 4)
        return false;
    // Only ASCII letters have W, M and F as their capitals in Windows-1252.
    return line.endsWith(QLatin1String(".WMF"), Qt::CaseInsensitive)
        && std::all_of(line.end() - 4, line.end(), [](QChar c) { return c.unicode() < 128; });
}

QString upperName(const QString &name)
{
    return tasklist::upperCp1252(name);
}

bool namesPicture(const QString &line, const QString &upperFileName)
{
    // Capitals keep the length of a name, so a line of another length never matches.
    if (line.size() != upperFileName.size())
        return false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const char16_t a = line.at(i).unicode();
        const char16_t b = upperFileName.at(i).unicode();
        if (a == b)
            continue;
        if (a >= 128)
            return upperName(line) == upperFileName;
        if (!(a >= 'a' && a <= 'z' && a - 0x20 == b))
            return false;
    }
    return true;
}

QString answerPreview(const QString &answerLine)
{
    constexpr qsizetype kShown = 20;
    if (answerLine.size() <= kShown)
        return answerLine;
    return answerLine.left(kShown) + QStringLiteral(" ...");
}

QStringList pictureFiles(const QDir &dir)
{
    // Name filters ignore letter case: HAUS.WMF, haus.wmf and Haus.Wmf all come.
    return dir.entryList({QStringLiteral("*.wmf")}, QDir::Files | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
}

QString unstorableCharacters(const QString &text)
{
    QString unmappable;
    tasklist::encodeCp1252(text, &unmappable);
    return unmappable;
}

QString EditorList::line(int index) const
{
    return index >= 0 && index < count() ? m_lines.at(index) : QString();
}

void EditorList::select(int index)
{
    m_selected = index >= 0 && index < count() ? index : -1;
}

void EditorList::setLines(QStringList lines)
{
    m_lines = std::move(lines);
    m_selected = -1;
}

void EditorList::removeEntry(const Entry &entry)
{
    if (entry.picture < 0 || entry.picture + 1 >= count())
        return;
    m_lines.remove(entry.picture, 2);
    m_selected = -1;
}

bool EditorList::preview(const QString &fileName, QString *answer)
{
    answer->clear();
    const QString wanted = upperName(fileName);
    // The last matching line decides.
    for (int i = count() - 1; i >= 0; --i) {
        if (namesPicture(m_lines.at(i), wanted)) {
            m_selected = i;
            *answer = line(i + 1);
            return true;
        }
    }
    return false;
}

std::optional<QString> EditorList::editLine() const
{
    const std::optional<Entry> entry = currentEntry();
    return entry ? std::optional<QString>(m_lines.at(entry->answer)) : std::nullopt;
}

std::optional<Entry> EditorList::currentEntry() const
{
    if (m_selected < 0)
        return {};
    Entry entry;
    if (isPictureLine(m_lines.at(m_selected)))
        entry = {m_selected, m_selected + 1};
    else
        entry = {m_selected - 1, m_selected};
    if (entry.picture < 0 || entry.answer >= count())
        return {};
    return entry;
}

} // namespace editor
