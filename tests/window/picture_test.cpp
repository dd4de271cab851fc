// Picture areas: painting the display list, following its changes, saving and copying it.
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImageReader>
#include <QMenu>
#include <QTest>
#include <QTimer>
#include <algorithm>

#include "window/form1.h"
#include "window/picture_export.h"
#include "window/picture_widget.h"
#include "window_test_support.h"

using namespace vantrel;
using namespace vantrel::testing;

namespace {

// A red diagonal over a blue circle, in a unit square.
void drawSample(PictureBox& box) {
  box.Cls();
  box.Scale(0, 1, 1, 0);
  box.Line(0, 0.5, 1, 0.5, kRed);
  box.Circle(0.5, 0.5, 0.25, kBlue);
}

// Lines are smoothed, so a red line shows as pixels strongly tinted red around its row.
bool hasRedAround(const QImage& image, int row) {
  for (int y = std::max(0, row - 1); y <= std::min(image.height() - 1, row + 1); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const QColor pixel(image.pixel(x, y));
      if (pixel.red() > 200 && pixel.green() < 180 && pixel.blue() < 150) return true;
    }
  }
  return false;
}

}  // namespace

class PictureTest : public QObject {
  Q_OBJECT

 private slots:
  void widgetPaintsItsListAndFollowsChanges() {
    PictureWidget widget(QSize(200, 100), nullptr);
    widget.resize(200, 100);
    widget.show();
    QVERIFY(QTest::qWaitForWindowExposed(&widget));
    QVERIFY(!hasRedAround(widget.grab().toImage(), 50));
    drawSample(widget.box());
    widget.refreshIfChanged();
    const QImage shot = widget.grab().toImage();
    QCOMPARE(QColor(shot.pixel(20, 20)), QColor(255, 255, 192));
    QVERIFY(hasRedAround(shot, shot.height() / 2));
    // After a Cls the drawing is gone.
    widget.box().Cls();
    widget.refreshIfChanged();
    QVERIFY(!hasRedAround(widget.grab().toImage(), 50));
  }

  void aWindowPictureFollowsItsHandlers() {
    ScratchFolder scratch;
    Form1 form;
    MessageLog log(form);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    PictureWidget* widget = form.pictureWidget(Picture::Picture_CL);
    QCOMPARE(&form.picture(Picture::Picture_CL), &widget->box());
    drawSample(form.picture(Picture::Picture_CL));
    // Any handler refreshes the areas whose lists changed.
    form.menu().Mn_Polynomial->trigger();
    form.Mn_Numerical_Click();  // with no airfoil it only tells
    QCOMPARE(log.messages(), QStringList{"Open an airfoil data file"});
    QTRY_VERIFY_WITH_TIMEOUT(hasRedAround(widget->grab().toImage(), widget->height() / 2), 60000);
  }

  void formatFollowsNameOrFilter() {
    const QString png = QString::fromLatin1(kPngFilter);
    const QString svg = QString::fromLatin1(kSvgFilter);
    QCOMPARE(pictureTarget("/a/plot.svg", png).format, PictureFormat::Svg);
    QCOMPARE(pictureTarget("/a/plot.PNG", svg).format, PictureFormat::Png);
    const PictureTarget bare = pictureTarget("/a/plot", svg);
    QCOMPARE(bare.format, PictureFormat::Svg);
    QCOMPARE(bare.fileName, QString("/a/plot.svg"));
    QCOMPARE(pictureTarget("/a/plot.v2", png).fileName, QString("/a/plot.v2.png"));
    QCOMPARE(proportionalHeight(QSize(400, 100), 1600), 400);
    QCOMPARE(proportionalHeight(QSize(209, 153), 836), 612);
  }

  void savesPngAtTheChosenSize() {
    ScratchFolder scratch;
    PictureBox box(kPictureBack);
    drawSample(box);
    const QString name = scratch.filePath("plot.png");
    QCOMPARE(savePicture(box, {name, PictureFormat::Png}, QSize(800, 400)), QString());
    QImage image(name);
    QCOMPARE(image.size(), QSize(800, 400));
    QVERIFY(hasRedAround(image, 200));
    QCOMPARE(QColor(image.pixel(5, 5)), QColor(255, 255, 192));
  }

  void savesSvgAsVectors() {
    ScratchFolder scratch;
    PictureBox box(kPictureBack);
    drawSample(box);
    const QString name = scratch.filePath("plot.svg");
    QCOMPARE(savePicture(box, {name, PictureFormat::Svg}, QSize(1600, 400)), QString());
    const QByteArray svg = readFileBytes(name);
    QVERIFY(svg.contains("<svg"));
    QVERIFY(svg.contains("<polyline") || svg.contains("<path") || svg.contains("<line"));
    QVERIFY(!svg.contains("<image"));
  }

  void failuresAreReported() {
    ScratchFolder scratch;
    PictureBox box(kPictureBack);
    const QString name = scratch.filePath("no-such-folder/plot.png");
    const QString error = savePicture(box, {name, PictureFormat::Png}, QSize(100, 50));
    QCOMPARE(error, QString("Could not write \"plot.png\": No such file or directory."));
    QVERIFY(!savePicture(box, {scratch.filePath("big.png"), PictureFormat::Png}, QSize(0, 50))
                 .isEmpty());
  }

  // A name that is a symbolic link gets a picture of its own; what the link pointed at stays.
  void savingOverALinkLeavesItsTargetAlone() {
    ScratchFolder scratch;
    PictureBox box(kPictureBack);
    drawSample(box);
    const QString target = scratch.filePath("notes.txt");
    const QString name = scratch.filePath("plot.png");
    QFile notes(target);
    QVERIFY(notes.open(QIODevice::WriteOnly) && notes.write("keep") == 4);
    notes.close();
    QVERIFY(QFile::link(target, name));
    QCOMPARE(savePicture(box, {name, PictureFormat::Png}, QSize(80, 40)), QString());
    QCOMPARE(readFileBytes(target), QByteArray("keep"));
    QVERIFY(!QFileInfo(name).isSymLink());
    QCOMPARE(QImage(name).size(), QSize(80, 40));
  }

  void copiesToTheClipboard() {
    PictureBox box(kPictureBack);
    drawSample(box);
    QCOMPARE(copyPicture(box, QSize(400, 200)), QString());
    const QImage copied = QGuiApplication::clipboard()->image();
    QCOMPARE(copied.size(), QSize(400, 200));
    QVERIFY(hasRedAround(copied, 100));
  }

  void rightClickOffersSaveAndCopy() {
    PictureWidget widget(QSize(100, 50), nullptr);
    widget.resize(100, 50);
    drawSample(widget.box());
    widget.show();
    QVERIFY(QTest::qWaitForWindowExposed(&widget));
    QStringList offered;
    // Reads the menu once it is open, then picks "Copy Picture".
    QTimer::singleShot(0, [&offered] {
      auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
      if (!menu) return;
      for (QAction* action : menu->actions()) offered << action->text();
      for (QAction* action : menu->actions()) {
        if (action->text() == "Copy Picture") action->trigger();
      }
      menu->close();
    });
    QGuiApplication::clipboard()->clear();
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(10, 10),
                            widget.mapToGlobal(QPoint(10, 10)));
    QApplication::sendEvent(&widget, &event);
    QCOMPARE(offered, (QStringList{QString::fromUtf8("Save Picture…"), "Copy Picture"}));
    QCOMPARE(QGuiApplication::clipboard()->image().size(), QSize(400, 200));
  }
};

QTEST_MAIN(PictureTest)
#include "picture_test.moc"
