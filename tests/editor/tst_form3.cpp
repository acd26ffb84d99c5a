// The editor window's wiring under real input: clicks, double clicks and keys
// delivered to the window the way the window system delivers them. The rules
// behind them are tested in tst_listeditor.
#include "editor/form3.h"
#include "testsupport.h"
#include "ui/label.h"
#include "ui/inputbox.h"
#include "ui/picturebox.h"
#include "worksheet/printing.h"

#include <QClipboard>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QMimeData>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QProcess>
#include <QUrl>
#include <QRegularExpression>
#include <QTimer>
#include <QtTest>

using ui::Answer;

namespace {

const QByteArray kTwoPictures = "HAUS.WMF\r\nHaus\r\nBAUM.WMF\r\nBaum\r\n";

// The editor on a task folder, shown and active, its list read.
struct Window {
    explicit Window(const QByteArray &list, const QStringList &pictures = {"BAUM.WMF", "HAUS.WMF"})
    {
        folder.write("REVAZE.INI", list);
        int hue = 0;
        for (const QString &name : pictures)
            testing::writePicture(folder, name, QColor::fromHsv((hue += 47) % 360, 200, 200));
        form.setFolder(folder.dir());
        messages.observe([this](const ui::Message &) { previewWhileAsked.append(preview()); });
        QVERIFY(testing::showActive(&form));
        QTRY_COMPARE(lines().size(), qsizetype(list.count("\r\n")));
    }
    template <typename T = QWidget> T *control(const char *name) const { return testing::control<T>(&form, name); }
    QString preview() const { return control<ui::Label>("Bezeichnung1")->caption(); }
    QString text() const { return control<QPlainTextEdit>("Text1")->toPlainText(); }
    QStringList lines() const
    {
        const QAbstractItemModel *model = control<QListView>("Liste1")->model();
        QStringList result;
        for (int i = 0; i < model->rowCount(); ++i)
            result.append(model->index(i, 0).data().toString());
        return result;
    }
    void clickFile(int row) const
    {
        auto *list = control<QListWidget>("Datei1");
        testing::clickAt(list->viewport(), list->visualItemRect(list->item(row)).center());
    }
    QList<int> selectedFiles() const
    {
        QList<int> rows;
        for (const QModelIndex &index : control<QListWidget>("Datei1")->selectionModel()->selectedRows())
            rows.append(index.row());
        return rows;
    }
    // From the text entry, Tab to the off-screen "Eingabe" button and press it.
    void pressEingabe(Qt::Key key = Qt::Key_Return)
    {
        QCOMPARE(QApplication::focusWidget(), control("Text1"));
        testing::keyTo(&form, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), control("Befehl1"));
        testing::keyTo(&form, key);
    }

    testing::TaskFolder folder;
    testing::WindowMessages messages;
    QStringList previewWhileAsked;
    editor::Form3 form;
};

} // namespace

class TestForm3 : public QObject {
    Q_OBJECT
private slots:
    void opensWithListAndPreview()
    {
        Window w(kTwoPictures);
        QCOMPARE(w.lines(), (QStringList{"HAUS.WMF", "Haus", "BAUM.WMF", "Baum"}));
        QCOMPARE(w.selectedFiles(), QList<int>{0});
        QCOMPARE(w.preview(), QString("Baum"));
        QVERIFY(!w.control<ui::PictureBox>("Bild3")->picture().isNull());
        QVERIFY(w.control("Text1")->isVisible());
        QVERIFY(w.control("Befehl1")->isHidden());
        QVERIFY(w.messages.shown().isEmpty());
        // The mouse and the keys move the preview and the current entry.
        w.clickFile(1);
        QCOMPARE(w.preview(), QString("Haus"));
        testing::keyTo(&w.form, Qt::Key_Home);
        QCOMPARE(w.preview(), QString("Baum"));
        testing::keyTo(&w.form, Qt::Key_End);
        QCOMPARE(w.preview(), QString("Haus"));
        QCOMPARE(w.control<QListView>("Liste1")->selectionModel()->selectedRows().first().row(), 0);
    }

