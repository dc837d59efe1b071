#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>
#include <QUrl>

#include "platform/soundbackend.h"
#include "resources/facewords.h"
#include "resources/pictures.h"

namespace {

struct PictureCase
{
    const char *name;
    int id;
    PictureKind kind;
    QSize size;
};

QByteArray readResource(int id)
{
    QFile file(QStringLiteral(":/bitmap/%1").arg(id));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

quint16 le16(const QByteArray &bytes, qsizetype at)
{
    return qFromLittleEndian<quint16>(bytes.constData() + at);
}

quint32 le32(const QByteArray &bytes, qsizetype at)
{
    return qFromLittleEndian<quint32>(bytes.constData() + at);
}

bool isStrikeRed(QRgb pixel)
{
    return qRed(pixel) > 180 && qGreen(pixel) < 70 && qBlue(pixel) < 70;
}

int countPixels(const QImage &image, bool (*test)(QRgb))
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += test(image.pixel(x, y)) ? 1 : 0;
    return count;
}

// The pixels of a tile outside its inner area, where the digit never goes.
QList<QRgb> tileFrame(const QImage &image, int band, int rows)
{
    QList<QRgb> frame;
    for (int y = 0; y < rows; ++y)
        for (int x = 0; x < image.width(); ++x)
            if (x < band || x >= image.width() - band || y < band || y >= rows - band)
                frame.append(image.pixel(x, y));
    return frame;
}

} // namespace

class TestResources : public QObject
{
    Q_OBJECT

private slots:
    void everyPicture_data();
    void everyPicture();
    void unknownIdsAreNull_data();
    void unknownIdsAreNull();
    void pictureSetSlots_data();
    void pictureSetSlots();
    void digitTilesShareOneTile_data();
    void digitTilesShareOneTile();
    void struckDigitsAreCrossedOut_data();
    void struckDigitsAreCrossedOut();
    void letteredFaces_data();
    void letteredFaces();
    void sounds_data();
    void sounds();
    void soundPlugin_data();
    void soundPlugin();
};

void TestResources::everyPicture_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<PictureKind>("kind");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<bool>("cardBitmap");

    const auto bitmap = PictureKind::Bitmap;
    const PictureCase singles[] = {
        {"large 0", 107, bitmap, {125, 176}},        {"large blank", 117, bitmap, {125, 176}},
        {"large plus", 106, bitmap, {109, 167}},     {"large minus", 105, bitmap, {109, 167}},
        {"large times", 101, bitmap, {109, 167}},    {"large card", 102, bitmap, {390, 555}},
        {"large line", 104, bitmap, {300, 30}},      {"large bracket", 149, bitmap, {272, 155}},
        {"large division 0", 160, bitmap, {76, 106}}, {"large division blank", 180, bitmap, {76, 107}},
        {"large struck 0", 200, bitmap, {125, 176}},
        {"small 0", 147, bitmap, {97, 135}},         {"small blank", 133, bitmap, {97, 135}},
        {"small plus", 143, bitmap, {93, 129}},      {"small minus", 145, bitmap, {93, 129}},
        {"small times", 144, bitmap, {93, 129}},     {"small card", 146, bitmap, {304, 433}},
        {"small line", 148, bitmap, {234, 23}},      {"small bracket", 172, bitmap, {204, 116}},
        {"small division 0", 170, bitmap, {57, 80}}, {"small division blank", 190, bitmap, {57, 80}},
        {"small struck 0", 210, bitmap, {97, 135}},
        {"sample card", 103, bitmap, {195, 278}},    {"logo", 300, bitmap, {315, 121}},
        {"RIGHT", 301, bitmap, {160, 44}},           {"WRONG", 302, bitmap, {160, 44}},
        {"Start", 303, bitmap, {150, 56}},           {"Stop", 304, bitmap, {150, 56}},
        {"RIGHT unlettered", 311, bitmap, {160, 44}}, {"WRONG unlettered", 312, bitmap, {160, 44}},
        {"Start unlettered", 313, bitmap, {150, 56}}, {"Stop unlettered", 314, bitmap, {150, 56}},
        {"game clock", 305, bitmap, {120, 40}},      {"card clock", 306, bitmap, {120, 40}},
        {"previous card", 307, bitmap, {330, 110}},  {"tick icon", 104, PictureKind::Icon, {72, 72}},
        {"cross icon", 101, PictureKind::Icon, {72, 72}},
    };
    for (const PictureCase &row : singles)
        QTest::newRow(row.name) << row.id << row.kind << row.size << true;
    QTest::newRow("application icon") << 400 << bitmap << QSize(256, 256) << false;

    auto digitRows = [&](const char *set, int firstOfOneToNine, QSize size) {
        for (int digit = 1; digit <= 9; ++digit)
            QTest::addRow("%s %d", set, digit) << firstOfOneToNine + digit - 1 << bitmap << size << true;
    };
    digitRows("large", 108, {125, 175});
    digitRows("small", 134, {97, 135});
    digitRows("large division", 151, {76, 106});
    digitRows("small division", 161, {57, 80});
    digitRows("large struck", 201, {125, 175});
    digitRows("small struck", 211, {97, 135});
}

