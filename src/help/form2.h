#pragma once
// The key assignment window: the main window's keys and what each one does.

#include "ui/window.h"

namespace ui {
class Label;
class PictureBox;
}

namespace help {

class Form2 : public ui::Window {
    Q_OBJECT
public:
    explicit Form2(QWidget *parent = nullptr);

    void Bild1_Click();

private:
    void Form_Load();

    ui::PictureBox *Bild1 = nullptr;
    ui::Label *Bezeichnung1 = nullptr;
    ui::Label *Bezeichnung2 = nullptr;
};

} // namespace help
