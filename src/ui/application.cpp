#include "application.h"

#include "virtualkeys.h"
#include "window.h"

#include <QKeyEvent>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <QTimer>

#include <functional>

namespace ui {

namespace {
std::function<void()> &endHook()
{
    static std::function<void()> hook;
    return hook;
}
bool g_ending = false;
} // namespace

Application::Application(int &argc, char **argv) : QApplication(argc, argv)
{
}

int Application::virtualKeyCode(int qtKey)
{
    switch (qtKey) {
    case Qt::Key_Escape: return vk::Escape;
    case Qt::Key_Return:
    case Qt::Key_Enter: return vk::Return;
    case Qt::Key_Space: return vk::Space;
    case Qt::Key_Left: return vk::Left;
    case Qt::Key_Up: return vk::Up;
    case Qt::Key_Right: return vk::Right;
    case Qt::Key_Down: return vk::Down;
    case Qt::Key_Home: return vk::Home;
    case Qt::Key_End: return vk::End;
    case Qt::Key_PageUp: return vk::PageUp;
    case Qt::Key_PageDown: return vk::PageDown;
    case Qt::Key_Tab: return 9;
    case Qt::Key_Backspace: return 8;
    case Qt::Key_Delete: return 46;
    case Qt::Key_Insert: return 45;
    case Qt::Key_Shift: return 16;
    case Qt::Key_Control: return 17;
    case Qt::Key_Alt: return 18;
    default: break;
    }
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24)
        return 112 + (qtKey - Qt::Key_F1);
    if ((qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) || (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z))
        return qtKey;
    // Keys without a code of their own here (umlauts and the like) match no handler row.
    return 0;
}

void Application::installGermanTranslation()
{
    auto *translator = new QTranslator(this);
    if (translator->load(QLocale(QLocale::German, QLocale::Germany), QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        installTranslator(translator);
    else
        delete translator;
}

bool Application::notify(QObject *receiver, QEvent *event)
{
    // QApplication::notify passes an unhandled key on to the parents itself,
    // so this override sees each key press exactly once.
    if (event->type() == QEvent::KeyPress && receiver->isWidgetType()) {
        auto *window = qobject_cast<Window *>(static_cast<QWidget *>(receiver)->window());
        if (window && window->isEnabled()) {
            auto *key = static_cast<QKeyEvent *>(event);
            QPointer<QObject> alive(receiver);
            window->keyPreview(virtualKeyCode(key->key()), key->modifiers());
            if (!alive)
                return true;
        }
    } else if (event->type() == QEvent::WindowActivate && receiver->isWidgetType()
               && static_cast<QWidget *>(receiver)->isWindow()) {
        windowActivated(static_cast<QWidget *>(receiver));
    }
    return QApplication::notify(receiver, event);
}

void Application::windowActivated(QWidget *window)
{
    QWidget *previous = m_lastActive.data();
    m_lastActive = window;
    auto *own = qobject_cast<Window *>(window);
    if (!own)
        return;
    const bool first = !m_activatedOnce.contains(own);
    const bool fromOtherWindow = previous && previous != window && qobject_cast<Window *>(previous);
    if (!first && !fromOtherWindow)
        return;
    if (first) {
        m_activatedOnce.append(own);
        own->placeAfterFraming();
    }
    // Run after the activation has been delivered, so that a message box the
    // handler opens comes up over a window that is already active.
    QPointer<Window> target(own);
    QTimer::singleShot(0, own, [target] {
        if (target && target->isVisible())
            target->activated();
    });
}

void Application::setEndHook(std::function<void()> hook)
{
    endHook() = std::move(hook);
}

bool Application::isEnding()
{
    return g_ending;
}

void Application::endProgram()
{
    if (endHook()) {
        endHook()();
        return;
    }
    g_ending = true;
    closeAllWindows();
    exit(0);
}

} // namespace ui
