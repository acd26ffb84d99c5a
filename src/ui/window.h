#pragma once
// Base of the program's own top-level windows: a client area laid out in
// twips, a key handler that sees every key press before the focused control,
// and an activation handler that runs when the window becomes the active
// window of the program.

#include <QWidget>

namespace ui {

class Window : public QWidget {
    Q_OBJECT
public:
    explicit Window(QWidget *parent = nullptr);

    void setClientSizeTwips(int width, int height);
    // The outer size, frame included, in twips.
    QSizeF outerSizeTwips() const;
    void moveTwips(double left, double top);
    // Left and top edge (hence the frame's corner) to centre the window on the screen.
    void centreOnScreen();
    // The window manager adds the frame only when the window is first shown;
    // a window centred before that is centred again with its real outer size.
    void placeAfterFraming();

    // Called with the Windows virtual key code before the key press goes on
    // to the control that has the focus. It cannot swallow the key.
    virtual void keyPreview(int keyCode, Qt::KeyboardModifiers modifiers);
    // Runs when the window is first shown, and whenever activation comes to
    // it from another window of the program; not when one of the program's
    // message boxes closes, nor on returning from another application.
    virtual void activated();

protected:
    void paintEvent(QPaintEvent *event) override;
    // Filled and outlined rectangles drawn on the window's own surface,
    // beneath every control.
    struct Shape {
        QRect rect;          // pixels
        QColor fill;         // invalid: not filled
        QColor outline;
        int outlineWidth = 1;
    };
    void addShape(const Shape &shape);

private:
    QList<Shape> m_shapes;
    QSizeF m_centredWithSize;  // outer size used for centring, empty if never centred
};

} // namespace ui
