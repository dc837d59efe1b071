#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include "setup/settings.h"
#include "filesizelimit.h"

Q_DECLARE_METATYPE(SettingsRecord)

char *toString(const SettingsRecord &r)
{
    QByteArray text = formatSettings(r);
    text.replace("\r\n", ",");
    return qstrdup(text + " answerFormat=" + QByteArray::number(r.answerFormat));
}

namespace {

QByteArray lines(std::initializer_list<const char *> values)
{
    QByteArray bytes;
    for (const char *value : values)
        bytes += QByteArray(value) + "\r\n";
    return bytes;
}

const QByteArray firstRunFile = lines({"10", "0", "0", "0", "0", "0", "0", "0", "0", "1", "1", "1", "1",
                                       "2", "2", "1", "1", "1", "0", "0", "0", "0", "0", "0", "0"});

// The first-run file with some lines (1-based) replaced.
QByteArray firstRunWith(std::initializer_list<std::pair<int, const char *>> changes)
{
    QList<QByteArray> fields = firstRunFile.split('\n');
    for (const auto &[line, value] : changes)
        fields[line - 1] = QByteArray(value) + '\r';
    return fields.join('\n');
}

QByteArray firstRunWith(int line, const char *value)
{
    return firstRunWith({{line, value}});
}

const SettingsRecord firstRun{.answerFormat = 1};

// Every field away from its default, in file order.
const QByteArray busyFile = lines({"45", "1", "1", "0", "1", "1", "0", "1", "1", "12", "87", "3",
                                   "9", "4", "7", "50", "6", "2", "1", "1", "0", "1", "1", "1", "1"});
const SettingsRecord busy{.cardCount = 45,
                          .useAddition = true,
                          .useSubtraction = true,
                          .useDivision = true,
                          .timerOn = true,
                          .verbalMode = true,
                          .showSummary = true,
                          .topMin = 12,
                          .topMax = 87,
                          .bottomMin = 3,
                          .bottomMax = 9,
                          .divisorLow = 4,
                          .divisorHigh = 7,
                          .topLimit = 50,
                          .bottomLimit = 6,
                          .answerFormat = 2,
                          .showCardCount = true,
                          .showPreviousCard = true,
                          .advancedRange = true,
                          .useKeypad = true,
                          .highlightEntry = true,
                          .skipIntroHelp = true};

SettingsRecord firstRunChanged(void (*change)(SettingsRecord &))
{
    SettingsRecord r = firstRun;
    change(r);
    return r;
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeAll(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace

class TestSettings : public QObject
{
    Q_OBJECT

private slots:
    void parse_data();
    void parse();
    void format_data();
    void format();
    void roundTrip_data();
    void roundTrip();
    void loadMissingFile();
    void saveAndLoad();
    void saveReplacesLongerFile();
    void failedSaveKeepsOldFile_data();
    void failedSaveKeepsOldFile();
    void failedWriteKeepsOldFile();
    void readOnlyDirectory();
    void hugeFileIsFast_data();
    void hugeFileIsFast();
};

void TestSettings::parse_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<SettingsRecord>("expected");

    QTest::newRow("no file") << QByteArray() << SettingsRecord{};
    QTest::newRow("first run") << firstRunFile << firstRun;
    QTest::newRow("every field") << busyFile << busy;
    QTest::newRow("card count 0") << firstRunWith(1, "0") << firstRun;
    QTest::newRow("three lines") << lines({"10", "1", "1"})
                                 << SettingsRecord{.useAddition = true, .useSubtraction = true};
    QTest::newRow("no line end at the end") << QByteArray("10\r\n1\r\n1")
                                            << SettingsRecord{.useAddition = true, .useSubtraction = true};
    QTest::newRow("one line with commas") << QByteArray("45,1,1,0,1,1,0,1,1,12,87,3,9,4,7,50,6,2,1,1,0,1,1,1,1")
                                          << busy;
    QTest::newRow("commas and lines mixed") << QByteArray("45,1,1,0,1\r\n1,0,1,1,12,87\r\n3,9,4,7,50,6,2,1,1,0,1,1,1,1\r\n")
                                            << busy;
    QTest::newRow("LF line ends") << QByteArray(busyFile).replace("\r\n", "\n") << busy;
    QTest::newRow("CR line ends") << QByteArray(busyFile).replace("\r\n", "\r") << busy;
    QTest::newRow("leading blanks") << QByteArray(busyFile).replace("\r\n", "\r\n  \t ") << busy;
    QTest::newRow("trailing blanks") << QByteArray(busyFile).replace("\r\n", "  \r\n") << busy;
    QTest::newRow("byte order mark") << "\xEF\xBB\xBF" + busyFile << busy;
    QTest::newRow("more than 25 fields") << busyFile + "7\r\n8\r\n" << busy;
    QTest::newRow("plus sign") << firstRunWith(2, "+1") << firstRunChanged([](SettingsRecord &r) {
        r.useAddition = true;
    });

    // Flags: exactly 1, except the card count display and the introduction.
    QTest::newRow("flag 2") << firstRunWith(2, "2") << firstRun;
    QTest::newRow("flag -1") << firstRunWith(6, "-1") << firstRun;
    QTest::newRow("keypad flag 2") << firstRunWith(23, "2") << firstRun;
    QTest::newRow("card count display 2") << firstRunWith(19, "2") << firstRunChanged([](SettingsRecord &r) {
        r.showCardCount = true;
    });
    QTest::newRow("card count display -1") << firstRunWith(19, "-1") << firstRunChanged([](SettingsRecord &r) {
        r.showCardCount = true;
    });
    QTest::newRow("intro 2") << firstRunWith(25, "2") << firstRunChanged([](SettingsRecord &r) {
        r.skipIntroHelp = true;
    });
    QTest::newRow("intro -1") << firstRunWith(25, "-1") << firstRunChanged([](SettingsRecord &r) {
        r.skipIntroHelp = true;
    });

    // The answer format is kept as read; the panel acts on 1 and 2 only.
    QTest::newRow("answer format 3") << firstRunWith(18, "3") << firstRunChanged([](SettingsRecord &r) {
        r.answerFormat = 3;
    });
    QTest::newRow("answer format -2") << firstRunWith(18, "-2") << firstRunChanged([](SettingsRecord &r) {
        r.answerFormat = -2;
    });

    // Out of the sliders' ranges: clamped.
    QTest::newRow("card count 5") << firstRunWith(1, "5") << firstRun;
    QTest::newRow("card count -20") << firstRunWith(1, "-20") << firstRun;
    QTest::newRow("card count 250") << firstRunWith(1, "250") << firstRunChanged([](SettingsRecord &r) {
        r.cardCount = 100;
    });
    QTest::newRow("card count 100") << firstRunWith(1, "100") << firstRunChanged([](SettingsRecord &r) {
        r.cardCount = 100;
    });
    QTest::newRow("top max 500") << firstRunWith(11, "500") << firstRunChanged([](SettingsRecord &r) {
        r.topMax = 99;
    });
    QTest::newRow("top min 0") << firstRunWith(10, "0") << firstRun;
    QTest::newRow("bottom max -7") << firstRunWith(13, "-7") << firstRun;
    QTest::newRow("divisor low 0") << firstRunWith(14, "0") << firstRun;
    QTest::newRow("divisor high 10") << firstRunWith(15, "10") << firstRunChanged([](SettingsRecord &r) {
        r.divisorHigh = 9;
    });
    QTest::newRow("bottom limit 99") << firstRunWith(17, "99") << firstRunChanged([](SettingsRecord &r) {
        r.bottomLimit = 99;
    });
    QTest::newRow("range ends reversed") << firstRunWith({{10, "40"}, {11, "10"}})
                                         << firstRunChanged([](SettingsRecord &r) {
                                                r.topMin = 40;
                                                r.topMax = 10;
                                            });
    QTest::newRow("twenty digits") << firstRunWith(1, "99999999999999999999999") << firstRunChanged([](SettingsRecord &r) {
        r.cardCount = 100;
    });
    QTest::newRow("twenty digits in a flag") << firstRunWith(2, "100000000000000000001") << firstRun;
    QTest::newRow("twenty negative digits") << firstRunWith(16, "-99999999999999999999") << firstRun;

    // Too large for the 16-bit fields: as if absent.
    QTest::newRow("answer format 40000") << firstRunWith(18, "40000") << firstRunChanged([](SettingsRecord &r) {
        r.answerFormat = 0;
    });
    QTest::newRow("answer format 65538") << firstRunWith(18, "65538") << firstRunChanged([](SettingsRecord &r) {
        r.answerFormat = 0;
    });
    QTest::newRow("answer format 32767") << firstRunWith(18, "32767") << firstRunChanged([](SettingsRecord &r) {
        r.answerFormat = 32767;
    });
    QTest::newRow("intro 32768") << firstRunWith(25, "32768") << firstRun;
    QTest::newRow("intro 65536") << firstRunWith(25, "65536") << firstRun;
    QTest::newRow("intro -32768") << firstRunWith(25, "-32768") << firstRunChanged([](SettingsRecord &r) {
        r.skipIntroHelp = true;
    });

    // Not a number: absent, and the fields after it keep their places.
    QTest::newRow("text card count") << firstRunWith(1, "fifty") << firstRun;
    QTest::newRow("number then text") << firstRunWith(1, "45x") << firstRun;
    QTest::newRow("decimal point") << firstRunWith(16, "7.5") << firstRun;
    QTest::newRow("sign alone") << firstRunWith(16, "-") << firstRun;
    QTest::newRow("blank inside") << firstRunWith(16, "4 5") << firstRun;
    QTest::newRow("quoted") << firstRunWith(2, "\"1\"") << firstRun;
    QTest::newRow("empty line") << firstRunWith(1, "") << firstRun;
    QTest::newRow("text answer format") << firstRunWith(18, "two") << firstRunChanged([](SettingsRecord &r) {
        r.answerFormat = 0;
    });
    QTest::newRow("text then short") << QByteArray("abc\r\n1\r\n\r\n1\r\n")
                                     << SettingsRecord{.useAddition = true, .useMultiplication = true};
    QTest::newRow("binary garbage") << QByteArray("\x00\xff\xfe\x01\x02\r\x80\x90\n\x00,\x7f", 12)
                                    << SettingsRecord{};
    QTest::newRow("garbage between fields") << QByteArray("20\r\n\x00\x01\r\n1\r\n", 11)
                                            << SettingsRecord{.cardCount = 20, .useSubtraction = true};
}

void TestSettings::parse()
{
    QFETCH(QByteArray, file);
    QFETCH(SettingsRecord, expected);
    QCOMPARE(parseSettings(file), expected);
}

void TestSettings::format_data()
{
    QTest::addColumn<SettingsRecord>("record");
    QTest::addColumn<QByteArray>("file");

    QTest::newRow("first run") << SettingsRecord{.answerFormat = 1} << firstRunFile;
    QTest::newRow("every field") << busy << busyFile;
    // Anything but the single box is written as the separate boxes.
    QTest::newRow("answer format unset") << SettingsRecord{} << firstRunFile;
    QTest::newRow("answer format 3") << SettingsRecord{.answerFormat = 3} << firstRunFile;
    QTest::newRow("largest values") << SettingsRecord{.cardCount = 100, .topMin = 99, .topMax = 99, .bottomMin = 99,
                                                      .bottomMax = 99, .divisorLow = 9, .divisorHigh = 9,
                                                      .topLimit = 99, .bottomLimit = 99, .answerFormat = 1}
                                    << lines({"100", "0", "0", "0", "0", "0", "0", "0", "0", "99", "99", "99", "99",
                                              "9", "9", "99", "99", "1", "0", "0", "0", "0", "0", "0", "0"});
}

void TestSettings::format()
{
    QFETCH(SettingsRecord, record);
    QFETCH(QByteArray, file);
    QCOMPARE(formatSettings(record), file);
}

void TestSettings::roundTrip_data()
{
    QTest::addColumn<SettingsRecord>("record");
    QTest::newRow("first run") << firstRun;
    QTest::newRow("every field") << busy;
    QTest::newRow("single flags") << SettingsRecord{.soundsOn = true, .answerFormat = 1, .showCarryBoxes = true};
}

void TestSettings::roundTrip()
{
    QFETCH(SettingsRecord, record);
    QCOMPARE(parseSettings(formatSettings(record)), record);
}

void TestSettings::loadMissingFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("sumdrop.ini"));
    QCOMPARE(loadSettingsFile(path), SettingsRecord{});
    // A pipe in its place, which nothing writes to, counts as no file.
    QCOMPARE(QProcess::execute(QStringLiteral("mkfifo"), {path}), 0);
    QCOMPARE(loadSettingsFile(path), SettingsRecord{});
}

