#include <QImage>
#include <QSet>
#include <QTest>

class TestArtwork : public QObject
{
    Q_OBJECT

private slots:
    void iconIsSixteenColours();
};

void TestArtwork::iconIsSixteenColours()
{
    Q_INIT_RESOURCE(resources);
    const QImage icon(QStringLiteral(":/numora-icon.png"));
    QCOMPARE(icon.size(), QSize(32, 32));
    QSet<QRgb> colours;
    for (int y = 0; y < icon.height(); ++y)
        for (int x = 0; x < icon.width(); ++x)
            colours.insert(icon.pixel(x, y));
    QVERIFY(colours.size() <= 16);
}

QTEST_GUILESS_MAIN(TestArtwork)
#include "tst_artwork.moc"
