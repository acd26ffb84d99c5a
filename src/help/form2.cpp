#include "form2.h"

#include "resources/icons.h"
#include "ui/fonts.h"
#include "ui/label.h"
#include "ui/picturebox.h"
#include "ui/units.h"

namespace help {

namespace {

struct KeyLine {
    const char *key;
    const char *action;
};

const KeyLine kKeys[] = {
    {"L - P f e i l", "-   z u r ü c k"},   {"R - P f e i l", "-   w e i t e r"}, {"L e e r t a s t e", "-   Z u f a l l"},
    {"E N T E R", "-   L ö s u n g"},       {"P o s 1", "-   A n f a n g"},     {"E n d e", "-   S c h l u s s"},
    {"E s c", "-   B e e n d e n"},
};

ui::Label *column(QWidget *parent, const char *name, int left, int width, Qt::Alignment align)
{
    auto *label = ui::makeLabel(parent, name, left, 360, width, 2055);
    ui::setColors(label, ui::colors::lightBlue, ui::colors::textBlue);
    label->setFont(ui::designFont(QStringLiteral("Verdana"), 12, true));
    label->setWordWrap(false);
    label->setAlignment(align | Qt::AlignTop);
    return label;
}

} // namespace

Form2::Form2(QWidget *parent) : ui::Window(parent)
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("Revaze:  Tastenbelegung"));
    // A sizable window; the controls keep their places, more room shows more background.
    resize(ui::twipsToPixels(5460), ui::twipsToPixels(2580));
    ui::setColors(this, ui::colors::lightBlue);
    setFont(ui::designFont(QStringLiteral("MS Sans Serif"), 8.25, true));
    addShape({ui::twipsRect(720, 240, 4575, 2175), QColor(), ui::colors::white, 2});

    Bezeichnung1 = column(this, "Bezeichnung1", 840, 1935, Qt::AlignRight);
    Bezeichnung2 = column(this, "Bezeichnung2", 3000, 2175, Qt::AlignLeft);

    Bild1 = new ui::PictureBox(this);
    Bild1->setObjectName(QStringLiteral("Bild1"));
    ui::placeTwips(Bild1, 120, 240, 495, 495);
    ui::setColors(Bild1, ui::colors::lightBlue);
    Bild1->setIcon(resources::icon(QStringLiteral("info")));
    connect(Bild1, &ui::PictureBox::clicked, this, &Form2::Bild1_Click);

    Form_Load();
}

void Form2::Form_Load()
{
    QString keys;
    QString actions;
    for (const KeyLine &line : kKeys) {
        keys += QString::fromUtf8(line.key) + QChar('\r');
        actions += QString::fromUtf8(line.action) + QChar('\r');
    }
    Bezeichnung1->setCaption(keys);
    Bezeichnung2->setCaption(actions);
}

void Form2::Bild1_Click()
{
    hide();
}

} // namespace help
