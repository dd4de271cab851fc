// The file panel: drives, folders, the airfoil file list, and reading a chosen file.
#include "window/file_panel.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QTest>

#include "window/form1.h"
#include "window/picture_widget.h"
#include "window_test_support.h"

using namespace vantrel;
using namespace vantrel::testing;

class FilePanelTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    data_ = std::make_unique<QTemporaryDir>();
    QVERIFY(data_->isValid());
    window_ = std::make_unique<WindowSession>();
    QVERIFY(window_->exposed());
  }
  void cleanup() {
    window_.reset();
    data_.reset();
  }

  void airfoilShowsThePanelAtTheWorkingFolder() {
    FilePanel* panel = window_->form.widgets().Frame_IOWindow;
    writeNacaFile(window_->scratch.filePath("here.nca"), "HERE", 12, 11);
    window_->form.menu().Mn_Airfoil->trigger();
    QVERIFY(panel->isVisible());
    QCOMPARE(panel->folder(), QDir(window_->scratch.path()).canonicalPath());
    QCOMPARE(itemTexts(panel->File1()), QStringList{"here.nca"});
    QVERIFY(panel->Drive1()->count() >= 1);
    QVERIFY(panel->Drive1()->findText(QDir::toNativeSeparators(QDir::rootPath())) >= 0);
    QVERIFY(window_->log.messages().isEmpty());
  }

  // Outside a folder of airfoil files the panel starts in the samples; once a file has been read,
  // the next run starts where it was.
  void firstOpenShowsTheSamplesThenTheLastFolderRead() {
    FilePanel* panel = window_->form.widgets().Frame_IOWindow;
    window_->form.menu().Mn_Airfoil->trigger();
    QCOMPARE(panel->folder(), QDir(VANTREL_SAMPLES).canonicalPath());
    QVERIFY(itemTexts(panel->File1()).contains("naca2412.nca"));
    writeNacaFile(QDir(data_->path()).filePath("mine.nca"), "MINE", 12, 11);
    QVERIFY(panel->openFolder(data_->path()));
    QVERIFY(clickItem(panel->File1(), "mine.nca"));
    QVERIFY(window_->form.FileLoaded());
    Form1 nextRun;
    nextRun.menu().Mn_Airfoil->trigger();
    QCOMPARE(nextRun.widgets().Frame_IOWindow->folder(), QDir(data_->path()).canonicalPath());
  }

  void folderListShowsThePathAndSubfolders() {
    QDir(data_->path()).mkpath("inner/deeper");
    QDir(data_->path()).mkpath("Another");
    FilePanel* panel = window_->form.widgets().Frame_IOWindow;
    window_->form.menu().Mn_Airfoil->trigger();
    QVERIFY(panel->openFolder(data_->path()));
    QStringList expected;
    QStringList parts = QDir(data_->path()).absolutePath().split('/', Qt::SkipEmptyParts);
    expected << QDir::rootPath() << parts << "Another"
             << "inner";
    QStringList shown;
    for (const QString& text : itemTexts(panel->Dir1())) shown << text.trimmed();
    QCOMPARE(shown, expected);
    // Opening a subfolder moves there; opening an ancestor moves back up.
    QVERIFY(doubleClickItem(panel->Dir1(), "inner"));
    QCOMPARE(panel->folder(), QDir(data_->path()).filePath("inner"));
    QVERIFY(itemTexts(panel->Dir1()).last().trimmed() == "deeper");
    QVERIFY(doubleClickItem(panel->Dir1(), parts.last()));
    QCOMPARE(panel->folder(), QDir::cleanPath(data_->path()));
  }

  void fileListShowsAirfoilFilesOfTheFolder() {
    writeTextFile(data_->filePath("b.nca"), "B\r\n\r\n\r\n");
    writeTextFile(data_->filePath("A.nca"), "A\r\n\r\n\r\n");
    writeTextFile(data_->filePath("selig.dat"), "S\n");
    writeTextFile(data_->filePath("notes.txt"), "N\n");
    QDir(data_->path()).mkpath("sub.nca.d");
    QDir(data_->path()).mkpath("empty");
    FilePanel* panel = window_->form.widgets().Frame_IOWindow;
    window_->form.menu().Mn_Airfoil->trigger();
    QVERIFY(panel->openFolder(data_->path()));
    QCOMPARE(itemTexts(panel->File1()), (QStringList{"A.nca", "b.nca", "selig.dat"}));
    // An empty folder lists no files.
    QVERIFY(doubleClickItem(panel->Dir1(), "empty"));
    QCOMPARE(panel->File1()->count(), 0);
  }

  void aFolderThatCannotBeOpenedIsRefused() {
    FilePanel* panel = window_->form.widgets().Frame_IOWindow;
    window_->form.menu().Mn_Airfoil->trigger();
    const QString before = panel->folder();
    QVERIFY(!panel->openFolder(data_->filePath("missing")));
    QCOMPARE(panel->folder(), before);
    QCOMPARE(window_->log.messages().size(), 1);
    QVERIFY(window_->log.messages().first().contains("missing"));
  }

  void choosingADriveMovesTheFolderList() {
    FilePanel* panel = window_->form.widgets().Frame_IOWindow;
    window_->form.menu().Mn_Airfoil->trigger();
    QComboBox* drives = panel->Drive1();
    const int root = drives->findData(QDir::rootPath());
    QVERIFY(root >= 0);
    // Every listed drive can be chosen; coming back to a drive returns to its last folder.
    QVERIFY(panel->openFolder(data_->path()));
    const QString dataDrive = drives->currentData().toString();
    for (int i = 0; i < drives->count(); ++i) {
      drives->setCurrentIndex(i);
      emit drives->activated(i);
    }
    const int back = drives->findData(dataDrive);
    drives->setCurrentIndex(back);
    emit drives->activated(back);
    QCOMPARE(panel->folder(), QDir::cleanPath(data_->path()));
  }

  void aNameInTheTurkishCodePageStaysReadable() {
    writeNacaFile(data_->filePath("kanat.nca"), "x", 12, 11);
    QByteArray bytes = readFileBytes(data_->filePath("kanat.nca"));
    bytes.replace(0, 1, "kanat \xDC\xDD\xDE\xFD\xF0");
    writeTextFile(data_->filePath("kanat.nca"), bytes);
    chooseAirfoil(window_->form, data_->path(), "kanat.nca");
    QCOMPARE(window_->form.widgets().Lbl_Airfoil->text(), QString::fromUtf8("kanat ÜİŞığ"));
    // The report keeps the name's bytes as they were read.
    QVERIFY(readFileBytes(window_->scratch.filePath("Vantrel.txt"))
                .startsWith("kanat \xDC\xDD\xDE\xFD\xF0\r\n"));
  }

  void choosingAFileReadsAndDrawsIt() {
    writeNacaFile(data_->filePath("naca2412.nca"), "NACA 2412", 2412, 31);
    chooseAirfoil(window_->form, data_->path(), "naca2412.nca");
    QVERIFY2(window_->log.messages().isEmpty(), qPrintable(window_->log.messages().join('|')));
    QVERIFY(window_->form.FileLoaded());
    QVERIFY(window_->form.widgets().Frame_IOWindow->isHidden());
    QCOMPARE(QString::fromStdString(window_->form.DataFile()),
             QDir::cleanPath(data_->path()) + "/naca2412.nca");
    QCOMPARE(window_->form.ortak().NPoint, 31);
    QCOMPARE(window_->form.widgets().Lbl_Airfoil->text(), QString("NACA 2412"));
    QVERIFY(!window_->form.pictureWidget(Picture::Picture_Airfoil)->box().operations().empty());
    QVERIFY(!window_->form.pictureWidget(Picture::Picture_Camber)->box().operations().empty());
    // The report goes to the working folder, not to the folder of the data file.
    QVERIFY(QFile::exists(window_->scratch.filePath("Vantrel.txt")));
    QVERIFY(!QFile::exists(data_->filePath("Vantrel.txt")));
    QVERIFY(readFileBytes(window_->scratch.filePath("Vantrel.txt")).startsWith("NACA 2412\r\n"));
    // The plot on screen shows the drawing: some pixels are no longer the back colour.
    const QImage shot = window_->form.pictureWidget(Picture::Picture_Airfoil)->grab().toImage();
    int drawn = 0;
    for (int x = 2; x < shot.width() - 2; ++x) {
      if (QColor(shot.pixel(x, shot.height() / 2)) != QColor(255, 255, 192)) ++drawn;
    }
    QVERIFY(drawn > 10);

    // "Airfoil" again opens the panel at the same folder.
    window_->form.menu().Mn_Airfoil->trigger();
    QVERIFY(window_->form.widgets().Frame_IOWindow->isVisible());
    QCOMPARE(window_->form.widgets().Frame_IOWindow->folder(), QDir::cleanPath(data_->path()));
  }

  void theSameFileTwiceGivesTheSameResult() {
    writeNacaFile(data_->filePath("naca0012.nca"), "NACA 0012", 12, 21);
    chooseAirfoil(window_->form, data_->path(), "naca0012.nca");
    const QByteArray firstReport = readFileBytes(window_->scratch.filePath("Vantrel.txt"));
    const auto firstPlot =
        window_->form.pictureWidget(Picture::Picture_Airfoil)->box().operations();
    const std::vector<double> firstCamber = window_->form.ortak().yC;
    chooseAirfoil(window_->form, data_->path(), "naca0012.nca");
    QVERIFY(window_->form.FileLoaded());
    QVERIFY(!firstReport.isEmpty());
    QCOMPARE(readFileBytes(window_->scratch.filePath("Vantrel.txt")), firstReport);
    QCOMPARE(window_->form.ortak().yC, firstCamber);
    QCOMPARE(window_->form.pictureWidget(Picture::Picture_Airfoil)->box().operations().size(),
             firstPlot.size());
  }

  void aBadFileKeepsThePanelAndThePreviousAirfoil() {
    writeNacaFile(data_->filePath("good.nca"), "GOOD", 4412, 21);
    writeTextFile(data_->filePath("bad.nca"), "BAD\r\nx\r\ny\r\n0.0 0.0 0.0 zero\r\n");
    chooseAirfoil(window_->form, data_->path(), "good.nca");
    QVERIFY(window_->form.FileLoaded());
    const QByteArray goodReport = readFileBytes(window_->scratch.filePath("Vantrel.txt"));
    const auto operations =
        window_->form.pictureWidget(Picture::Picture_Airfoil)->box().operations().size();

    window_->form.menu().Mn_Airfoil->trigger();
    QVERIFY(clickItem(window_->form.widgets().Frame_IOWindow->File1(), "bad.nca"));
    QCOMPARE(window_->log.messages().size(), 1);
    QVERIFY(window_->log.messages().first().contains("bad.nca"));
    QVERIFY(window_->form.widgets().Frame_IOWindow->isVisible());
    QVERIFY(window_->form.FileLoaded());
    QCOMPARE(window_->form.widgets().Lbl_Airfoil->text(), QString("GOOD"));
    QCOMPARE(window_->form.ortak().NPoint, 21);
    QCOMPARE(window_->form.pictureWidget(Picture::Picture_Airfoil)->box().operations().size(),
             operations);
    QCOMPARE(readFileBytes(window_->scratch.filePath("Vantrel.txt")), goodReport);

    // Another file can be chosen straight away.
    QVERIFY(clickItem(window_->form.widgets().Frame_IOWindow->File1(), "good.nca"));
    QVERIFY(window_->form.widgets().Frame_IOWindow->isHidden());
  }

  void aFailedReadAtTheRootLeavesNoFile() {
    // Only the path is checked: the root folder is not ours to write into.
    FilePanel* panel = window_->form.widgets().Frame_IOWindow;
    window_->form.menu().Mn_Airfoil->trigger();
    QVERIFY(panel->openFolder(QDir::rootPath()));
    emit panel->fileChosen(panel->folder(), "no-such-airfoil.nca");
    QCOMPARE(QString::fromStdString(window_->form.DataFile()), QString());
    QVERIFY(panel->isVisible());
    QVERIFY(!window_->form.FileLoaded());
  }

 private:
  std::unique_ptr<QTemporaryDir> data_;
  std::unique_ptr<WindowSession> window_;
};

QTEST_MAIN(FilePanelTest)
#include "file_panel_test.moc"
