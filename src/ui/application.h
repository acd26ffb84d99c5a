#pragma once
// The application object: it hands every key press to the key handler of
// the program window it belongs to before the focused control gets it, and
// tells a program window when activation comes to it from another one.

#include <QApplication>
#include <QPointer>

#include <functional>

namespace ui {

class Window;

class Application : public QApplication {
    Q_OBJECT
public:
    Application(int &argc, char **argv);

    bool notify(QObject *receiver, QEvent *event) override;

    // Qt's own texts (dialogs, context menus) in German, whatever the desktop's language.
    void installGermanTranslation();

    // Closes every window and leaves the event loop; in tests a hook replaces it.
    static void endProgram();
    static void setEndHook(std::function<void()> hook);
    // True once the program has begun to end: windows close without asking.
    static bool isEnding();

    // Windows virtual key code of a Qt key.
    static int virtualKeyCode(int qtKey);

private:
    void windowActivated(QWidget *window);

    QPointer<QWidget> m_lastActive;
    QList<QPointer<Window>> m_activatedOnce;
};

} // namespace ui
