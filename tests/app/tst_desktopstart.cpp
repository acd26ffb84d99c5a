// Started from the desktop menu in a folder without a task list.
#include "app/desktopstart.h"
#include "testsupport.h"
#include "ui/folderdialog.h"

#include <QtTest>

class TestDesktopStart : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { ui::setFolderHook(nullptr); }
    void taskFolderStaysAsItIs();
    void ownFolderIsUsed();
    void samplesAreCopiedOnFirstUse();
    void userPicksAFolder();
    void userGivesUp();
};

namespace {
QString makeFolder(const QTemporaryDir &root, const QString &name, bool withList)
{
    const QString path = root.filePath(name);
    QDir().mkpath(path);
    if (withList) {
        QFile list(QDir(path).filePath("REVAZE.INI"));
        list.open(QIODevice::WriteOnly);
        list.write("HAUS.WMF\r\nDas Haus\r\n");
    }
    return QDir(path).canonicalPath();
}
} // namespace

void TestDesktopStart::taskFolderStaysAsItIs()
{
    testing::TaskFolder folder;
    folder.write("REVAZE.INI", "");
    testing::MessageScript messages;
    QVERIFY(app::findTaskFolderForDesktopStart("/nirgends", "/nirgends"));
    QCOMPARE(QDir::currentPath(), QDir(folder.path()).canonicalPath());
    QVERIFY(messages.shown().isEmpty());
}

void TestDesktopStart::ownFolderIsUsed()
{
    testing::TaskFolder home;
    QTemporaryDir docs;
    const QString own = makeFolder(docs, "Revaze-Aufgaben", true);
    testing::MessageScript messages;
    QVERIFY(app::findTaskFolderForDesktopStart(QString(), docs.path()));
    QCOMPARE(QDir::currentPath(), own);
    QVERIFY(messages.shown().isEmpty());
}

void TestDesktopStart::samplesAreCopiedOnFirstUse()
{
    testing::TaskFolder home;
    QTemporaryDir root;
    const QString samples = makeFolder(root, "samples", true);
    QFile::copy(QFINDTESTDATA("../../samples/HAUS.WMF"), QDir(samples).filePath("HAUS.WMF"));
    QFile::setPermissions(QDir(samples).filePath("HAUS.WMF"), QFileDevice::ReadOwner); // installed read-only
    testing::MessageScript messages;
    messages.answer(ui::Answer::Yes);
    QVERIFY(app::findTaskFolderForDesktopStart(samples, root.filePath("Dokumente")));
    QCOMPARE(messages.shown().size(), 1);
    QCOMPARE(messages.shown().first().buttons, ui::Buttons::YesNo);
    const QString own = QDir(root.filePath("Dokumente/Revaze-Aufgaben")).canonicalPath();
    QCOMPARE(QDir::currentPath(), own);
    QVERIFY(QFileInfo(QDir(own).filePath("HAUS.WMF")).isWritable());
    QCOMPARE(QDir(own).entryList(QDir::Files), (QStringList{"HAUS.WMF", "REVAZE.INI"}));
}

void TestDesktopStart::userPicksAFolder()
{
    testing::TaskFolder home;
    QTemporaryDir root;
    const QString empty = makeFolder(root, "leer", false);
    const QString tasks = makeFolder(root, "aufgaben", true);
    QStringList offered{empty, tasks};
    ui::setFolderHook([&](const QString &) { return offered.takeFirst(); });
    testing::MessageScript messages;
    messages.answer(ui::Answer::No);
    QVERIFY(app::findTaskFolderForDesktopStart(makeFolder(root, "samples", true), root.filePath("Dokumente")));
    QCOMPARE(QDir::currentPath(), tasks);
    QCOMPARE(messages.shown().size(), 2);
    QVERIFY(messages.shown().last().text.startsWith("In diesem Ordner gibt es keine Aufgabenliste"));
    QVERIFY(!QFileInfo::exists(root.filePath("Dokumente/Revaze-Aufgaben")));
}

void TestDesktopStart::userGivesUp()
{
    testing::TaskFolder home;
    QTemporaryDir root;
    ui::setFolderHook([](const QString &) { return QString(); });
    testing::MessageScript messages;
    QVERIFY(!app::findTaskFolderForDesktopStart(QString(), root.path()));
    QCOMPARE(QDir::currentPath(), QDir(home.path()).canonicalPath());
}

REVAZE_TEST_MAIN(TestDesktopStart)
#include "tst_desktopstart.moc"
