// Started from the desktop menu in a folder without a task list.
#include "app/desktopstart.h"
#include "app/settings.h"
#include "testsupport.h"
#include "ui/folderdialog.h"

#include <QtTest>

using ui::Answer;

class TestDesktopStart : public QObject {
    Q_OBJECT
private slots:
    void init() { ui::setFolderHook(nullptr), app::rememberTaskFolder(QString()); }
    void findsAFolder_data();
    void findsAFolder();
};

void TestDesktopStart::findsAFolder_data()
{
    // Folders: "start" where the program starts, "own" in the documents,
    // "samples"; "picked" the folders the user picks, in order; "remembered"
    // the one chosen last.
    testing::columns<QStringList, QList<Answer>, QStringList, QString, int, QString>("withList", "answers", "picked", "found",
                                                                                   "messages", "remembered");
    using L = QStringList;
    QTest::newRow("the start folder has a list") << L{"start", "own", "samples"} << QList<Answer>{} << L{} << "start" << 0 << "";
    QTest::newRow("the child's own folder") << L{"own", "samples"} << QList<Answer>{} << L{} << "own" << 0 << "";
    QTest::newRow("samples copied on first use") << L{"samples"} << QList<Answer>{Answer::Yes} << L{} << "own" << 1 << "";
    QTest::newRow("no copy: the user picks")
        << L{"samples", "picked"} << QList<Answer>{Answer::No} << L{"empty", "picked"} << "picked" << 2 << "";
    QTest::newRow("no copy, and the user gives up") << L{} << QList<Answer>{} << L{""} << "" << 1 << "";
    QTest::newRow("the folder chosen last") << L{"start", "picked"} << QList<Answer>{} << L{} << "picked" << 0 << "picked";
    QTest::newRow("the folder chosen last lost its list") << L{"start"} << QList<Answer>{} << L{} << "start" << 0 << "empty";
}

void TestDesktopStart::findsAFolder()
{
    auto [withList, answers, picked, found, messages, remembered] =
        testing::fetch<QStringList, QList<Answer>, QStringList, QString, int, QString>("withList", "answers", "picked", "found",
                                                                                      "messages", "remembered");
    testing::TaskFolder root;
    const QString own = root.filePath("Dokumente/Revaze-Aufgaben");
    auto path = [&](const QString &name) { return name == "own" ? own : name.isEmpty() ? QString() : root.filePath(name); };
    for (const char *name : {"start", "samples", "empty", "picked"})
        QVERIFY(root.dir().mkpath(name));
    for (const QString &name : withList) {
        QVERIFY(QDir().mkpath(path(name)));
        root.write(QDir(root.path()).relativeFilePath(path(name)) + "/REVAZE.INI", "HAUS.WMF\r\nDas Haus\r\n");
    }
    testing::writePicture(root, "samples/HAUS.WMF", Qt::red);
    QFile::setPermissions(root.filePath("samples/HAUS.WMF"), QFileDevice::ReadOwner);  // installed read-only
    ui::setFolderHook([&](const QString &) { return path(picked.takeFirst()); });
    testing::WindowMessages boxes;
    for (Answer a : answers)
        boxes.answer({a});

    QCOMPARE(app::findTaskFolderForDesktopStart(path("start"), path("samples"), root.filePath("Dokumente"), path(remembered)),
             path(found));
    // A folder picked is the one chosen last.
    QCOMPARE(app::rememberedTaskFolder(), found == "picked" && remembered.isEmpty() ? path(found) : QString());
    QCOMPARE(boxes.shown().size(), messages);
    if (answers.value(0) == Answer::Yes) {
        QCOMPARE(QDir(own).entryList(QDir::Files), (QStringList{"HAUS.WMF", "REVAZE.INI"}));
        QVERIFY(QFileInfo(QDir(own).filePath("HAUS.WMF")).isWritable());
    } else if (messages == 2) {
        QVERIFY(boxes.texts().last().startsWith("In diesem Ordner gibt es keine Aufgabenliste"));
        QVERIFY(!QFileInfo::exists(own));
    }
}

REVAZE_TEST_MAIN(TestDesktopStart)
#include "tst_desktopstart.moc"
