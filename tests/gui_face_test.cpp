// The program's own Song face and window icons: what it draws with them
// must be what the installed AR PL UMing CN and the icons' PNGs draw.

#include "gui_support.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QFontInfo>
#include <QGroupBox>
#include <QImage>
#include <QListWidget>
#include <QPainter>
#include <QRawFont>
#include <QSet>

namespace {

using guitest::Harness;

// Every text the windows show, gathered from their controls.
QString windowTexts(const QList<QWidget*>& windows) {
    QString all;
    for (QWidget* window : windows) {
        for (QWidget* w : window->findChildren<QWidget*>()) {
            if (auto* l = qobject_cast<QLabel*>(w)) all += l->text();
            if (auto* b = qobject_cast<QAbstractButton*>(w)) all += b->text();
            if (auto* g = qobject_cast<QGroupBox*>(w)) all += g->title();
            if (auto* e = qobject_cast<QLineEdit*>(w)) all += e->text();
            if (auto* c = qobject_cast<QComboBox*>(w))
                for (int i = 0; i < c->count(); ++i) all += c->itemText(i);
            if (auto* list = qobject_cast<QListWidget*>(w))
                for (int i = 0; i < list->count(); ++i) all += list->item(i)->text();
        }
    }
    return all;
}

QImage draw(const QFont& font, const QString& text, qreal scale) {
    QImage image(QSize(1400, 60) * scale, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(scale);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(QPointF(3.3, 40), text);
    return image;
}

QFont installedSong(double pointSize) {
    QFont f = ui::songFont(pointSize);
    f.setFamilies({QStringLiteral("AR PL UMing CN")});
    return f;
}

// Splits `text` into lines short enough for draw()'s image.
QStringList chunks(const QString& text, qsizetype length = 60) {
    QStringList out;
    for (qsizetype i = 0; i < text.size(); i += length) out << text.mid(i, length);
    return out;
}

}  // namespace

class SongFaceTest : public QObject {
    Q_OBJECT
    Harness harness;
    QString texts_;

private slots:
    void initTestCase() {
        harness.setUp();
        QVERIFY(harness.start());
        app::Lifecycle& l = *harness.lifecycle();
        l.Command3_Click();
        l.Command10_Click();
        l.Command11_Click();
        l.Command12_Click();
        texts_ = windowTexts({&l.main(), l.geometry(), l.constants(), l.factorial(), l.about()});
        QCOMPARE(harness.stop(), QString());
    }
    void cleanupTestCase() { harness.tearDown(); }

    void windowsUseTheProgramsFace() {
        QCOMPARE(QFontInfo(QApplication::font()).family(), QStringLiteral("Qorvi Song"));
        QCOMPARE(QRawFont::fromFont(ui::songFont()).familyName(), QStringLiteral("Qorvi Song"));
    }

    // A character the face lacked would be drawn from the installed face,
    // which still looks right but reads the big file the face spares.
    void holdsEveryCharacterTheWindowsShow() {
        QVERIFY(texts_.size() > 1000);
        const QRawFont face = QRawFont::fromFont(ui::songFont());
        QString missing;
        for (char32_t c : texts_.toUcs4())
            if (c > 0x20 && !face.supportsCharacter(c) && !missing.contains(QString::fromUcs4(&c, 1)))
                missing += QString::fromUcs4(&c, 1);
        QCOMPARE(missing, QString());
    }

    void drawsAsTheInstalledFace_data() {
        QTest::addColumn<double>("pointSize");
        QTest::addColumn<qreal>("scale");
        // The program's sizes; 9 and 10.5 points are drawn from the face's
        // bitmaps at 100 %, everything at 200 % from its outlines.
        for (double size : {9.0, 10.5, 14.25})
            for (qreal scale : {1.0, 1.25, 2.0})
                QTest::addRow("%gpt at %g", size, scale) << size << scale;
    }
    void drawsAsTheInstalledFace() {
        QFETCH(double, pointSize);
        QFETCH(qreal, scale);
        for (const QString& line : chunks(texts_)) {
            const QImage own = draw(ui::songFont(pointSize), line, scale);
            const QImage installed = draw(installedSong(pointSize), line, scale);
            QVERIFY2(own == installed, qPrintable(line));
        }
    }

    // What a user types beyond the program's own characters comes from the
    // installed face, so it looks the same as before.
    void drawsOtherCharactersFromTheInstalledFace() {
        const QString typed = QStringLiteral("你好，世界！ΩΣπ¼½ÆØÅ①②③αβγ□■※");
        for (double size : {9.0, 14.25})
            QVERIFY(draw(ui::songFont(size), typed, 1.0) == draw(installedSong(size), typed, 1.0));
    }
};

class WindowIconTest : public QObject {
    Q_OBJECT
private slots:
    void iconsAreTheirPictures_data() {
        QTest::addColumn<QIcon>("icon");
        QTest::addColumn<QString>("picture");
        QTest::newRow("calculator") << ui::calculatorIcon() << QStringLiteral("calculator.png");
        QTest::newRow("geometry") << ui::geometryIcon() << QStringLiteral("geometry.png");
    }
    void iconsAreTheirPictures() {
        QFETCH(QIcon, icon);
        QFETCH(QString, picture);
        const QImage png(QStringLiteral(QORVI_RESOURCE_DIR "/") + picture);
        QVERIFY(!png.isNull());
        QCOMPARE(icon.availableSizes(), QList<QSize>{png.size()});
        const QImage raw = icon.pixmap(png.size()).toImage();
        // Both as the window system gets them, premultiplied; pixels only
        // (the PNG also carries a colour space).
        const QImage a = raw.convertToFormat(QImage::Format_ARGB32_Premultiplied);
        const QImage b = png.convertToFormat(QImage::Format_ARGB32_Premultiplied);
        int differing = 0;
        for (int y = 0; y < b.height(); ++y)
            for (int x = 0; x < b.width(); ++x) differing += a.pixel(x, y) != b.pixel(x, y);
        QCOMPARE(differing, 0);
    }
    void aResourceOfTheWrongSizeGivesNoIcon() {
        QVERIFY(ui::rawIcon(QStringLiteral(":/qorvi/calculator.rgba"), 31).isNull());
        QVERIFY(ui::rawIcon(QStringLiteral(":/qorvi/no-such.rgba"), 32).isNull());
    }
};

int main(int argc, char** argv) { return guitest::runTests<SongFaceTest, WindowIconTest>(argc, argv); }

#include "gui_face_test.moc"