    void fileStaysSelected_data()
    {
        testing::columns<QString>("gesture");
        QTest::newRow("ctrl+click on the selected entry") << "ctrl+click";
        QTest::newRow("ctrl+space") << "ctrl+space";
        QTest::newRow("click below the entries") << "below";
        QTest::newRow("ctrl+click below the entries") << "ctrl+below";
    }

    void fileStaysSelected()
    {
        const auto [gesture] = testing::fetch<QString>("gesture");
        Window w(kTwoPictures);
        auto *list = w.control<QListWidget>("Datei1");
        w.clickFile(1);
        QCOMPARE(QApplication::focusWidget(), list);
        const QPoint below(list->viewport()->width() / 2, list->viewport()->height() - 3);
        if (gesture == "ctrl+click")
            testing::clickAt(list->viewport(), list->visualItemRect(list->item(1)).center(), Qt::ControlModifier);
        else if (gesture == "ctrl+space")
            testing::keyTo(&w.form, Qt::Key_Space, Qt::ControlModifier);
        else
            testing::clickAt(list->viewport(), below, gesture == "below" ? Qt::NoModifier : Qt::ControlModifier);
        QCOMPARE(w.selectedFiles(), QList<int>{1});
        QCOMPARE(w.preview(), QString("Haus"));
        QVERIFY(!w.control<ui::PictureBox>("Bild3")->picture().isNull());
        testing::clickOn(w.control("Bild4"));
        QCOMPARE(w.text(), QString("Haus"));
    }

    void enterByKeyboard_data()
    {
        testing::columns<int>("key");
        QTest::newRow("Return") << int(Qt::Key_Return);
        QTest::newRow("Enter on the keypad") << int(Qt::Key_Enter);
        QTest::newRow("Space") << int(Qt::Key_Space);
    }

    void enterByKeyboard()
    {
        const auto [key] = testing::fetch<int>("key");
        Window w(kTwoPictures);
        w.clickFile(1);
        testing::clickOn(w.control("Bild6"));
        QVERIFY(w.control("Befehl1")->isVisible());
        QCOMPARE(w.preview(), QString());
        testing::typeText(&w.form, "Der Hund\nbellt");
        w.messages.answer({Answer::Yes, Answer::Yes});
        w.pressEingabe(Qt::Key(key));
        // The button is pressed once, not also by the window or a second key handler.
        QCOMPARE(w.messages.titles(), (QStringList{"Eingabe bestätigen:", "Eingabe speichern", "Liste speichern"}));
        QCOMPARE(w.previewWhileAsked.first(), QString("Der Hund\rbellt"));
        QCOMPARE(w.folder.read("REVAZE.INI"), kTwoPictures + "HAUS.WMF\r\nDer Hund@bellt\r\n");
        QCOMPARE(w.lines().size(), 6);
        QCOMPARE(w.preview(), QString("Der Hund\rbellt"));
        for (const char *name : {"Text1", "Befehl1", "Label4"})
            QVERIFY(w.control(name)->isHidden());
    }

    // Characters typed with a modifier go into the list byte for byte: a
    // no-break space with AltGr, a soft hyphen (a syllable mark) with Ctrl+-.
    void specialCharactersTyped_data()
    {
        testing::columns<int, QString, int, QByteArray>("key", "text", "modifiers", "stored");
        QTest::newRow("no-break space") << int(Qt::Key_nobreakspace) << QString(QChar(0xA0)) << int(Qt::GroupSwitchModifier)
                                        << QByteArray("D\xA0" "e@f");
        QTest::newRow("soft hyphen") << int(Qt::Key_Minus) << QString() << int(Qt::ControlModifier) << QByteArray("D\xAD" "e@f");
    }
    void specialCharactersTyped()
    {
        const auto [key, text, modifiers, stored] = testing::fetch<int, QString, int, QByteArray>("key", "text", "modifiers", "stored");
        Window w("HAUS.WMF\r\nHaus\r\n", {"HAUS.WMF"});
        testing::clickOn(w.control("Bild6"));
        testing::typeTo(&w.form, Qt::Key_D, "D");
        testing::typeTo(&w.form, Qt::Key(key), text, Qt::KeyboardModifiers(modifiers));
        testing::typeText(&w.form, "e\nf");
        w.messages.answer({Answer::Yes, Answer::Yes});
        w.pressEingabe();
        QCOMPARE(w.folder.read("REVAZE.INI"), "HAUS.WMF\r\nHaus\r\nHAUS.WMF\r\n" + stored + "\r\n");
    }

