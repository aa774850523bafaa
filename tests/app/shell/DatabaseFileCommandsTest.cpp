// The database file commands: Cancel changes nothing, the file-name rule, a backup taken while
// connected, a restore that brings back a copy (and one whose copy fails), and a new database
// path that connects or does not (a damaged database among those that do not).
#include "tests/app/shell/DatabaseFileCommandsTest.h"

#include "app/shell/DatabaseFileCommands.h"
#include "app/shell/FrmGettingStarted.h"
#include "app/shell/MdiMain.h"
#include "app/shell/ProgramCommands.h"
#include "common/IniFile.h"
#include "server/data/Database.h"
#include "server/data/Db.h"
#include "tests/app/shell/ShellFixture.h"
#include "tests/testsupport/Files.h"
#include "tests/testsupport/GuardedCall.h"
#include "tests/testsupport/QtTestMain.h"

#include <QAction>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>

#include <sqlite3.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <sys/stat.h>

namespace qel::test {
namespace {

namespace fs = std::filesystem;

using Command = void (*)();

Command commandNamed(const QString& name) {
    if (name == "backup")
        return &BackupDatabase;
    if (name == "restore")
        return &RestoreDatabase;
    return &SetDatabasePath;
}

const char* menuItemOf(const QString& command) {
    if (command == "backup")
        return "mnuBackupDb";
    if (command == "restore")
        return "mnuRestoreDb";
    return "mnuDbPath";
}

QString status(const MdiMain& w) {
    return w.statusLabel()->text();
}

QString pathIn(const ShellFixture& f, const std::string& relative) {
    return QString::fromStdString((f.fresh.folder() / relative).string());
}

void writeText(const QString& file, const std::string& text) {
    std::ofstream(file.toStdString(), std::ios::binary) << text;
}

std::int64_t count(const std::string& sql) {
    return db().ReturnValue(sql).toInt64();
}

// A copy of the live database in a folder of its own, with one company more.
QString separateCopy(const ShellFixture& f, const std::string& folder) {
    fs::create_directories(f.fresh.folder() / folder);
    const QString path = pathIn(f, folder + "/VOSSMERE.MDB");
    backupDatabase(*gConn(), path.toStdString());
    auto copy = Connection::open(path.toStdString());
    copy->execute("INSERT INTO tblCompany (id, [Company Name]) VALUES (42, 'Only In The Copy')");
    return path;
}

// The program's own file dialogs, built from the commands' requests as the program builds them,
// each answered at once by a name typed into its file name box and accepted, as a user would;
// the other boxes and windows are scripted. Nothing waits: the dialog is answered in place of
// being shown.
class TypedFileDialogs : public ScriptedUiServices {
public:
    explicit TypedFileDialogs(QString typed) : typing_(std::move(typed)) {}
    QString openFileName(const FileDialogRequest& r) override {
        ScriptedUiServices::openFileName(r);
        return typing_.openFileName(r);
    }
    QString saveFileName(const FileDialogRequest& r) override {
        ScriptedUiServices::saveFileName(r);
        return typing_.saveFileName(r);
    }
    // The file each dialog had chosen once the name was typed, in order.
    const QStringList& chosen() const { return typing_.chosen; }

private:
    class Typing : public QtUiServices {
    public:
        explicit Typing(QString typed) : typed(std::move(typed)) {}
        const QString typed;
        QStringList chosen;

    protected:
        int runFileDialog(QFileDialog& dialog) override {
            auto* nameBox = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            if (!nameBox)
                return QDialog::Rejected; // not Qt's own dialog: nothing to type into
            nameBox->setText(typed);
            const QString file = dialog.selectedFiles().value(0);
            chosen << file;
            // A name the dialog would question (a missing file to open, an existing one to
            // overwrite) would stop the test at a box of the dialog's own: counted as Cancel.
            const bool exists = QFileInfo::exists(file);
            if (dialog.acceptMode() == QFileDialog::AcceptOpen
                    ? !exists
                    : exists && !dialog.testOption(QFileDialog::DontConfirmOverwrite))
                return QDialog::Rejected;
            static_cast<QDialog&>(dialog).accept(); // the dialog's own accept, which is protected
            return dialog.result();
        }
    };

