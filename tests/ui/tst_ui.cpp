// The window layer: captions with CR, picture loading by content, units.
#include "resources/icons.h"
#include "testsupport.h"
#include "ui/fonts.h"
#include "ui/label.h"
#include "ui/optionbutton.h"
#include "ui/picturebox.h"
#include "ui/units.h"

#include <QBuffer>
#include <QFontInfo>
#include <QImageWriter>
#include <QPainter>
#include <QtTest>

class TestUi : public QObject {
    Q_OBJECT
private slots:
    void captionKeepsCarriageReturns_data();
    void captionKeepsCarriageReturns();
    void runawayCaptionIsCut();
    void pictureFormats_data();
    void pictureFormats();
    void failedLoadKeepsOldPicture();
    void emptyNameClears();
    void units_data();
    void units();
    void designFontsExist();
    void clicks_data();
    void clicks();
    void iconsSharpAtEveryScale_data();
    void iconsSharpAtEveryScale();
};

void TestUi::captionKeepsCarriageReturns_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("shown");
    QTest::newRow("plain") << "Haus" << "Haus";
    QTest::newRow("two lines") << "Der Hund\rbellt\r" << "Der Hund\nbellt\n";
    QTest::newRow("empty lines") << "\r\ra" << "\n\na";
    QTest::newRow("markup is text") << "<b>fett</b>" << "<b>fett</b>";
}

void TestUi::captionKeepsCarriageReturns()
{
    QFETCH(QString, caption);
    QFETCH(QString, shown);
    ui::Label label;
    label.setCaption(caption);
    QCOMPARE(label.caption(), caption);
    QCOMPARE(label.text(), shown);
    QCOMPARE(label.textFormat(), Qt::PlainText);
}

void TestUi::runawayCaptionIsCut()
{
    ui::Label label;
    const QString huge(10 * 1024 * 1024, QChar('x'));
    QElapsedTimer timer;
    timer.start();
    label.setCaption(huge);
    label.resize(300, 400);
    label.grab();
    QVERIFY(timer.elapsed() < 2000);
    QCOMPARE(label.caption().size(), huge.size());
    QVERIFY(label.text().size() < 20000);
}

void TestUi::pictureFormats_data()
{
    QTest::addColumn<QByteArray>("format");
    QTest::newRow("png") << QByteArray("PNG");
    QTest::newRow("jpeg") << QByteArray("JPEG");
    QTest::newRow("bmp") << QByteArray("BMP");
    QTest::newRow("svg") << QByteArray("SVG");
}

void TestUi::pictureFormats()
{
    QFETCH(QByteArray, format);
    testing::TaskFolder folder;
    QByteArray bytes;
    if (format == "SVG") {
        bytes = "<?xml version=\"1.0\"?>\n<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"40\" height=\"30\">"
                "<rect width=\"40\" height=\"30\" fill=\"#ff0000\"/></svg>";
    } else {
        QImage image(40, 30, QImage::Format_RGB32);
        image.fill(Qt::red);
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QVERIFY(image.save(&buffer, format.constData(), 100));
    }
    // Recognised by content, whatever the name says.
    folder.write("BILD.WMF", bytes);
    ui::PictureBox box;
    box.resize(100, 100);
    ui::setColors(&box, ui::colors::lightBlue);
    QVERIFY(box.loadPicture("bild.wmf"));
    QCOMPARE(box.picture().size(), QSize(40, 30));
    const QImage shot = box.grab().toImage();
    QVERIFY(qAbs(shot.pixelColor(20, 15).red() - 255) < 8 && shot.pixelColor(20, 15).green() < 8);
    QCOMPARE(shot.pixelColor(60, 15), ui::colors::lightBlue);
}

void TestUi::failedLoadKeepsOldPicture()
{
    testing::TaskFolder folder;
    folder.writePicture("GUT.WMF", Qt::red);
    folder.write("LEER.WMF", "");
    folder.write("ZUFALL.WMF", QByteArray(4096, '\x5a'));
    QVERIFY(QDir(folder.path()).mkdir("ORDNER.WMF"));
    ui::PictureBox box;
    QVERIFY(box.loadPicture("GUT.WMF"));
    for (const char *bad : {"FEHLT.WMF", "LEER.WMF", "ZUFALL.WMF", "ORDNER.WMF"}) {
        QString error;
        QVERIFY2(!box.loadPicture(bad, &error), bad);
        QVERIFY(!error.isEmpty());
        QCOMPARE(box.picture().size(), QSize(40, 30));
    }
}

void TestUi::emptyNameClears()
{
    testing::TaskFolder folder;
    folder.writePicture("GUT.WMF", Qt::red);
    ui::PictureBox box;
    QVERIFY(box.loadPicture("GUT.WMF"));
    QVERIFY(box.loadPicture(QString()));
    QVERIFY(box.picture().isNull());
}

void TestUi::units_data()
{
    QTest::addColumn<double>("twips");
    QTest::addColumn<int>("pixels");
    QTest::newRow("client width") << 9990.0 << 666;
    QTest::newRow("client height") << 7935.0 << 529;
    QTest::newRow("off the right edge") << 10200.0 << 680;
    QTest::newRow("rounded") << 830.0 << 55;
}

