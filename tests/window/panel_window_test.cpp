// "Thickness and Pressure": the panel method beside thin-airfoil theory, following the α bar.
#include <QScrollBar>
#include <QTableWidget>
#include <QTest>
#include <cmath>
#include <numbers>

#include "window/form1.h"
#include "window/panel_window.h"
#include "window/picture_widget.h"
#include "window_test_support.h"

using namespace vantrel;
using namespace vantrel::testing;

class PanelWindowTest : public WindowTestCase {
  Q_OBJECT

 private slots:
  void asksForAnAirfoilFirst() {
    window_->form.menu().Mn_Panel->trigger();
    QCOMPARE(window_->log.messages(), QStringList("Open an airfoil data file"));
    QVERIFY(!window_->form.panelWindow());
  }

  void showsBothTheoriesAndFollowsTheAngle() {
    open("naca2412.nca");
    const WindowSnapshot before(window_->form);
    window_->form.menu().Mn_Panel->trigger();
    QVERIFY2(window_->log.messages().isEmpty(), qPrintable(window_->log.messages().join('|')));
    PanelWindow* panel = window_->form.panelWindow();
    QVERIFY(panel && panel->isVisible());
    QCOMPARE(panel->windowTitle(), QString("Thickness and Pressure"));
    // The lesson runs on copies: the main window, its state and its reports stay as they were.
    QVERIFY(WindowSnapshot(window_->form) == before);
    const QTableWidget* table = panel->table();
    QCOMPARE(table->rowCount(), 4);
    // Thin-airfoil theory's zero-lift angle of the sample, and the panel method's close to it.
    QCOMPARE(table->item(0, 1)->text(), QString("-2.0742"));
    QVERIFY(std::abs(number(table, 0, 2) + 2.07) < 0.2);
    // The lift slope: 2π against some 10% more.
    QVERIFY(std::abs(number(table, 3, 1) - 2 * std::numbers::pi) < 1e-3);
    QVERIFY(number(table, 3, 3) > 5 && number(table, 3, 3) < 15);
    QVERIFY(!panel->plot()->box().operations().empty());
    QVERIFY(panel->plot()->axesShown());

    // The α bar: the table and the picture follow, the panel method without a new solve.
    const double CLbefore = number(table, 2, 2);
    const auto listBefore = panel->plot()->box().operations().size();
    window_->form.widgets().HScroll_Alfa->setValue(160);  // 6°
    QCOMPARE(panel->lesson()->Alfa, 6.0);
    const double alfa = 6 * std::numbers::pi / 180;
    QCOMPARE(table->item(2, 2)->text(),
             QString::number(std::round(panel->lesson()->panel.CL(alfa) * 1e4) / 1e4));
    QVERIFY(number(table, 2, 2) > CLbefore + 0.2);
    QCOMPARE(panel->plot()->box().operations().size(), listBefore);
    panel->grab().save(VANTREL_SCREENSHOT_DIR "/panel_window.png");
  }

  void aCamberLineAloneIsRefusedInWords() {
    open("flatplate.nca");
    window_->form.menu().Mn_Panel->trigger();
    QCOMPARE(window_->log.messages().size(), 1);
    QVERIFY(window_->log.messages().front().contains("camber line only"));
    QVERIFY(!window_->form.panelWindow());
  }

 private:
  void open(const QString& name) {
    QFile::copy(QStringLiteral(VANTREL_SAMPLES "/") + name, window_->scratch.filePath(name));
    chooseAirfoil(window_->form, window_->scratch.path(), name);
    QVERIFY(window_->form.FileLoaded());
  }
  static double number(const QTableWidget* table, int row, int column) {
    return table->item(row, column)->text().toDouble();
  }
};

QTEST_MAIN(PanelWindowTest)
#include "panel_window_test.moc"