    Typing typing_;
};

} // namespace

void DatabaseFileCommandsTest::cancelDoesNothing_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<int>("dialog");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("proposed");
    QTest::newRow("backup") << "backup" << int(UiCall::SaveFile) << "Select where to Save the Database"
                            << "VOSSMERE.MDB";
    QTest::newRow("restore") << "restore" << int(UiCall::OpenFile) << "Select Database to Restore"
                             << "";
    QTest::newRow("set path") << "set path" << int(UiCall::OpenFile) << "Select Database Path"
                              << "";
}

void DatabaseFileCommandsTest::cancelDoesNothing() {
    QFETCH(QString, command);
    QFETCH(int, dialog);
    QFETCH(QString, title);
    QFETCH(QString, proposed);
    ShellFixture f;
    ProgramCommands commands;
    registerServices(commands);
    MdiMain w;
    w.DisplayMsg("Before", "255");
    const auto connection = gConn();
    const std::string ini = readIniValue("Data", "DB_Path");
    const auto filesBefore =
        std::distance(fs::directory_iterator(f.fresh.folder()), fs::directory_iterator());

    // Through the File menu.
    w.menuItem(menuItemOf(command))->trigger();

    QCOMPARE(f.ui.calls().size(), std::size_t(1));
    QCOMPARE(int(f.ui.calls()[0].kind), dialog);
    QCOMPARE(f.ui.calls()[0].text, title);
    QCOMPARE(f.ui.calls()[0].proposed, proposed);
    QCOMPARE(status(w), QStringLiteral("Before"));
    QCOMPARE(statusColour(w), QColor(255, 0, 0));
    QVERIFY(gConn() == connection);
    QCOMPARE(readIniValue("Data", "DB_Path"), ini);
    QCOMPARE(std::distance(fs::directory_iterator(f.fresh.folder()), fs::directory_iterator()), filesBefore);
}

void DatabaseFileCommandsTest::aWrongFileNameIsRefused_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("title");
    QTest::newRow("restore, other name") << "restore"
                                         << "copy/backup.mdb"
                                         << "Restore Database";
    QTest::newRow("restore, added extension") << "restore"
                                              << "copy/VOSSMERE.MDB.bak"
                                              << "Restore Database";
    QTest::newRow("set path, prefix") << "set path"
                                      << "copy/OLDVOSSMERE.MDB"
                                      << "Set Database Path";
    QTest::newRow("set path, name only in the folder") << "set path"
                                                       << "copy/VOSSMERE.MDB/x.mdb"
                                                       << "Set Database Path";
}

void DatabaseFileCommandsTest::aWrongFileNameIsRefused() {
    QFETCH(QString, command);
    QFETCH(QString, file);
    QFETCH(QString, title);
    ShellFixture f;
    MdiMain w;
    const auto connection = gConn();
    const std::string ini = readIniValue("Data", "DB_Path");
    // A real database of the system, under a name the commands do not take.
    const QString path = pathIn(f, file.toStdString());
    fs::create_directories(fs::path(path.toStdString()).parent_path());
    backupDatabase(*gConn(), path.toStdString());
    f.ui.answerFile(path);

    commandNamed(command)();

    const auto boxes = f.ui.callsOf(UiCall::Message);
    QCOMPARE(boxes.size(), std::size_t(1));
    QCOMPARE(boxes[0].text, QStringLiteral("File name must be VOSSMERE.MDB"));
    QCOMPARE(boxes[0].title, title);
    QCOMPARE(boxes[0].icon, MsgIcon::Critical);
    QVERIFY(gConn() == connection);
    QCOMPARE(readIniValue("Data", "DB_Path"), ini);
    QCOMPARE(status(w), QString());
}

