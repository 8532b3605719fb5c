#include "support/Pixels.h"
#include "tools/Pictures.h"

#include <QPainter>
#include <QTest>

namespace {

QImage committed(const pictures::CommittedPicture& picture) {
    return QImage(QStringLiteral(RESOURCES_DIR "/") + QString::fromLatin1(picture.path));
}

const pictures::CommittedPicture& committedNamed(const char* path) {
    for (const pictures::CommittedPicture& picture : pictures::CommittedPictures) {
        if (qstrcmp(picture.path, path) == 0)
            return picture;
    }
    qFatal("no committed picture %s", path);
}

} // namespace

class TestPictures : public QObject {
    Q_OBJECT
private slots:
    void committedPictureShowsWhatIsDrawn_data();
    void committedPictureShowsWhatIsDrawn();
    void aRealFaultExceedsTheTolerance_data();
    void aRealFaultExceedsTheTolerance();
};

void TestPictures::committedPictureShowsWhatIsDrawn_data() {
    QTest::addColumn<int>("index");
    for (std::size_t i = 0; i < pictures::CommittedPictures.size(); ++i)
        QTest::newRow(pictures::CommittedPictures[i].path) << static_cast<int>(i);
}

void TestPictures::committedPictureShowsWhatIsDrawn() {
    QFETCH(int, index);
    const pictures::CommittedPicture& picture =
        pictures::CommittedPictures[static_cast<std::size_t>(index)];
    const QImage file = committed(picture);
    QVERIFY2(!file.isNull(), picture.path);
    const QSize expected = picture.dots == 0
                               ? QSize(picture.size, picture.size)
                               : QSize(pictures::DotWidth, pictures::DotHeight) * picture.size;
    QCOMPARE(file.size(), expected);
    QVERIFY_SAME_PICTURE(pictures::draw(picture), file);
}

// The faults the comparison is there to catch, made on purpose: each must be
// further off than the tolerance lets through, and a one-level rounding
// difference must not be.
void TestPictures::aRealFaultExceedsTheTolerance_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("fault");
    QTest::addColumn<bool>("caught");
    QTest::newRow("an icon with every channel one level off passes") << "icons/azivoder@2x.png"
                                                                     << "one level" << false;
    QTest::newRow("an icon with a 1-pixel line of its cross left out fails")
        << "icons/azivoder@2x.png"
        << "line left out" << true;
    QTest::newRow("an icon shifted by one pixel fails") << "icons/azivoder.png"
                                                        << "shifted" << true;
    QTest::newRow("a dot picture in another colour fails") << "images/dot1.png"
                                                           << "another colour" << true;
    QTest::newRow("two dots where one belongs fails") << "images/dot1.png"
                                                      << "two dots" << true;
}

void TestPictures::aRealFaultExceedsTheTolerance() {
    QFETCH(QString, path);
    QFETCH(QString, fault);
    QFETCH(bool, caught);
    const pictures::CommittedPicture& picture = committedNamed(qPrintable(path));
    const QImage good = committed(picture);
    QImage broken = pictures::draw(picture).convertToFormat(QImage::Format_ARGB32);
    if (fault == QLatin1String("one level")) {
        for (int y = 0; y < broken.height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(broken.scanLine(y));
            for (int x = 0; x < broken.width(); ++x) {
                const QRgb p = line[x];
                line[x] = qRgba(qMax(qRed(p) - 1, 0), qMin(qGreen(p) + 1, 255),
                                qMax(qBlue(p) - 1, 0), qAlpha(p));
            }
        }
    } else if (fault == QLatin1String("line left out")) {
        QPainter painter(&broken);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.fillRect(QRect(0, broken.height() / 2, broken.width(), 1), Qt::transparent);
    } else if (fault == QLatin1String("shifted")) {
        QImage shifted(broken.size(), broken.format());
        shifted.fill(Qt::transparent);
        QPainter(&shifted).drawImage(1, 0, broken);
        broken = shifted;
    } else if (fault == QLatin1String("another colour")) {
        broken = broken.rgbSwapped(); // the bronze turns blue, the white stays
    } else {
        broken = pictures::drawDots(2, picture.size);
    }
    const PictureDifference difference = compareImages(broken, good);
    QVERIFY2(difference.withinTolerance() != caught, qPrintable(difference.describe()));
}

QTEST_MAIN(TestPictures)
#include "test_pictures.moc"
