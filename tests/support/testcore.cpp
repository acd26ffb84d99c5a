#include "testcore.h"

#include "tasklist/cp1252.h"

#include <QFile>

#include <csignal>
#include <sys/prctl.h>

namespace testing {

void endsWithTest(QProcess &process)
{
    process.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGKILL); });
}

ui::Answer MessageScript::operator()(const ui::Message &message)
{
    m_shown.append(message);
    if (m_observer)
        m_observer(message);
    if (message.buttons == ui::Buttons::Ok)
        return ui::Answer::Ok;
    if (m_answers.empty())
        return ui::Answer::No;
    const ui::Answer next = m_answers.front();
    m_answers.pop_front();
    return next;
}

QStringList MessageScript::field(QString ui::Message::*member) const
{
    QStringList result;
    for (const auto &message : m_shown)
        result.append(message.*member);
    return result;
}

double ScriptedRandom::next()
{
    if (m_numbers->empty())
        return 0.0;
    const double r = m_numbers->front();
    m_numbers->pop_front();
    return r;
}

void TaskFolder::write(const QString &name, const QByteArray &bytes) const
{
    QFile file(filePath(name));
    QVERIFY2(file.open(QIODevice::WriteOnly), qPrintable(file.errorString()));
    file.write(bytes);
}

QByteArray TaskFolder::read(const QString &name) const
{
    QFile file(filePath(name));
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.readAll();
}

QStringList TaskFolder::files() const
{
    return dir().entryList(QDir::Files, QDir::Name);
}

QByteArray cp1252(const QString &text)
{
    QString bad;
    return tasklist::encodeCp1252(text, &bad);
}

QByteArray numberedTasks(int count)
{
    QByteArray bytes;
    for (int k = 1; k <= count; ++k)
        bytes += "P" + QByteArray::number(k) + ".WMF\r\nAntwort " + QByteArray::number(k) + "\r\n";
    return bytes;
}

} // namespace testing