void DatabaseFileCommandsTest::theFileNameRuleIgnoresCase_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("upper case") << "/data/VOSSMERE.MDB" << true;
    QTest::newRow("lower case") << "/data/vossmere.mdb" << true;
    QTest::newRow("mixed case") << "/data/Vossmere.Mdb" << true;
    QTest::newRow("name alone") << "VOSSMERE.MDB" << true;
    QTest::newRow("prefix") << "/data/MYVOSSMERE.MDB" << false;
    QTest::newRow("added extension") << "/data/VOSSMERE.MDB.old" << false;
    QTest::newRow("name in the folder only") << "/VOSSMERE.MDB/other.mdb" << false;
    QTest::newRow("empty") << "" << false;
}

void DatabaseFileCommandsTest::theFileNameRuleIgnoresCase() {
    QFETCH(QString, path);
    QFETCH(bool, accepted);
    QCOMPARE(isDatabaseFileName(path), accepted);
}

void DatabaseFileCommandsTest::aNameTypedWithoutExtensionTakesMdb_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("message");
    QTest::newRow("backup") << "backup"
                            << "Database was successfully backup.";
    QTest::newRow("restore") << "restore"
                             << "Database was successfully restored.";
    QTest::newRow("set path") << "set path"
                              << "Database Path was successfully set.";
}

// The dialogs complete a name typed without an extension with ".mdb", so "vossmere" names the
// database file "vossmere.mdb".
void DatabaseFileCommandsTest::aNameTypedWithoutExtensionTakesMdb() {
    QFETCH(QString, command);
    QFETCH(QString, message);
    ShellFixture f;
    MdiMain w;
    fs::create_directory(f.fresh.folder() / "saved");
    const QString file = pathIn(f, "saved/vossmere.mdb");
    if (command != "backup") {
        backupDatabase(*gConn(), file.toStdString());
        auto copy = Connection::open(file.toStdString());
        copy->execute("UPDATE tblDefaults SET StartUp_Help = 0, ShowCompany = 0");
    }
    TypedFileDialogs dialogs(pathIn(f, "saved/vossmere"));

    commandNamed(command)();

    QCOMPARE(dialogs.chosen(), QStringList{file});
    QCOMPARE(dialogs.messages(), QStringList());
    QCOMPARE(status(w), message);
    QVERIFY(isSystemDatabase(file.toStdString()));
    if (command == "set path")
        QCOMPARE(readIniValue("Data", "DB_Path"), file.toStdString());
}

void DatabaseFileCommandsTest::aBackupTakenWhileConnectedOpensWithTheSameRows() {
    ShellFixture f;
    MdiMain w;
    db().ExecuteSql("INSERT INTO tblCompany ([Company Name]) VALUES ('Backed Up')");
    fs::create_directory(f.fresh.folder() / "saved");
    const QString target = pathIn(f, "saved/VOSSMERE.MDB");
    writeText(target, "an older backup");
    const auto connection = gConn();
    f.ui.answerFile(target);

    BackupDatabase();

    QCOMPARE(f.ui.messages(), QStringList());
    QCOMPARE(status(w), QStringLiteral("Database was successfully backup."));
    QCOMPARE(statusColour(w), QColor(0, 128, 0));
    // The program stays connected to the same database while and after it copies.
    QVERIFY(gConn() == connection);
    QVERIFY(isSystemDatabase(target.toStdString()));
    auto copy = Connection::open(target.toStdString());
    QCOMPARE(copy->query("PRAGMA integrity_check")[0].toString(), std::string("ok"));
    for (const char* table : {"tblCompany", "tblAssets", "tblDepr", "tblDefaults", "tblPasswords"}) {
        const std::string sql = std::string("SELECT count(*) FROM ") + table;
        QCOMPARE(copy->query(sql)[0].toInt64(), count(sql));
    }
    QCOMPARE(copy->query("SELECT count(*) FROM tblCompany WHERE [Company Name] = 'Backed Up'")[0].toInt64(),
             std::int64_t(1));
}

