// The angle-of-attack and reference-point scroll bars.
#include <QLineEdit>
#include <QScrollBar>
#include <QTest>

#include "app/window/form1.h"
#include "app/window/picture_widget.h"
#include "window_test_support.h"

using namespace vantrel;
using namespace vantrel::testing;

class ScrollBarTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    scratch_ = std::make_unique<ScratchFolder>();
    form_ = std::make_unique<Form1>();
    log_ = std::make_unique<MessageLog>(*form_);
    form_->show();
    QVERIFY(QTest::qWaitForWindowExposed(form_.get()));
  }
  void cleanup() {
    log_.reset();
    form_.reset();
    scratch_.reset();
  }

  void beforeAFileTheyOnlyAsk() {
    const Form1Widgets& w = form_->widgets();
    w.HScroll_Alfa->setValue(150);
    QCOMPARE(log_->messages(), QStringList{"Open an airfoil data file"});
    QCOMPARE(w.Text_Alfa->text(), QString("0"));
    QCOMPARE(w.HScroll_Alfa->value(), 150);  // the bar has moved all the same
    w.HScroll_xM->setValue(30);
    QCOMPARE(log_->messages().size(), 2);
    QCOMPARE(log_->messages().last(), QString("Open an airfoil data file"));
    QCOMPARE(w.Text_xM->text(), QString("0"));
    QVERIFY(scratch_->entries().isEmpty());
  }

  void keysAndPageStepsCount() {
    const Form1Widgets& w = form_->widgets();
    w.HScroll_Alfa->setFocus();
    QTest::keyClick(w.HScroll_Alfa, Qt::Key_Right);
    QCOMPARE(w.HScroll_Alfa->value(), 101);
    w.HScroll_Alfa->triggerAction(QAbstractSlider::SliderPageStepAdd);
    QCOMPARE(w.HScroll_Alfa->value(), 111);
    QCOMPARE(log_->messages().size(), 2);
  }

  void aDraggedThumbCountsOnceWhenLetGo() {
    const Form1Widgets& w = form_->widgets();
    w.HScroll_Alfa->setSliderDown(true);
    w.HScroll_Alfa->setSliderPosition(120);
    w.HScroll_Alfa->setSliderPosition(130);
    QVERIFY(log_->messages().isEmpty());
    w.HScroll_Alfa->setSliderDown(false);
    QCOMPARE(log_->messages().size(), 1);
  }

  void valuesBecomeAnglesAndPoints() {
    writeNacaFile(scratch_->filePath("naca2412.nca"), "NACA 2412", 2412, 31);
    chooseAirfoil(*form_, scratch_->path(), "naca2412.nca");
    QVERIFY(form_->FileLoaded());
    log_->clear();
    const Form1Widgets& w = form_->widgets();
    const QList<std::pair<int, QString>> angles = {
        {0, "-10"}, {95, "-0.5"}, {100, "0"}, {103, "0.3"}, {200, "10"}};
    for (const auto& [value, text] : angles) {
      w.HScroll_Alfa->setValue(value);
      QCOMPARE(w.Text_Alfa->text(), text);
    }
    const QList<std::pair<int, QString>> points = {{7, "0.07"}, {25, "0.25"}, {100, "1"}, {0, "0"}};
    for (const auto& [value, text] : points) {
      w.HScroll_xM->setValue(value);
      QCOMPARE(w.Text_xM->text(), text);
    }
    QVERIFY2(log_->messages().isEmpty(), qPrintable(log_->messages().join('|')));
  }

  void resultsFollowTheAngleOnScreen() {
    writeNacaFile(scratch_->filePath("naca4412.nca"), "NACA 4412", 4412, 31);
    chooseAirfoil(*form_, scratch_->path(), "naca4412.nca");
    form_->menu().Mn_Numerical->trigger();
    QVERIFY2(log_->messages().isEmpty(), qPrintable(log_->messages().join('|')));
    const Form1Widgets& w = form_->widgets();
    QVERIFY(!w.Text_CL->text().isEmpty());
    const QImage before = w.Picture_CL->grab().toImage();
    QVERIFY(!form_->picture(Picture::Picture_Load).operations().empty());
    const QString clAtZero = w.Text_CL->text();
    w.HScroll_Alfa->setValue(150);
    QCOMPARE(w.Text_Alfa->text(), QString("5"));
    QVERIFY(w.Text_CL->text() != clAtZero);
    // The lift plot on screen moved its operating point with the angle.
    QTRY_VERIFY(w.Picture_CL->grab().toImage() != before);
  }

 private:
  std::unique_ptr<ScratchFolder> scratch_;
  std::unique_ptr<Form1> form_;
  std::unique_ptr<MessageLog> log_;
};

QTEST_MAIN(ScrollBarTest)
#include "scroll_bar_test.moc"
