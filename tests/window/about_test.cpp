// The About window: its labels, and that it is one non-modal window.
#include "window/about.h"

#include <QGroupBox>
#include <QLabel>
#include <QTest>

#include "window/form1.h"
#include "window_test_support.h"

using namespace vantrel;
using namespace vantrel::testing;

class AboutTest : public QObject {
  Q_OBJECT

 private slots:
  void labelsAsDesigned_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("points");
    QTest::addColumn<bool>("emphasised");
    QTest::addColumn<QColor>("colour");
    QTest::addColumn<QRect>("pixels");
    const QColor green(0, 128, 0);
    QTest::newRow("Label1") << "Label1"
                            << "QEB-Vantrel" << 12.0 << true << QColor(255, 0, 0)
                            << QRect(88, 16, 121, 17);
    QTest::newRow("Label2") << "Label2"
                            << "Thin airfoil application program" << 9.75 << false << green
                            << QRect(40, 48, 209, 17);
    QTest::newRow("Label6") << "Label6"
                            << "- Uses polynom up to 4th degrees for analytical solutions" << 9.75
                            << false << green << QRect(40, 72, 217, 33);
    QTest::newRow("Label3") << "Label3"
                            << "- Uses Lumped Vortex Method for numerical solutions" << 9.75
                            << false << green << QRect(40, 112, 201, 33);
    QTest::newRow("Label7") << "Label7"
                            << "QEB-Vantrel developers" << 8.25 << false << QColor(Qt::black)
                            << QRect(56, 160, 169, 17);
    QTest::newRow("Label8") << "Label8"
                            << "Last update : November 2009" << 8.25 << false << QColor(Qt::black)
                            << QRect(56, 184, 185, 17);
    QTest::newRow("Label4") << "Label4"
                            << "for comments and questions e-mail to" << 8.25 << false
                            << QColor(Qt::black) << QRect(32, 208, 225, 17);
    QTest::newRow("Label5") << "Label5"
                            << "see README.md" << 8.25 << false << QColor(0, 0, 255)
                            << QRect(80, 232, 129, 17);
  }
  void labelsAsDesigned() {
    QFETCH(QString, name);
    QFETCH(QString, text);
    QFETCH(double, points);
    QFETCH(bool, emphasised);
    QFETCH(QColor, colour);
    QFETCH(QRect, pixels);
    About about;
    auto* label = about.findChild<QLabel*>(name);
    QVERIFY2(label, qPrintable(name));
    QCOMPARE(label->text(), text);
    QCOMPARE(label->font().pointSizeF(), points);
    QCOMPARE(label->font().bold(), emphasised);
    QCOMPARE(label->font().underline(), emphasised);
    QVERIFY(label->font().families().contains("Verdana"));
    QCOMPARE(label->palette().color(QPalette::WindowText), colour);
    QCOMPARE(label->palette().color(QPalette::Window), QColor(255, 255, 192));
    QCOMPARE(label->geometry(), pixels);
    QCOMPARE(label->wordWrap(), pixels.height() > 20);
  }

  void windowAsDesigned() {
    About about;
    QCOMPARE(about.windowTitle(), QString("About"));
    QCOMPARE(about.size(), QSize(285, 258));
    QCOMPARE(about.palette().color(QPalette::Window), QColor(255, 255, 192));
    QCOMPARE(about.findChildren<QLabel*>().size(), 8);
  }

  void oneNonModalWindow() {
    ScratchFolder scratch;
    Form1 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QVERIFY(!form.aboutWindow());  // made on first use only
    form.menu().Mn_About->trigger();
    About* about = form.aboutWindow();
    QVERIFY(about);
    QVERIFY(about->isVisible());
    QVERIFY(about->isWindow());
    QVERIFY(!about->isModal());
    QCOMPARE(about->windowModality(), Qt::NonModal);
    // The main window stays usable while About is open.
    form.menu().Mn_Polynomial->trigger();
    QVERIFY(form.widgets().Frame_LeastSquares->isVisible());
    form.menu().Mn_About->trigger();
    QCOMPARE(form.aboutWindow(), about);
    int aboutWindows = 0;
    for (QWidget* window : QApplication::topLevelWidgets()) {
      if (qobject_cast<About*>(window) && window->isVisible()) ++aboutWindows;
    }
    QCOMPARE(aboutWindows, 1);
    // Closed and chosen again, the same window comes back.
    about->close();
    form.menu().Mn_About->trigger();
    QCOMPARE(form.aboutWindow(), about);
    QVERIFY(about->isVisible());
  }
};

QTEST_MAIN(AboutTest)
#include "about_test.moc"
