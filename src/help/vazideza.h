#pragma once
// The about window: the program's name, the terms of use, who makes it and
// where to find it. It places itself every time it paints.

#include "ui/window.h"

#include <QPointF>
#include <QSizeF>

namespace ui {
class Label;
class PictureBox;
}

namespace help {

// Where the about window stands: centred across, a quarter of the free
// height above it; in twips, not rounded.
QPointF aboutWindowPlace(const QSizeF &screen, const QSizeF &outerWindow);

class VAZIDEZA : public ui::Window {
    Q_OBJECT
public:
    explicit VAZIDEZA(QWidget *parent = nullptr);

    void Bild1_Click();
    void Bezeichnung1_Click() { Bild1_Click(); }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void Form_Paint();

    ui::Label *Bezeichnung6 = nullptr;
    ui::Label *Bezeichnung7 = nullptr;
};

} // namespace help
