// The faces the windows draw with (the installed AR PL UMing CN and UKai
// CN) and the window icons, which must be their PNGs' pixels.

#include "gui_support.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QFile>
#include <QFontInfo>
#include <QGroupBox>
#include <QImage>
#include <QListWidget>
#include <QRawFont>
#include <QRegularExpression>
#include <QSet>
#include <QTest>

namespace {

using guitest::Harness;

// The Qt that drew docs/screenshots (make screenshots).
constexpr char kPicturesQt[] = "6.4.2";

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

// Opens the four windows the main window opens; all five, the main first.
QList<QWidget*> openEveryWindow(app::Lifecycle& l) {
    l.Command3_Click();
    l.Command10_Click();
    l.Command11_Click();
    l.Command12_Click();
    return {&l.main(), l.geometry(), l.constants(), l.factorial(), l.about()};
}

}  // namespace

class FaceTest : public QObject {
    Q_OBJECT
    Harness harness;
    QString texts_;
    QList<QStringList> names_;  // each window's named controls, sorted

private slots:
    void initTestCase() {
        harness.setUp();
        QVERIFY(harness.start());
        const QList<QWidget*> windows = openEveryWindow(*harness.lifecycle());
        texts_ = windowTexts(windows);
        static const QRegularExpression named(QStringLiteral("^(Frame|Label|Text|Command|Combo|List|Image|Cmd|Expr|Result)"));
        for (QWidget* window : windows) {
            QStringList found;
            for (QWidget* w : window->findChildren<QWidget*>())
                if (named.match(w->objectName()).hasMatch()) found << w->objectName();
            found.sort();
            names_ << found;
        }
        QCOMPARE(harness.stop(), QString());
    }
    void cleanupTestCase() { harness.tearDown(); }

    // The installed faces, through fontconfig; the program carries none.
    void windowsUseTheInstalledFaces() {
        QCOMPARE(QFontInfo(QApplication::font()).family(), QStringLiteral("AR PL UMing CN"));
        QCOMPARE(QRawFont::fromFont(ui::songFont()).familyName(), QStringLiteral("AR PL UMing CN"));
        QCOMPARE(QRawFont::fromFont(ui::kaiFont(21.75)).familyName(), QStringLiteral("AR PL UKai CN"));
        QVERIFY(!QFile::exists(QStringLiteral(":/qorvi/song.ttf")));
    }

    // Every character the windows show is in the Song face, so none is
    // drawn from another font with other widths than the layout expects.
    void theSongFaceHoldsEveryCharacterTheWindowsShow() {
        QVERIFY(texts_.size() > 1000);
        const QRawFont face = QRawFont::fromFont(ui::songFont());
        QString missing;
        for (char32_t c : texts_.toUcs4())
            if (c > 0x20 && !face.supportsCharacter(c) && !missing.contains(QString::fromUcs4(&c, 1)))
                missing += QString::fromUcs4(&c, 1);
        QCOMPARE(missing, QString());
    }
    // Each window holds exactly the design's named controls ("Label1-27"
    // for Label1 … Label27): a control renamed or lost shows here.
    void everyWindowHoldsItsDesignsControls() {
        const char* const designs[] = {
            "CmdEvaluate ExprText ResultLabel Frame1-2 Text1-10 Command2-13 Label2-16 Command1(1) Command1(2) "
            "Command1(3) Command1(4)",
            "Frame1 Label1-27 Text1-15 Command1-6 Combo1-3", "Label1 List1", "Label1-7 Text1-3 Command1-2",
            "Image1 Label1-4"};
        static const QRegularExpression range(QStringLiteral("^(\\D+)(\\d+)-(\\d+)$"));
        QCOMPARE(names_.size(), qsizetype(std::size(designs)));
        for (qsizetype i = 0; i < names_.size(); ++i) {
            QStringList expected;
            for (const QString& item : QString::fromLatin1(designs[i]).split(QLatin1Char(' '))) {
                const QRegularExpressionMatch m = range.match(item);
                for (int n = m.hasMatch() ? m.captured(2).toInt() : 0; m.hasMatch() && n <= m.captured(3).toInt(); ++n)
                    expected << m.captured(1) + QString::number(n);
                if (!m.hasMatch()) expected << item;
            }
            expected.sort();
            QCOMPARE(names_[i], expected);
        }
    }

    // Every window drawn as its committed picture (docs/screenshots), pixel
    // for pixel: each caption, place, font and frame as the design has it.
    // Linux only: Windows draws its text through GDI.
    void windowsLookAsTheirPictures() {
#ifdef Q_OS_WIN
        QSKIP("the pictures are drawn with FreeType");
#endif
        // Another Qt or FreeType moves glyphs by a pixel here and there.
        if (qstrcmp(qVersion(), kPicturesQt) != 0) QSKIP("the pictures were drawn with another Qt");
        QVERIFY(harness.start());
        const QList<QWidget*> windows = openEveryWindow(*harness.lifecycle());
        QTest::qWait(500);
        QStringList differ;
        for (QWidget* w : windows) {
            const QString name = w->objectName().toLower() + QStringLiteral(".png");
            const QImage drawn = w->grab().toImage().convertToFormat(QImage::Format_RGB32);
            const QImage picture =
                QImage(QStringLiteral(QORVI_SCREENSHOT_DIR "/") + name).convertToFormat(QImage::Format_RGB32);
            QVERIFY2(!picture.isNull(), qPrintable(name));
            int differing = drawn.size() == picture.size() ? 0 : -1;
            for (int y = 0; differing >= 0 && y < picture.height(); ++y)
                for (int x = 0; x < picture.width(); ++x) differing += drawn.pixel(x, y) != picture.pixel(x, y);
            if (differing != 0) {
                drawn.save(name);  // beside the test, to compare
                differ << QStringLiteral("%1: %2 pixels").arg(name).arg(differing);
            }
        }
        QCOMPARE(harness.stop(), QString());
        QCOMPARE(differ.join(QStringLiteral("; ")), QString());
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

int main(int argc, char** argv) { return guitest::runTests<FaceTest, WindowIconTest>(argc, argv); }

#include "gui_face_test.moc"
