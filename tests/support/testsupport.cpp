#include "testsupport.h"

#include "tasklist/cp1252.h"

#include <QDir>
#include <QFile>
#include <QImage>

namespace testing {

MessageScript::MessageScript()
{
    ui::setMessageHook([this](const ui::Message &message) {
        m_shown.append(message);
        if (message.buttons == ui::Buttons::Ok)
            return ui::Answer::Ok;
        if (m_answers.empty())
            return ui::Answer::No;
        const ui::Answer next = m_answers.front();
        m_answers.pop_front();
        return next;
    });
}

MessageScript::~MessageScript()
{
    ui::setMessageHook(nullptr);
}

QStringList MessageScript::titles() const
{
    QStringList result;
    for (const auto &message : m_shown)
        result.append(message.title);
    return result;
}

EndWatch::EndWatch()
{
    ui::Application::setEndHook([this] { ++m_count; });
}

EndWatch::~EndWatch()
{
    ui::Application::setEndHook(nullptr);
}

TaskFolder::TaskFolder() : m_previous(QDir::currentPath())
{
    QDir::setCurrent(m_dir.path());
}

TaskFolder::~TaskFolder()
{
    QDir::setCurrent(m_previous);
}

void TaskFolder::write(const QString &name, const QByteArray &bytes) const
{
    QFile file(filePath(name));
    QVERIFY2(file.open(QIODevice::WriteOnly), qPrintable(file.errorString()));
    file.write(bytes);
}

void TaskFolder::writePicture(const QString &name, const QColor &colour, int w, int h) const
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(colour);
    QVERIFY(image.save(filePath(name), "PNG"));
}

QByteArray TaskFolder::read(const QString &name) const
{
    QFile file(filePath(name));
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.readAll();
}

QByteArray cp1252(const QString &text)
{
    std::string bad;
    const std::string bytes = tasklist::encodeCp1252(text.toStdString(), &bad);
    return QByteArray(bytes.data(), qsizetype(bytes.size()));
}

} // namespace testing
