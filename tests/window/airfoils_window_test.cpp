// Compare Airfoils: the list, the table at the main window's α, the overlaid pictures.
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

#include "survey/airfoil_table.h"
#include "window/airfoils_window.h"
#include "window/form1.h"
#include "window/picture_export.h"
#include "window/picture_widget.h"
#include "window_test_support.h"

using namespace vantrel;
using namespace vantrel::testing;

class AirfoilsWindowTest : public WindowTestCase {
  Q_OBJECT

 private slots:
  // The airfoil on screen comes first; a designation typed in and a broken file follow; the
  // broken file's row says why and the others keep their values, which are the survey's.
  void tableFollowsTheListAndTheMainWindowsAlfa() {
    QFile::copy(QStringLiteral(VANTREL_SAMPLES "/naca4412.nca"),
                window_->scratch.filePath("naca4412.nca"));
    writeTextFile(window_->scratch.filePath("broken.nca"), "BROKEN\n\n\n0.0 0.0 0.0 x\n");
    chooseAirfoil(window_->form, window_->scratch.path(), "naca4412.nca");
    window_->form.widgets().Text_Alfa->setText("3");
    window_->form.Text_Alfa_Enter();
    window_->form.menu().Mn_CompareAirfoils->trigger();
    AirfoilsWindow* airfoils = window_->form.airfoilsWindow();
    QVERIFY(airfoils && airfoils->isVisible());
    QCOMPARE(itemTexts(airfoils->list()), QStringList({"NACA 4412"}));

    airfoils->Text_AirfoilNaca->setText(" 0009 ");
    QTest::mouseClick(airfoils->Cmnd_AddNaca, Qt::LeftButton);
    airfoils->addSources({window_->scratch.filePath("broken.nca")});
    QVERIFY2(window_->log.messages().isEmpty(), qPrintable(window_->log.messages().join('|')));
    QCOMPARE(airfoils->table()->rowCount(), 3);
    QVERIFY(airfoils->table()->item(1, 5));
    QVERIFY(!airfoils->table()->item(2, 5));
    QVERIFY(airfoils->table()->item(2, 10)->text().contains("broken.nca"));

    const auto expectSurveyRows = [&](double alfa) {
      const std::vector<std::string> sources = {window_->form.DataFile(), "0009",
                                                window_->scratch.filePath("broken.nca").toStdString()};
      for (std::size_t i = 0; i < sources.size(); ++i) {
        QCOMPARE(airfoilTableLine(airfoils->rows()[i]),
                 airfoilTableLine(airfoilRow(sources[i], alfa)));
      }
    };
    expectSurveyRows(3);
    window_->form.widgets().Text_Alfa->setText("-2");
    window_->form.Text_Alfa_Enter();
    expectSurveyRows(-2);

    const QString csv = window_->scratch.filePath("airfoils.csv");
    QCOMPARE(airfoils->saveTable(csv), QString());
    QCOMPARE(readFileBytes(csv), QByteArray::fromStdString(airfoilTableCsv(airfoils->rows())));

    airfoils->findChild<QListWidget*>("List_Airfoils")->setCurrentRow(1);
    QTest::mouseClick(airfoils->Cmnd_RemoveAirfoil, Qt::LeftButton);
    QCOMPARE(airfoils->table()->rowCount(), 2);
  }

  // The family worksheet at two sizes; the mean lines go to docs/ as the program saves them.
  void overlaidPicturesAtTwoSizes() {
    window_->form.menu().Mn_CompareAirfoils->trigger();
    AirfoilsWindow* airfoils = window_->form.airfoilsWindow();
    airfoils->addSources({"0006", "0009", "1412", "2412", "4412"});
    QCOMPARE(airfoils->table()->rowCount(), 5);
    for (const QSize& size : {QSize(1200, 820), QSize(820, 600)}) {
      airfoils->resize(size);
      QCoreApplication::processEvents();
      const QString name =
          QString("%1/airfoils-%2x%3.png").arg(VANTREL_SCREENSHOT_DIR).arg(size.width()).arg(size.height());
      QVERIFY(airfoils->grab().save(name));
    }
    PictureWidget* mean = airfoils->meanLines();
    const QSize saved(880, 600);
    QCOMPARE(savePicture(mean->box(), {QString(VANTREL_SCREENSHOT_DIR "/family-mean-lines.png"),
                                       PictureFormat::Png},
                         saved, mean->layersFor(saved, true)),
             QString());
  }

};

QTEST_MAIN(AirfoilsWindowTest)
#include "airfoils_window_test.moc"
