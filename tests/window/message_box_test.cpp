// The program's message box as the user meets it.
#include <QAbstractButton>
#include <QLineEdit>
#include <QMessageBox>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTest>
#include <QTimer>

#include "window/form1.h"
#include "window_test_support.h"

using namespace vantrel;
using namespace vantrel::testing;

namespace {

QPoint arrowThatAdds(QScrollBar* bar) {
  QStyleOptionSlider option;
  option.initFrom(bar);
  option.orientation = bar->orientation();
  option.minimum = bar->minimum();
  option.maximum = bar->maximum();
  option.sliderPosition = bar->sliderPosition();
  option.sliderValue = bar->value();
  option.singleStep = bar->singleStep();
  option.pageStep = bar->pageStep();
  return bar->style()
      ->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarAddLine, bar)
      .center();
}

}  // namespace

class MessageBoxTest : public QObject {
  Q_OBJECT

 private slots:
  void titledOkOnlyNoIconModal() {
    ScratchFolder scratch;
    Form1 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    struct Seen {
      bool found = false;
      QString title, text;
      QMessageBox::Icon icon = QMessageBox::Information;
      QMessageBox::StandardButtons buttons;
      qsizetype buttonCount = 0;
      bool modal = false;
      Qt::WindowModality modality = Qt::NonModal;
    } seen;
    QTimer::singleShot(0, [&seen] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (!box) return;
      seen = {true,           box->windowTitle(),     box->text(),
              box->icon(),    box->standardButtons(), box->buttons().size(),
              box->isModal(), box->windowModality()};
      box->button(QMessageBox::Ok)->click();
    });
    form.widgets().HScroll_Alfa->setValue(150);  // before a file: the one message of the bar
    QVERIFY(seen.found);
    QCOMPARE(seen.title, QString("QEB-Vantrel"));
    QCOMPARE(seen.text, QString("Open an airfoil data file"));
    QCOMPARE(seen.icon, QMessageBox::NoIcon);
    QCOMPARE(seen.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    QCOMPARE(seen.buttonCount, 1);
    QVERIFY(seen.modal);
    QCOMPARE(seen.modality, Qt::ApplicationModal);
    QVERIFY(!QApplication::activeModalWidget());
  }

  void anArrowHeldBeforeAFileStepsAndAsksOnce() {
    WindowSession window;
    QVERIFY(window.exposed());
    QScrollBar* bar = window.form.widgets().HScroll_Alfa;
    const QPoint arrow = arrowThatAdds(bar);
    QTest::mousePress(bar, Qt::LeftButton, {}, arrow);
    // Longer than the bar's delay before it repeats: behind a modal box it must not go on.
    QTest::qWait(800);
    QTest::mouseRelease(bar, Qt::LeftButton, {}, arrow);
    QCOMPARE(window.log.messages(), QStringList{"Open an airfoil data file"});
    QCOMPARE(bar->value(), 101);
    QCOMPARE(window.form.widgets().Text_Alfa->text(), QString("0"));
  }

  void anArrowHeldWithAFileGoesOnStepping() {
    WindowSession window;
    QVERIFY(window.exposed());
    writeNacaFile(window.scratch.filePath("naca2412.nca"), "NACA 2412", 2412, 21);
    chooseAirfoil(window.form, window.scratch.path(), "naca2412.nca");
    QVERIFY(window.form.FileLoaded());
    QScrollBar* bar = window.form.widgets().HScroll_Alfa;
    const QPoint arrow = arrowThatAdds(bar);
    QTest::mousePress(bar, Qt::LeftButton, {}, arrow);
    // However slowly the machine runs, the held arrow repeats in the end.
    QTRY_VERIFY_WITH_TIMEOUT(bar->value() > 102, 120000);
    QTest::mouseRelease(bar, Qt::LeftButton, {}, arrow);
    QVERIFY(window.log.messages().isEmpty());
    QCOMPARE(window.form.widgets().Text_Alfa->text(), QString::number((bar->value() - 100) / 10.0));
  }
};

QTEST_MAIN(MessageBoxTest)
#include "message_box_test.moc"
