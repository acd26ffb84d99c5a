#include "vazideza.h"

#include "resources/icons.h"
#include "ui/fonts.h"
#include "ui/label.h"
#include "ui/picturebox.h"
#include "ui/units.h"

namespace help {

namespace {

const QString kSansSerif = QStringLiteral("MS Sans Serif");

const char kTermsOfUse[] = "Frei zum Lernen zu Hause und in der Schule.\r\nKopieren und Weitergeben ist erlaubt.";
const char kAuthor[] = "Das Revaze-Team, 2025–2026\r\nrevaze@example.org";
const char kWebAddress[] = "https://revaze.example.org";

ui::Label *label(QWidget *parent, const char *name, const QRect &twips, const QColor &background, const QColor &text,
                 const QFont &font, Qt::Alignment align)
{
    auto *l = ui::makeLabel(parent, name, twips.x(), twips.y(), twips.width(), twips.height());
    ui::setColors(l, background, text);
    l->setFont(font);
    l->setAlignment(align);
    return l;
}

} // namespace

QPointF aboutWindowPlace(const QSizeF &screen, const QSizeF &outerWindow)
{
    return QPointF((screen.width() - outerWindow.width()) / 2.0, (screen.height() - outerWindow.height()) / 4.0);
}

VAZIDEZA::VAZIDEZA(QWidget *parent) : ui::Window(parent)
{
    setObjectName(QStringLiteral("VAZIDEZA"));
    setWindowTitle(QStringLiteral("O N D - Relprüfung"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setClientSizeTwips(3615, 3510);
    ui::setColors(this, ui::colors::lightBlue);
    setFont(ui::designFont(kSansSerif, 8.25, true));
    addShape({ui::twipsRect(120, 120, 3375, 2895), ui::colors::mediumBlue, QColor(0, 0, 128), 1});

    const QFont big = ui::designFont(kSansSerif, 18, true);
    const QColor medium = ui::colors::mediumBlue;
    label(this, "Bezeichnung2", {240, 240, 375, 615}, medium, QColor(255, 0, 255), big, Qt::AlignCenter)->setCaption("O");
    label(this, "Bezeichnung3", {720, 240, 375, 615}, medium, QColor(0, 255, 255), big, Qt::AlignCenter)->setCaption("N");
    label(this, "Bezeichnung4", {1200, 240, 375, 615}, medium, QColor(128, 255, 128), big, Qt::AlignCenter)->setCaption("D");
    label(this, "Bezeichnung5", {1680, 240, 1695, 615}, medium, ui::colors::white, big, Qt::AlignLeft | Qt::AlignVCenter)
        ->setCaption(QStringLiteral(" -  R  e  l"));
    Bezeichnung6 = label(this, "Bezeichnung6", {240, 840, 3135, 975}, medium, Qt::black,
                         ui::designFont(kSansSerif, 8.25, false), Qt::AlignCenter);
    Bezeichnung7 = label(this, "Bezeichnung7", {240, 1800, 3135, 495}, ui::colors::lightBlue, Qt::black,
                         ui::designFont(kSansSerif, 9.75, false), Qt::AlignCenter);
    Bezeichnung7->setBorder(true);
    QFont okayFont = big;
    okayFont.setItalic(true);
    auto *okay = label(this, "Bezeichnung1", {240, 2400, 2175, 495}, medium, QColor(0, 255, 0), okayFont, Qt::AlignCenter);
    okay->setCaption(QStringLiteral("O k a y"));
    connect(okay, &ui::Label::clicked, this, &VAZIDEZA::Bezeichnung1_Click);
    auto *web = label(this, "Bezeichnung8", {120, 3120, 3375, 255}, ui::colors::lightBlue,
                      palette().color(QPalette::WindowText), font(), Qt::AlignCenter);
    web->setCaption(QString::fromUtf8(kWebAddress));

    auto *button = new ui::PictureBox(this);
    button->setObjectName(QStringLiteral("Bild1"));
    ui::placeTwips(button, 2400, 2400, 975, 495);
    ui::setColors(button, medium);
    button->setIcon(resources::icon(QStringLiteral("trafficlight")));
    connect(button, &ui::PictureBox::clicked, this, &VAZIDEZA::Bild1_Click);
}

void VAZIDEZA::Form_Paint()
{
    const QPointF place = aboutWindowPlace(ui::screenSizeTwips(), outerSizeTwips());
    // Moving only when the place differs keeps a move from feeding another paint.
    const QPoint target(int(place.x() / ui::kTwipsPerPixel), int(place.y() / ui::kTwipsPerPixel));
    if (pos() != target)
        moveTwips(place.x(), place.y());
    Bezeichnung6->setCaption(QString::fromUtf8(kTermsOfUse));
    Bezeichnung7->setCaption(QString::fromUtf8(kAuthor));
}

void VAZIDEZA::paintEvent(QPaintEvent *event)
{
    Form_Paint();
    ui::Window::paintEvent(event);
}

void VAZIDEZA::Bild1_Click()
{
    hide();
}

} // namespace help
