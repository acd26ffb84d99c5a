// The window layer: captions with CR, pictures found and loaded by content,
// what counts as a click, and icons at every pixel ratio.
#include "resources/icons.h"
#include "testsupport.h"
#include "ui/folderdialog.h"
#include "ui/label.h"
#include "ui/optionbutton.h"
#include "ui/picturebox.h"
#include "ui/units.h"
#include "wmf/writer.h"

#include <QBuffer>
#include <QFileDialog>
#include <QTimer>
#include <QtTest>

class TestUi : public QObject {
    Q_OBJECT
private slots:
    void captionKeepsCarriageReturns_data()
    {
        testing::columns<QString, QString>("caption", "shown");
        QTest::newRow("plain") << "Haus" << "Haus";
        QTest::newRow("two lines") << "Der Hund\rbellt\r" << "Der Hund\nbellt\n";
        QTest::newRow("CR LF is one break") << "a\r\nb" << "a\nb";
        QTest::newRow("empty lines") << "\r\ra" << "\n\na";
        QTest::newRow("markup is text") << "<b>fett</b>" << "<b>fett</b>";
    }

    void captionKeepsCarriageReturns()
    {
        const auto [caption, shown] = testing::fetch<QString, QString>("caption", "shown");
        ui::Label label;
        label.setCaption(caption);
        QCOMPARE(label.caption(), caption);
        QCOMPARE(label.text(), shown);
        QCOMPARE(label.textFormat(), Qt::PlainText);
    }

    void folderDialog_data()
    {
        testing::columns<bool>("accept");
        QTest::newRow("a folder chosen") << true;
        QTest::newRow("cancelled") << false;
    }

    void folderDialog()
    {
        const auto [accept] = testing::fetch<bool>("accept");
        testing::TaskFolder start;
        QVERIFY(start.dir().mkdir("Aufgaben"));
        // The user's part, once the dialog is up.
        QTimer::singleShot(0, [&] {
            auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            QCOMPARE(dialog->windowTitle(), QString("Ordner wählen"));
            dialog->selectFile(start.filePath("Aufgaben"));
            QDialog *asDialog = dialog;  // accept() and reject() are public there
            accept ? asDialog->accept() : asDialog->reject();
        });
        QCOMPARE(ui::chooseFolder("Ordner wählen", start.path()), accept ? start.filePath("Aufgaben") : QString());
    }

    void runawayCaptionIsCut()
    {
        ui::Label label;
        const QString huge(10 * 1024 * 1024, QChar('x'));
        label.setCaption(huge);
        label.resize(300, 400);
        label.grab();
        QCOMPARE(label.caption().size(), huge.size());
        QVERIFY(label.text().size() < 20000);
    }

    void pictures_data()
    {
        // onDisk: name:format[:padded to bytes], or name/ for a folder; size empty: not loaded
        testing::columns<QString, QString, QSize>("stored", "onDisk", "size");
        QTest::newRow("metafile") << "BILD.WMF" << "BILD.WMF:WMF" << QSize(40, 30);
        QTest::newRow("png") << "BILD.WMF" << "BILD.WMF:PNG" << QSize(40, 30);
        QTest::newRow("jpeg") << "BILD.WMF" << "BILD.WMF:JPEG" << QSize(40, 30);
        QTest::newRow("svg after a doctype") << "BILD.WMF" << "BILD.WMF:SVG" << QSize(40, 30);
        QTest::newRow("other letter case") << "BLUME.WMF" << "blume.wmf:PNG" << QSize(40, 30);
        QTest::newRow("umlaut in other case") << "ÄPFEL.WMF" << "äpfel.wmf:PNG" << QSize(40, 30);
        QTest::newRow("backslash folder") << "Bilder\\HAUS.WMF" << "bilder/haus.wmf:PNG" << QSize(40, 30);
        QTest::newRow("drive letter") << "C:\\Bilder\\HAUS.WMF" << "HAUS.WMF:PNG" << QSize(40, 30);
        QTest::newRow("missing") << "FEHLT.WMF" << "HAUS.WMF:PNG" << QSize();
        QTest::newRow("blanks belong to the name") << "  HAUS.WMF " << "HAUS.WMF:PNG" << QSize();
        QTest::newRow("a folder is no picture") << "ORDNER.WMF" << "ORDNER.WMF/" << QSize();
        QTest::newRow("text is no picture") << "TEXT.WMF" << "TEXT.WMF:text" << QSize();
        QTest::newRow("empty file") << "LEER.WMF" << "LEER.WMF:" << QSize();
        QTest::newRow("as large as a picture may be") << "BILD.WMF" << "BILD.WMF:PNG:67108864" << QSize(40, 30);
        QTest::newRow("one byte larger") << "BILD.WMF" << "BILD.WMF:PNG:67108865" << QSize();
    }