void DatabaseFileCommandsTest::aRestoreOfACopyBringsBackItsDataAndTheProgramKeepsWorking() {
    ShellFixture f;
    MdiMain w;
    fs::create_directory(f.fresh.folder() / "saved");
    const QString copy = pathIn(f, "saved/vossmere.mdb");
    f.ui.answerFile(copy);
    BackupDatabase();
    const std::int64_t companies = count("SELECT count(*) FROM tblCompany");
    db().ExecuteSql("INSERT INTO tblCompany ([Company Name]) VALUES ('Entered After The Backup')");
    SetCompanyId(1);
    setWorkingYear(2020);

    f.ui.answerFile(copy);
    RestoreDatabase();

    QCOMPARE(f.ui.messages(), QStringList());
    QCOMPARE(status(w), QStringLiteral("Database was successfully restored."));
    QVERIFY(gConn());
    QCOMPARE(QString::fromStdString(gConn()->path()), QString::fromStdString(f.fresh.path()));
    QCOMPARE(count("SELECT count(*) FROM tblCompany"), companies);
    QCOMPARE(count("SELECT count(*) FROM tblCompany WHERE [Company Name] = 'Entered After The Backup'"),
             std::int64_t(0));
    // The program goes on writing and reading the restored database.
    db().ExecuteSql("INSERT INTO tblCompany ([Company Name]) VALUES ('Entered After The Restore')");
    QCOMPARE(count("SELECT count(*) FROM tblCompany"), companies + 1);
    // The company and year of the running program are not reloaded.
    QCOMPARE(programState().CurrentCompanyId(), 1);
    QCOMPARE(programState().WorkingYear(), std::int16_t(2020));
    // Nothing is left beside the database but its own files.
    for (const auto& entry : fs::directory_iterator(f.fresh.folder()))
        QVERIFY2(entry.path().filename().string().find(".part-") == std::string::npos, entry.path().c_str());
}

void DatabaseFileCommandsTest::aRestoreOfAFileOfAnotherKindChangesNothing() {
    ShellFixture f;
    MdiMain w;
    fs::create_directory(f.fresh.folder() / "other");
    const QString file = pathIn(f, "other/VOSSMERE.MDB");
    writeText(file, "a text file that only has the right name");
    const auto connection = gConn();
    f.ui.answerFile(file);

    RestoreDatabase();

    const auto boxes = f.ui.callsOf(UiCall::Message);
    QCOMPARE(boxes.size(), std::size_t(1));
    QCOMPARE(boxes[0].text,
             QStringLiteral("The file ") + file + QStringLiteral(" is not a database of this program."));
    QCOMPARE(boxes[0].title, QStringLiteral("Restore Database"));
    QVERIFY(gConn() == connection);
    QCOMPARE(status(w), QString());
}

void DatabaseFileCommandsTest::aRestoreWhoseCopyFailsLeavesTheDatabaseAndReconnects() {
    ShellFixture f;
    MdiMain w;
    const QString copy = separateCopy(f, "saved");
    db().ExecuteSql("INSERT INTO tblCompany ([Company Name]) VALUES ('Kept')");
    const std::int64_t companies = count("SELECT count(*) FROM tblCompany");
    databaseCopyObserver() = [](int copied, int total) {
        if (copied < total)
            throw ServerError(28, "test", "No space left on device", ErrorKind::Io);
    };
    f.ui.answerFile(copy);

    RestoreDatabase();
    databaseCopyObserver() = nullptr;

    const QStringList messages = f.ui.messages();
    QCOMPARE(messages.size(), 1);
    QCOMPARE(messages[0],
             QStringLiteral("Error in RestoreDatabase No space left on device Error Number: 28"));
    QCOMPARE(status(w), QString());
    QVERIFY(gConn());
    QCOMPARE(count("SELECT count(*) FROM tblCompany"), companies);
    QCOMPARE(count("SELECT count(*) FROM tblCompany WHERE [Company Name] = 'Only In The Copy'"),
             std::int64_t(0));
    QCOMPARE(count("SELECT count(*) FROM tblCompany WHERE [Company Name] = 'Kept'"), std::int64_t(1));
}