void TestSettings::saveAndLoad()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("sumdrop.ini"));
    QVERIFY(saveSettingsFile(busy, path));
    QCOMPARE(readAll(path), busyFile);
    QCOMPARE(loadSettingsFile(path), busy);
}

void TestSettings::saveReplacesLongerFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("sumdrop.ini"));
    QVERIFY(writeAll(path, busyFile + QByteArray(5000, '9')));
    QVERIFY(saveSettingsFile(firstRun, path));
    QCOMPARE(readAll(path), firstRunFile);
}

void TestSettings::failedSaveKeepsOldFile_data()
{
    QTest::addColumn<QString>("target"); // relative to a scratch directory
    QTest::newRow("parent is a file") << QStringLiteral("old.ini/sumdrop.ini");
    QTest::newRow("target is a directory") << QStringLiteral("dir");
    QTest::newRow("parent missing") << QStringLiteral("missing/sumdrop.ini");
}

void TestSettings::failedSaveKeepsOldFile()
{
    QFETCH(QString, target);
    QTemporaryDir dir;
    QVERIFY(writeAll(dir.filePath(QStringLiteral("old.ini")), busyFile));
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("dir")));

    QVERIFY(!saveSettingsFile(firstRun, dir.filePath(target)));
    QCOMPARE(readAll(dir.filePath(QStringLiteral("old.ini"))), busyFile);
    QVERIFY(QFileInfo(dir.filePath(QStringLiteral("dir"))).isDir());
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
             QStringList({QStringLiteral("dir"), QStringLiteral("old.ini")}));
}