    void copyToClipboard()
    {
        Window w("HAUS.WMF\r\nDer Hund@bellt\r\n", {"HAUS.WMF"});
        testing::clickOn(w.control("Bild5"));
        QCOMPARE(w.messages.titles(), QStringList{"Kopieren"});
        const QMimeData *data = QGuiApplication::clipboard()->mimeData();
        QCOMPARE(data->text(), QString("Der Hund\rbellt"));
        QCOMPARE(data->data("image/png"), w.folder.read("HAUS.WMF"));
        const QImage image = qvariant_cast<QImage>(data->imageData());
        QCOMPARE(image.size(), QSize(40, 30));
        QCOMPARE(image.pixelColor(5, 5), w.control("Bild3")->grab().toImage().pixelColor(5, 5));
    }

    // Ctrl+P and the printer button open the print dialog; accepted with
    // no printer but the file, the worksheet lands beside the list.
    void printWorksheet_data()
    {
        testing::columns<bool, bool, bool, bool>("byKey", "accept", "listThere", "pathTaken");
        QTest::newRow("Ctrl+P, printed") << true << true << true << false;
        QTest::newRow("button, cancelled") << false << false << true << false;
        QTest::newRow("button, printed") << false << true << true << false;
        QTest::newRow("no list: a box, no dialog") << true << true << false << false;
        QTest::newRow("a folder where the file would go: a box") << true << true << true << true;
    }
    void printWorksheet()
    {
        const auto [byKey, accept, listThere, pathTaken] = testing::fetch<bool, bool, bool, bool>(
            "byKey", "accept", "listThere", "pathTaken");
        Window w(kTwoPictures);
        if (!listThere)
            QVERIFY(QFile::remove(w.folder.filePath("REVAZE.INI")));
        int dialogs = 0;
        const auto answer = [&] {
            if (auto *dialog = qobject_cast<QPrintDialog *>(QApplication::activeModalWidget())) {
                ++dialogs;
                if (pathTaken)
                    QVERIFY(w.folder.dir().mkdir("Arbeitsblatt.pdf"));
                // The worksheet's own tab: a title for the task pages.
                testing::control<QLineEdit>(dialog, "Ueberschrift")->setText("Tiere im Wald");
                accept ? dialog->accept() : dialog->reject();
            }
        };
        QTimer timer;
        connect(&timer, &QTimer::timeout, answer);
        timer.start(50);
        if (byKey)
            testing::keyTo(&w.form, Qt::Key_P, Qt::ControlModifier);
        else
            testing::doubleClickOn(w.control("Bild8")); // children double-click: still one dialog
        QTest::qWait(300);
        QCOMPARE(dialogs, listThere ? 1 : 0);
        QCOMPARE(w.messages.shown().isEmpty(), listThere && !pathTaken); // nothing to say when printed or cancelled
        QCOMPARE(w.messages.texts().join("").contains("REVAZE.INI"), !listThere);
        QCOMPARE(w.messages.texts().join("").contains("Arbeitsblatt.pdf“ kann nicht geschrieben werden"), pathTaken);
        QFile pdf(w.folder.filePath("Arbeitsblatt.pdf"));
        QCOMPARE(pdf.open(QIODevice::ReadOnly), accept && listThere && !pathTaken);
        if (pdf.isOpen()) { // two tasks: one page of tasks, one of solutions, the title on the first
            QProcess text;
            text.start("pdftotext", {pdf.fileName(), "-"});
            QVERIFY(text.waitForFinished(60000));
            const QStringList pages = QString::fromUtf8(text.readAllStandardOutput()).split('\f', Qt::SkipEmptyParts);
            QCOMPARE(pages.size(), 2);
            QVERIFY(pages.first().contains("Tiere im Wald") && !pages.last().contains("Tiere im Wald"));
        }
    }