void DatabaseFileCommandsTest::aFailedSetPathKeepsTheOldConnectionAndSaysSo_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("message"); // how the one message starts; %1 is the chosen path
    QTest::addColumn<QString>("cause");   // what the message says of the cause
    const QString noConnection =
        QStringLiteral("Couldn't connect to the database. Use menu File\\Set Database Path");
    QTest::newRow("missing file") << "missing" << noConnection << "new/VOSSMERE.MDB";
    QTest::newRow("a text file") << "text" << noConnection << "not a database";
    QTest::newRow("an empty file") << "empty" << noConnection << "the file is empty";
    QTest::newRow("a database without tblDefaults")
        << "other database" << noConnection << "no such table: tblDefaults";
    QTest::newRow("a damaged database")
        << "damaged"
        << QStringLiteral("Error in SetDatabasePath The database '%1' is damaged and cannot be used: ") << "";
}

void DatabaseFileCommandsTest::aFailedSetPathKeepsTheOldConnectionAndSaysSo() {
    QFETCH(QString, kind);
    QFETCH(QString, message);
    QFETCH(QString, cause);
    ShellFixture f;
    MdiMain w;
    fs::create_directory(f.fresh.folder() / "new");
    const QString path = pathIn(f, "new/VOSSMERE.MDB");
    if (kind == "damaged") {
        separateCopy(f, "new");
        damageTablePage(path.toStdString(), "tblDeprMethods");
    }
    if (kind == "text")
        writeText(path, "not a database");
    if (kind == "empty")
        writeText(path, "");
    if (kind == "other database") {
        sqlite3* other = nullptr;
        sqlite3_open(path.toUtf8().constData(), &other);
        sqlite3_exec(other, "CREATE TABLE t (x INTEGER)", nullptr, nullptr, nullptr);
        sqlite3_close(other);
    }
    setWorkingYear(2021);
    const auto connection = gConn();
    const std::string ini = readIniValue("Data", "DB_Path");
    const std::string before = fs::exists(path.toStdString()) ? bytesOf(path.toStdString()) : "(none)";
    const auto filesBefore = namesIn(f.fresh.folder() / "new");
    f.ui.answerFile(path);

    SetDatabasePath();

    const QStringList messages = f.ui.messages();
    QCOMPARE(messages.size(), 1);
    QVERIFY2(messages[0].startsWith(QString(message).replace(QStringLiteral("%1"), path)),
             qPrintable(messages[0]));
    QVERIFY2(messages[0].contains(cause), qPrintable(messages[0]));
    QCOMPARE(status(w), QStringLiteral("Database Path was not set."));
    QCOMPARE(statusColour(w), QColor(255, 0, 0));
    QVERIFY(gConn() == connection);
    QCOMPARE(readIniValue("Data", "DB_Path"), ini);
    QCOMPARE(programState().WorkingYear(), std::int16_t(2021));
    QCOMPARE(count("SELECT count(*) FROM tblCompany WHERE [Company Name] = 'Sample Company'"),
             std::int64_t(1));
    QCOMPARE(f.ui.callsOf(UiCall::Modal).size(), std::size_t(0));
    // The refused file is left byte for byte as it was, with nothing made beside it.
    QCOMPARE(fs::exists(path.toStdString()) ? bytesOf(path.toStdString()) : "(none)", before);
    QCOMPARE(namesIn(f.fresh.folder() / "new"), filesBefore);
}

