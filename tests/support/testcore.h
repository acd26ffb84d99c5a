#pragma once
// Test helpers without windows: scripted answers for the program's message
// boxes, task folders, and Windows-1252 bytes.

#include "ui/message.h"
#include "app/random.h"

#include <QByteArray>
#include <QDir>
#include <QList>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>
#include <QtTest>

#include <deque>
#include <functional>
#include <tuple>

namespace ui {
// Message boxes compare field by field.
inline bool operator==(const Message &a, const Message &b)
{
    return a.text == b.text && a.title == b.title && a.buttons == b.buttons && a.icon == b.icon
           && a.defaultButton == b.defaultButton;
}
} // namespace ui

namespace testing {

// Answers message boxes in place of the user and notes each one. Questions
// take the scripted answers in order; with none left, Nein. An observer
// sees each box as it comes up, to note what the window showed meanwhile.
class MessageScript {
public:
    ui::Answer operator()(const ui::Message &message);
    // The script as the callback the rules and windows take.
    ui::Ask ask() { return [this](const ui::Message &m) { return (*this)(m); }; }

    void answer(std::initializer_list<ui::Answer> next) { m_answers.insert(m_answers.end(), next); }
    void observe(std::function<void(const ui::Message &)> observer) { m_observer = std::move(observer); }
    const QList<ui::Message> &shown() const { return m_shown; }
    QStringList titles() const { return field(&ui::Message::title); }
    QStringList texts() const { return field(&ui::Message::text); }
    void clear() { m_shown.clear(); }

private:
    QStringList field(QString ui::Message::*member) const;

    std::deque<ui::Answer> m_answers;
    QList<ui::Message> m_shown;
    std::function<void(const ui::Message &)> m_observer;
};

// Random numbers the test chooses, in order; 0 when none are left.
class ScriptedRandom : public app::RandomSource {
public:
    explicit ScriptedRandom(std::deque<double> *numbers) : m_numbers(numbers) {}
    void reseedFromTime() override {}
    double next() override;

private:
    std::deque<double> *m_numbers;
};

// A temporary task folder.
class TaskFolder {
public:
    QString path() const { return m_dir.path(); }
    QDir dir() const { return QDir(m_dir.path()); }
    QString filePath(const QString &name) const { return m_dir.filePath(name); }
    void write(const QString &name, const QByteArray &bytes) const;
    QByteArray read(const QString &name) const;
    // The names of the folder's files, sorted.
    QStringList files() const;

private:
    QTemporaryDir m_dir;
};

// A program the test starts ends with the test, also when the test is ended
// by its deadline.
void endsWithTest(QProcess &process);

// The Windows-1252 bytes of a text.
QByteArray cp1252(const QString &text);

// Task k has picture Pk.WMF and answer "Antwort k".
QByteArray numberedTasks(int count);

// The columns of a data table, a type for each name, in one statement.
template <typename... Types, typename... Names> void columns(Names... names)
{
    (QTest::addColumn<Types>(names), ...);
}

// The current row's values of those columns, for a structured binding.
template <typename... Types, typename... Names> std::tuple<Types...> fetch(Names... names)
{
    return {*static_cast<Types *>(QTest::qData(names, qMetaTypeId<Types>()))...};
}

} // namespace testing
