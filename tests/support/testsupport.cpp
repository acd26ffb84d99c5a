#include "testsupport.h"

#include "tasklist/cp1252.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QWindow>

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

namespace {
QWindow *windowOf(QWidget *control, QPoint *pos)
{
    QWidget *top = control->window();
    if (pos)
        *pos = control->mapTo(top, *pos);
    QWindow *window = top->windowHandle();
    if (!window)
        qFatal("%s is not shown", qPrintable(top->objectName()));
    return window;
}
} // namespace

void clickAt(QWidget *control, QPoint pos, Qt::KeyboardModifiers modifiers, Qt::MouseButton button)
{
    QWindow *window = windowOf(control, &pos);
    QTest::mouseClick(window, button, modifiers, pos);
}

void clickOn(QWidget *control, Qt::KeyboardModifiers modifiers, Qt::MouseButton button)
{
    clickAt(control, control->rect().center(), modifiers, button);
}

void doubleClickOn(QWidget *control)
{
    QPoint pos = control->rect().center();
    QWindow *window = windowOf(control, &pos);
    QTest::mouseDClick(window, Qt::LeftButton, {}, pos);
}

void keyTo(QWidget *window, Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    QTest::keyClick(windowOf(window, nullptr), key, modifiers);
}

void typeTo(QWidget *window, Qt::Key key, const QString &text, Qt::KeyboardModifiers modifiers)
{
    QWindow *handle = windowOf(window, nullptr);
    QTest::sendKeyEvent(QTest::Press, handle, key, text, modifiers);
    QTest::sendKeyEvent(QTest::Release, handle, key, text, modifiers);
}

bool showActive(QWidget *window)
{
    window->show();
    window->activateWindow();
    return QTest::qWaitForWindowActive(window);
}

QByteArray cp1252(const QString &text)
{
    std::string bad;
    const std::string bytes = tasklist::encodeCp1252(text.toStdString(), &bad);
    return QByteArray(bytes.data(), qsizetype(bytes.size()));
}

} // namespace testing