    // The print dialog's tab sets the ruling and the title; the arcs under
    // the syllables, which follow the trainer's "Silben", stay as they were.
    void printDialogKeepsTheSyllables()
    {
        Window w(kTwoPictures);
        QTimer::singleShot(200, [] { qobject_cast<QPrintDialog *>(QApplication::activeModalWidget())->accept(); });
        worksheet::Options options{2, "Tiere", true};
        QVERIFY(worksheet::printWithDialog(w.folder.dir(), options, &w.form).ok);
        QVERIFY(options.syllables && options.lineatur == 2 && options.title == "Tiere");
    }

    // The family's own pictures: dropped from a file manager or pasted with
    // Ctrl+V into the file list, they are stored and selected at once.
    void picturesComeIn_data()
    {
        // name: typed into the box; empty when the box is cancelled
        testing::columns<bool, QString>("paste", "name");
        QTest::newRow("dropped") << false << "";
        QTest::newRow("pasted") << true << "Hund";
        QTest::newRow("paste cancelled") << true << "";
    }
    void picturesComeIn()
    {
        const auto [paste, name] = testing::fetch<bool, QString>("paste", "name");
        Window w(kTwoPictures);
        QStringList asked;
        ui::setInputHook([&](const QString &label) -> std::optional<QString> {
            asked.append(label);
            return name.isEmpty() ? std::nullopt : std::optional<QString>(name);
        });
        // A photo larger than both picture boxes, red along its right edge.
        QImage photo(800, 600, QImage::Format_RGB32);
        photo.fill(QColor(10, 200, 30));
        QPainter(&photo).fillRect(740, 0, 60, 600, QColor(230, 20, 20));
        auto *files = w.control<QListWidget>("Datei1");
        if (paste) {
            QGuiApplication::clipboard()->setImage(photo);
            w.clickFile(0); // the focus into the list first
            testing::keyTo(&w.form, Qt::Key_V, Qt::ControlModifier);
        } else {
            testing::TaskFolder source;
            photo.save(source.filePath("Hund.png"));
            QMimeData data;
            data.setUrls({QUrl::fromLocalFile(source.filePath("Hund.png"))});
            // To the window, as the window system delivers a drag: it finds the control that takes drops.
            const QPoint at = files->viewport()->mapTo(&w.form, files->viewport()->rect().center());
            QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, {});
            QApplication::sendEvent(w.form.windowHandle(), &enter);
            QVERIFY(enter.isAccepted());
            QDragMoveEvent move(at, Qt::CopyAction, &data, Qt::LeftButton, {});
            QApplication::sendEvent(w.form.windowHandle(), &move);
            QVERIFY(move.isAccepted());
            QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, {});
            QApplication::sendEvent(w.form.windowHandle(), &drop);
        }
        ui::setInputHook(nullptr);
        QCOMPARE(asked, paste ? QStringList{"Name des Bildes:"} : QStringList{});
        const bool stored = !paste || !name.isEmpty();
        QCOMPARE(QFile::exists(w.folder.filePath("HUND.WMF")), stored);
        QCOMPARE(files->count(), stored ? 3 : 2);
        if (stored) { // selected with its preview, ready for "Neue Eingabe"
            QCOMPARE(files->currentItem()->text(), QString("HUND.WMF"));
            QCOMPARE(w.selectedFiles(), QList<int>{files->currentRow()});
            // Its natural size fits the trainer's picture box; the smaller
            // preview shows it whole, its right edge too.
            QCOMPARE(w.control<ui::PictureBox>("Bild3")->picture().size(), QSize(321, 240));
            const QImage preview = w.control<ui::PictureBox>("Bild3")->grab().toImage();
            QVERIFY(preview.pixelColor(preview.width() / 2, 20).green() > 150);
            QVERIFY(preview.pixelColor(preview.width() - 3, 20).red() > 150);
        }
        QVERIFY(w.messages.shown().isEmpty());
    }
};

REVAZE_TEST_MAIN(TestForm3)
#include "tst_form3.moc"
