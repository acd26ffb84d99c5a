#pragma once
// An editor window opened in a temporary folder with picture files and a
// task list, its message boxes answered by a script that also notes what the
// preview showed while each box was up.

#include "editor/form3.h"
#include "testsupport.h"
#include "ui/label.h"
#include "ui/picturebox.h"
#include "ui/window.h"

#include <QListView>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>

#include <deque>
#include <memory>

namespace testing {

struct Shown {
    ui::Message message;
    QString preview;  // Bezeichnung1 while the box was shown
};

struct Editor {
    // A null task list means no REVAZE.INI in the folder.
    explicit Editor(const QByteArray &taskList, const QStringList &pictures = {})
    {
        if (!taskList.isNull())
            folder.write("REVAZE.INI", taskList);
        int hue = 0;
        for (const QString &name : pictures)
            folder.writePicture(name, QColor::fromHsv((hue += 47) % 360, 200, 200));
        form = std::make_unique<editor::Form3>(&mainWindow);
        ui::setMessageHook([this](const ui::Message &message) {
            shown.append({message, caption("Bezeichnung1")});
            if (message.buttons == ui::Buttons::Ok)
                return ui::Answer::Ok;
            if (answers.empty())
                return ui::Answer::No;
            const ui::Answer next = answers.front();
            answers.pop_front();
            return next;
        });
    }
    ~Editor() { ui::setMessageHook(nullptr); }

    // Shows the editor and lets its activation load the list.
    void open()
    {
        form->show();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
        QTest::qWait(20);
    }

    template <typename T = QWidget> T *control(const char *name) const { return testing::control<T>(form.get(), name); }
    QString caption(const char *name) const { return control<ui::Label>(name)->caption(); }
    QString preview() const { return caption("Bezeichnung1"); }
    bool pictureShown() const { return !control<ui::PictureBox>("Bild3")->picture().isNull(); }
    void click(const char *name) const { QTest::mouseClick(control(name), Qt::LeftButton); }

    QStringList lines() const
    {
        const QAbstractItemModel *model = control<QListView>("Liste1")->model();
        QStringList result;
        for (int i = 0; i < model->rowCount(); ++i)
            result.append(model->index(i, 0).data().toString());
        return result;
    }
    int selectedLine() const
    {
        const QModelIndexList rows = control<QListView>("Liste1")->selectionModel()->selectedRows();
        return rows.isEmpty() ? -1 : rows.first().row();
    }
    QStringList files() const
    {
        const auto *list = control<QListWidget>("Datei1");
        QStringList result;
        for (int i = 0; i < list->count(); ++i)
            result.append(list->item(i)->text());
        return result;
    }

    // Clicks a file in Datei1 with the mouse.
    void pick(const QString &name) const
    {
        auto *list = control<QListWidget>("Datei1");
        const QList<QListWidgetItem *> items = list->findItems(name, Qt::MatchExactly);
        QCOMPARE(items.size(), 1);
        list->doItemsLayout();
        list->scrollToItem(items.first());
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(items.first()).center());
    }

    // Types into Text1; each "\n" is the Enter key.
    void type(const QString &text) const
    {
        auto *edit = control<QPlainTextEdit>("Text1");
        const QStringList parts = text.split(QChar('\n'));
        for (qsizetype i = 0; i < parts.size(); ++i) {
            if (i > 0)
                QTest::keyClick(edit, Qt::Key_Return);
            for (const QChar c : parts.at(i)) {
                if (c.unicode() < 128) {
                    QTest::keyClick(edit, char(c.unicode()));
                } else {
                    // Characters beyond ASCII come as text with no key of their own.
                    QTest::sendKeyEvent(QTest::Press, edit, Qt::Key_unknown, QString(c), Qt::NoModifier);
                    QTest::sendKeyEvent(QTest::Release, edit, Qt::Key_unknown, QString(c), Qt::NoModifier);
                }
            }
        }
    }

    // Tab from Text1 to the off-screen "Eingabe" button, then the key that presses it.
    void pressEingabe(Qt::Key key = Qt::Key_Return) const
    {
        auto *edit = control<QPlainTextEdit>("Text1");
        edit->setFocus();
        QCOMPARE(QApplication::focusWidget(), edit);
        QTest::keyClick(edit, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), control("Befehl1"));
        QTest::keyClick(QApplication::focusWidget(), key);
    }

    // "Neue Eingabe", the text, "Eingabe".
    void enter(const QString &text) const
    {
        click("Bild6");
        type(text);
        pressEingabe();
    }

    QStringList titles() const
    {
        QStringList result;
        for (const Shown &s : shown)
            result.append(s.message.title);
        return result;
    }
    QByteArray taskFile() const { return folder.read("REVAZE.INI"); }

    TaskFolder folder;
    ui::Window mainWindow;
    std::deque<ui::Answer> answers;
    QList<Shown> shown;
    std::unique_ptr<editor::Form3> form;
};

inline void answer(Editor &e, std::initializer_list<ui::Answer> answers)
{
    e.answers.insert(e.answers.end(), answers);
}

} // namespace testing