void TestUi::units()
{
    QFETCH(double, twips);
    QFETCH(int, pixels);
    QCOMPARE(ui::twipsToPixels(twips), pixels);
    QCOMPARE(ui::pointsToPixels(8.25), 11);
    QCOMPARE(ui::pointsToPixels(14.25), 19);
    QCOMPARE(ui::pointsToPixels(9.75), 13);
}

void TestUi::designFontsExist()
{
    for (const char *face : {"MS Sans Serif", "Verdana"}) {
        const QFont font = ui::designFont(face, 12, true);
        QCOMPARE(font.pixelSize(), 16);
        const QString family = QFontInfo(font).family();
        QVERIFY2(family.contains("DejaVu") || family.contains("Liberation"), qPrintable(family));
    }
}

void TestUi::clicks_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("gesture");
    QTest::addColumn<int>("clicks");
    for (const char *control : {"label", "picture box", "option button"}) {
        QTest::addRow("%s, click", control) << control << "click" << 1;
        QTest::addRow("%s, double click", control) << control << "double" << 1;
        QTest::addRow("%s, triple click", control) << control << "triple" << 2;
        QTest::addRow("%s, right button", control) << control << "right" << 0;
        QTest::addRow("%s, released outside", control) << control << "outside" << 0;
        QTest::addRow("%s, right double click, then click", control) << control << "right double" << 1;
    }
}

void TestUi::clicks()
{
    QFETCH(QString, control);
    QFETCH(QString, gesture);
    QFETCH(int, clicks);
    QWidget window;
    window.resize(200, 100);
    QWidget *target = nullptr;
    int count = 0;
    if (control == "label") {
        auto *label = new ui::Label(&window);
        QObject::connect(label, &ui::Label::clicked, [&count] { ++count; });
        target = label;
    } else if (control == "picture box") {
        auto *box = new ui::PictureBox(&window);
        QObject::connect(box, &ui::PictureBox::clicked, [&count] { ++count; });
        target = box;
    } else {
        auto *option = new ui::OptionButton(QStringLiteral("Modus"), &window);
        QObject::connect(option, &ui::OptionButton::clicked, [&count] { ++count; });
        target = option;
    }
    target->setGeometry(10, 10, 80, 40);
    QVERIFY(testing::showActive(&window));
    QWindow *handle = window.windowHandle();
    const QPoint inside(50, 30);
    if (gesture == "click") {
        testing::clickOn(target);
    } else if (gesture == "double") {
        testing::doubleClickOn(target);
    } else if (gesture == "triple") {
        QTest::mouseDClick(handle, Qt::LeftButton, {}, inside);
        QTest::mousePress(handle, Qt::LeftButton, {}, inside, 1);
        QTest::mouseRelease(handle, Qt::LeftButton, {}, inside, 1);
    } else if (gesture == "right") {
        testing::clickOn(target, {}, Qt::RightButton);
    } else if (gesture == "outside") {
        QTest::mousePress(handle, Qt::LeftButton, {}, inside);
        QTest::mouseRelease(handle, Qt::LeftButton, {}, QPoint(150, 80));
    } else {
        QTest::mouseDClick(handle, Qt::RightButton, {}, inside);
        testing::clickOn(target);
    }
    QCOMPARE(count, clicks);
}

void TestUi::iconsSharpAtEveryScale_data()
{
    QTest::addColumn<QString>("icon");
    QTest::addColumn<double>("scale");
    for (const char *icon : {"stop", "turnright", "editor/cancel"}) {
        for (double scale : {1.0, 1.5, 2.0, 3.0})
            QTest::addRow("%s at %g", icon, scale) << icon << scale;
    }
}

void TestUi::iconsSharpAtEveryScale()
{
    QFETCH(QString, icon);
    QFETCH(double, scale);
    ui::PictureBox box;
    box.resize(33, 33);
    ui::setColors(&box, ui::colors::lightBlue);
    box.setIcon(resources::icon(icon));
    QImage shown(QSize(33, 33) * scale, QImage::Format_ARGB32);
    shown.setDevicePixelRatio(scale);
    box.render(&shown);

    // Every device pixel of the icon is the drawing made at that many pixels,
    // not the 32-pixel drawing enlarged.
    const int side = int(32 * scale);
    const QImage drawn = resources::drawIcon(icon, side);
    const QImage enlarged = resources::drawIcon(icon, 32).scaled(side, side);
    int differFromDrawn = 0;
    int differFromEnlarged = 0;
    for (int y = 0; y < side; ++y) {
        for (int x = 0; x < side; ++x) {
            const QRgb onScreen = shown.pixel(x, y);
            const QRgb expected = qAlpha(drawn.pixel(x, y)) ? drawn.pixel(x, y) : ui::colors::lightBlue.rgb();
            const QRgb coarse = qAlpha(enlarged.pixel(x, y)) ? enlarged.pixel(x, y) : ui::colors::lightBlue.rgb();
            differFromDrawn += onScreen != expected;
            differFromEnlarged += onScreen != coarse;
        }
    }
    QCOMPARE(differFromDrawn, 0);
    if (scale > 1)
        QVERIFY(differFromEnlarged > 0);
}

REVAZE_TEST_MAIN(TestUi)
#include "tst_ui.moc"