void TestSettings::failedWriteKeepsOldFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("sumdrop.ini"));
    QVERIFY(writeAll(path, busyFile));
    {
        const FileSizeLimit full(8);
        QVERIFY(!saveSettingsFile(firstRun, path));
    }
    QCOMPARE(readAll(path), busyFile);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("sumdrop.ini")});
}

void TestSettings::readOnlyDirectory()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("sumdrop.ini"));
    QVERIFY(writeAll(path, busyFile));
    QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    // Root writes anywhere, so the save is tried by an unprivileged user.
    const pid_t child = fork();
    if (child == 0) {
        if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0))
            _exit(2);
        QString reason;
        const bool saved = saveSettingsFile(firstRun, path, &reason);
        _exit(saved ? 1 : reason == QStringLiteral("Permission denied") ? 0 : 3);
    }
    int status = -1;
    waitpid(child, &status, 0);
    QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    QVERIFY(WIFEXITED(status));
    QCOMPARE(WEXITSTATUS(status), 0);
    QCOMPARE(readAll(path), busyFile);
}

void TestSettings::hugeFileIsFast_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<SettingsRecord>("expected");
    constexpr int size = 10 * 1024 * 1024;

    QTest::newRow("one long number") << QByteArray(size, '7') << SettingsRecord{.cardCount = 100};
    QTest::newRow("blanks") << QByteArray(size, ' ') << SettingsRecord{};
    QTest::newRow("empty lines") << QByteArray(size, '\n') << SettingsRecord{};
    QTest::newRow("the file, then more") << busyFile + QByteArray(size, '5') << busy;
    QTest::newRow("commas") << QByteArray(size, ',') << SettingsRecord{};
    QByteArray noise(size, Qt::Uninitialized);
    QRandomGenerator generator(42);
    generator.fillRange(reinterpret_cast<quint32 *>(noise.data()), size / 4);
    noise.replace('\n', 'x').replace('\r', 'x').replace(',', 'x');
    QTest::newRow("binary noise") << noise << SettingsRecord{};
}

void TestSettings::hugeFileIsFast()
{
    QFETCH(QByteArray, file);
    QFETCH(SettingsRecord, expected);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("sumdrop.ini"));
    QVERIFY(writeAll(path, file));

    QElapsedTimer timer;
    timer.start();
    QCOMPARE(loadSettingsFile(path), expected);
    QCOMPARE(parseSettings(file), expected);
    QCOMPARE_LT(timer.elapsed(), 1000);
}

QTEST_GUILESS_MAIN(TestSettings)
#include "tst_settings.moc"