void DatabaseFileCommandsTest::aNamedPipeIsRefusedAtOnce_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("message"); // how the one message starts; %1 is the chosen path
    QTest::newRow("restore") << "restore"
                             << "The file %1 cannot be restored: it is a named pipe, not a file.";
    QTest::newRow("set path")
        << "set path"
        << "Couldn't connect to the database. Use menu File\\Set Database Path\n\nCould not open the "
           "database '%1': it is a named pipe, not a file.";
}

// A named pipe chosen as the database is refused without being opened (opening it would wait
// for a writer). The command runs guarded in a child process, so the test fails rather than
// hangs should it wait; the child's code says what it saw.
void DatabaseFileCommandsTest::aNamedPipeIsRefusedAtOnce() {
    QFETCH(QString, command);
    QFETCH(QString, message);
    ShellFixture f;
    ProgramCommands commands;
    registerServices(commands);
    MdiMain w;
    fs::create_directory(f.fresh.folder() / "new");
    const QString path = pathIn(f, "new/VOSSMERE.MDB");
    QCOMPARE(::mkfifo(path.toUtf8().constData(), 0600), 0);
    const std::string ini = readIniValue("Data", "DB_Path");
    f.ui.answerFile(path);

    const GuardedResult result = runGuarded([&] {
        w.menuItem(menuItemOf(command))->trigger();
        const QStringList messages = f.ui.messages();
        const bool told = messages.size() == 1 && messages[0] == QString(message).replace("%1", path);
        const bool kept = readIniValue("Data", "DB_Path") == ini && !status(w).contains("successfully");
        if (!told)
            std::fprintf(stderr, "messages: %s\n", qPrintable(messages.join(" | ")));
        return told && kept ? 0 : 1;
    });

    QVERIFY2(result.returned, result.describe().c_str());
    QCOMPARE(result.code, 0);
    QVERIFY(fs::is_fifo(path.toStdString()));
}

void DatabaseFileCommandsTest::aSetPathThatConnectsRepeatsTheStartUpSteps() {
    ShellFixture f;
    ProgramCommands commands;
    registerServices(commands);
    MdiMain w;
    const QString path = separateCopy(f, "new");
    {
        auto copy = Connection::open(path.toStdString());
        copy->execute("UPDATE tblDefaults SET DefaultYear = 2019, StartUp_Help = 1, ShowCompany = 1");
    }
    ShellFixture::store("CompanyId", "42");
    ShellFixture::store("CompanyName", "Only In The Copy");
    ShellFixture::store("EnablePwd", "Y");
    QString statusWhilePicking = "(not shown)";
    bool tipsOpenWhilePicking = false;
    f.ui.onModal("frmCompany", [&](QDialog& d) {
        statusWhilePicking = status(w);
        tipsOpenWhilePicking = commands.gettingStarted() && commands.gettingStarted()->isVisible();
        d.reject();
    });
    f.ui.answerFile(path);

    SetDatabasePath();

    QCOMPARE(f.ui.messages(), QStringList());
    QCOMPARE(readIniValue("Data", "DB_Path"), path.toStdString());
    QCOMPARE(QString::fromStdString(gConn()->path()), path);
    QCOMPARE(programState().WorkingYear(), std::int16_t(2019));
    QCOMPARE(programState().CurrentCompanyId(), 42);
    QCOMPARE(w.windowTitle(), QStringLiteral("Qel Corvane for - Only In The Copy"));
    QVERIFY(w.menuItem("mnudisablePwd")->isVisible());
    // "Getting Started", then the picker above it; no logon. The status line speaks after both.
    QVERIFY(tipsOpenWhilePicking);
    QCOMPARE(statusWhilePicking, QString());
    QCOMPARE(f.ui.textsOf(UiCall::Modal), QStringList{"frmCompany"});
    QCOMPARE(status(w), QStringLiteral("Database Path was successfully set."));
    QCOMPARE(statusColour(w), QColor(0, 128, 0));
}

QEL_QTEST_REGISTER(DatabaseFileCommandsTest);

} // namespace qel::test