    void pictures()
    {
        const auto [stored, onDisk, size] = testing::fetch<QString, QString, QSize>("stored", "onDisk", "size");
        testing::TaskFolder folder;
        const QString name = onDisk.section(':', 0, 0);
        const QString format = onDisk.section(':', 1, 1);
        QVERIFY(folder.dir().mkpath(QFileInfo(name).path()));
        QByteArray bytes;
        if (format == "SVG") {
            bytes = "<?xml version=\"1.0\"?>\n<!DOCTYPE svg>\n<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"40\" "
                    "height=\"30\"><rect width=\"40\" height=\"30\" fill=\"#ff0000\"/></svg>";
        } else if (format == "WMF") {
            wmf::Writer writer;
            writer.setBounds(QRect(0, 0, 40, 30), 96);
            writer.selectObject(writer.createPen(5, 0, Qt::black)); // PS_NULL
            writer.selectObject(writer.createBrush(0, Qt::red));
            writer.rectangle(0, 0, 41, 31);
            bytes = writer.data();
        } else if (format == "text") {
            bytes = "Das ist kein Bild.\r\n";
        } else if (!format.isEmpty()) {
            QImage image(40, 30, QImage::Format_RGB32);
            image.fill(Qt::red);
            QBuffer buffer(&bytes);
            buffer.open(QIODevice::WriteOnly);
            QVERIFY(image.save(&buffer, format.toLatin1().constData(), 100));
        }
        if (name.endsWith('/'))
            QVERIFY(folder.dir().mkpath(name));
        else
            folder.write(name, bytes);
        if (const qint64 padded = onDisk.section(':', 2).toLongLong())
            QVERIFY(QFile::resize(folder.filePath(name), padded));
        testing::writePicture(folder, "ALT.WMF", Qt::blue, 10, 10);

        ui::PictureBox box;
        box.resize(100, 100);
        ui::setColors(&box, ui::colors::lightBlue);
        QVERIFY(box.loadPicture("ALT.WMF", folder.dir()));
        QString error;
        QCOMPARE(box.loadPicture(stored, folder.dir(), &error), !size.isEmpty());
        QCOMPARE(error.isEmpty(), !size.isEmpty());
        // A picture that cannot be loaded leaves the old one.
        QCOMPARE(box.picture().size(), size.isEmpty() ? QSize(10, 10) : size);
        // Drawn at its own size from the top left corner, on the box's colour.
        const QImage shot = box.grab().toImage();
        QVERIFY(qAbs(shot.pixelColor(0, 0).red() - (size.isEmpty() ? 0 : 255)) < 8);
        QCOMPARE(shot.pixelColor(60, 15), ui::colors::lightBlue);
        QVERIFY(box.loadPicture(QString(), folder.dir()));
        QVERIFY(box.picture().isNull());
    }

    void clicks_data()
    {
        testing::columns<QString, QString, int>("control", "gesture", "clicks");
        for (const char *control : {"label", "picture box", "option button", "check box"}) {
            QTest::addRow("%s, click", control) << control << "click" << 1;
            QTest::addRow("%s, double click", control) << control << "double" << 1;
            QTest::addRow("%s, triple click", control) << control << "triple" << 2;
            QTest::addRow("%s, right button", control) << control << "right" << 0;
            QTest::addRow("%s, released outside", control) << control << "outside" << 0;
            QTest::addRow("%s, right double click, then click", control) << control << "right double" << 1;
        }
    }

    void clicks()
    {
        const auto [control, gesture, clicks] = testing::fetch<QString, QString, int>("control", "gesture", "clicks");
        QWidget window;
        window.resize(200, 100);
        int count = 0;
        auto counted = [&count](auto *clickable) {
            QObject::connect(clickable, &std::remove_pointer_t<decltype(clickable)>::clicked, [&count] { ++count; });
            return clickable;
        };
        QWidget *target = control == "label"         ? counted(new ui::Label(&window))
                          : control == "picture box" ? static_cast<QWidget *>(counted(new ui::PictureBox(&window)))
                          : control == "check box"   ? static_cast<QWidget *>(counted(new ui::CheckBox("Silben", &window)))
                                                     : counted(new ui::OptionButton(QStringLiteral("Modus"), &window));
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
        // None of them keeps the keyboard: the window's keys stay the window's.
        QVERIFY(QApplication::focusWidget() != target);
    }

    void iconsAreDistinct()
    {
        const QStringList names{"stop", "trafficlight", "start", "turnleft", "straight", "turnright", "ende", "cone",
                                "children", "info", "edit", "bicycle", "editor/cancel", "editor/edit", "editor/new",
                                "editor/save", "editor/copy", "editor/delete"};
        QList<QImage> drawn;
        for (const QString &name : names) {
            const QImage icon = resources::drawIcon(name, 32);
            QVERIFY2(!icon.isNull() && !drawn.contains(icon), qPrintable(name));
            drawn.append(icon);
        }
        QVERIFY(resources::drawIcon("nichts", 32).isNull());
        QVERIFY(resources::icon("nichts").isNull());
    }

    void iconsSharpAtEveryScale_data()
    {
        testing::columns<QString, double>("icon", "scale");
        for (const char *icon : {"stop", "turnright", "editor/cancel"}) {
            for (double scale : {1.0, 1.5, 2.0, 3.0})
                QTest::addRow("%s at %g", icon, scale) << icon << scale;
        }
    }

    void iconsSharpAtEveryScale()
    {
        const auto [icon, scale] = testing::fetch<QString, double>("icon", "scale");
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
        const QRgb background = ui::colors::lightBlue.rgb();
        int differFromDrawn = 0;
        int differFromEnlarged = 0;
        for (int y = 0; y < side; ++y) {
            for (int x = 0; x < side; ++x) {
                const QRgb onScreen = shown.pixel(x, y);
                differFromDrawn += onScreen != (qAlpha(drawn.pixel(x, y)) ? drawn.pixel(x, y) : background);
                differFromEnlarged += onScreen != (qAlpha(enlarged.pixel(x, y)) ? enlarged.pixel(x, y) : background);
            }
        }
        QCOMPARE(differFromDrawn, 0);
        if (scale > 1)
            QVERIFY(differFromEnlarged > 0);
    }
};

REVAZE_TEST_MAIN(TestUi)
#include "tst_ui.moc"