void TestResources::everyPicture()
{
    QFETCH(int, id);
    QFETCH(PictureKind, kind);
    QFETCH(QSize, size);
    QFETCH(bool, cardBitmap);

    const QPixmap picture = loadPicture(id, kind);
    QVERIFY2(!picture.isNull(), "missing from the program's resources");
    QCOMPARE(picture.size(), size);
    // The double-size drawing keeps the logical size on a high-density screen.
    const QPixmap sharp = loadPicture(id, kind, 2);
    QCOMPARE(sharp.devicePixelRatio(), 2.0);
    QCOMPARE(sharp.size(), size * 2);

    if (cardBitmap && kind == PictureKind::Bitmap) {
        const QByteArray bytes = readResource(id);
        QVERIFY(bytes.size() > 54);
        QCOMPARE(bytes.left(2), QByteArray("BM"));
        QCOMPARE(le16(bytes, 28), quint16(24));
        // The loader's own reading of plain bitmaps gives exactly what the general reader does.
        QCOMPARE(picture.toImage(), QImage::fromData(bytes, "BMP").convertToFormat(picture.toImage().format()));
    }
}

void TestResources::unknownIdsAreNull_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<PictureKind>("kind");
    QTest::newRow("below the card set") << 100 << PictureKind::Bitmap;
    QTest::newRow("between the sets") << 118 << PictureKind::Bitmap;
    QTest::newRow("no division digit 150") << 150 << PictureKind::Bitmap;
    QTest::newRow("after the struck digits") << 220 << PictureKind::Bitmap;
    QTest::newRow("negative") << -1 << PictureKind::Bitmap;
    QTest::newRow("card id as an icon") << 102 << PictureKind::Icon;
    QTest::newRow("logo as an icon") << 300 << PictureKind::Icon;
}

void TestResources::unknownIdsAreNull()
{
    QFETCH(int, id);
    QFETCH(PictureKind, kind);
    QVERIFY(loadPicture(id, kind).isNull());
}

void TestResources::pictureSetSlots_data()
{
    QTest::addColumn<bool>("small");
    QTest::addColumn<QList<int>>("digitIds");
    QTest::addColumn<QList<int>>("otherIds"); // blank, plus, minus, times, card, line, bracket
    QTest::newRow("large") << false << QList<int>{107, 108, 109, 110, 111, 112, 113, 114, 115, 116}
                           << QList<int>{117, 106, 105, 101, 102, 104, 149};
    QTest::newRow("small") << true << QList<int>{147, 134, 135, 136, 137, 138, 139, 140, 141, 142}
                           << QList<int>{133, 143, 145, 144, 146, 148, 172};
}

void TestResources::pictureSetSlots()
{
    QFETCH(bool, small);
    QFETCH(QList<int>, digitIds);
    QFETCH(QList<int>, otherIds);

    const PictureSet set = PictureSet::load(small);
    QCOMPARE(set.small, small);
    for (int digit = 0; digit < 10; ++digit) {
        QVERIFY(!set.digit(digit).isNull());
        QCOMPARE(set.digit(digit).toImage(), loadPicture(digitIds[digit]).toImage());
    }
    const QPixmap others[] = {set.blank(), set.plus(), set.minus(), set.times(), set.card(), set.answerLine(), set.bracket()};
    for (int i = 0; i < otherIds.size(); ++i) {
        QVERIFY2(!others[i].isNull(), qPrintable(QString::number(otherIds[i])));
        QCOMPARE(others[i].toImage(), loadPicture(otherIds[i]).toImage());
    }
}

