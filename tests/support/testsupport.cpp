#include "testsupport.h"

#include <QImage>
#include <QWindow>

namespace testing {

WindowMessages::WindowMessages()
{
    ui::setMessageHook([this](const ui::Message &message) { return (*this)(message); });
}

WindowMessages::~WindowMessages()
{
    ui::setMessageHook(nullptr);
}

EndWatch::EndWatch()
{
    ui::Application::setEndHook([this] { ++m_count; });
}

EndWatch::~EndWatch()
{
    ui::Application::setEndHook(nullptr);
}

void writePicture(const TaskFolder &folder, const QString &name, const QColor &colour, int w, int h)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(colour);
    QVERIFY(image.save(folder.filePath(name), "PNG"));
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

void typeText(QWidget *window, const QString &text)
{
    for (const QChar c : text) {
        if (c == QChar('\n'))
            keyTo(window, Qt::Key_Return);
        else
            typeTo(window, c.unicode() < 128 ? QTest::asciiToKey(char(c.unicode())) : Qt::Key_unknown, QString(c));
    }
}

bool showActive(QWidget *window)
{
    window->show();
    window->activateWindow();
    return QTest::qWaitForWindowActive(window);
}

} // namespace testing