void TestResources::digitTilesShareOneTile_data()
{
    QTest::addColumn<int>("blankId");
    QTest::addColumn<QList<int>>("digitIds");
    QTest::newRow("large") << 117 << QList<int>{107, 108, 109, 110, 111, 112, 113, 114, 115, 116};
    QTest::newRow("small") << 133 << QList<int>{147, 134, 135, 136, 137, 138, 139, 140, 141, 142};
    QTest::newRow("large struck") << 117 << QList<int>{200, 201, 202, 203, 204, 205, 206, 207, 208, 209};
    QTest::newRow("small struck") << 133 << QList<int>{210, 211, 212, 213, 214, 215, 216, 217, 218, 219};
    QTest::newRow("large division") << 180 << QList<int>{160, 151, 152, 153, 154, 155, 156, 157, 158, 159};
    QTest::newRow("small division") << 190 << QList<int>{170, 161, 162, 163, 164, 165, 166, 167, 168, 169};
}

// Every digit sits on the very tile of the blank place, and no two digits
// look alike.
void TestResources::digitTilesShareOneTile()
{
    QFETCH(int, blankId);
    QFETCH(QList<int>, digitIds);

    const QImage blank = loadPicture(blankId).toImage();
    QVERIFY(!blank.isNull());
    const int band = blank.width() / 10;
    QList<QImage> digits;
    for (int id : digitIds) {
        const QImage digit = loadPicture(id).toImage();
        QVERIFY(!digit.isNull());
        const int rows = std::min(digit.height(), blank.height());
        QVERIFY2(tileFrame(digit, band, rows) == tileFrame(blank, band, rows), qPrintable(QString::number(id)));
        QVERIFY2(digit.copy(0, 0, digit.width(), rows) != blank.copy(0, 0, blank.width(), rows),
                 qPrintable(QString::number(id)));
        for (const QImage &other : std::as_const(digits))
            QVERIFY2(digit.copy(0, 0, digit.width(), rows) != other.copy(0, 0, other.width(), rows),
                     qPrintable(QString::number(id)));
        digits.append(digit);
    }
}

void TestResources::struckDigitsAreCrossedOut_data()
{
    QTest::addColumn<int>("plainId");
    QTest::addColumn<int>("struckId");
    const int large[] = {107, 108, 109, 110, 111, 112, 113, 114, 115, 116};
    const int small[] = {147, 134, 135, 136, 137, 138, 139, 140, 141, 142};
    for (int digit = 0; digit < 10; ++digit) {
        QTest::addRow("large %d", digit) << large[digit] << 200 + digit;
        QTest::addRow("small %d", digit) << small[digit] << 210 + digit;
    }
}

void TestResources::struckDigitsAreCrossedOut()
{
    QFETCH(int, plainId);
    QFETCH(int, struckId);

    const QImage plain = loadPicture(plainId).toImage();
    const QImage struck = loadPicture(struckId).toImage();
    QCOMPARE(struck.size(), plain.size());
    QCOMPARE(countPixels(plain, isStrikeRed), 0);
    // A slash across the digit, not a speck: at least a few hundred red pixels.
    QVERIFY(countPixels(struck, isStrikeRed) > plain.width() * 3);
}

// The program letters a face as the art generator does: the unlettered face
// with the English word is the stored picture, pixel for pixel.
void TestResources::letteredFaces_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<qreal>("ratio");
    for (const WordFace &face : wordFaces)
        for (const qreal ratio : {1.0, 2.0})
            QTest::addRow("%s %gx", face.word, ratio) << face.id << ratio;
}

void TestResources::letteredFaces()
{
    QFETCH(int, id);
    QFETCH(qreal, ratio);
    const WordFace &face = *findWordFace(id);
    const auto image = [ratio](int picture) {
        return loadPicture(picture, PictureKind::Bitmap, ratio).toImage().convertToFormat(QImage::Format_ARGB32);
    };
    const QImage stored = image(face.id);
    const QImage blank = image(face.blankId);
    QVERIFY(blank != stored);
    QCOMPARE(letterFace(face, blank, QString::fromLatin1(face.word)).convertToFormat(QImage::Format_ARGB32), stored);
    QCOMPARE(loadFace(id, QString::fromLatin1(face.word), ratio).toImage().convertToFormat(QImage::Format_ARGB32),
             stored);
}

void TestResources::sounds_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::newRow("right answer") << QStringLiteral("cool.wav");
    QTest::newRow("wrong answer") << QStringLiteral("error.wav");
}

// The files must suit the sound player: RIFF/WAVE, 16-bit PCM, mono, short,
// audible, not clipped, and starting and ending at silence so they do not click.
void TestResources::sounds()
{
    QFETCH(QString, fileName);

    QFile file(QStringLiteral(SUMDROP_BUILD_ROOT "/") + fileName);
    QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName()));
    const QByteArray bytes = file.readAll();
    QVERIFY(bytes.size() > 44);
    QCOMPARE(bytes.left(4), QByteArray("RIFF"));
    QCOMPARE(qsizetype(le32(bytes, 4)), bytes.size() - 8);
    QCOMPARE(bytes.mid(8, 4), QByteArray("WAVE"));

    quint32 sampleRate = 0;
    QByteArray data;
    bool formatSeen = false;
    for (qsizetype at = 12; at + 8 <= bytes.size();) {
        const QByteArray id = bytes.mid(at, 4);
        const quint32 length = le32(bytes, at + 4);
        QVERIFY2(at + 8 + qsizetype(length) <= bytes.size(), "chunk runs past the end of the file");
        if (id == "fmt ") {
            QVERIFY(length >= 16);
            QCOMPARE(le16(bytes, at + 8), quint16(1));  // PCM
            QCOMPARE(le16(bytes, at + 10), quint16(1)); // mono
            sampleRate = le32(bytes, at + 12);
            QVERIFY(sampleRate == 22050 || sampleRate == 44100);
            QCOMPARE(le32(bytes, at + 16), sampleRate * 2);
            QCOMPARE(le16(bytes, at + 20), quint16(2));
            QCOMPARE(le16(bytes, at + 22), quint16(16));
            formatSeen = true;
        } else if (id == "data") {
            QVERIFY2(formatSeen, "data before its format");
            data = bytes.mid(at + 8, length);
        }
        at += 8 + length + (length & 1);
    }
    QVERIFY(formatSeen);
    QVERIFY(!data.isEmpty());
    QCOMPARE(data.size() % 2, 0);

    QList<int> samples;
    for (qsizetype at = 0; at < data.size(); at += 2)
        samples.append(qFromLittleEndian<qint16>(data.constData() + at));
    const double seconds = double(samples.size()) / sampleRate;
    QVERIFY2(seconds >= 0.2 && seconds < 1.0, qPrintable(QString::number(seconds)));

    int peak = 0;
    for (int sample : std::as_const(samples))
        peak = std::max(peak, std::abs(sample));
    QVERIFY2(peak > 4000 && peak < 32000, qPrintable(QString::number(peak)));
    QVERIFY(std::abs(samples.first()) < 500);
    QVERIFY(std::abs(samples.last()) < 500);
}

void TestResources::soundPlugin_data()
{
    QTest::addColumn<QString>("pluginFile"); // copied into an empty folder searched first; "" copies nothing
    QTest::addColumn<bool>("loads");
    QTest::newRow("built beside the program") << QStringLiteral(SUMDROP_BUILD_ROOT "/libsumdrop_sound.so") << true;
    QTest::newRow("no plugin anywhere") << QString() << false;
    QTest::newRow("a plugin file that is not a library")
        << QStringLiteral(SUMDROP_BUILD_ROOT "/cool.wav") << false;
}

// The player is found, or the program stays silent without failing.
void TestResources::soundPlugin()
{
    QFETCH(QString, pluginFile);
    QFETCH(bool, loads);

    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    if (!pluginFile.isEmpty())
        QVERIFY(QFile::copy(pluginFile, folder.filePath(QStringLiteral("libsumdrop_sound.so"))));
    if (!pluginFile.isEmpty() && !loads)
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^Sumdrop: no sound")));
    const SoundPlugin plugin({folder.path()});
    QCOMPARE(plugin.player() != nullptr, loads);
    if (!plugin.player())
        return;
    // No sound device here: what shows is the file the player was given, the
    // newest one cutting off the one before.
    const auto *player = dynamic_cast<QObject *>(plugin.player());
    const QObject *effect = player->findChild<QObject *>(QString(), Qt::FindDirectChildrenOnly);
    QVERIFY(effect);
    for (const char *sound : {"cool.wav", "error.wav"}) {
        const QString path = QStringLiteral(SUMDROP_BUILD_ROOT "/") + QLatin1String(sound);
        plugin.player()->play(path);
        QCOMPARE(effect->property("source").toUrl(), QUrl::fromLocalFile(path));
    }
}

QTEST_MAIN(TestResources)
#include "tst_resources.moc"
